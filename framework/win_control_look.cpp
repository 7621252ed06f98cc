// Fonts, colours, text and the background of windowed controls.
#include "framework/win_control.h"

#include "base/win/ansi.h"
#include "base/win/solid_fill.h"
#include "framework/accessible_object.h"
#include "framework/colors_win.h"

void TWinControl::FontChanged() {
    TControl::FontChanged();
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, WPARAM(Font().Handle()), TRUE);
        Invalidate();
    }
    for (TControl* c : controls_)
        if (c->ParentFont())
            c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    Invalidate();
    for (TControl* c : controls_)
        if (c->ParentColor())
            c->ParentColorChanged();
}

void TWinControl::TextChanged() {
    if (!handle_)
        return;
    SetWindowTextA(handle_, Text().c_str());
    // A screen reader announces a caption that changes, as it does for the platform's controls.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, handle_, OBJID_CLIENT, CHILDID_SELF);
}

void TWinControl::DescribeAccessible(AccessibleTraits& traits) const {
    if (accessibleName_)
        traits.name = AnsiToWide(*accessibleName_);
}

void TWinControl::EraseBackground(HDC dc) {
    if (!ownClass_) {
        Default();
        return;
    }
    RECT r;
    GetClientRect(handle_, &r);
    FillSolid(dc, {0, 0, r.right, r.bottom}, ColorToRGB(Color()));
}

void TWinControl::Paint(HDC) {}
