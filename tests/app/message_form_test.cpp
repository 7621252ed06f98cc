// The warning box as the user meets it: its layout in the message font, its keys, the clipboard
// text of Ctrl+C, and what it does to the program's other windows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/message_form.h"
#include "base/win/gdi.h"
#include "framework/button.h"
#include "framework/screen.h"
#include "tests/app/program_runner.h"
#include "tests/support/probes/win_probes.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/ui/warning_boxes.h"

namespace {

struct Statics {
    HWND icon = nullptr;
    HWND text = nullptr;
};

BOOL CALLBACK FindStatics(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<Statics*>(param);
    char cls[16];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "STATIC") == 0)
        (GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_ICON ? s->icon : s->text) = hwnd;
    return TRUE;
}

void PostKey(HWND target, UINT vk) {
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 1 | (LPARAM(3) << 30));
}

// Runs the program and shows one box for `message`, handing it to `action` while it shows.
int ShowBox(const std::string& message, WarningBoxWatcher::Action action) {
    int result = -1;
    WarningBoxWatcher watcher(std::move(action));
    RunAndClose([&](TApplication&, TFrmConnexionORLIX&) {
        TMessageForm box(nullptr, message);
        result = box.ShowModal();
    });
    return result;
}

} // namespace

TEST(WarningBox, LaysOutItsMessageInTheMessageFontWrappedAtHalfTheScreen) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    std::string longMessage;
    for (int i = 0; i < 6; ++i)
        longMessage += "En cas de probleme recurrent veuillez contacter votre responsable. ";
    for (const std::string& message : {std::string("Un mot de passe est obligatoire !"), longMessage}) {
        ShowBox(message, [&](TMessageForm& box) {
            const HWND h = box.Handle();
            const MessageBoxLayout& l = box.Layout();
            RECT client;
            GetClientRect(h, &client);
            EXPECT_EQ(client.right, l.clientWidth);
            EXPECT_EQ(client.bottom, l.clientHeight);
            RECT outer;
            GetWindowRect(h, &outer);
            EXPECT_EQ(outer.left, (Screen().Width() - (outer.right - outer.left)) / 2);
            EXPECT_EQ(outer.top, (Screen().Height() - (outer.bottom - outer.top)) / 2);
            EXPECT_EQ(WindowText(h), "Avertissement");

            Statics statics;
            EnumChildWindows(h, FindStatics, reinterpret_cast<LPARAM>(&statics));
            ASSERT_TRUE(statics.icon && statics.text);
            EXPECT_EQ(BoundsInParent(statics.icon).left, l.icon.left);
            EXPECT_EQ(BoundsInParent(statics.icon).top, l.icon.top);
            EXPECT_EQ(BoundsInParent(statics.text), l.text);
            EXPECT_EQ(WindowText(statics.text), message);
            EXPECT_EQ(BoundsInParent(box.Button()->Handle()), l.button);
            EXPECT_EQ(WindowText(box.Button()->Handle()), "OK");

            const auto textFont = reinterpret_cast<HFONT>(SendMessageA(statics.text, WM_GETFONT, 0, 0));
            LOGFONTA font{};
            GetObjectA(textFont, sizeof font, &font);
            EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
            EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight);

            TEXTMETRICA tm{};
            {
                const WindowDC dc(statics.text);
                const SelectGuard selected(dc.Get(), textFont);
                GetTextMetricsA(dc.Get(), &tm);
            }
            EXPECT_LE(l.text.Width(), Screen().Width() / 2);
            if (message == longMessage)
                EXPECT_GE(l.text.Height(), 2 * tm.tmHeight) << "a long message wraps";
            else
                EXPECT_EQ(l.text.Height(), tm.tmHeight);
            WarningBoxWatcher::PressOk(box);
        });
    }
}

TEST(WarningBox, EnterEscapeAndTheCloseCommandCloseIt) {
    struct Case {
        const char* what;
        std::function<void(TMessageForm&)> close;
        int result;
    };
    const Case cases[] = {
        {"Enter", [](TMessageForm&) { PostKey(GetFocus(), VK_RETURN); }, mrOk},
        {"Escape", [](TMessageForm&) { PostKey(GetFocus(), VK_ESCAPE); }, mrOk},
        {"close box", [](TMessageForm& b) { PostMessageA(b.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
         mrCancel},
        {"quit message", [](TMessageForm&) { PostQuitMessage(0); }, mrCancel},
    };
    for (const Case& c : cases) {
        HWND focus = nullptr;
        const int result = ShowBox("Message", [&](TMessageForm& box) {
            focus = GetFocus();
            EXPECT_EQ(focus, box.Button()->Handle()) << c.what << ": the button has the focus";
            c.close(box);
        });
        EXPECT_EQ(result, c.result) << c.what;
    }
}

TEST(WarningBox, CtrlCCopiesItsTextAndOtherModifiersDoNot) {
    const std::string message = "Code ou mot de passe incorrect.\r\n\r\nAppuyez sur OK.";
    const std::string expected =
        "---------------------------\r\nAvertissement\r\n---------------------------\r\n" + message +
        "\r\n---------------------------\r\nOK   \r\n---------------------------\r\n";
    struct Case {
        unsigned modifiers;
        bool copies;
    };
    for (const Case c :
         {Case{kCtrl, true}, Case{kCtrl | kShift, false}, Case{kCtrl | kAlt, false}, Case{0, false}}) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
        bool stillOpen = false;
        ShowBox(message, [&](TMessageForm& box) {
            PressKey('C', c.modifiers);
            stillOpen = IsWindowVisible(box.Handle()) && box.ModalResult() == mrNone;
            WarningBoxWatcher::PressOk(box);
        });
        EXPECT_TRUE(stillOpen) << c.modifiers;
        EXPECT_EQ(ClipboardText(), c.copies ? expected : "") << c.modifiers;
    }
}

TEST(WarningBox, DisablesTheOtherWindowsAndGivesTheActivationBack) {
    RunAndClose([](TApplication& app, TFrmConnexionORLIX& form) {
        Pump();
        const HWND active = GetActiveWindow();
        ASSERT_EQ(active, form.Handle());
        SetCapture(form.Handle());
        WarningBoxWatcher watcher;
        ShowWarning("Message");
        ASSERT_EQ(watcher.Boxes().size(), 1u);
        EXPECT_THAT(watcher.Boxes()[0].disabledWindows, testing::IsSupersetOf({form.Handle(), app.Handle()}));
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        EXPECT_TRUE(IsWindowEnabled(app.Handle()));
        EXPECT_EQ(GetActiveWindow(), active);
        EXPECT_EQ(GetCapture(), nullptr) << "the capture was cancelled";
    });
}
