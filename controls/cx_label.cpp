#include "controls/cx_label.h"

#include "base/win/offscreen.h"
#include "base/win/solid_fill.h"
#include "controls/parent_backdrop.h"
#include "framework/colors_win.h"
#include "framework/reader.h"

TcxLabel::TcxLabel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetParentColor(true);
}

void TcxLabel::SetTransparent(bool v) {
    if (v != transparent_) {
        transparent_ = v;
        Invalidate();
    }
}

UINT TcxLabel::TextFlags() const {
    static const UINT kHorz[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static const UINT kVert[] = {DT_TOP, DT_BOTTOM, DT_VCENTER};
    return kHorz[horz_] | kVert[vert_];
}

void TcxLabel::DrawCaption(HDC dc, const TRect& area) {
    if (Text().empty())
        return;
    SelectGuard font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clBtnShadow));
    UINT flags = TextFlags();
    RECT r{area.left, area.top, area.right, area.bottom};
    RECT measured = r;
    DrawTextA(dc, Text().c_str(), int(Text().size()), &measured,
              (flags & ~UINT(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    // DrawText places only single lines vertically; a multi-line text is placed by narrowing
    // the rectangle to its height.
    if (vert_ == taBottomJustify)
        r.top = r.bottom - textHeight;
    else if (vert_ == taVCenter)
        r.top += (area.Height() - textHeight) / 2;
    if (vert_ != taTopJustify)
        r.bottom = r.top + textHeight;
    if (measured.right - measured.left <= area.Width() && textHeight <= area.Height())
        flags |= DT_NOCLIP;
    DrawTextA(dc, Text().c_str(), int(Text().size()), &r, flags & ~UINT(DT_VCENTER | DT_BOTTOM));
}

void TcxLabel::EraseBackground(HDC dc) {
    // Only the margin around the content rectangle; the content is drawn in one copy by Paint.
    const TRect content = ContentRect();
    SavedDCState state(dc);
    ExcludeClipRect(dc, content.left, content.top, content.right, content.bottom);
    if (transparent_) {
        PaintParentBackdrop(*this, dc, ClientRect(), true);
    } else {
        FillSolid(dc, ClientRect(), ColorToRGB(Color()));
    }
}

void TcxLabel::Paint(HDC dc) {
    const TRect content = ContentRect();
    if (ControlState() & csPaintCopy) {
        DrawCaption(dc, content);
        return;
    }
    if (content.IsEmpty())
        return;
    Offscreen offscreen(dc, cache_, content.Width(), content.Height());
    const TRect local{0, 0, content.Width(), content.Height()};
    if (transparent_)
        PaintParentBackdrop(*this, offscreen.DC(), content, true);
    else
        FillSolid(offscreen.DC(), local, ColorToRGB(Color()));
    DrawCaption(offscreen.DC(), local);
    offscreen.CopyTo(dc, content.left, content.top);
}

void TcxLabel::TextChanged() {
    TWinControl::TextChanged();
    Invalidate();
}

void TcxLabel::EnabledChanged() {
    TWinControl::EnabledChanged();
    Invalidate();
}

void TcxLabel::WndProc(TMessage& m) {
    // Clicks do not focus a label; a label is never the target of a dialog key.
    if (m.msg == WM_MOUSEACTIVATE) {
        m.result = MA_NOACTIVATE;
        return;
    }
    TWinControl::WndProc(m);
}

bool TcxLabel::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "Transparent")
        SetTransparent(reader.Boolean(p));
    else if (n == "AutoSize")
        autoSize_ = reader.Boolean(p);
    else if (n == "Properties.Alignment.Horz")
        horz_ = TAlignment(reader.Enumeration(p, {"taLeftJustify", "taRightJustify", "taCenter"}));
    else if (n == "Properties.Alignment.Vert")
        vert_ = TVerticalAlignment(reader.Enumeration(p, {"taTopJustify", "taBottomJustify", "taVCenter"}));
    else if (n == "AnchorX")
        anchorX_ = reader.Integer(p);
    else if (n == "AnchorY")
        anchorY_ = reader.Integer(p);
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
