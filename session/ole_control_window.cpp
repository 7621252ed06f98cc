// The host's window: activation in place, the control's window taken over as the host's,
// keyboard, reflected notifications, UI activation, and painting for a control invisible at run
// time.

#include "session/ole_control.h"

#include "base/win/rect.h"
#include "framework/form.h"
#include "session/ole_control_site.h"
#include "session/ole_errors.h"

#include <utility>

namespace {

// Keyboard messages carry no meaningful point; the control receives this fixed one with them.
constexpr LONG kKeyMessagePoint = 0x115DE1F1;

MSG KeyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    msg.pt = {kKeyMessagePoint, kKeyMessagePoint};
    return msg;
}

} // namespace

void TOleControl::CreateWnd() {
    // Cleared once the host has its window. Every request for a window asks for one again, and
    // many come unasked (the form giving the focus back after the error box, showing the form
    // again): each would try the activation again and report its failure again, without end.
    activationFailed_ = true;
    EnsureRunning();
    if (InvisibleAtRunTime()) {
        TWinControl::CreateWnd();
        activationFailed_ = false;
        return;
    }
    const RECT bounds = ToRECT(BoundsRect());
    // The control reports trouble through the calls it makes into the site during activation;
    // what counts is whether it is active in place afterwards.
    oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_->ClientSite(), 0, ParentHandle(), &bounds);
    if (!inPlaceObject_)
        throw EOleError("OLE control activation failed");
    if (!HookControlWindow())
        throw EOleError("Could not obtain OLE control window handle");
    activationFailed_ = false;
    if (!Visible() && IsWindowVisible(controlWindow_))
        ShowWindow(controlWindow_, SW_HIDE);
}

bool TOleControl::ShouldShow() const {
    return !activationFailed_ && TWinControl::ShouldShow();
}

bool TOleControl::CanFocus() const {
    return !activationFailed_ && TWinControl::CanFocus();
}

void TOleControl::SetFocus() {
    if (activationFailed_ && Parent() && Parent()->Showing()) {
        activationFailed_ = false;
        UpdateShowing();
    }
    TWinControl::SetFocus();
}

bool TOleControl::HookControlWindow() {
    if (controlWindow_)
        return true;
    if (!inPlaceObject_)
        return false;
    HWND hwnd = nullptr;
    if (FAILED(inPlaceObject_->GetWindow(&hwnd)) || !hwnd)
        return false;
    previousProc_ = HookWindow(hwnd, this);
    controlWindow_ = hwnd;
    SetDefaultProc(previousProc_, false);
    AttachHandle(hwnd);
    UpdateZOrder();
    return true;
}

void TOleControl::UnhookControlWindow() noexcept {
    if (!controlWindow_ || !previousProc_)
        return;
    UnhookWindow(controlWindow_, std::exchange(previousProc_, nullptr));
    SetDefaultProc(DefWindowProcA, true);
}

void TOleControl::ForgetControlWindow() noexcept {
    if (const HWND hwnd = std::exchange(controlWindow_, nullptr))
        TWinControl::HandleDestroyed(hwnd);
}

void TOleControl::DestroyWnd() {
    if (!controlWindow_) {
        TWinControl::DestroyWnd();
        return;
    }
    // The control destroys its window itself when it closes; a later activation gives it a new
    // one, without loading the stored state again. The handle stays known while the control
    // closes, so that the form, getting the focus back from the dying window, does not ask for
    // a new one.
    UnhookControlWindow();
    if (oleObject_)
        oleObject_->Close(OLECLOSE_NOSAVE);
    ForgetControlWindow();
}

void TOleControl::HandleDestroyed(HWND hwnd) {
    if (hwnd == controlWindow_) {
        controlWindow_ = nullptr;
        previousProc_ = nullptr;
        SetDefaultProc(DefWindowProcA, true);
    }
    TWinControl::HandleDestroyed(hwnd);
}

void TOleControl::Paint(HDC dc) {
    if (!oleObject_ || !InvisibleAtRunTime())
        return;
    RECT client;
    GetClientRect(WindowHandle(), &client);
    OleDraw(oleObject_.Get(), DVASPECT_CONTENT, dc, &client);
}

