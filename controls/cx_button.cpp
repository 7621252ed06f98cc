#include "controls/cx_button.h"

#include "base/win/gdi.h"
#include "base/win/offscreen.h"
#include "base/win/solid_fill.h"
#include "framework/colors_win.h"
#include "framework/reader.h"

TcxButton::TcxButton(TComponent* owner) : TButton(owner) {}

void TcxButton::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.style = (p.style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TcxButton::EnabledChanged() {
    TButton::EnabledChanged();
    Invalidate();
}

bool TcxButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const int w = Width();
    const int h = Height();
    Offscreen offscreen(item.hDC, w, h);
    const HDC dc = offscreen.DC();

    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    TColor face = defaultColor_ == clDefault ? clBtnFace : defaultColor_;
    TColor frame = clBtnText;
    TColor caption = Font().Color() == clDefault ? clBtnText : Font().Color();
    if (!Enabled()) {
        face = clBtnFace;
        frame = clBtnShadow;
        caption = clBtnShadow;
    } else if (pressed) {
        face = clHighlight;
        frame = clHighlight;
        caption = clHighlightText;
    }
    const TRect r{0, 0, w, h};
    FrameSolid(dc, r, ColorToRGB(frame));
    FillSolid(dc, r.Inflated(-1), ColorToRGB(face));

    RECT area{2, 2, w - 2, h - 2};
    SelectGuard font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT text{1, 0, area.right - area.left - 2, 0};
    DrawTextA(dc, Text().c_str(), int(Text().size()), &text, DT_CALCRECT);
    const int tw = text.right - text.left;
    const int th = text.bottom - text.top;
    const int dx = area.left + (area.right - area.left - (tw + 3)) / 2;
    const int dy = area.top + (area.bottom - area.top - th - 1) / 2;
    OffsetRect(&text, dx, dy);
    if (!Enabled()) {
        RECT emboss = text;
        OffsetRect(&emboss, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextA(dc, Text().c_str(), int(Text().size()), &emboss, DT_CENTER | DT_VCENTER);
    }
    SetTextColor(dc, ColorToRGB(caption));
    DrawTextA(dc, Text().c_str(), int(Text().size()), &text, DT_CENTER | DT_VCENTER);
    if (Focused()) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        RECT focus{3, 3, w - 3, h - 3};
        DrawFocusRect(dc, &focus);
    }
    offscreen.CopyTo(item.hDC, 0, 0);
    return true;
}

bool TcxButton::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "Colors.Default") {
        const TColor c = reader.Color(p);
        defaultColor_ = (c == clNone) ? clDefault : c;
    } else if (p.name == "LookAndFeel.Kind")
        kind_ =
            TcxLookAndFeelKind(reader.Enumeration(p, {"lfFlat", "lfStandard", "lfUltraFlat", "lfOffice11"}));
    else if (p.name == "LookAndFeel.NativeStyle")
        nativeStyle_ = reader.Boolean(p);
    else
        return TButton::ReadProperty(reader, p);
    return true;
}
