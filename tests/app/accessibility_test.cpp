// What a screen reader gets from the sign-in window through the platform's accessibility
// interface: each control's name and role.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <oleacc.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/message_form.h"
#include "app/sign_in_texts.h"
#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "base/win/variant.h"
#include "controls/cx_label.h"
#include "framework/accessible_object.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "tests/app/program_runner.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/ui/warning_boxes.h"

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

namespace {

constexpr wchar_t kPassword[] = L"Tr\u00e8sS3cret!";

VARIANT Self() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

ComPtr<IAccessible> ObjectOf(HWND hwnd, LONG id = OBJID_CLIENT) {
    ComPtr<IAccessible> object;
    EXPECT_EQ(AccessibleObjectFromWindow(hwnd, DWORD(id), kIidAccessible, object.PutVoid()), S_OK);
    return object;
}

// The name, or nothing when the object has none.
std::optional<std::wstring> NameOf(const ComPtr<IAccessible>& object) {
    Bstr name;
    const HRESULT hr = object->get_accName(Self(), name.Put());
    EXPECT_TRUE(SUCCEEDED(hr)) << std::hex << hr;
    if (hr != S_OK || !name)
        return std::nullopt;
    return std::wstring(name.View());
}

long RoleOf(const ComPtr<IAccessible>& object) {
    Variant role;
    EXPECT_EQ(object->get_accRole(Self(), role.Put()), S_OK);
    return role.Type() == VT_I4 ? role.Get().lVal : -1;
}

} // namespace

TEST(Accessibility, EachControlIsNamedAsASightedUserSeesItWithItsRole) {
    struct Case {
        const char* control; // empty: the window itself
        std::optional<std::wstring> name;
        long role;
    };
    const Case cases[] = {
        {"Edit1", L"Code utilisateur", ROLE_SYSTEM_TEXT},
        {"edit2", L"Mot de passe", ROLE_SYSTEM_TEXT},
        {"btnLogin", L"Se connecter", ROLE_SYSTEM_PUSHBUTTON},
        {"btnCancel", L"Annuler", ROLE_SYSTEM_PUSHBUTTON},
        {"cxImage1", L"Connexion ORLIX", ROLE_SYSTEM_GRAPHIC},
        {"lblProgress", std::nullopt, ROLE_SYSTEM_STATICTEXT},
        {"cxLabel1", L"V0.8 Beta", ROLE_SYSTEM_STATICTEXT},
        {"", L"Enseignement Sp\u00e9cialis\u00e9 Vorlane", ROLE_SYSTEM_CLIENT},
    };
    RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        // What the user typed is no name.
        SetWindowTextW(form.Edit1->Handle(), L"jdupont");
        SetWindowTextW(form.edit2->Handle(), kPassword);
        for (const Case& c : cases) {
            auto* control = *c.control ? dynamic_cast<TWinControl*>(form.FindComponent(c.control)) : &form;
            ASSERT_TRUE(control) << c.control;
            const ComPtr<IAccessible> object = ObjectOf(control->Handle());
            ASSERT_TRUE(object) << c.control;
            EXPECT_EQ(NameOf(object), c.name) << c.control;
            EXPECT_EQ(RoleOf(object), c.role) << c.control;
        }
        form.Close();
    });
}

