#include "framework/form.h"

#include "base/geometry.h"
#include "base/mul_div.h"
#include "base/scaling.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "framework/accessible_object.h"
#include "framework/application_services.h"
#include "framework/reader.h"
#include "framework/screen.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    // The controls of forms answer for the accessible object that reads their descriptions:
    // installed once, with the first form.
    static const bool attached = (AttachAccessibleObject(&AnswerAccessibleObject), true);
    (void)attached;
    SetVisible(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    DestroyHandle();
}

void TForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.exStyle = 0;
    switch (borderStyle_) {
    case bsNone:
        p.style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        p.style |= WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        p.style |= WS_OVERLAPPEDWINDOW;
        break;
    case bsDialog:
        p.style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        p.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (!Enabled())
        p.style |= WS_DISABLED;
    p.parent = ApplicationServices() ? ApplicationServices()->OwnerWindow() : nullptr;
    p.windowClass = {ClassName(), nullptr, CS_DBLCLKS};
}

void TForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (borderStyle_ == bsDialog) {
        // A dialog frame keeps only Move and Close in its window menu.
        const HMENU menu = GetSystemMenu(WindowHandle(), FALSE);
        for (const UINT cmd : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            DeleteMenu(menu, cmd, MF_BYCOMMAND);
    }
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    UpdateOuterSizeFromClient();
}

TRect TForm::ClientRect() const {
    if (const HWND h = WindowHandle()) {
        RECT r;
        GetClientRect(h, &r);
        return ToTRect(r);
    }
    return {0, 0, clientWidth_, clientHeight_};
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    UpdateOuterSizeFromClient();
}

void TForm::UpdateOuterSizeFromClient() {
    TCreateParams p;
    CreateParams(p);
    RECT r{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
    AlignControls();
}

void TForm::ScaleForScreen(int screenPpi) {
    if (screenPpi == pixelsPerInch_)
        return;
    Font().SetHeight(ScaledFontHeight(Font().Height(), screenPpi, pixelsPerInch_));
    const int newTextHeight = MeasureTextHeight();
    if (newTextHeight == textHeight_)
        return;
    const int m = newTextHeight;
    const int d = textHeight_;
    clientWidth_ = MulDivRound(clientWidth_, m, d);
    clientHeight_ = MulDivRound(clientHeight_, m, d);
    for (TWinControl* c : Controls())
        c->ChangeScale(m, d);
    UpdateOuterSizeFromClient();
    textHeight_ = newTextHeight;
    pixelsPerInch_ = screenPpi;
}

int TForm::MeasureTextHeight() {
    WindowDC dc(nullptr);
    SelectGuard font(dc.Get(), Font().Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), "0", 1, &size);
    return size.cy;
}

void TForm::SetWindowState(TWindowState state) {
    const bool changed = state != windowState_;
    windowState_ = state;
    if (!Visible() || !WindowHandle())
        return;
    if (state == wsMaximized && IsZoomed(WindowHandle()))
        FillMaximizedBounds();
    else if (changed)
        ShowForState();
}

// A window shown maximized while it refused every change of size is maximized in name only: it
// keeps its size, and maximizing it again does nothing. Unless it covers the work area, it is
// moved straight to the bounds the platform gives a maximized window. Restoring it and maximizing
// it again would leave the outcome to the order in which the platform carries the two out, which
// it does not promise: under Wine, for a managed window, the X server's late answer to the restore
// wins, and the window ends restored while its style still says maximized.
void TForm::FillMaximizedBounds() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT window;
    if (!GetMonitorInfoA(MonitorFromWindow(WindowHandle(), MONITOR_DEFAULTTOPRIMARY), &monitor) ||
        !GetWindowRect(WindowHandle(), &window))
        return;
    const RECT& work = monitor.rcWork;
    RECT covered;
    if (IntersectRect(&covered, &window, &work) && EqualRect(&covered, &work))
        return;
    // The frame lies outside the work area, the caption inside it (WS_CAPTION is WS_BORDER and
    // WS_DLGFRAME: without WS_BORDER only the frame is counted).
    DWORD style = DWORD(GetWindowLongPtrA(WindowHandle(), GWL_STYLE));
    if ((style & WS_CAPTION) == WS_CAPTION)
        style &= ~WS_BORDER;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, FALSE, DWORD(GetWindowLongPtrA(WindowHandle(), GWL_EXSTYLE)));
    SetWindowPos(WindowHandle(), nullptr, work.left + frame.left, work.top + frame.top,
                 (work.right + frame.right) - (work.left + frame.left),
                 (work.bottom + frame.bottom) - (work.top + frame.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::ShowForState() {
    static const int kCommands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), kCommands[windowState_]);
}

