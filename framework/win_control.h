#pragma once
// A control of a window, every one of which has a window of its own: bounds, visibility,
// enabled state, colour, font and text; creating and destroying the window and dispatching its
// messages through the class's message map; child controls in creation order (which is also
// their stacking order: a later child lies above an earlier one); the tab order, focus and
// dialog-key handling.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/colors.h"
#include "base/geometry.h"
#include "framework/component.h"
#include "framework/events.h"
#include "framework/font.h"
#include "framework/message_map.h"
#include "framework/messages.h"
#include "framework/window_class.h"

struct AccessibleTraits;
class IFocusHost;
class TForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// The names the window description gives the values, in their order.
inline constexpr std::array kAlignNames{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};

// Transient states of a control.
enum TControlStateFlag : unsigned {
    csLButtonDown = 1, // the left mouse button went down on the control and is still down
    csPaintCopy = 2,   // the control is being painted into another control's backdrop
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

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

class TWinControl;
using TControlMessageMap = TMessageMap<TWinControl>;
using TControlMessageEntry = TMessageEntry<TWinControl>;

// An entry of a control class's map, for one message or a range of them. The handler is a member
// `bool Handler(TMessage&)` of the class, `OnMessage<&TForm::CloseRequested>(WM_CLOSE)`, or a
// function `bool Handler(TWinControl&, TMessage&)`; it answers whether it took the message.
template <auto Handler>
constexpr TControlMessageEntry OnMessage(UINT msg) {
    return MessageEntry<TWinControl, Handler>(msg, msg);
}
template <auto Handler>
constexpr TControlMessageEntry OnMessages(UINT first, UINT last) {
    return MessageEntry<TWinControl, Handler>(first, last);
}

// A control class's map: DECLARE_MESSAGE_MAP(TForm) in the class's body, and its entries where
// the class is defined:
//
//     DEFINE_MESSAGE_MAP(TForm, OnMessage<&TForm::Activated>(WM_ACTIVATE), ...)
//
// The map chains to the map of the nearest base class that has one, and the class's Messages()
// answers it: a map can neither be left unused nor chained past a base's.
#define DECLARE_MESSAGE_MAP(Class)                                                                           \
    friend Class* MessageMapTag(Class*, TMessageMapExcept<Class>);                                           \
    static const TControlMessageMap& ClassMessages();                                                        \
    const TControlMessageMap& Messages() const override {                                                    \
        return ClassMessages();                                                                              \
    }

#define DEFINE_MESSAGE_MAP(Class, ...)                                                                       \
    const TControlMessageMap& Class::ClassMessages() {                                                       \
        static const TControlMessageEntry entries[] = {__VA_ARGS__};                                         \
        static const TControlMessageMap map(&MappedBaseOf<Class>::ClassMessages(), entries);                 \
        return map;                                                                                          \
    }

class TWinControl : public TComponent {
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    TForm* ParentForm() const;
    // The form at the root of the control's parents, through its seam; nullptr when the root is
    // no form.
    IFocusHost* FocusHost() const;
    // The seam a root control offers its children: a form's, nullptr for anything else.
    virtual IFocusHost* AsFocusHost() { return nullptr; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return ::BoundsRect(left_, top_, width_, height_); }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual TRect ClientRect() const { return {0, 0, width_, height_}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // The caption or text, in the system's 8-bit code page.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    unsigned ControlState() const { return state_; }
    void IncludeState(unsigned f) { state_ |= f; }
    void ExcludeState(unsigned f) { state_ &= ~f; }

    // The window, created on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // The handle as the window procedure knows it, without creating it.
    HWND WindowHandle() const { return handle_; }

    const std::vector<TWinControl*>& Controls() const { return controls_; }

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }

    // Visible and enabled, with every parent up to the form.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // This control's children in tab order, each followed by its own.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                 bool checkParent) const;
    // Focuses the next control in tab order (checking tab stops) or, without the tab-stop check,
    // the next child of this control.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // Whether the window is shown: the control and all its parents are visible.
    bool Showing() const { return showing_; }
    void Invalidate();

    // Offers a message to the children in creation order until one sets a non-zero result.
    void Broadcast(TMessage& m);

    // Handles a message synchronously, as the control's window would.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Walks the class's message map, then its bases' maps; what no handler takes goes to the
    // window class's default handling.
    void WndProc(TMessage& m);

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;
    void Loaded() override;
    // Multiplies the bounds by m / d (edges rounded independently) and, unless the control
    // follows its parent's font, the font height; then the children's.
    void ChangeScale(int m, int d);

    // Lays out the children aligned to this control's client area.
    void AlignControls();

    // What assistive technology reads of the control. A control with a role and name of its own
    // sets them, then calls this, so that a name given with SetAccessibleName wins.
    virtual void DescribeAccessible(AccessibleTraits& traits) const;
    void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }

    // PopupMenu: the application's own context menu, named as a component of the form; empty
    // for none. It is looked up at each request, so a menu freed first is simply not shown.
    void SetPopupMenu(std::string componentName) { popupMenuName_ = std::move(componentName); }
    TPopupMenu* PopupMenu() const;
    // Where a context menu opens: the request's screen point, or for a request from the keyboard
    // ((-1, -1)) the client point `fromKeyboard` on the screen.
    TPoint ContextMenuPoint(TPoint screenPoint, TPoint fromKeyboard);

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
    // front of. `ownClass`: the window is of a class of the framework's own, which the control
    // erases and paints itself, not a platform class or another component's window.
    void SetDefaultProc(WNDPROC proc, bool ownClass) {
        defProc_ = proc;
        ownClass_ = ownClass;
    }

