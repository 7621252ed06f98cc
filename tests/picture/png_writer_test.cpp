// The writer: chunk order kept, header rebuilt, Sub on every row, IDAT chunks of 65535 bytes, and
// what it writes reads back (with this reader and with libpng) to the same picture.

#include <cstring>

#include <gtest/gtest.h>
#include <zlib.h>

#include "libpng_reference.h"
#include "picture/picture.h"
#include "picture/png_errors.h"
#include "picture/png_rgb.h"
#include "png_test_util.h"

namespace {

// A deterministic photo-like RGB image: smooth shading with a little noise.
TBytes PhotoLikeRows(uint32_t width, uint32_t height) {
    TBytes rgb(size_t(width) * height * 3);
    uint32_t seed = 12345;
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x)
            for (uint32_t c = 0; c < 3; ++c) {
                seed = seed * 1103515245u + 12345u;
                const int base = int((x * (c + 1) + y * (3 - c)) / 4 % 256);
                rgb[(size_t(y) * width + x) * 3 + c] = uint8_t(std::min(255, base + int(seed >> 28)));
            }
    return rgb;
}

TBytes Save(const TPNGObject& png) {
    TBytes out;
    png.SaveToStream(out);
    return out;
}

TBytes InflateAll(const TBytes& data) {
    z_stream s{};
    inflateInit(&s);
    TBytes out(1 << 20);
    TBytes result;
    s.next_in = const_cast<Bytef*>(data.data());
    s.avail_in = uInt(data.size());
    int rc;
    do {
        s.next_out = out.data();
        s.avail_out = uInt(out.size());
        rc = inflate(&s, Z_NO_FLUSH);
        result.insert(result.end(), out.data(), out.data() + (out.size() - s.avail_out));
    } while (rc == Z_OK);
    inflateEnd(&s);
    EXPECT_EQ(rc, Z_STREAM_END);
    return result;
}

// Colours and alpha of every pixel, equal in both pictures.
void ExpectSamePixels(const TPNGObject& a, const TPNGObject& b) {
    const TDecodedImage& ia = a.Image();
    const TDecodedImage& ib = b.Image();
    ASSERT_EQ(ia.Width(), ib.Width());
    ASSERT_EQ(ia.Height(), ib.Height());
    EXPECT_EQ(ia.HasAlpha(), ib.HasAlpha());
    EXPECT_EQ(a.TransparencyMode(), b.TransparencyMode());
    for (uint32_t y = 0; y < ia.Height(); ++y)
        for (uint32_t x = 0; x < ia.Width(); ++x) {
            ASSERT_TRUE(ia.Pixel(x, y) == ib.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(ia.Alpha(x, y), ib.Alpha(x, y)) << x << "," << y;
        }
}

TEST(PngWriter, RgbPictureHasTheBackgroundLayoutAndReadsBackUnchanged) {
    const TBytes rgb = PhotoLikeRows(640, 427);
    const auto png = CreateRGBPNG(640, 427, rgb.data());
    const TBytes file = Save(*png);

    const std::vector<TRawChunk> chunks = SplitChunks(file);
    std::vector<std::string> names;
    TBytes idat;
    for (const TRawChunk& c : chunks) {
        if (names.empty() || c.name != "IDAT" || names.back() != "IDAT")
            names.push_back(c.name);
        if (c.name == "IDAT")
            idat.insert(idat.end(), c.data.begin(), c.data.end());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "pHYs", "IDAT", "IEND"}));
    EXPECT_EQ(chunks[0].data, IhdrData(640, 427, 8, 2));
    EXPECT_EQ(chunks[1].data, TBytes{0});
    EXPECT_EQ(chunks[2].data, U32BE(45455));
    EXPECT_EQ(chunks[3].data, (TBytes{0, 0, 0x2E, 0x23, 0, 0, 0x2E, 0x23, 1}));
    for (size_t i = 4; i + 2 < chunks.size(); ++i)
        EXPECT_EQ(chunks[i].data.size(), 65535u);
    const size_t last = chunks[chunks.size() - 2].data.size();
    EXPECT_GT(last, 0u);
    EXPECT_LT(last, 65535u);
    EXPECT_GT(chunks.size(), 7u) << "the image should need several IDAT chunks";

    const TBytes raw = InflateAll(idat);
    ASSERT_EQ(raw.size(), 427u * (1 + 640 * 3));
    for (uint32_t y = 0; y < 427; ++y)
        ASSERT_EQ(raw[y * (1 + 640 * 3)], 1) << "row " << y;

    const auto back = LoadPng(file);
    for (uint32_t y = 0; y < 427; ++y)
        for (uint32_t x = 0; x < 640; ++x) {
            const uint8_t* s = &rgb[(size_t(y) * 640 + x) * 3];
            const TRGBQuad c = back->Image().Pixel(x, y);
            ASSERT_TRUE(c.rgbRed == s[0] && c.rgbGreen == s[1] && c.rgbBlue == s[2]) << x << "," << y;
        }
    EXPECT_EQ(Save(*back), file);

    const TReferenceImage reference = DecodeWithLibpng(file);
    for (size_t i = 0; i < size_t(640) * 427; ++i)
        ASSERT_EQ(TBytes(&reference.rgba[i * 4], &reference.rgba[i * 4 + 3]),
                  TBytes(&rgb[i * 3], &rgb[i * 3 + 3]));
}