void TOleControl::InPlaceActivated() {
    inPlaceObject_ = oleObject_.As<IOleInPlaceObject>();
    inPlaceActiveObject_ = oleObject_.As<IOleInPlaceActiveObject>();
}

void TOleControl::InPlaceDeactivated() noexcept {
    inPlaceActiveObject_.Reset();
    inPlaceObject_.Reset();
}

// Messages

DEFINE_MESSAGE_MAP(TOleControl,
                   OnMessages<&TOleControl::TranslateKey>(CN_BASE + WM_KEYFIRST,
                                                          CN_BASE + kKeyboardMessageLast),
                   OnMessages<&TOleControl::Reflected>(CN_BASE, CN_BASE + WM_KEYFIRST - 1),
                   OnMessages<&TOleControl::Reflected>(CN_BASE + kKeyboardMessageLast + 1, CN_END - 1),
                   OnMessage<&TOleControl::UIActivateRequested>(CM_UIACTIVATE),
                   OnMessage<&TOleControl::UIDeactivateRequested>(CM_UIDEACTIVATE))

// Notifications the control's window sent its parent, reflected back by the parent: the control
// expects them as OCM_ messages.
bool TOleControl::Reflected(TMessage& m) {
    if (!controlWindow_)
        return false;
    m.result =
        CallWindowProcA(previousProc_, controlWindow_, OCM__BASE + (m.msg - CN_BASE), m.wParam, m.lParam);
    return true;
}

bool TOleControl::UIActivateRequested(TMessage&) {
    UIActivate();
    return true;
}

bool TOleControl::UIDeactivateRequested(TMessage&) {
    UIDeactivate();
    return true;
}

bool TOleControl::TranslateKey(TMessage& m) {
    // The control may deactivate itself while it translates.
    const ComPtr<IOleInPlaceActiveObject> object = inPlaceActiveObject_;
    if (!object)
        return false;
    MSG msg = KeyMessage(WindowHandle(), m.msg - CN_BASE, m.wParam, m.lParam);
    if (object->TranslateAccelerator(&msg) != S_OK)
        return false;
    m.result = 1;
    return true;
}

void TOleControl::DialogKey(TMessage& m) {
    if (IsMnemonic(m)) {
        MSG msg = KeyMessage(WindowHandle(), WM_KEYDOWN, m.wParam, m.lParam);
        oleControl_->OnMnemonic(&msg);
        m.result = 1;
        return;
    }
    TWinControl::DialogKey(m);
}

bool TOleControl::IsMnemonic(const TMessage& m) {
    if (!oleControl_ || !CanFocus())
        return false;
    CONTROLINFO info{};
    info.cb = sizeof info;
    if (FAILED(oleControl_->GetControlInfo(&info)) || !info.hAccel || info.cAccel == 0)
        return false;
    MSG msg = KeyMessage(WindowHandle(), WM_KEYDOWN, m.wParam, m.lParam);
    return IsAccelerator(info.hAccel, info.cAccel, &msg, nullptr) != FALSE;
}

// UI activation: one embedded control per form is UI-active, and the form records it.

void TOleControl::UIActivate() {
    // Only a control active in place in the host's window: not one that is closing.
    TForm* form = Form();
    if (!form || form->ActiveOleControl() == this || !previousProc_ || !inPlaceObject_)
        return;
    const RECT bounds = ToRECT(BoundsRect());
    oleObject_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_->ClientSite(), 0, ParentHandle(), &bounds);
}

void TOleControl::UIDeactivate() {
    if (const ComPtr<IOleInPlaceObject> object = inPlaceObject_)
        object->UIDeactivate();
    StoppedBeingUIActive();
}

void TOleControl::BecameUIActive() {
    if (TForm* form = Form())
        form->SetActiveOleControl(this);
}

void TOleControl::StoppedBeingUIActive() {
    if (TForm* form = Form(); form && form->ActiveOleControl() == this)
        form->SetActiveOleControl(nullptr);
}
