// Keys, reflected notifications, focus and UI activation between the form and the control.

#include "tests/session/host_fixture.h"

#include "tests/support/scripted_control/call_text.h"

#include <gmock/gmock.h>

#include <cstdio>

namespace {

class KeyboardTest : public HostTest {
  protected:
    // A focusable control before the host in tab order.
    TWinControl& AddField() {
        field = new TWinControl(form.get());
        field->SetParent(form.get());
        field->SetBounds(400, 10, 100, 20);
        field->SetTabStop(true);
        field->SetTabOrder(0);
        return *field;
    }

    // The record text of a MSG as the control receives it with a key.
    std::string KeyMessageText(UINT message, WPARAM wParam, LPARAM lParam, DWORD time) const {
        char text[160];
        std::snprintf(text, sizeof text, "hwnd %s, 0x%04X, 0x%llX, 0x%llX, time %lu, pt (%ld,%ld)",
                      scripted::HwndText(host->WindowHandle()).c_str(), message,
                      static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam),
                      static_cast<unsigned long>(time), 0x115DE1F1L, 0x115DE1F1L);
        return text;
    }

    TWinControl* field = nullptr;
};

} // namespace

TEST_F(KeyboardTest, WhileActiveInPlaceKeysAreOfferedToTheControlFirst) {
    auto control = ShowNewHost();
    ASSERT_EQ(GetFocus(), control->Window());
    // The time of the message the loop took last is the one the control receives.
    PostMessageA(form->Handle(), WM_NULL, 0, 0);
    Pump();
    const DWORD time = static_cast<DWORD>(GetMessageTime());

    EXPECT_EQ(SendMessageA(host->Handle(), CN_KEYDOWN, 'A', 0x001E0001), 0)
        << "not the control's, not a dialog key";
    EXPECT_EQ(control->Calls().back(), "IOleInPlaceActiveObject::TranslateAccelerator(" +
                                           KeyMessageText(WM_KEYDOWN, 'A', 0x001E0001, time) + ")");
    EXPECT_EQ(SendMessageA(host->Handle(), CN_CHAR, 'a', 0x001E0001), 0);
    EXPECT_EQ(control->Calls().back(), "IOleInPlaceActiveObject::TranslateAccelerator(" +
                                           KeyMessageText(WM_CHAR, 'a', 0x001E0001, time) + ")");

    Script().Answer("IOleInPlaceActiveObject::TranslateAccelerator", S_OK);
    EXPECT_EQ(SendMessageA(host->Handle(), CN_SYSKEYDOWN, VK_F4, 0x203E0001), 1) << "consumed by the control";
    EXPECT_EQ(control->Calls().back(), "IOleInPlaceActiveObject::TranslateAccelerator(" +
                                           KeyMessageText(WM_SYSKEYDOWN, VK_F4, 0x203E0001, time) + ")");
}

TEST_F(KeyboardTest, KeysTheControlDoesNotTranslateTakeTheOrdinaryPath) {
    AddField();
    auto control = ShowNewHost();
    host->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), control->Window());
    // Tab: the stand-in does not want it, so the form moves the focus on.
    EXPECT_EQ(SendMessageA(host->Handle(), CN_KEYDOWN, VK_TAB, 0), 1);
    EXPECT_EQ(GetFocus(), field->Handle());
    EXPECT_THAT(control->Calls(), testing::Contains(testing::StartsWith(
                                      "IOleInPlaceActiveObject::TranslateAccelerator(hwnd " +
                                      scripted::HwndText(control->Window()) + ", 0x0100, 0x9,")));
}

TEST_F(KeyboardTest, AControlThatIsNotActiveInPlaceIsNotAskedToTranslate) {
    CreateHost();
    host->EnsureRunning();
    EXPECT_EQ(host->Perform(CN_KEYDOWN, 'A', 0), 0);
    EXPECT_EQ(Control()->CountCalls("IOleInPlaceActiveObject::"), 0);
}

TEST_F(KeyboardTest, ADialogKeyOfTheControlsAcceleratorTableGoesToOnMnemonic) {
    AddField();
    Script().Accelerators = {ACCEL{FVIRTKEY, VK_RETURN, 100}, ACCEL{FVIRTKEY | FCONTROL, 'K', 101}};
    auto control = ShowNewHost();
    field->SetFocus();
    Pump();
    PostMessageA(form->Handle(), WM_NULL, 0, 0);
    Pump();
    const DWORD time = static_cast<DWORD>(GetMessageTime());

    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0x001C0001), 1) << "the host accepts the key";
    EXPECT_EQ(control->Calls().back(),
              "IOleControl::OnMnemonic(" + KeyMessageText(WM_KEYDOWN, VK_RETURN, 0x001C0001, time) + ")");
    EXPECT_EQ(GetFocus(), field->Handle()) << "the focus stays where it was";

    const int mnemonics = control->CountCalls("IOleControl::OnMnemonic");
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0) << "not in the table";
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0) << "Shift+Enter is not Enter";
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(control->CountCalls("IOleControl::OnMnemonic"), mnemonics);

    // A host that cannot take the focus takes no keys.
    host->SetVisible(false);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0);
    EXPECT_EQ(control->CountCalls("IOleControl::OnMnemonic"), mnemonics);
}

