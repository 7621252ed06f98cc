// What a screen reader gets from the sign-in window through the platform's accessibility
// interface: each control's name and role, the password never given away, the progress caption
// announced when it changes, and the warning box read out when it appears.
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

// Every text that the object gives about itself, whatever the call answered.
std::vector<std::wstring> TextsOf(const ComPtr<IAccessible>& object) {
    using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    const Getter getters[] = {&IAccessible::get_accName,
                              &IAccessible::get_accValue,
                              &IAccessible::get_accDescription,
                              &IAccessible::get_accHelp,
                              &IAccessible::get_accKeyboardShortcut,
                              &IAccessible::get_accDefaultAction};
    std::vector<std::wstring> texts;
    for (const Getter get : getters) {
        Bstr text;
        (object.Get()->*get)(Self(), text.Put());
        texts.emplace_back(text.View());
    }
    return texts;
}

// Records the events of one kind raised in this process; they arrive while the thread pumps.
class EventRecorder {
  public:
    struct Event {
        HWND hwnd;
        LONG object;
        std::optional<std::wstring> name; // read as a screen reader would, when it came
    };

    explicit EventRecorder(DWORD event) {
        recorder_ = this;
        hook_ =
            SetWinEventHook(event, event, nullptr, Callback, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        EXPECT_TRUE(hook_);
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;
    ~EventRecorder() {
        UnhookWinEvent(hook_);
        recorder_ = nullptr;
    }

    std::vector<Event> For(HWND hwnd) const {
        std::vector<Event> found;
        for (const Event& e : events_)
            if (e.hwnd == hwnd)
                found.push_back(e);
        return found;
    }

  private:
    static void CALLBACK Callback(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        if (!recorder_)
            return;
        Event e{hwnd, object, std::nullopt};
        ComPtr<IAccessible> source;
        Variant item;
        if (AccessibleObjectFromEvent(hwnd, DWORD(object), DWORD(child), source.Put(), item.Put()) == S_OK) {
            Bstr name;
            if (source->get_accName(item.Get(), name.Put()) == S_OK)
                e.name = std::wstring(name.View());
        }
        recorder_->events_.push_back(std::move(e));
    }

    static inline EventRecorder* recorder_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<Event> events_;
};

// What another program reads of a window: the texts of its accessible objects and the answers
// to text requests, from a thread of its own in another apartment while this thread answers.
struct ReadElsewhere {
    HRESULT apartment = E_FAIL;
    std::vector<std::wstring> accessibleTexts;
    LRESULT length = -1;
    std::wstring wide;
    std::string ansi;
    std::wstring line;
};

ReadElsewhere ReadFromAnotherThread(HWND hwnd) {
    ReadElsewhere read;
    std::atomic<bool> done{false};
    std::thread other([&] {
        read.apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(read.apartment)) {
            for (const LONG id : {OBJID_CLIENT, OBJID_WINDOW}) {
                ComPtr<IAccessible> object;
                if (AccessibleObjectFromWindow(hwnd, DWORD(id), kIidAccessible, object.PutVoid()) == S_OK) {
                    const auto texts = TextsOf(object);
                    read.accessibleTexts.insert(read.accessibleTexts.end(), texts.begin(), texts.end());
                }
            }
            CoUninitialize();
        }
        read.length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
        wchar_t wide[64] = L"untouched";
        SendMessageW(hwnd, WM_GETTEXT, 64, LPARAM(wide));
        read.wide = wide;
        char ansi[64] = "untouched";
        SendMessageA(hwnd, WM_GETTEXT, 64, LPARAM(ansi));
        read.ansi = ansi;
        wchar_t line[64] = {64};
        line[SendMessageW(hwnd, EM_GETLINE, 0, LPARAM(line)) & 63] = L'\0';
        read.line = line;
        done = true;
    });
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    other.join();
    return read;
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

TEST(Accessibility, ThePasswordReachesNoAccessiblePropertyAndNoOtherThread) {
    RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        SetWindowTextW(form.Edit1->Handle(), L"jdupont");
        SetWindowTextW(form.edit2->Handle(), kPassword);

        const ReadElsewhere password = ReadFromAnotherThread(form.edit2->Handle());
        ASSERT_EQ(password.apartment, S_OK);
        EXPECT_THAT(password.accessibleTexts, Contains(L"Mot de passe")) << "the objects were read";
        for (const std::wstring& text : password.accessibleTexts)
            EXPECT_THAT(text, Not(HasSubstr(L"S3cret")));
        EXPECT_EQ(password.length, 0);
        EXPECT_EQ(password.wide, L"");
        EXPECT_EQ(password.ansi, "");
        EXPECT_THAT(password.line, Not(HasSubstr(L"S3cret")));
        // Only the masked field keeps its text to itself, and the program still reads it.
        EXPECT_EQ(ReadFromAnotherThread(form.Edit1->Handle()).wide, L"jdupont");
        wchar_t own[64] = L"";
        GetWindowTextW(form.edit2->Handle(), own, 64);
        EXPECT_STREQ(own, kPassword);
        form.Close();
    });
}

TEST(Accessibility, TheProgressCaptionIsAnnouncedWhenItChanges) {
    EventRecorder changes(EVENT_OBJECT_NAMECHANGE);
    HWND label = nullptr;
    RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        label = form.lblProgress->Handle();
        form.lblProgress->SetText(SignInText(kConnecting));
        Pump();
        form.lblProgress->SetText("");
        Pump();
        form.Close();
    });
    const auto events = changes.For(label);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].object, OBJID_CLIENT);
    EXPECT_EQ(events[0].name, AnsiToWide(SignInText(kConnecting)));
    EXPECT_EQ(events[1].name, std::nullopt);
}

TEST(Accessibility, TheWarningBoxIsReadOutWhenItAppears) {
    EventRecorder alerts(EVENT_SYSTEM_ALERT);
    std::optional<std::wstring> message;
    std::optional<std::wstring> button;
    long buttonRole = 0;
    WarningBoxWatcher boxes([&](TMessageForm& box) {
        for (HWND child = GetWindow(box.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (WindowText(child) == box.Message())
                message = NameOf(ObjectOf(child));
        }
        const ComPtr<IAccessible> ok = ObjectOf(box.Button()->Handle());
        button = NameOf(ok);
        buttonRole = RoleOf(ok);
        WarningBoxWatcher::PressOk(box);
    });
    RunProgramWith([&](TApplication&, TFrmConnexionORLIX& form) {
        ShowWarning(SignInText(kCredentialsRefused));
        form.Close();
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(message, AnsiToWide(SignInText(kCredentialsRefused)));
    EXPECT_EQ(button, L"OK");
    EXPECT_EQ(buttonRole, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(alerts.For(boxes.Boxes()[0].hwnd).size(), 1u);
}