TEST(PngWriter, StoredValueIsTheTagThenTheFile) {
    const TBytes rgb = PhotoLikeRows(40, 30);
    const auto png = CreateRGBPNG(40, 30, rgb.data());
    TPicture picture;
    picture.AssignGraphic(png.get());
    TBytes value;
    picture.WriteData(value);
    EXPECT_EQ(value, StoredValue("TPNGObject", Save(*png)));

    TPicture read;
    read.ReadData(value.data(), value.size());
    ASSERT_FALSE(read.Empty());
    EXPECT_STREQ(read.Graphic()->ClassName(), "TPNGObject");
    ExpectSamePixels(*png, static_cast<const TPNGObject&>(*read.Graphic()));
}

// Every valid suite image, saved and read again, shows the same pixels, and libpng reads what the
// writer wrote to the same samples as this reader.
class SuiteRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(SuiteRoundTrip, SavedPictureReadsBackTheSame) {
    const auto original = LoadPng(PngSuiteFile(GetParam()));
    const TBytes saved = Save(*original);
    const auto back = LoadPng(saved);
    ExpectSamePixels(*original, *back);
    EXPECT_EQ(back->Header().InterlaceMethod(), original->Header().InterlaceMethod());
    EXPECT_EQ(Save(*back), saved);

    const TReferenceImage reference = DecodeWithLibpng(saved);
    if (!original->Gamma().IsIdentity())
        return; // libpng's samples are the stored ones; ours went through the gamma table
    const TDecodedImage& image = back->Image();
    for (uint32_t y = 0; y < image.Height(); ++y)
        for (uint32_t x = 0; x < image.Width(); ++x) {
            const uint8_t* r = &reference.rgba[(size_t(y) * image.Width() + x) * 4];
            const TRGBQuad c = image.Pixel(x, y);
            ASSERT_TRUE(c.rgbRed == r[0] && c.rgbGreen == r[1] && c.rgbBlue == r[2] &&
                        image.Alpha(x, y) == r[3])
                << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(PngSuite, SuiteRoundTrip, ::testing::ValuesIn(SuiteFiles(false)),
                         [](const auto& info) { return info.param.substr(0, info.param.size() - 4); });

TEST(PngWriter, ChunksKeepTheirOrderAndUnknownOnesTheirData) {
    const TBytes file = PngSuiteFile("ctzn0g04.png");
    const auto png = LoadPng(file);
    std::vector<std::string> original;
    for (const TRawChunk& c : SplitChunks(file))
        original.push_back(c.name);
    std::vector<std::string> saved;
    for (const TRawChunk& c : SplitChunks(Save(*png)))
        saved.push_back(c.name);
    EXPECT_EQ(saved, original);
}

TEST(PngWriter, HeaderlessPictureCannotBeSaved) {
    TPNGObject empty;
    TBytes out;
    EXPECT_THROW(empty.SaveToStream(out), EPNGHeaderNotPresent);
}

TEST(PngWriter, EndChunkIsWrittenEmptyWhateverTheStreamCarriedThere) {
    std::vector<TRawChunk> chunks = SplitChunks(SmallGreyPng(4, 3));
    chunks.back().data = {1, 2, 3};
    const auto png = LoadPng(JoinChunks(chunks));
    const std::vector<TRawChunk> saved = SplitChunks(Save(*png));
    EXPECT_EQ(saved.back().name, "IEND");
    EXPECT_TRUE(saved.back().data.empty());
}

TEST(PngWriter, ChunkNamesOtherThanFourLettersAreNeverWritten) {
    TPNGState state;
    for (const char* name : {"a\0b\xFF", "ab1d", "ab@d", "ab[d", "ab`d", "ab{d"}) {
        TBytes out;
        EXPECT_THROW(TChunk(name).SaveToStream(state, out), EPNGInvalidChunkName) << name;
        EXPECT_TRUE(out.empty());
    }
    TBytes out;
    TChunk("AzaZ", {1}).SaveToStream(state, out);
    EXPECT_EQ(out.size(), 13u);
}

} // namespace
