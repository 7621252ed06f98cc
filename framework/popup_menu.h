#pragma once
// A context menu of the application's own (TPopupMenu) with its lines (TMenuItem), as a window
// description stores them: the lines are the objects inside the menu's block. A control
// whose PopupMenu names the menu shows it on a context request instead of its own.

#include <windows.h>

#include <string>
#include <vector>

#include "base/geometry.h"
#include "framework/component.h"
#include "framework/events.h"

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TMenuItem"; }

    // "&" marks the access key; "-" makes the line a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    TNotifyEvent OnClick;
    void Click();

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  private:
    std::string caption_;
    bool enabled_ = true;
};

class TPopupMenu : public TComponent {
  public:
    explicit TPopupMenu(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TPopupMenu"; }

    // The lines, in order; the menu does not own them (their owner does).
    const std::vector<TMenuItem*>& Items() const { return items_; }
    void Add(TMenuItem* item) { items_.push_back(item); }
    void AddStoredChild(TComponent* child) override;

    // Shows the menu at a point on the screen for the window `owner` and, when a line is chosen,
    // raises its OnClick after the menu has closed.
    void Popup(HWND owner, TPoint screen);

  private:
    std::vector<TMenuItem*> items_;
};
