#include "framework/panel.h"

#include "framework/colors_win.h"
#include "framework/reader.h"

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(true);
}

void TPanel::SetBevelOuter(TBevelCut v) {
    bevelOuter_ = v;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v) {
    bevelInner_ = v;
    Invalidate();
}

void TPanel::Paint(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    for (const TBevelCut cut : {bevelOuter_, bevelInner_}) {
        if (cut == bvLowered || cut == bvRaised) {
            DrawEdge(dc, &r, cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        } else if (cut == bvSpace) {
            InflateRect(&r, -1, -1);
        }
    }
    if (Text().empty())
        return;
    SelectGuard font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextA(dc, Text().c_str(), int(Text().size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

bool TPanel::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "BevelOuter")
        SetBevelOuter(reader.Enumeration<TBevelCut>(p, kBevelCutNames));
    else if (p.name == "BevelInner")
        SetBevelInner(reader.Enumeration<TBevelCut>(p, kBevelCutNames));
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}
