// A masked entry field that the program gives no name, as assistive technology in the same
// program reads it, with and without COM on the thread.
#include <gtest/gtest.h>

#include <oleacc.h>

#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "base/win/variant.h"
#include "framework/accessible_object.h"
#include "framework/edit.h"
#include "framework/form.h"

namespace {

class TFieldForm : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TFieldForm"; }
};

class Apartment {
  public:
    explicit Apartment(bool wanted) : hr_(wanted ? CoInitialize(nullptr) : E_FAIL) {}
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    ~Apartment() {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }
    HRESULT Result() const { return hr_; }

  private:
    HRESULT hr_;
};

} // namespace

TEST(AccessibleObject, AMaskedFieldWithoutANameIsNeverReadByItsText) {
    for (const bool com : {true, false}) {
        const Apartment apartment(com);
        ASSERT_EQ(SUCCEEDED(apartment.Result()), com);
        TFieldForm form(nullptr);
        auto* field = new TEdit(&form);
        field->SetPasswordChar('*');
        field->SetParent(&form);
        SetWindowTextW(field->Handle(), L"Tr\u00e8sS3cret!");

        ComPtr<IAccessible> object;
        const HRESULT hr = AccessibleObjectFromWindow(field->Handle(), DWORD(OBJID_CLIENT), kIidAccessible,
                                                      object.PutVoid());
        if (!com) {
            // No object of the field's own can be handed over; the platform's would read the text.
            EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
            continue;
        }
        ASSERT_EQ(hr, S_OK);
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        Bstr name;
        EXPECT_EQ(object->get_accName(self, name.Put()), S_FALSE);
        EXPECT_FALSE(name);
        Bstr value;
        EXPECT_EQ(object->get_accValue(self, value.Put()), E_ACCESSDENIED);
        EXPECT_FALSE(value);
        Variant role;
        ASSERT_EQ(object->get_accRole(self, role.Put()), S_OK);
        EXPECT_EQ(role.Get().lVal, ROLE_SYSTEM_TEXT);
    }
}
