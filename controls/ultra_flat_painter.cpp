#include "controls/ultra_flat_painter.h"

#include "base/win/solid_fill.h"
#include "controls/mix_system_colors.h"
#include "framework/colors_win.h"

const TcxUltraFlatLookAndFeelPainter& TcxUltraFlatLookAndFeelPainter::Instance() {
    static const TcxUltraFlatLookAndFeelPainter painter;
    return painter;
}

int TcxUltraFlatLookAndFeelPainter::FrameWidth(TcxButtonState state) const {
    return state == cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainter::FaceColor(TcxButtonState state) const {
    switch (state) {
    case cxbsHot:
        return MixSystemColors(kHotFaceWeights);
    case cxbsPressed:
        return MixSystemColors(kPressedFaceWeights);
    default:
        return clBtnFace;
    }
}

TRect TcxUltraFlatLookAndFeelPainter::FocusBounds(const TRect& client) const {
    const TRect inset = client.Inflated(-3);
    return inset.IsEmpty() ? client : inset;
}

TColor TcxUltraFlatLookAndFeelPainter::CaptionColor(TcxButtonState state, TColor fontColor) const {
    switch (state) {
    case cxbsPressed:
        return clHighlightText;
    case cxbsDisabled:
        return clBtnShadow;
    default:
        return fontColor == clDefault ? clBtnText : fontColor;
    }
}

void TcxUltraFlatLookAndFeelPainter::PaintButton(HDC dc, const TRect& r, TcxButtonState state, bool withFrame,
                                                 TColor face) const {
    if (withFrame)
        PaintFrame(dc, r, state);
    FillSolid(dc, r.Inflated(-FrameWidth(state)), ColorToRGB(face == clDefault ? FaceColor(state) : face));
}

void TcxUltraFlatLookAndFeelPainter::PaintFrame(HDC dc, const TRect& r, TcxButtonState state) const {
    static constexpr TColor kFrame[] = {clWindowFrame, clBtnText, clHighlight, clHighlight, clBtnShadow};
    FrameSolid(dc, r, ColorToRGB(kFrame[state]));
    if (state == cxbsDefault)
        FrameSolid(dc, r.Inflated(-1), ColorToRGB(clWindowFrame));
}
