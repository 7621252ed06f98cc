#include "controls/mix_system_colors.h"

#include "base/win/gdi.h"
#include "framework/colors_win.h"

TColor MixSystemColors(ColorWeights weights) {
    const uint32_t mixed =
        MixColors(ColorToRGB(clBtnFace), ColorToRGB(clHighlight), ColorToRGB(clWindow), weights);
    WindowDC screen(nullptr);
    const COLORREF nearest = screen ? GetNearestColor(screen.Get(), mixed) : CLR_INVALID;
    return TColor(nearest == CLR_INVALID ? mixed : nearest);
}
