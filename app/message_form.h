#pragma once
// The warning box in which every message of the sign-in window appears: a modal dialog with
// the caption "Avertissement", the platform's warning icon, the message, and one "OK" button
// that is both the default and the cancel button. Its sizes follow the platform's message font.

#include <string>

#include "base/message_box_layout.h"
#include "framework/form.h"

class TButton;

// What a box's modal loop ended with.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TMessageForm : public TForm {
  public:
    TMessageForm(TComponent* owner, std::string message);
    const char* ClassName() const override { return "TMessageForm"; }

    const std::string& Message() const { return message_; }
    const MessageBoxLayout& Layout() const { return layout_; }
    TButton* Button() const { return button_; }

    // Shows the box while the program's other windows are disabled and runs the message loop
    // until it is closed; the previously active window is active again afterwards. The box
    // closes by itself, as if cancelled, once the program's quit message has been taken.
    int ShowModal();
    int ModalResult() const { return modalResult_; }

    // Ctrl+C, with Ctrl alone held, beeps and copies the box's text.
    bool PreviewKey(WPARAM key) override;

  protected:
    DECLARE_MESSAGE_MAP(TMessageForm)

    void CreateWnd() override;

  private:
    bool CloseRequested(TMessage& m);
    void UseMessageFont();
    void LayOut();

    std::string message_;
    TButton* button_ = nullptr;
    MessageBoxLayout layout_;
    int modalResult_ = mrNone;
};

// Shows `message` in a warning box and waits until it is closed. Its answer is never needed.
void ShowWarning(const std::string& message);
