// Fonts, colours, text and the background of controls.
#include "framework/win_control.h"

#include "base/scope_guard.h"
#include "base/win/ansi.h"
#include "base/win/rect.h"
#include "base/win/solid_fill.h"
#include "framework/accessible_traits.h"
#include "framework/colors_win.h"

void TWinControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color != color_) {
        color_ = color;
        ColorChanged();
    }
}

void TWinControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_)
        ParentColorChanged();
}

void TWinControl::ParentColorChanged() {
    if (parent_ && parent_->Color() != color_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TWinControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_)
        ParentFontChanged();
}

void TWinControl::ParentFontChanged() {
    if (!parent_)
        return;
    const ScopedValue<bool> following(followingParent_, true);
    font_.Assign(parent_->Font());
}

void TWinControl::SetText(const std::string& text) {
    if (text != text_) {
        text_ = text;
        TextChanged();
    }
}

void TWinControl::FontChanged() {
    if (!followingParent_)
        parentFont_ = false;
    if (handle_) {
        SendMessageA(handle_, WM_SETFONT, WPARAM(Font().Handle()), TRUE);
        Invalidate();
    }
    for (TWinControl* c : controls_)
        if (c->ParentFont())
            c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    Invalidate();
    for (TWinControl* c : controls_)
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
    FillSolid(dc, ToTRect(r), ColorToRGB(Color()));
}

void TWinControl::Paint(HDC) {}
