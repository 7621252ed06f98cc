#include "app/message_form.h"

#include "app/application.h"
#include "app/modal_bracket.h"
#include "base/win/clipboard.h"
#include "base/win/gdi.h"
#include "base/win/resource_strings.h"
#include "framework/button.h"
#include "framework/screen.h"
#include "resources/resource_ids.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr UINT kMessageFormat = DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;

// The message is drawn by the platform's static text, which wraps it exactly as it was measured.
HWND CreateChild(HWND parent, DWORD style, const TRect& r, const char* text) {
    const HWND h = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(),
                                   r.Height(), parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!h)
        throw Exception("Cannot create the warning box (" + std::to_string(GetLastError()) + ")");
    return h;
}

} // namespace

TMessageForm::TMessageForm(TComponent* owner, std::string message)
    : TForm(owner), message_(std::move(message)) {
    SetName("MessageForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetText(LoadResourceString(IDS_WARNING_CAPTION));
    UseMessageFont();
    button_ = CreateOwned<TButton>(this);
    button_->SetName("OK");
    button_->SetText("OK");
    button_->SetDefault(true);
    button_->SetCancel(true);
    button_->OnClick = [this](TComponent*) { modalResult_ = mrOk; };
    button_->SetParent(this);
    LayOut();
}

void TMessageForm::UseMessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return;
    const LOGFONTA& lf = metrics.lfMessageFont;
    Font().SetName(lf.lfFaceName);
    Font().SetHeight(lf.lfHeight);
    Font().SetCharset(lf.lfCharSet);
    Font().SetStyle((lf.lfWeight >= FW_BOLD ? unsigned(fsBold) : 0u) |
                    (lf.lfItalic ? unsigned(fsItalic) : 0u));
}

void TMessageForm::LayOut() {
    WindowDC dc(nullptr);
    SelectGuard font(dc.Get(), Font().Handle());
    SIZE alphabet{};
    GetTextExtentPoint32A(dc.Get(), kAlphabet, int(sizeof kAlphabet - 1), &alphabet);
    RECT text{0, 0, Screen().Width() / 2, 0};
    DrawTextA(dc.Get(), message_.c_str(), int(message_.size()), &text, kMessageFormat | DT_CALCRECT);
    RECT caption{0, 0, 0, 0};
    const std::string& buttonCaption = button_->Text();
    DrawTextA(dc.Get(), buttonCaption.c_str(), int(buttonCaption.size()), &caption,
              DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
    layout_ = LayOutMessageBox(alphabet.cx / 52, alphabet.cy, text.right, text.bottom, caption.right);
    SetClientSize(layout_.clientWidth, layout_.clientHeight);
    const TRect& b = layout_.button;
    button_->SetBounds(b.left, b.top, b.Width(), b.Height());
}

void TMessageForm::CreateWnd() {
    TForm::CreateWnd();
    const HWND icon = CreateChild(WindowHandle(), SS_ICON, layout_.icon, nullptr);
    SendMessageA(icon, STM_SETICON, WPARAM(LoadIcon(nullptr, IDI_EXCLAMATION)), 0);
    const HWND text = CreateChild(WindowHandle(), SS_LEFT | SS_NOPREFIX, layout_.text, message_.c_str());
    SendMessageA(text, WM_SETFONT, WPARAM(Font().Handle()), 0);
}

int TMessageForm::ShowModal() {
    if (!Application)
        throw Exception("A box needs the application's message loop");
    modalResult_ = mrNone;
    ModalBracket modal(Handle());
    Show();
    // As the platform's own message boxes do: a screen reader reads the box out.
    NotifyWinEvent(EVENT_SYSTEM_ALERT, WindowHandle(), OBJID_WINDOW, CHILDID_SELF);
    while (modalResult_ == mrNone) {
        if (Application->Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        Application->HandleMessage();
    }
    modal.EnableWindows();
    Hide();
    return modalResult_;
}

bool TMessageForm::PreviewKey(WPARAM key) {
    const bool ctrlAlone =
        GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (key != 'C' || !ctrlAlone)
        return false;
    MessageBeep(0);
    CopyTextToClipboard(WindowHandle(), MessageBoxClipboardText(Text(), message_, button_->Text()));
    return true;
}

DEFINE_MESSAGE_MAP(TMessageForm, OnMessage<&TMessageForm::CloseRequested>(WM_CLOSE))

// Closing the box by its close box or Alt+F4 cancels it.
bool TMessageForm::CloseRequested(TMessage&) {
    modalResult_ = mrCancel;
    return true;
}

void ShowWarning(const std::string& message) {
    TMessageForm box(nullptr, message);
    box.ShowModal();
}
