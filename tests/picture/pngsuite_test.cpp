// Conformance with the PngSuite: every valid image decodes to libpng's samples after this reader's
// own transforms (gamma table on colours, alpha unchanged); every corrupt one fails with a fitting
// error and leaves the picture untouched; interlaced and plain twins decode alike.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "libpng_reference.h"
#include "picture/png_errors.h"
#include "png_test_util.h"

namespace {

// The file gamma of the first gAMA chunk before the image data, 0 without one.
uint32_t FileGamma(const TBytes& png) {
    for (const TRawChunk& c : SplitChunks(png)) {
        if (c.name == "IDAT")
            break;
        if (c.name == "gAMA" && c.data.size() >= 4)
            return uint32_t(c.data[0]) << 24 | uint32_t(c.data[1]) << 16 | uint32_t(c.data[2]) << 8 |
                   c.data[3];
    }
    return 0;
}

// The reader's gamma rule, computed here on its own as the reference.
std::vector<uint8_t> ReferenceGammaTable(uint32_t g) {
    std::vector<uint8_t> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = g == 0 || i == 0
                       ? uint8_t(i)
                       : uint8_t(std::nearbyint(255.0 * std::pow(i / 255.0, 100000.0 / (g * 2.2))));
    return table;
}

class ValidSuiteImage : public ::testing::TestWithParam<std::string> {};

TEST_P(ValidSuiteImage, DecodesToTheReferenceSamples) {
    const TBytes bytes = PngSuiteFile(GetParam());
    const TReferenceImage reference = DecodeWithLibpng(bytes);
    const auto png = LoadPng(bytes);
    const TDecodedImage& image = png->Image();
    ASSERT_EQ(image.Width(), reference.width);
    ASSERT_EQ(image.Height(), reference.height);
    EXPECT_EQ(image.HasAlpha(), reference.hasAlpha);
    EXPECT_EQ(png->Transparent(), reference.hasAlpha);
    const std::vector<uint8_t> gamma = ReferenceGammaTable(FileGamma(bytes));
    int mismatches = 0;
    for (uint32_t y = 0; y < image.Height(); ++y) {
        for (uint32_t x = 0; x < image.Width(); ++x) {
            const uint8_t* r = &reference.rgba[(size_t(y) * image.Width() + x) * 4];
            const TRGBQuad c = image.Pixel(x, y);
            const bool same = c.rgbRed == gamma[r[0]] && c.rgbGreen == gamma[r[1]] &&
                              c.rgbBlue == gamma[r[2]] && image.Alpha(x, y) == r[3];
            if (!same && ++mismatches <= 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): ours " << int(c.rgbRed) << ","
                              << int(c.rgbGreen) << "," << int(c.rgbBlue) << "," << int(image.Alpha(x, y))
                              << " expected " << int(gamma[r[0]]) << "," << int(gamma[r[1]]) << ","
                              << int(gamma[r[2]]) << "," << int(r[3]);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(PngSuite, ValidSuiteImage, ::testing::ValuesIn(SuiteFiles(false)),
                         [](const auto& info) { return info.param.substr(0, info.param.size() - 4); });

TEST(PngSuiteCorrupt, EveryFileFailsWithAFittingErrorAndLeavesThePictureAsItWas) {
    const std::map<std::string, std::string> expected = {
        {"xc1n0g08.png", "EPngInvalidIHDR"},       {"xc9n2c08.png", "EPngInvalidIHDR"},
        {"xcrn0g04.png", "EPNGInvalidFileHeader"}, {"xcsn0g01.png", "EPngInvalidCRC"},
        {"xd0n2c08.png", "EPngInvalidIHDR"},       {"xd3n2c08.png", "EPngInvalidIHDR"},
        {"xd9n2c08.png", "EPngInvalidIHDR"},       {"xdtn0g01.png", "EPNGNoImageData"},
        {"xhdn0g08.png", "EPngInvalidCRC"},        {"xlfn0g04.png", "EPNGInvalidFileHeader"},
        {"xs1n0g01.png", "EPNGInvalidFileHeader"}, {"xs2n0g01.png", "EPNGInvalidFileHeader"},
        {"xs4n0g01.png", "EPNGInvalidFileHeader"}, {"xs7n0g01.png", "EPNGInvalidFileHeader"},
    };
    const std::vector<std::string> files = SuiteFiles(true);
    ASSERT_EQ(files.size(), expected.size());
    const TBytes previous = PngSuiteFile("basn2c08.png");
    const size_t previousChunks = LoadPng(previous)->Chunks().size();
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        auto png = LoadPng(previous);
        const TBytes before(png->Image().Bits(), png->Image().Bits() + png->Image().BitsSize());
        const TBytes bytes = PngSuiteFile(name);
        TByteReader reader(bytes.data(), bytes.size());
        try {
            png->LoadFromStream(reader);
            ADD_FAILURE() << "loaded";
        } catch (const EPngError& e) {
            EXPECT_STREQ(e.ClassName(), expected.at(name).c_str());
        }
        EXPECT_EQ(png->Width(), 32);
        EXPECT_EQ(png->Chunks().size(), previousChunks);
        EXPECT_EQ(TBytes(png->Image().Bits(), png->Image().Bits() + png->Image().BitsSize()), before);
    }
}

TEST(PngSuiteInterlace, InterlacedAndPlainTwinsDecodeToTheSameBitmap) {
    int pairs = 0;
    for (const std::string& name : SuiteFiles(false)) {
        const size_t at = name.find('i', 1);
        if (name.size() != 12 || at != 3)
            continue;
        std::string twin = name;
        twin[3] = 'n';
        if (!std::filesystem::exists(TestDataPath("pngsuite/" + twin)))
            continue;
        SCOPED_TRACE(name);
        const auto a = LoadPng(PngSuiteFile(name));
        const auto b = LoadPng(PngSuiteFile(twin));
        const TDecodedImage& ia = a->Image();
        const TDecodedImage& ib = b->Image();
        ASSERT_EQ(ia.BitsSize(), ib.BitsSize());
        EXPECT_EQ(std::memcmp(ia.Bits(), ib.Bits(), ia.BitsSize()), 0);
        EXPECT_EQ(std::memcmp(&ia.Info(), &ib.Info(), sizeof(TBitmapInfo)), 0);
        for (uint32_t y = 0; y < ia.Height(); ++y)
            for (uint32_t x = 0; x < ia.Width(); ++x)
                ASSERT_EQ(ia.Alpha(x, y), ib.Alpha(x, y));
        ++pairs;
    }
    EXPECT_EQ(pairs, 15 + 18); // basi/basn and s??i/s??n
}

} // namespace