void TForm::Show() {
    SetVisible(true);
    if (WindowHandle())
        SetForegroundWindow(WindowHandle());
}

void TForm::Hide() {
    SetVisible(false);
}

void TForm::VisibleChanged() {
    if (Visible()) {
        HandleNeeded();
        try {
            DoShow();
        } catch (...) {
            ReportException(this);
        }
        if (!positioned_ && position_ == poScreenCenter) {
            const TPoint p = CenteredPosition(Screen().Width(), Screen().Height(), Width(), Height());
            SetBounds(p.x, p.y, Width(), Height());
        }
        positioned_ = true;
        // Whatever fails while the controls are first shown is reported, and the window is
        // shown all the same: the user can see it and close it.
        try {
            UpdateShowing();
        } catch (...) {
            ReportException(this);
        }
        ShowForState();
    } else {
        if (WindowHandle())
            ShowWindow(WindowHandle(), SW_HIDE);
        UpdateShowing();
    }
    if (IApplicationServices* app = ApplicationServices())
        app->FormVisibilityChanged(this);
}

void TForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

bool TForm::CanResize(int& width, int& height) {
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, width, height, resize);
    return resize;
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    IApplicationServices* app = ApplicationServices();
    if (app && app->IsMainForm(this)) {
        app->Terminate();
        return;
    }
    if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Hide();
}

DEFINE_MESSAGE_MAP(TForm, OnMessage<&TForm::Activated>(WM_ACTIVATE),
                   OnMessage<&TForm::FocusReceived>(WM_SETFOCUS), OnMessage<&TForm::CloseRequested>(WM_CLOSE),
                   OnMessage<&TForm::PositionChanging>(WM_WINDOWPOSCHANGING),
                   OnMessage<&TForm::Resized>(WM_SIZE))

bool TForm::Activated(TMessage& m) {
    if (LOWORD(m.wParam) == WA_INACTIVE || HIWORD(m.wParam))
        return false;
    ActivateFocus();
    m.result = 0;
    return true;
}

// The form passes the focus on to its active control; the form itself is no focused control.
bool TForm::FocusReceived(TMessage& m) {
    if (activeControl_ && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        UIActivateFocusedControl();
        return true;
    }
    DefaultHandler(m);
    return true;
}

bool TForm::CloseRequested(TMessage&) {
    Close();
    return true;
}

bool TForm::PositionChanging(TMessage& m) {
    auto* wp = reinterpret_cast<WINDOWPOS*>(m.lParam);
    if (!(wp->flags & SWP_NOSIZE) && (wp->cx != Width() || wp->cy != Height())) {
        int width = wp->cx;
        int height = wp->cy;
        if (CanResize(width, height)) {
            wp->cx = width;
            wp->cy = height;
        } else {
            wp->flags |= SWP_NOSIZE;
        }
    }
    return false;
}

bool TForm::Resized(TMessage& m) {
    DefaultHandler(m);
    AlignControls();
    return true;
}

void TForm::BindField(TComponent* component) {
    if (const auto it = fields_.find(component->Name()); it != fields_.end())
        it->second.bind(component);
}

void TForm::CheckFieldsBound() const {
    for (const auto& [name, field] : fields_)
        if (!field.bound())
            throw Exception("Field " + name + " not found in the window description");
}

bool TForm::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "ClientWidth")
        SetClientSize(reader.Integer(p), clientHeight_);
    else if (n == "ClientHeight")
        SetClientSize(clientWidth_, reader.Integer(p));
    else if (n == "BorderStyle") {
        SetBorderStyle(reader.Enumeration<TFormBorderStyle>(p, kFormBorderStyleNames));
    } else if (n == "Position")
        position_ = reader.Enumeration<TPosition>(p, kPositionNames);
    else if (n == "WindowState")
        windowState_ = reader.Enumeration<TWindowState>(p, kWindowStateNames);
    else if (n == "PixelsPerInch")
        pixelsPerInch_ = reader.Integer(p);
    else if (n == "TextHeight")
        textHeight_ = reader.Integer(p);
    else if (n == "OldCreateOrder")
        reader.Boolean(p);
    else if (n == "HorzScrollBar.Visible")
        HorzScrollBar.visible = reader.Boolean(p);
    else if (n == "VertScrollBar.Visible")
        VertScrollBar.visible = reader.Boolean(p);
    else if (n == "OnShow")
        OnShow = reader.Method<TNotifyEvent>(p);
    else if (n == "OnCanResize")
        OnCanResize = reader.Method<TCanResizeEvent>(p);
    else if (n == "OnCloseQuery")
        OnCloseQuery = reader.Method<TCloseQueryEvent>(p);
    else if (n == "OnClose")
        OnClose = reader.Method<TCloseEvent>(p);
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}
