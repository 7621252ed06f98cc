#include "controls/cx_label.h"

#include <oleacc.h>

#include "base/text.h"
#include "base/win/ansi.h"
#include "base/win/rect.h"
#include "base/win/solid_fill.h"
#include "controls/parent_backdrop.h"
#include "framework/accessible_traits.h"
#include "framework/colors_win.h"
#include "framework/description/description.h"
#include "framework/form.h"
#include "framework/reader.h"

namespace {

constexpr int CeilHalf(int v) {
    return v - v / 2;
}

} // namespace

TcxLabel::TcxLabel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetParentColor(true);
}

void TcxLabel::SetTransparent(bool v) {
    if (v != transparent_) {
        transparent_ = v;
        LayoutChanged();
    }
}

void TcxLabel::SetAlignmentHorz(TAlignment a) {
    horzAssigned_ = true;
    if (a != horz_) {
        horz_ = a;
        LayoutChanged();
    }
}

void TcxLabel::SetAlignmentVert(TVerticalAlignment a) {
    if (a != vert_) {
        vert_ = a;
        LayoutChanged();
    }
}

void TcxLabel::SetShowAccelChar(bool v) {
    if (v != showAccelChar_) {
        showAccelChar_ = v;
        LayoutChanged();
    }
}

void TcxLabel::SetWordWrap(bool v) {
    if (v != wordWrap_) {
        wordWrap_ = v;
        LayoutChanged();
    }
}

void TcxLabel::SetAutoSize(bool v) {
    if (v != autoSize_) {
        autoSize_ = v;
        LayoutChanged();
    }
}

