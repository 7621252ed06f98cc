#pragma once
// The gamma table of a PNG picture and its inverse: 256 entries each, the identity until a gAMA
// chunk sets them. The reader stores colour samples and palette entries through the table; the
// writer sends colour samples back through the inverse.

#include <array>
#include <cstdint>

class TGammaTables {
  public:
    TGammaTables() { Reset(); }

    void Reset();

    // g is the gAMA value (100000 for a file gamma of 1.0). For g = 0 nothing changes. Otherwise
    // table[i] = round(255 * (i / 255) ^ (1 / (g / 100000 * 2.2))), ties to even, and
    // inverse[table[i]] = i (the last i wins where several map to the same value).
    void Apply(uint32_t g);

    uint8_t Gamma(uint8_t v) const { return gamma_[v]; }
    uint8_t Inverse(uint8_t v) const { return inverse_[v]; }
    const uint8_t* GammaTable() const { return gamma_.data(); }
    bool IsIdentity() const { return identity_; }

  private:
    std::array<uint8_t, 256> gamma_;
    std::array<uint8_t, 256> inverse_;
    bool identity_ = true;
};
