#pragma once
// A single-line entry field: the platform's edit control, optionally borderless or masked, with
// its whole text selected whenever it receives the focus other than by a left mouse click.

#include "base/win/secret_text.h"
#include "framework/win_control.h"

class TEdit : public TWinControl {
  public:
    explicit TEdit(TComponent* owner);
    const char* ClassName() const override { return "TEdit"; }

    void SetBorderVisible(bool v);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }

    // The text as typed, for the program's own use, in memory that is wiped. A masked field
    // gives its text to no other thread, so the program reads it here rather than with a
    // plain text request: while this thread answers a message that another thread sent (a
    // sign-in that another program starts), the platform counts its own requests as sent too.
    SecretText TypedText();
    // Empties the field so that its text leaves memory: every character the field held is
    // overwritten in place, in its text and in its undo buffer, before it is emptied.
    void WipeText();

    void SelectAll();
    // The selected range as character positions (start, end).
    std::pair<int, int> Selection() const;

    void DescribeAccessible(AccessibleTraits& traits) const override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    DECLARE_MESSAGE_MAP(TEdit)

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DoEnter() override;
    void Command(WORD notification) override;

  private:
    bool RefusesText() const;
    // WM_GETTEXT; WM_GETTEXTLENGTH and EM_GETLINE.
    bool TextAsked(TMessage& m);
    bool TextLengthAsked(TMessage& m);
    // A masked field: EM_SETPASSWORDCHAR, EM_GETHANDLE and EM_SETHANDLE other than the
    // program's own; WM_COPY and WM_CUT.
    bool ForeignRequest(TMessage& m);
    bool CopyRequest(TMessage& m);

    bool border_ = true;
    char passwordChar_ = '\0';
    bool autoSelect_ = true;
    // The program itself is sending the window a message (TypedText, SetPasswordChar, WipeText).
    bool ownRequest_ = false;
    // The most characters (or, for an 8-bit buffer, bytes) a masked field has held: how much of
    // its buffer a wipe overwrites.
    int longestText_ = 0;
};