    // Updates whether the window shows after a change of visibility of the control or of a
    // parent, creating the windows of what starts showing.
    void UpdateShowing();
    virtual bool ShouldShow() const;
    // Places the window among its siblings by creation order.
    void UpdateZOrder();

    // Typed message handlers. Each receives its message's arguments; the base versions pass
    // the message on to default handling (Default), so an override that does not call its
    // base keeps the platform from seeing the message. `keys` holds the MK_ flags; points are
    // in client coordinates unless said otherwise.
    virtual void MouseDown(TMouseButton button, unsigned keys, TPoint p);
    virtual void MouseUp(TMouseButton button, unsigned keys, TPoint p);
    virtual void DblClick(TMouseButton button, unsigned keys, TPoint p);
    virtual void MouseMove(unsigned keys, TPoint p);
    // The pointer left the control (CM_MOUSELEAVE, sent by the mouse-leave tracking).
    virtual void MouseLeave() {}
    virtual void KeyDown(UINT key, LPARAM keyData);
    // The context-menu request, at a point in screen coordinates; (-1, -1) from the keyboard.
    // Shows the PopupMenu when the control has one, at the client area's top-left corner for a
    // request from the keyboard; default handling otherwise.
    virtual void ContextMenu(TPoint screenPoint);
    virtual void FocusIn(HWND previous);
    virtual void FocusOut(HWND next);
    virtual void CaptureChanged(HWND newCapture);
    // A notification the control's window sent its parent (WM_COMMAND), reflected back to it.
    virtual void Command(WORD notification);
    // An owner-draw request for the control's window, reflected back from the parent.
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);
    // Owner-drawn parts of a menu the control shows (WM_MEASUREITEM and WM_DRAWITEM of type
    // ODT_MENU); false leaves them to default handling.
    virtual bool MeasureMenuItem(MEASUREITEMSTRUCT&) { return false; }
    virtual bool DrawMenuItem(const DRAWITEMSTRUCT&) { return false; }
    // The keyboard focus moved to `focused`, a control of the same form.
    virtual void FocusChanged(TWinControl* focused);
    // A character offered as an accelerator (an "&" letter of a caption); answers whether
    // the control took it.
    virtual bool DialogChar(char c);
    // Passes the message being handled to default handling.
    void Default();

    // Erasing answers "done"; the base fills an own window class's client area with the
    // control's colour and leaves a system class's window to its default handling.
    virtual void EraseBackground(HDC dc);
    // The content of the framework's own window classes, for WM_PAINT and WM_PRINTCLIENT.
    virtual void Paint(HDC dc);

    // Whether the window is a top-level window (a form) rather than a child window.
    virtual bool IsTopLevel() const { return false; }
    virtual void DoEnter() {}
    virtual void DoExit() {}

    // The bounds changed after SetBounds or because the window moved.
    virtual void BoundsChanged();
    // Stores bounds without touching a window: for windows that report their own moves.
    void StoreBounds(int left, int top, int width, int height);
    // Stores the text that the window already shows (typed by the user, for instance).
    void StoreText(std::string text) { text_ = std::move(text); }
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void VisibleChanged();
    virtual void EnabledChanged();

    // The root of the message maps: the typed handlers and the framework's own messages, by group
    // (win_control_dispatch.cpp). A derived class declares its map with DECLARE_MESSAGE_MAP.
    friend TWinControl* MessageMapTag(TWinControl*, TMessageMapExcept<TWinControl>);
    static const TControlMessageMap& ClassMessages();
    virtual const TControlMessageMap& Messages() const { return ClassMessages(); }

    // Dialog keys: Tab, arrows, Enter, Escape that the focused control did not want itself.
    virtual void DialogKey(TMessage& m);

  private:
    // The handlers of the root map and its groups of entries.
    struct BaseMessages;

    void InsertControl(TWinControl* c);
    void RemoveControl(TWinControl* c);
    void ParentFontChanged();
    void ParentColorChanged();
    // CN_KEYDOWN (offered to the form's key preview first) and CN_SYSKEYDOWN.
    bool KeyDownNotification(TMessage& m, bool preview);
    // CN_CHAR and CN_SYSCHAR (typed with Alt).
    bool CharNotification(TMessage& m, bool alt);
    bool ReflectToChild(TMessage& m, HWND child);
    bool ColorReflected(TMessage& m);
    // WM_PAINT and WM_PRINTCLIENT of the framework's own window classes.
    bool PaintOwnClass();
    bool PrintOwnClass(TMessage& m);
    void UpdateBoundsFromWindow();

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;
    std::string text_;
    unsigned state_ = 0;

    HWND handle_ = nullptr;
    WNDPROC defProc_ = DefWindowProcA;
    bool ownClass_ = true;
    TMessage* current_ = nullptr; // the message the typed handlers are answering
    std::vector<TWinControl*> controls_;
    std::vector<TWinControl*> tabList_;
    std::optional<std::string> accessibleName_;
    std::string popupMenuName_;
    int storedTabOrder_ = -1;
    bool tabStop_ = false;
    bool showing_ = false;
    bool settingBounds_ = false;
};
