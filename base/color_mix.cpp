#include "base/color_mix.h"

#include <algorithm>

#include "base/mul_div.h"

namespace {

int Channel(uint32_t color, int shift) {
    return int((color >> shift) & 0xFFu);
}

} // namespace

uint32_t MixColors(uint32_t face, uint32_t highlight, uint32_t window, ColorWeights w) {
    face &= 0xFFFFFFu;
    highlight &= 0xFFFFFFu;
    if (face == 0 || face == 0xFFFFFFu)
        return highlight;
    uint32_t result = 0;
    for (const int shift : {0, 8, 16}) {
        const int sum = MulDivRound(Channel(face, shift), w.face, 100) +
                        MulDivRound(Channel(highlight, shift), w.highlight, 100) +
                        MulDivRound(Channel(window, shift), w.window, 100);
        result |= uint32_t(std::clamp(sum, 0, 255)) << shift;
    }
    return result;
}
