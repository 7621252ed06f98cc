// The message loop's keyboard step: which window is offered a key before it is dispatched.
#include <gtest/gtest.h>

#include <memory>

#include "app/application.h"
#include "framework/form.h"
#include "tests/framework/test_form.h"
#include "tests/support/ui/ui_driver.h"

namespace {

// A control that records the keys offered to it and can consume them.
class KeyRecorder : public TWinControl {
  public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TKeyRecorder"; }
    std::vector<UINT> offered;
    bool consume = false;

  protected:
    DECLARE_MESSAGE_MAP(KeyRecorder)

  private:
    bool Offered(TMessage& m) {
        offered.push_back(m.msg);
        m.result = consume ? 1 : 0;
        return true;
    }
};

DEFINE_MESSAGE_MAP(KeyRecorder, OnMessages<&KeyRecorder::Offered>(CN_KEYDOWN, CN_BASE + 0x0108))

// A window of another module (its instance handle is user32's), created inside a control.
struct ForeignWindow {
    HWND hwnd;
    WNDPROC previous;
    std::vector<UINT> received;

    ForeignWindow(HWND parent, DWORD style) {
        hwnd = CreateWindowExA(0, "STATIC", "", style, 0, 0, 20, 20, parent, nullptr,
                               GetModuleHandleA("user32.dll"), nullptr);
        SetPropA(hwnd, "test", this);
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignWindow::Proc)));
    }
    ~ForeignWindow() { DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
        auto* self = static_cast<ForeignWindow*>(GetPropA(h, "test"));
        if ((msg >= WM_KEYDOWN && msg <= WM_KEYUP) || msg == CN_KEYDOWN)
            self->received.push_back(msg);
        return CallWindowProcA(self->previous, h, msg, w, l);
    }
};

class KeyboardStep : public testing::Test {
  protected:
    void SetUp() override {
        app = std::make_unique<TApplication>();
        form = new TPlainForm(app.get());
        form->SetBounds(10, 10, 300, 200);
        outer = Place<KeyRecorder>(*form, form, 0, 0, 200, 100);
        other = Place<KeyRecorder>(*form, form, 0, 120);
        form->Show();
        Pump();
    }
    void TearDown() override {
        ReleaseCapture();
        delete form;
        app.reset();
    }
    void PostKey(HWND target) {
        PostMessageA(target, WM_KEYDOWN, VK_F5, 1); // no character, so no WM_CHAR follows
        Pump();
    }

    std::unique_ptr<TApplication> app;
    TPlainForm* form = nullptr;
    KeyRecorder* outer = nullptr;
    KeyRecorder* other = nullptr;
};

} // namespace

TEST_F(KeyboardStep, OffersTheKeyToTheNearestControlAboveTheMessagesWindow) {
    ForeignWindow inner(outer->Handle(), WS_CHILD | WS_VISIBLE);
    PostKey(inner.hwnd);
    EXPECT_EQ(outer->offered, std::vector<UINT>{CN_KEYDOWN});
    EXPECT_EQ(inner.received, std::vector<UINT>{WM_KEYDOWN}) << "not consumed: dispatched to its window";

    outer->consume = true;
    inner.received.clear();
    PostKey(inner.hwnd);
    EXPECT_EQ(outer->offered.size(), 2u);
    EXPECT_TRUE(inner.received.empty()) << "a consumed key is not dispatched";
}

TEST_F(KeyboardStep, TheCaptureWindowOfThisModuleGetsTheKey) {
    ForeignWindow inner(outer->Handle(), WS_CHILD | WS_VISIBLE);
    SetCapture(other->Handle());
    PostKey(inner.hwnd);
    EXPECT_EQ(other->offered, std::vector<UINT>{CN_KEYDOWN});
    EXPECT_TRUE(outer->offered.empty());
}

TEST_F(KeyboardStep, ACaptureWindowOfAnotherModuleSkipsTheStep) {
    ForeignWindow inner(outer->Handle(), WS_CHILD | WS_VISIBLE);
    ForeignWindow capturer(form->Handle(), WS_CHILD | WS_VISIBLE);
    SetCapture(capturer.hwnd);
    PostKey(inner.hwnd);
    EXPECT_TRUE(outer->offered.empty());
    EXPECT_TRUE(capturer.received.empty());
    EXPECT_EQ(inner.received, std::vector<UINT>{WM_KEYDOWN});
}

TEST_F(KeyboardStep, AWindowWithoutAControlAboveItIsOfferedTheKeyItself) {
    ForeignWindow lone(nullptr, WS_POPUP);
    PostKey(lone.hwnd);
    EXPECT_EQ(lone.received, (std::vector<UINT>{CN_KEYDOWN, WM_KEYDOWN}));
    EXPECT_TRUE(outer->offered.empty());
}

TEST_F(KeyboardStep, OnlyKeyboardMessagesTakeTheStep) {
    ForeignWindow inner(outer->Handle(), WS_CHILD | WS_VISIBLE);
    PostMessageA(inner.hwnd, WM_CHAR, 'a', 1);
    PostMessageA(inner.hwnd, WM_SYSKEYUP, VK_MENU, 1);
    PostMessageA(inner.hwnd, WM_MOUSEMOVE, 0, 0);
    Pump();
    EXPECT_EQ(outer->offered, (std::vector<UINT>{CN_CHAR, CN_BASE + WM_SYSKEYUP}));
}
