#include "picture/png_gamma.h"

#include <cmath>

void TGammaTables::Reset() {
    for (int i = 0; i < 256; ++i) {
        gamma_[i] = uint8_t(i);
        inverse_[i] = uint8_t(i);
    }
    identity_ = true;
}

void TGammaTables::Apply(uint32_t g) {
    if (g == 0)
        return;
    const double exponent = 1.0 / (double(g) / 100000.0 * 2.2);
    gamma_[0] = 0;
    inverse_[0] = 0;
    identity_ = true;
    for (int i = 1; i < 256; ++i) {
        // nearbyint rounds in the default mode: to nearest, ties to even.
        const double t = std::nearbyint(255.0 * std::pow(i / 255.0, exponent));
        gamma_[i] = uint8_t(t);
        inverse_[gamma_[i]] = uint8_t(i);
        identity_ = identity_ && gamma_[i] == i;
    }
}
