// A masked entry field that the program leaves unnamed, as assistive technology reads it.
#include <gtest/gtest.h>

#include <oleacc.h>

#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "framework/accessible_object.h"
#include "framework/edit.h"
#include "framework/form.h"

TEST(AccessibleObject, AMaskedFieldLeftUnnamedIsNeverReadByItsText) {
    TForm form(nullptr);
    auto* field = new TEdit(&form);
    field->SetPasswordChar('*');
    field->SetParent(&form);
    SetWindowTextW(field->Handle(), L"S3cret");
    ComPtr<IAccessible> object;
    // Without COM on the thread the field's own object cannot be handed over, and the platform's
    // would name the field by its text.
    EXPECT_TRUE(FAILED(
        AccessibleObjectFromWindow(field->Handle(), DWORD(OBJID_CLIENT), kIidAccessible, object.PutVoid())));

    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    const HRESULT found =
        AccessibleObjectFromWindow(field->Handle(), DWORD(OBJID_CLIENT), kIidAccessible, object.PutVoid());
    VARIANT self{};
    self.vt = VT_I4; // CHILDID_SELF
    Bstr name;
    Bstr value;
    const HRESULT named = object ? object->get_accName(self, name.Put()) : E_FAIL;
    const HRESULT valued = object ? object->get_accValue(self, value.Put()) : E_FAIL;
    object.Reset();
    CoUninitialize();
    EXPECT_EQ(found, S_OK);
    EXPECT_EQ(named, S_FALSE);
    EXPECT_FALSE(name);
    EXPECT_EQ(valued, E_ACCESSDENIED);
    EXPECT_FALSE(value);
}
