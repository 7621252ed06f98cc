// Checks of the committed assets in resources/: what the program and the resource compiler
// rely on, so a regenerated file that breaks it does not land.

#include "tests/tools/assets/icon_reader.h"
#include "tools/assets/file_bytes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string kResources = ORLIX_RESOURCES_DIR;

TEST(MainIcon, HoldsFourRoundImagesOnATransparentBackgroundTheLargestAsPng) {
    std::string problem;
    const std::vector<ReadIconImage> images =
        ReadIconFile(ReadFileBytes(kResources + "/MAINICON.ico"), problem);
    ASSERT_EQ(problem, "");
    ASSERT_EQ(images.size(), 4u);
    const int sizes[4] = {256, 48, 32, 16};
    for (size_t i = 0; i < 4; ++i) {
        const ReadIconImage& image = images[i];
        const int n = sizes[i];
        SCOPED_TRACE(n);
        ASSERT_EQ(image.width, n);
        ASSERT_EQ(image.height, n);
        ASSERT_EQ(image.isPng, n == 256);
        EXPECT_TRUE(image.isPng || image.maskPaddingClear);
        int partial = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const size_t p = size_t(y) * n + x;
                const uint8_t alpha = image.rgba[p * 4 + 3];
                if (!image.isPng) {
                    ASSERT_EQ(image.mask[p], alpha == 0) << x << "," << y;
                }
                partial += alpha > 0 && alpha < 255;
                // A disc filling the image: clear outside it, opaque inside, soft only at the edge.
                const double r = std::hypot(x + 0.5 - n / 2.0, y + 0.5 - n / 2.0);
                if (r > n / 2.0 + 1.0) {
                    ASSERT_EQ(alpha, 0) << x << "," << y;
                }
                if (r < n / 2.0 - 1.5) {
                    ASSERT_EQ(alpha, 255) << x << "," << y;
                }
            }
        EXPECT_GT(partial, n / 2) << "edges are not anti-aliased";
    }
}

} // namespace
