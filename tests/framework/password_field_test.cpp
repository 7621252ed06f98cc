// A masked entry field against other programs: nothing they send unmasks it or hands out its
// text, and the wipe leaves nothing behind in the field.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

#include "base/win/clipboard.h"
#include "framework/edit.h"
#include "tests/framework/test_form.h"
#include "tests/support/probes/win_probes.h"
#include "tests/support/threads/test_thread.h"

namespace {

// Runs `work` on a thread of its own, as another program would, while this thread answers.
void OnAnotherThread(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    TestThread other([&] {
        work();
        done = true;
    });
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    other.join();
}

struct PasswordField {
    TPlainForm form{nullptr};
    TEdit* field = Place<TEdit>(form, &form, 0, 0, 120, 21);

    explicit PasswordField(const wchar_t* typed) {
        field->SetPasswordChar('*');
        form.SetVisible(true);
        Type(typed);
    }
    HWND Handle() const { return field->Handle(); }
    // As the keyboard types it: one character at a time.
    void Type(const wchar_t* text) {
        for (const wchar_t* c = text; *c; ++c)
            PostMessageW(Handle(), WM_CHAR, *c, 1);
        PumpMessages();
    }
    std::wstring Typed() { return std::wstring(field->TypedText().View()); }
    bool Masked() const {
        return (GetWindowLongPtrW(field->WindowHandle(), GWL_STYLE) & ES_PASSWORD) &&
               SendMessageW(field->WindowHandle(), EM_GETPASSWORDCHAR, 0, 0) != 0;
    }
};

TEST(PasswordField, RequestsFromAnotherThreadNeitherUnmaskItNorHandOutItsText) {
    const struct {
        const char* what;
        std::function<void(HWND)> send;
    } cases[] = {
        {"EM_SETPASSWORDCHAR 0", [](HWND h) { SendMessageW(h, EM_SETPASSWORDCHAR, 0, 0); }},
        {"EM_SETPASSWORDCHAR 0, posted", [](HWND h) { PostMessageW(h, EM_SETPASSWORDCHAR, 0, 0); }},
        {"EM_SETHANDLE", [](HWND h) { SendMessageW(h, EM_SETHANDLE, WPARAM(LocalAlloc(LHND, 64)), 0); }},
    };
    for (const auto& c : cases) {
        PasswordField password(L"S3cret!");
        OnAnotherThread([&] { c.send(password.Handle()); });
        PumpMessages();
        EXPECT_TRUE(password.Masked()) << c.what;
        EXPECT_EQ(password.Typed(), L"S3cret!") << c.what;

        CopyTextToClipboard(nullptr, "before");
        HLOCAL buffer = nullptr;
        OnAnotherThread([&] {
            buffer = HLOCAL(SendMessageW(password.Handle(), EM_GETHANDLE, 0, 0));
            SendMessageW(password.Handle(), EM_SETSEL, 0, -1);
            SendMessageW(password.Handle(), WM_COPY, 0, 0);
            SendMessageW(password.Handle(), WM_CUT, 0, 0);
        });
        EXPECT_EQ(buffer, nullptr) << c.what;
        EXPECT_EQ(ClipboardText(), "before") << c.what;
        EXPECT_EQ(password.Typed(), L"S3cret!") << c.what;
    }
}

TEST(PasswordField, TheUsersOwnCopyAndCutAreRefusedAndOnlyTheProgramUnmasksIt) {
    PasswordField password(L"S3cret!");
    CopyTextToClipboard(nullptr, "before");
    SendMessageW(password.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(password.Handle(), WM_COPY, 0, 0);
    SendMessageW(password.Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_EQ(password.Typed(), L"S3cret!");

    password.field->SetPasswordChar('\0');
    EXPECT_FALSE(password.Masked());
    SendMessageW(password.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(password.Handle(), WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "S3cret!");
}

TEST(PasswordField, AWipeEmptiesTheFieldAndLeavesNothingToUndo) {
    // Typed, partly rubbed out and typed over: the buffers held more than the final text.
    PasswordField password(L"LongerS3cret");
    password.Type(L"\b\b\b\b\b\bXY");
    ASSERT_EQ(password.Typed(), L"LongerXY");
    password.field->WipeText();
    EXPECT_EQ(password.Typed(), L"");
    SendMessageW(password.Handle(), EM_UNDO, 0, 0);
    EXPECT_EQ(password.Typed(), L"");
    EXPECT_FALSE(SendMessageW(password.Handle(), EM_CANUNDO, 0, 0));
    EXPECT_TRUE(password.Masked());
}

} // namespace
