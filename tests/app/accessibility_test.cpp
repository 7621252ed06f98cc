// What a screen reader, or any other program, reads of the sign-in window through the platform's
// accessibility interface and text requests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <oleacc.h>

#include <atomic>
#include <memory>
#include <optional>

#include "app/message_form.h"
#include "app/sign_in_texts.h"
#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "base/win/variant.h"
#include "controls/cx_button.h"
#include "controls/cx_label.h"
#include "framework/accessible_object.h"
#include "framework/edit.h"
#include "tests/app/program_runner.h"
#include "tests/app/scripted_host.h"
#include "tests/app/sign_in_form.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/ui/warning_boxes.h"
#include "tests/support/threads/test_thread.h"

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

namespace {

struct ObjectRead {
    std::optional<std::wstring> name; // none when the object has no name
    long role = 0;
    std::vector<std::wstring> texts; // every text the object gives about itself
};

ObjectRead ReadObject(HWND hwnd) {
    ObjectRead read;
    ComPtr<IAccessible> object;
    if (AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), kIidAccessible, object.PutVoid()) != S_OK)
        return read;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Variant role;
    if (object->get_accRole(self, role.Put()) == S_OK && role.Type() == VT_I4)
        read.role = role.Get().lVal;
    for (const auto get :
         {&IAccessible::get_accName, &IAccessible::get_accValue, &IAccessible::get_accDescription,
          &IAccessible::get_accHelp, &IAccessible::get_accKeyboardShortcut}) {
        Bstr text;
        if ((object.Get()->*get)(self, text.Put()) == S_OK && get == &IAccessible::get_accName && text)
            read.name = std::wstring(text.View());
        read.texts.emplace_back(text.View());
    }
    return read;
}

struct Event {
    DWORD event;
    HWND hwnd;
    std::optional<std::wstring> name; // as a screen reader reads it when the event comes
};
std::vector<Event> g_events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG, LONG, DWORD, DWORD) {
    g_events.push_back({event, hwnd, ReadObject(hwnd).name});
}

using EventHook = std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, decltype(&UnhookWinEvent)>;
EventHook HookEvent(DWORD event) {
    return {
        SetWinEventHook(event, event, nullptr, RecordEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT),
        UnhookWinEvent};
}

// Runs `work` on a thread of its own, as another program would, while this thread answers.
void OnAnotherThread(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    TestThread other([&] {
        work();
        done = true;
    });
    for (MSG msg; !done;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    other.join();
}

// What another program reads of a window, from another apartment.
struct ReadElsewhere {
    ObjectRead object;
    LRESULT length = -1;
    std::wstring text;
};

ReadElsewhere ReadFromAnotherThread(HWND hwnd) {
    ReadElsewhere read;
    OnAnotherThread([&] {
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            read.object = ReadObject(hwnd);
            CoUninitialize();
        }
        read.length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
        wchar_t text[64] = L"untouched";
        SendMessageW(hwnd, WM_GETTEXT, 64, LPARAM(text));
        read.text = text;
    });
    return read;
}

} // namespace

TEST(Accessibility, EachControlReadsAsShownTheProgressAndTheBoxAreAnnouncedAndThePasswordNeverLeaks) {
    const struct {
        const char* control; // empty: the window itself
        std::optional<std::wstring> name;
        long role;
    } cases[] = {
        {"Edit1", L"Code utilisateur", ROLE_SYSTEM_TEXT},
        {"edit2", L"Mot de passe", ROLE_SYSTEM_TEXT},
        {"btnLogin", L"Se connecter", ROLE_SYSTEM_PUSHBUTTON},
        {"btnCancel", L"Annuler", ROLE_SYSTEM_PUSHBUTTON},
        {"cxImage1", L"Connexion ORLIX", ROLE_SYSTEM_GRAPHIC},
        {"lblProgress", std::nullopt, ROLE_SYSTEM_STATICTEXT},
        {"cxLabel1", L"V0.8 Beta", ROLE_SYSTEM_STATICTEXT},
        {"", L"Enseignement Sp\u00e9cialis\u00e9 Vorlane", ROLE_SYSTEM_CLIENT},
    };
    const std::wstring password = L"Tr\u00e8sS3cret!";
    const std::string refused = SignInText(kCredentialsRefused);
    g_events.clear();
    const EventHook nameChanges = HookEvent(EVENT_OBJECT_NAMECHANGE);
    const EventHook alerts = HookEvent(EVENT_SYSTEM_ALERT);
    std::optional<std::wstring> boxMessage;
    WarningBoxWatcher boxes([&](TMessageForm& box) {
        boxMessage = ReadObject(FindWindowExA(box.Handle(), nullptr, "STATIC", refused.c_str())).name;
        WarningBoxWatcher::PressOk(box);
    });
    HWND progress = nullptr;
    RunAndClose([&](TApplication&, TFrmConnexionORLIX& form) {
        // What the user typed names nothing.
        Fill(form, L"jdupont", password);
        for (const auto& c : cases) {
            auto* control = *c.control ? dynamic_cast<TWinControl*>(form.FindComponent(c.control)) : &form;
            const ObjectRead read = ReadObject(control->Handle());
            EXPECT_EQ(read.name, c.name) << c.control;
            EXPECT_EQ(read.role, c.role) << c.control;
        }

        const ReadElsewhere secret = ReadFromAnotherThread(form.edit2->Handle());
        EXPECT_EQ(secret.object.name, L"Mot de passe") << "the object was read from the other thread";
        EXPECT_THAT(secret.object.texts, Not(Contains(HasSubstr(L"S3cret"))));
        EXPECT_EQ(secret.length, 0);
        EXPECT_EQ(secret.text, L"");
        // Only the masked field keeps its text to itself, and only from others: a sign-in that
        // another program starts still sends the password.
        EXPECT_EQ(ReadFromAnotherThread(form.Edit1->Handle()).text, L"jdupont");
        progress = form.lblProgress->Handle();
        OnAnotherThread([&] { ClickLogin(form); });
        EXPECT_EQ(TextOf(HostedControl().LastInstance()->Setting("ClearTextPassword")), password);

        ShowWarning(refused);
    });
    EXPECT_EQ(boxMessage, AnsiToWide(refused));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    std::vector<std::pair<DWORD, std::optional<std::wstring>>> seen;
    for (const Event& e : g_events)
        if (e.hwnd == progress || e.hwnd == boxes.Boxes()[0].hwnd)
            seen.emplace_back(e.event, e.event == EVENT_OBJECT_NAMECHANGE ? e.name : std::nullopt);
    EXPECT_THAT(seen, testing::ElementsAre(std::make_pair(DWORD(EVENT_OBJECT_NAMECHANGE),
                                                          std::optional(AnsiToWide(SignInText(kConnecting)))),
                                           std::make_pair(DWORD(EVENT_SYSTEM_ALERT), std::nullopt)));
}
