// Checks of the committed background picture: the chunk layout the program stores it with, and
// the areas that the window's edit fields and captions are laid over.

#include "picture/byte_reader.h"
#include "picture/png_object.h"
#include "tests/tools/assets/png_chunks.h"
#include "tools/assets/file_bytes.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 640, kHeight = 427, kRowBytes = kWidth * 3;

struct Rgb {
    int r, g, b;
};

class Background : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string problem;
        file_ = ReadFileBytes(std::string(ORLIX_RESOURCES_DIR) + "/background.png");
        chunks_ = ReadPngChunks(file_, problem);
        ASSERT_EQ(problem, "");
        rows_ = InflateImageData(chunks_, problem);
        ASSERT_EQ(problem, "");
        ASSERT_EQ(rows_.size(), size_t(kHeight) * (1 + kRowBytes));
        // Undo the Sub filter here only where it was used; the filter test reports the others.
        samples_.assign(size_t(kHeight) * kRowBytes, 0);
        for (int y = 0; y < kHeight; ++y) {
            const uint8_t* in = &rows_[size_t(y) * (1 + kRowBytes) + 1];
            uint8_t* out = &samples_[size_t(y) * kRowBytes];
            for (int i = 0; i < kRowBytes; ++i)
                out[i] = uint8_t(in[i] + (i >= 3 ? out[i - 3] : 0));
        }
    }
    static Rgb At(int x, int y) {
        const uint8_t* p = &samples_[(size_t(y) * kWidth + x) * 3];
        return {p[0], p[1], p[2]};
    }
    static bool White(Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; }
    static double Luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

    static std::vector<uint8_t> file_;
    static std::vector<PngChunk> chunks_;
    static std::vector<uint8_t> rows_;
    static std::vector<uint8_t> samples_;
};

std::vector<uint8_t> Background::file_;
std::vector<PngChunk> Background::chunks_;
std::vector<uint8_t> Background::rows_;
std::vector<uint8_t> Background::samples_;

TEST_F(Background, CarriesTheChunksOfTheStoredPicture) {
    ASSERT_GE(chunks_.size(), 6u);
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> head = {
        {"IHDR", {0, 0, 2, 128, 0, 0, 1, 171, 8, 2, 0, 0, 0}}, // 640 x 427, 8-bit RGB
        {"sRGB", {0}},
        {"gAMA", {0, 0, 0xB1, 0x8F}},                      // 45455
        {"pHYs", {0, 0, 0x2E, 0x23, 0, 0, 0x2E, 0x23, 1}}, // 11811 per metre both ways
    };
    for (size_t i = 0; i < head.size(); ++i) {
        EXPECT_EQ(chunks_[i].type, head[i].first);
        EXPECT_EQ(chunks_[i].data, head[i].second) << head[i].first;
    }
    EXPECT_EQ(chunks_.back().type, "IEND");
    EXPECT_TRUE(chunks_.back().data.empty());
    for (size_t i = head.size(); i + 1 < chunks_.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chunks_[i].type, "IDAT");
        if (i + 2 < chunks_.size()) {
            EXPECT_EQ(chunks_[i].data.size(), 65535u);
        } else {
            EXPECT_TRUE(chunks_[i].data.size() >= 1 && chunks_[i].data.size() <= 65535);
        }
    }
}

TEST_F(Background, EveryRowUsesTheSubFilter) {
    for (int y = 0; y < kHeight; ++y)
        ASSERT_EQ(rows_[size_t(y) * (1 + kRowBytes)], 1) << "row " << y;
}

TEST_F(Background, TheProgramsReaderShowsTheStoredSamples) {
    TByteReader stream(file_.data(), file_.size());
    TPNGObject png;
    png.LoadFromStream(stream);
    ASSERT_EQ(png.Width(), kWidth);
    ASSERT_EQ(png.Height(), kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const TRGBQuad shown = png.Image().Pixel(uint32_t(x), uint32_t(y));
            const Rgb stored = At(x, y);
            ASSERT_TRUE(shown.rgbRed == stored.r && shown.rgbGreen == stored.g && shown.rgbBlue == stored.b)
                << x << "," << y;
        }
}

TEST_F(Background, EntryBarsArePlainWhiteFromTheBlueSquareToTheirRoundedEnd) {
    const int bars[2][2] = {{191, 228}, {242, 279}};
    for (const auto& bar : bars) {
        SCOPED_TRACE(bar[0]);
        for (int y = bar[0]; y <= bar[1]; ++y) {
            // The right corners are rounded by 5 pixels; everything else up to 554 is plain.
            const bool corner = y < bar[0] + 5 || y > bar[1] - 5;
            for (int x = 283; x <= (corner ? 548 : 554); ++x)
                ASSERT_TRUE(White(At(x, y))) << x << "," << y;
            ASSERT_FALSE(White(At(555, y))) << "row " << y;
            const Rgb square = At(244, y);
            if (!corner) {
                ASSERT_GT(square.b, square.r + 80) << "blue square at row " << y;
            }
        }
        for (int x = 242; x <= 554; ++x) {
            ASSERT_FALSE(White(At(x, bar[0] - 1))) << x;
            ASSERT_FALSE(White(At(x, bar[1] + 1))) << x;
        }
        int symbol = 0; // the white person or key inside the square
        for (int y = bar[0] + 4; y <= bar[1] - 4; ++y)
            for (int x = 246; x <= 278; ++x)
                symbol += Luma(At(x, y)) > 200;
        EXPECT_GT(symbol, 80);
    }
}

TEST_F(Background, CaptionStripsAreDarkEnoughForWhiteText) {
    // Picture rows 359 to 376 lie under the two white captions at the window's bottom edge.
    const int strips[2][2] = {{4, 46}, {320, 639}};
    for (const auto& strip : strips) {
        double sum = 0, brightest = 0;
        int n = 0;
        for (int y = 359; y <= 376; ++y)
            for (int x = strip[0]; x <= strip[1]; ++x, ++n) {
                sum += Luma(At(x, y));
                brightest = std::max(brightest, Luma(At(x, y)));
            }
        EXPECT_LT(sum / n, 60) << strip[0];
        EXPECT_LT(brightest, 120) << strip[0];
    }
}

} // namespace
