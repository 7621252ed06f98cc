#include "picture/png_errors.h"
#include "picture/png_filters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/picture/png_test_util.h"

namespace {

// Red, green, blue to blue, green, red, pixel by pixel.
std::vector<uint8_t> Reversed(std::vector<uint8_t> rgb) {
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        std::swap(rgb[i], rgb[i + 2]);
    return rgb;
}

} // namespace

// The direct path must give exactly what unfiltering and then reordering gives, for every filter,
// with the row above taken from the bitmap, and write nothing past the row's last pixel; rows of 5 to
// 12 pixels end in and around a 16-byte step.
TEST(UnfilterRowToBGR, MatchesUnfilteringThenReorderingForEveryFilter) {
    for (const size_t pixels : {1, 2, 5, 6, 7, 10, 11, 12, 640}) {
        const size_t length = pixels * 3;
        const std::vector<uint8_t> aboveRgb = Noise(length, 7);
        for (uint8_t filter = 0; filter <= 4; ++filter) {
            SCOPED_TRACE(std::to_string(pixels) + " pixels, filter " + std::to_string(filter));
            const std::vector<uint8_t> in = Noise(length, 100 + filter);
            std::vector<uint8_t> expected(length);
            UnfilterRow(filter, in.data(), aboveRgb.data(), expected.data(), length, 3);

            std::vector<uint8_t> line(length + 4, 0xA5);
            UnfilterRowToBGR(filter, in.data(), Reversed(aboveRgb).data(), line.data(), pixels);
            EXPECT_EQ(std::vector<uint8_t>(line.begin(), line.begin() + long(length)), Reversed(expected));
            EXPECT_EQ(std::vector<uint8_t>(line.begin() + long(length), line.end()),
                      std::vector<uint8_t>(4, 0xA5));
        }
    }
}

TEST(UnfilterRowToBGR, RefusesAnUnknownFilter) {
    const std::vector<uint8_t> in(3), above(3);
    std::vector<uint8_t> line(3);
    EXPECT_THROW(UnfilterRowToBGR(5, in.data(), above.data(), line.data(), 1), EPNGInvalidFilter);
}
