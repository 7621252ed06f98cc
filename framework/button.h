#pragma once
// A push button: the platform's button control, clicked by the mouse, by Space, by Enter while
// it is the active button, by Escape when it is the cancel button, and by its caption's "&"
// letter.

#include "framework/win_control.h"

class TButton : public TWinControl {
  public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    bool IsDefault() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    // Whether Enter clicks this button: the focused button, or the default button while the
    // focus is on a control that is not a push button.
    bool Active() const { return active_; }

    virtual void Click();
    TNotifyEvent OnClick;

    void DescribeAccessible(AccessibleTraits& traits) const override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Shows the platform's default-button look for the active button; a button that paints
    // itself overrides this to show nothing.
    virtual void SetButtonStyle(bool active);
    void Command(WORD notification) override;
    void FocusChanged(TWinControl* focused) override;
    void DialogKey(TMessage& m) override;
    bool DialogChar(char c) override;

  private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
};
