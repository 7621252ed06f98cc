#pragma once
// A top-level window read from a window description: frame style, position, window state,
// the focused control and dialog keys, the close request, and scaling to the screen.

#include <array>
#include <functional>
#include <map>

#include "base/exception.h"
#include "framework/events.h"
#include "framework/focus_host.h"
#include "framework/method_table.h"
#include "framework/win_control.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

// The names the window description gives the values, in the enumerations' order.
inline constexpr std::array kFormBorderStyleNames{"bsNone",   "bsSingle",     "bsSizeable",
                                                  "bsDialog", "bsToolWindow", "bsSizeToolWin"};
inline constexpr std::array kPositionNames{"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                           "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                           "poMainFormCenter",  "poOwnerFormCenter"};
inline constexpr std::array kWindowStateNames{"wsNormal", "wsMinimized", "wsMaximized"};

class EInvalidOperation : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EInvalidOperation"; }
};

// A form's scroll bar setting. The framework's forms do not scroll: a form never shows scroll
// bars, and this setting records whether the form would allow them.
struct TControlScrollBar {
    bool visible = true;
};

class TForm : public TWinControl, public IFocusHost {
  public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientSize(int width, int height);
    TRect ClientRect() const override;

    TControlScrollBar HorzScrollBar;
    TControlScrollBar VertScrollBar;

    // Scales the form read at its design resolution for the screen's resolution.
    void ScaleForScreen(int screenPpi);
    // Height of the digit "0" in the form's font.
    int MeasureTextHeight();

    void Show();
    void Hide();
    // The close request: asks OnCloseQuery, runs OnClose, then ends the program (main form)
    // or hides the form, as the close action says.
    void Close();
    bool CloseQuery();

    // IFocusHost: the seam through which the form's controls reach it.
    TForm* HostForm() override { return this; }
    TWinControl* ActiveControl() const override { return activeControl_; }
    void FocusControl(TWinControl* control) override;
    void ControlFocused(TWinControl* control) override;
    void ControlRemoved(TWinControl* control) override;
    void ControlHidden(TWinControl* control) override;
    // Sees every key press of the form's controls before they do; true when the form used it.
    bool PreviewKey(WPARAM key) override {
        (void)key;
        return false;
    }
    bool OfferDialogKey(WPARAM key, LPARAM keyData) override {
        return Perform(CM_DIALOGKEY, key, keyData) != 0;
    }
    bool OfferDialogChar(WPARAM character, LPARAM keyData) override {
        return Perform(CM_DIALOGCHAR, character, keyData) != 0;
    }
    IFocusHost* AsFocusHost() override { return this; }

    // The embedded ActiveX control's host that is UI-active in this form; at most one is.
    // Recording another one UI-deactivates the previous one (CM_UIDEACTIVATE); nullptr clears.
    TWinControl* ActiveOleControl() const { return activeOleControl_; }
    void SetActiveOleControl(TWinControl* control);

    const MethodTable& Methods() const { return methods_; }
    // Sets the member field registered under the component's name, if any.
    void BindField(TComponent* component);
    // Raises when a registered field has no component of that name in the description.
    void CheckFieldsBound() const;

    TNotifyEvent OnShow;
    TCanResizeEvent OnCanResize;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    DECLARE_MESSAGE_MAP(TForm)

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool ShouldShow() const override { return Visible(); }
    bool IsTopLevel() const override { return true; }
    void VisibleChanged() override;
    void DialogKey(TMessage& m) override;
    virtual void DoShow();
    virtual bool CanResize(int& width, int& height);

    template <typename Handler>
    void RegisterMethod(const char* name, Handler handler) {
        methods_.Add(name, std::move(handler));
    }

    template <typename T>
    void RegisterField(const char* name, T** field) {
        fields_[name] = {[field](TComponent* c) {
                             T* typed = dynamic_cast<T*>(c);
                             if (!typed)
                                 throw Exception(std::string("Field ") + c->Name() +
                                                 " has an incompatible type");
                             *field = typed;
                         },
                         [field] { return *field != nullptr; }};
    }

  private:
    struct Field {
        std::function<void(TComponent*)> bind;
        std::function<bool()> bound;
    };

    bool Activated(TMessage& m);
    bool FocusReceived(TMessage& m);
    bool CloseRequested(TMessage& m);
    bool PositionChanging(TMessage& m);
    bool Resized(TMessage& m);

    void ActivateFocus();
    void UIActivateFocusedControl();
    void SelectFirst();
    void ShowForState();
    void FillMaximizedBounds();
    void UpdateOuterSizeFromClient();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool positioned_ = false;
    TWinControl* activeControl_ = nullptr;  // focused, or to be focused on activation
    TWinControl* focusedControl_ = nullptr; // last to receive the focus: enter and exit
    TWinControl* activeOleControl_ = nullptr;
    MethodTable methods_;
    std::map<std::string, Field> fields_;
};
