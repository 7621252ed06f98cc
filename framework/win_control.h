#pragma once
// A control with a window of its own: creates and destroys the window, dispatches its messages,
// holds child controls in creation order (which is also their stacking order: a later child
// lies above an earlier one), and provides the tab order, focus and dialog-key handling.

#include <windows.h>

#include <optional>
#include <vector>

#include "framework/control.h"
#include "framework/window_class.h"

struct AccessibleTraits;

struct TCreateParams {
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
    WindowClassInfo windowClass{nullptr, nullptr, 0};
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    // The window, created on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // The handle as the window procedure knows it, without creating it.
    HWND WindowHandle() const { return handle_; }

    const std::vector<TControl*>& Controls() const { return controls_; }

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }

    // Visible and enabled, with every parent up to the form.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // This control's windowed children in tab order, each followed by its own.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
    // Focuses the next control in tab order (checking tab stops) or, without the tab-stop check,
    // the next child of this control.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Whether the window is shown: the control and all its parents are visible.
    bool Showing() const { return showing_; }
    void Invalidate();
    void Update();

    // Offers a message to the children in creation order until one sets a non-zero result.
    void Broadcast(TMessage& m);

    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& m) override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;
    void Loaded() override;
    void ChangeScale(int m, int d) override;

    // Lays out the children aligned to this control's client area.
    void AlignControls();

    // What assistive technology reads of the control. A control with a role and name of its own
    // sets them, then calls this, so that a name given with SetAccessibleName wins.
    virtual void DescribeAccessible(AccessibleTraits& traits) const;
    void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }

    // Called by the window procedure: the window exists (first message) or is gone.
    virtual void AttachHandle(HWND hwnd);
    virtual void HandleDestroyed(HWND hwnd);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Creates the window and, for those that show, the children's windows.
    void CreateHandle();
    // Passes a message to the window class's default handling.
    void DefaultHandler(TMessage& m);
    // Replaces the default handling, for windows whose procedure the control put itself in
    // front of.
    void SetDefaultProc(WNDPROC proc) { defProc_ = proc; }
    WNDPROC DefaultProc() const { return defProc_; }

    // Updates whether the window shows after a change of visibility of the control or of a
    // parent, creating the windows of what starts showing.
    void UpdateShowing();
    virtual bool ShouldShow() const;
    // Places the window among its siblings by creation order.
    void UpdateZOrder();

    // Painting of the framework's own window classes: the background in the control's colour
    // (erasing), then the content.
    virtual void EraseBackground(HDC dc);
    virtual void Paint(HDC dc);

    // Whether the window is a top-level window (a form) rather than a child window.
    virtual bool IsTopLevel() const { return false; }
    virtual void DoEnter() {}
    virtual void DoExit() {}

    void BoundsChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

    // Dialog keys: Tab, arrows, Enter, Escape that the focused control did not want itself.
    virtual void DialogKey(TMessage& m);

private:
    friend class TControl;
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    void KeyDownNotification(TMessage& m);
    void ReflectToChild(TMessage& m, HWND child);
    void UpdateBoundsFromWindow();

    HWND handle_ = nullptr;
    WNDPROC defProc_ = DefWindowProcA;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    std::optional<std::string> accessibleName_;
    int storedTabOrder_ = -1;
    bool tabStop_ = false;
    bool showing_ = false;
    bool settingBounds_ = false;
};
