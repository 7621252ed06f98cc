// Bounds, alignment of children and scaling of controls.
#include "framework/win_control.h"

#include "base/mul_div.h"
#include "base/win/rect.h"

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    if (!handle_) {
        StoreBounds(left, top, width, height);
        return;
    }
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBoundsFromWindow();
}

void TWinControl::StoreBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
}

void TWinControl::SetAlign(TAlign align) {
    if (align != align_) {
        align_ = align;
        if (parent_)
            parent_->AlignControls();
    }
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!handle_)
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (!IsTopLevel()) {
        const HWND parent = GetParent(handle_);
        if (parent)
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    } else if (IsIconic(handle_) || IsZoomed(handle_)) {
        return;
    }
    if (const TRect b = ToTRect(r); b != BoundsRect())
        StoreBounds(b.left, b.top, b.Width(), b.Height());
}

void TWinControl::BoundsChanged() {
    AlignControls();
}

void TWinControl::AlignControls() {
    TRect area = ClientRect();
    for (TWinControl* c : controls_) {
        switch (c->Align()) {
        case alNone:
            break;
        case alTop:
            c->SetBounds(area.left, area.top, area.Width(), c->Height());
            area.top += c->Height();
            break;
        case alBottom:
            c->SetBounds(area.left, area.bottom - c->Height(), area.Width(), c->Height());
            area.bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(area.left, area.top, c->Width(), area.Height());
            area.left += c->Width();
            break;
        case alRight:
            c->SetBounds(area.right - c->Width(), area.top, c->Width(), area.Height());
            area.right -= c->Width();
            break;
        case alClient:
            c->SetBounds(area.left, area.top, area.Width(), area.Height());
            break;
        }
    }
}

void TWinControl::ChangeScale(int m, int d) {
    const TRect r{MulDivRound(left_, m, d), MulDivRound(top_, m, d), MulDivRound(left_ + width_, m, d),
                  MulDivRound(top_ + height_, m, d)};
    SetBounds(r.left, r.top, r.Width(), r.Height());
    if (!parentFont_)
        font_.SetHeight(MulDivRound(font_.Height(), m, d));
    for (TWinControl* c : controls_)
        c->ChangeScale(m, d);
}