UINT TcxLabel::TextFlags() const {
    static constexpr UINT kHorz[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static constexpr UINT kVert[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
    return kHorz[horz_] | kVert[vert_] | (showAccelChar_ ? 0 : DT_NOPREFIX) |
           (wordWrap_ ? DT_WORDBREAK | DT_EDITCONTROL : 0);
}

TColor TcxLabel::TextColor() const {
    return Enabled() ? Font().Color() : clBtnShadow;
}

// Layout

void TcxLabel::LayoutChanged() {
    needsRedraw_ = true;
    ApplyAutoSize();
    Invalidate();
}

int TcxLabel::ComputedAnchorX() const {
    return horz_ == taRightJustify ? Left() + Width() : Left() + CeilHalf(Width());
}

int TcxLabel::ComputedAnchorY() const {
    return vert_ == taBottomJustify ? Top() + Height() : Top() + CeilHalf(Height());
}

void TcxLabel::ApplyAutoSize() {
    if (!autoSize_ || wordWrap_ || sizing_ || !(Align() == alNone || Align() == alLeft || Align() == alRight))
        return;
    WindowDC screen(nullptr);
    SelectGuard font(screen.Get(), Font().Handle());
    RECT r{0, 0, 0, 0};
    const std::string& text = Text();
    // An empty caption keeps the height of one line.
    DrawTextA(screen.Get(), text.empty() ? " " : text.c_str(), text.empty() ? 1 : int(text.size()), &r,
              (TextFlags() & ~UINT(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int width = (text.empty() ? 0 : r.right - r.left) + 4;
    const int height = r.bottom - r.top + 4;
    // At run time the anchored edge is where the label is now.
    if (!Loading()) {
        if (horz_ != taLeftJustify)
            anchorX_ = ComputedAnchorX();
        if (vert_ != taTopJustify)
            anchorY_ = ComputedAnchorY();
    }
    int left = Left();
    int top = Top();
    if (anchorX_ && horz_ != taLeftJustify)
        left = horz_ == taRightJustify ? *anchorX_ - width : *anchorX_ - CeilHalf(width);
    if (anchorY_ && vert_ != taTopJustify)
        top = vert_ == taBottomJustify ? *anchorY_ - height : *anchorY_ - CeilHalf(height);
    sizing_ = true;
    SetBounds(left, top, width, height);
    sizing_ = false;
}

void TcxLabel::TextChanged() {
    TWinControl::TextChanged();
    LayoutChanged();
}

void TcxLabel::EnabledChanged() {
    TWinControl::EnabledChanged();
    LayoutChanged();
}

void TcxLabel::FontChanged() {
    TWinControl::FontChanged();
    LayoutChanged();
}

void TcxLabel::BoundsChanged() {
    TWinControl::BoundsChanged();
    needsRedraw_ = true;
}

void TcxLabel::DescribeAccessible(AccessibleTraits& traits) const {
    traits.role = ROLE_SYSTEM_STATICTEXT;
    traits.name = AnsiToWide(Text());
    TWinControl::DescribeAccessible(traits);
}

// Painting

void TcxLabel::DrawCaption(HDC dc, const TRect& r) {
    const std::string& text = Text();
    if (text.empty())
        return;
    SelectGuard font(dc, Font().Handle());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(TextColor()));
    // DrawText places only single lines vertically: the rectangle is narrowed to the text's
    // measured height instead.
    const UINT flags = TextFlags() & ~UINT(DT_VCENTER | DT_BOTTOM);
    RECT measured{r.left, r.top, r.right, r.top};
    DrawTextA(dc, text.c_str(), int(text.size()), &measured, flags | DT_CALCRECT);
    const int textWidth = measured.right - measured.left;
    const int textHeight = measured.bottom - measured.top;
    RECT out = ToRECT(r);
    if (vert_ == taBottomJustify)
        out.top = r.bottom - textHeight;
    else if (vert_ == taVCenter)
        out.top = r.top + (r.Height() - textHeight) / 2;
    if (vert_ != taTopJustify)
        out.bottom = out.top + textHeight;
    const bool fits = textWidth <= r.Width() && textHeight <= r.Height();
    SavedDCState clip(dc);
    if (!fits)
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    DrawTextA(dc, text.c_str(), int(text.size()), &out, flags | (fits ? DT_NOCLIP : 0));
    SetBkMode(dc, oldMode);
}

void TcxLabel::EraseBackground(HDC dc) {
    // Only the margin around the content rectangle, showing what the content shows behind
    // the text; nothing when painted into another control's backdrop.
    if (ControlState() & csPaintCopy)
        return;
    const TRect content = ContentRect();
    SavedDCState state(dc);
    ExcludeClipRect(dc, content.left, content.top, content.right, content.bottom);
    if (transparent_)
        PaintParentBackdrop(*this, dc, ClientRect(), true);
    else
        FillSolid(dc, ClientRect(), ColorToRGB(Color()));
}

void TcxLabel::Paint(HDC dc) {
    const TRect content = ContentRect();
    if (ControlState() & csPaintCopy) {
        DrawCaption(dc, content);
        return;
    }
    if (content.IsEmpty())
        return;
    const TPoint at{Left(), Top()};
    const bool sizeKept = cache_.Width() == content.Width() && cache_.Height() == content.Height();
    Offscreen offscreen(dc, cache_, content.Width(), content.Height());
    if (!offscreen.Valid())
        return;
    // A transparent label redraws at every paint, following what lies beneath it.
    if (!sizeKept || needsRedraw_ || transparent_ || !cachedAt_ || !(*cachedAt_ == at)) {
        const TRect local{0, 0, content.Width(), content.Height()};
        if (transparent_)
            PaintParentBackdrop(*this, offscreen.DC(), content, true);
        else
            FillSolid(offscreen.DC(), local, ColorToRGB(Color()));
        DrawCaption(offscreen.DC(), local);
        needsRedraw_ = false;
        cachedAt_ = at;
    }
    offscreen.CopyTo(dc, content.left, content.top);
}

// Keys

bool TcxLabel::DialogChar(char c) {
    if (focusControl_ && GetKeyState(VK_MENU) < 0 && Enabled() && showAccelChar_ &&
        IsAccelerator(c, Text())) {
        if (focusControl_->CanFocus())
            focusControl_->SetFocus();
        return true;
    }
    return TWinControl::DialogChar(c);
}

// Description

bool TcxLabel::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "Transparent")
        SetTransparent(reader.Boolean(p));
    else if (n == "AutoSize")
        SetAutoSize(reader.Boolean(p));
    else if (n == "Properties.Alignment.Horz")
        SetAlignmentHorz(reader.Enumeration<TAlignment>(p, kAlignmentNames));
    else if (n == "Properties.Alignment.Vert")
        SetAlignmentVert(reader.Enumeration<TVerticalAlignment>(p, kVerticalAlignmentNames));
    else if (n == "Properties.ShowAccelChar")
        SetShowAccelChar(reader.Boolean(p));
    else if (n == "Properties.WordWrap")
        SetWordWrap(reader.Boolean(p));
    else if (n == "AnchorX") {
        anchorX_ = reader.Integer(p);
        ApplyAutoSize();
    } else if (n == "AnchorY") {
        anchorY_ = reader.Integer(p);
        ApplyAutoSize();
    } else if (n == "FocusControl")
        focusControlName_ = reader.Identifier(p);
    else if (n == "Style.IsFontAssigned") {
        // A style font that is not the label's own gives way to the parent's.
        if (!reader.Boolean(p))
            SetParentFont(true);
    } else if (n.rfind("Style.Font.", 0) == 0) {
        DescProperty font = p;
        font.name = n.substr(6);
        return TWinControl::ReadProperty(reader, font);
    } else
        return TWinControl::ReadProperty(reader, p);
    return true;
}

void TcxLabel::Loaded() {
    TWinControl::Loaded();
    if (focusControlName_.empty())
        return;
    for (const TComponent* root = this; root; root = root->Owner()) {
        if (auto* c = dynamic_cast<TWinControl*>(root->FindComponent(focusControlName_))) {
            focusControl_ = c;
            return;
        }
    }
    throw Exception("Invalid FocusControl " + focusControlName_ + " of " + Name());
}

void TcxLabel::WriteProperties(DescObject& object) const {
    if (horzAssigned_)
        object.Set("Properties.Alignment.Horz", DescValue::Identifier(kAlignmentNames[horz_]));
    if (vert_ != taTopJustify)
        object.Set("Properties.Alignment.Vert", DescValue::Identifier(kVerticalAlignmentNames[vert_]));
    if (horz_ != taLeftJustify)
        object.Set("AnchorX", DescValue::Integer(ComputedAnchorX()));
    if (vert_ != taTopJustify)
        object.Set("AnchorY", DescValue::Integer(ComputedAnchorY()));
}