TEST_F(KeyboardTest, NotificationsReflectedByTheParentReachTheControlAsOcmMessages) {
    auto control = ShowNewHost();
    const HWND window = control->Window();
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(control->Calls().back(),
              "Window::Reflected(0x2111, 0x50007, " + scripted::Hex(uintptr_t(window)) + ")");
    const HDC dc = GetDC(window);
    SendMessageA(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window));
    ReleaseDC(window, dc);
    EXPECT_EQ(control->Calls().back(), "Window::Reflected(0x2138, " + scripted::Hex(uintptr_t(dc)) + ", " +
                                           scripted::Hex(uintptr_t(window)) + ")");
    // Everything else goes to the control's own procedure.
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Bureau"));
    char text[16] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Bureau");
}

TEST_F(KeyboardTest, FocusingTheHostFocusesTheControlWhichBecomesTheFormsUIActiveControl) {
    AddField();
    auto control = ShowNewHost();
    ASSERT_EQ(GetFocus(), field->Handle());
    EXPECT_FALSE(control->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), nullptr);

    // Tab from the field reaches the host.
    EXPECT_EQ(SendMessageA(field->Handle(), CN_KEYDOWN, VK_TAB, 0), 1);
    EXPECT_EQ(GetFocus(), control->Window());
    EXPECT_TRUE(control->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), host);
    EXPECT_THAT(control->Trace(), testing::Contains("-> IOleInPlaceSite::OnUIActivate() = S_OK"));

    // The focus moving on UI-deactivates the control.
    field->SetFocus();
    Pump();
    EXPECT_EQ(control->Calls().back(), "IOleInPlaceObject::UIDeactivate()");
    EXPECT_FALSE(control->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), nullptr);
}

TEST_F(KeyboardTest, TheFormGettingTheFocusBackUIActivatesTheFocusedHostAgain) {
    Script().UIActivateOnFocus = false;
    AddField();
    auto control = ShowNewHost();
    host->SetFocus();
    Pump();
    EXPECT_FALSE(control->UIActive()) << "this control waits to be told";
    const std::string uiActivate = "IOleObject::DoVerb(UIACTIVATE, msg null, site, 0, " +
                                   scripted::HwndText(form->Handle()) + ", (0,0,385,217))";
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(control->Calls().back(), uiActivate);
    EXPECT_TRUE(control->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), host);

    // Already the UI-active one: nothing more.
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(UIACTIVATE"), 1);
    // Another control focused when the form comes back: the host is left alone.
    field->SetFocus();
    Pump();
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(UIACTIVATE"), 1);
    EXPECT_FALSE(control->UIActive());
}

TEST_F(KeyboardTest, OneEmbeddedControlPerFormIsUIActive) {
    CreateHost();
    ProbeHost* first = host;
    auto firstControl = Control();
    CreateHost();
    ProbeHost* second = host;
    second->SetLeft(390);
    auto secondControl = Control();
    ASSERT_NE(firstControl, secondControl);
    ShowForm();

    first->SetFocus();
    Pump();
    EXPECT_TRUE(firstControl->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), first);
    second->SetFocus();
    Pump();
    EXPECT_TRUE(secondControl->UIActive());
    EXPECT_FALSE(firstControl->UIActive());
    EXPECT_EQ(form->ActiveOleControl(), second);

    // A control that becomes UI-active on its own, without the focus, takes the place too.
    const auto object = firstControl->Object().As<IOleObject>();
    const RECT bounds{0, 0, 385, 217};
    object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, firstControl->ClientSite().Get(), 0, form->Handle(),
                   &bounds);
    EXPECT_EQ(form->ActiveOleControl(), first);
    EXPECT_FALSE(secondControl->UIActive());

    // Freeing the UI-active host leaves no record behind.
    delete first;
    EXPECT_EQ(form->ActiveOleControl(), nullptr);
}

TEST_F(KeyboardTest, TheControlsUnicodeWindowStaysUnicodeAndGetsCharactersOutsideTheAnsiCodePage) {
    ShowNewHost();
    const HWND window = host->WindowHandle();
    ASSERT_EQ(window, Control()->Window());
    EXPECT_TRUE(IsWindowUnicode(window));
    // U+0142 and U+20AC: one has no place in code page 1252, the other moves within it.
    PostMessageW(window, WM_CHAR, 0x0142, 1);
    PostMessageW(window, WM_CHAR, 0x20AC, 1);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    EXPECT_EQ(Control()->TypedText(), L"\u0142\u20AC");
}
