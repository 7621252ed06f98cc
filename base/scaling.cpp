#include "base/scaling.h"

#include "base/mul_div.h"

int ScaledFontHeight(int storedHeight, int screenPpi, int designPpi) {
    if (storedHeight == -MulDivRound(8, screenPpi, 72))
        return storedHeight;
    return MulDivRound(storedHeight, screenPpi, designPpi);
}

TRect ScaledRect(const TRect& r, int m, int d) {
    return {MulDivRound(r.left, m, d), MulDivRound(r.top, m, d), MulDivRound(r.right, m, d),
            MulDivRound(r.bottom, m, d)};
}
