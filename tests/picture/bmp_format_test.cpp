// The .bmp reader and writer, and the bitmap kind built on them: what the platform writes reads
// back pixel for pixel, and every damaged file is refused without touching the picture.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/graphic_canvas.h"
#include "picture/transparent_draw.h"

namespace {

using TBytes = std::vector<uint8_t>;

// A width x height bitmap whose every pixel and colour differs from its neighbours'.
TDecodedImage Pattern(uint32_t width, uint32_t height, uint32_t bitCount) {
    TDecodedImage image(width, height, bitCount);
    const uint32_t colors = bitCount <= 8 ? 1u << bitCount : 0;
    for (uint32_t i = 0; i < colors; ++i)
        image.Colors()[i] = {uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 3 + 1), 0};
    for (uint32_t y = 0; y < height; ++y)
        for (size_t b = 0; b < image.Stride(); ++b)
            image.Line(y)[b] = uint8_t(y * 31 + b * 13 + 5);
    return image;
}

TDecodedImage Read(const TBytes& bytes) {
    TByteReader reader(bytes.data(), bytes.size());
    return ReadBmp(reader);
}

void Put32(TBytes& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(v >> (8 * i));
}

// A 32-bit file as the platform writes one: header of headerSize bytes (with the masks inside
// for 108 and 124, after it for 40), rows top-down when asked.
TBytes ThirtyTwoBit(const TDecodedImage& source, uint32_t headerSize, bool bitfields, bool topDown) {
    const uint32_t masksAfter = bitfields && headerSize == 40 ? 12 : 0;
    const uint32_t offset = 14 + headerSize + masksAfter;
    const uint32_t w = source.Width(), h = source.Height();
    TBytes bytes(offset + size_t(w) * h * 4, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, uint32_t(bytes.size()));
    Put32(bytes, 10, offset);
    Put32(bytes, 14, headerSize);
    Put32(bytes, 18, w);
    Put32(bytes, 22, topDown ? uint32_t(-int32_t(h)) : h);
    Put32(bytes, 26, 1 | 32 << 16);
    Put32(bytes, 30, bitfields ? 3 : 0);
    if (bitfields) {
        const size_t masks = 54; // right after a 40-byte header, or its mask fields
        Put32(bytes, masks, 0x00FF0000);
        Put32(bytes, masks + 4, 0x0000FF00);
        Put32(bytes, masks + 8, 0x000000FF);
    }
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            const TRGBQuad c = source.Pixel(x, y);
            uint8_t* p = &bytes[offset + (size_t(topDown ? y : h - 1 - y) * w + x) * 4];
            p[0] = c.rgbBlue;
            p[1] = c.rgbGreen;
            p[2] = c.rgbRed;
            p[3] = 0x80;
        }
    return bytes;
}

void ExpectSamePixels(const TDecodedImage& a, const TDecodedImage& b, const std::string& what) {
    ASSERT_EQ(a.Width(), b.Width()) << what;
    ASSERT_EQ(a.Height(), b.Height()) << what;
    for (uint32_t y = 0; y < a.Height(); ++y)
        for (uint32_t x = 0; x < a.Width(); ++x)
            ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << what << " at " << x << "," << y;
}

TEST(BmpFormat, WrittenBitmapsReadBackIdenticalAtEveryDepth) {
    for (const uint32_t bitCount : {1u, 4u, 8u, 24u}) {
        const TDecodedImage image = Pattern(13, 5, bitCount);
        TBytes bytes;
        WriteBmp(image, bytes);
        const TDecodedImage back = Read(bytes);
        EXPECT_EQ(back.BitCount(), bitCount);
        ExpectSamePixels(back, image, std::to_string(bitCount) + " bits");
        EXPECT_EQ(TBytes(back.Bits(), back.Bits() + back.BitsSize()),
                  TBytes(image.Bits(), image.Bits() + image.BitsSize()));
    }
}

TEST(BmpFormat, ReadsThirtyTwoBitFilesOfEveryHeaderKindAndRowOrder) {
    const TDecodedImage image = Pattern(7, 4, 24);
    for (const uint32_t header : {40u, 108u, 124u})
        for (const bool bitfields : {false, true})
            for (const bool topDown : {false, true}) {
                const std::string what = std::to_string(header) + (bitfields ? " bitfields" : " rgb") +
                                         (topDown ? " top-down" : " bottom-up");
                const TDecodedImage back = Read(ThirtyTwoBit(image, header, bitfields, topDown));
                EXPECT_EQ(back.BitCount(), 24u) << what;
                ExpectSamePixels(back, image, what);
            }
}

struct THostileCase {
    const char* what;
    size_t at; // where a 32-bit value is written into a valid 8-bit 13 x 5 file
    uint32_t value;
};

TEST(BmpFormat, DamagedFilesAreRefusedWithTheReason) {
    TBytes valid;
    WriteBmp(Pattern(13, 5, 8), valid);
    const THostileCase cases[] = {
        {"not BM", 0, 0x4D41},
        {"core header", 14, 12},
        {"unknown header size", 14, 64},
        {"width 0", 18, 0},
        {"negative width", 18, uint32_t(-13)},
        {"width too large", 18, 70000},
        {"height 0", 22, 0},
        {"most negative height", 22, uint32_t(INT_MIN)},
        {"height too large", 22, 70000},
        {"two planes", 26, 2 | 8 << 16},
        {"16 bits", 26, 1 | 16 << 16},
        {"RLE8", 30, 1},
        {"bitfields on 8 bits", 30, 3},
        {"colour table over 256", 46, 257},
        {"rows past the end", 10, uint32_t(valid.size() - 10)},
        {"rows offset past the end", 10, 0xFFFFFFF0},
        {"rows inside the colour table", 10, 54},
        {"rows claim the whole height", 22, 60000},
    };
    for (const THostileCase& c : cases) {
        TBytes bytes = valid;
        Put32(bytes, c.at, c.value);
        try {
            Read(bytes);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EBitmapError& e) {
            EXPECT_EQ(e.Message().rfind("The bitmap is not valid: ", 0), 0u) << c.what << ": " << e.Message();
        }
    }
    TBytes masks = ThirtyTwoBit(Pattern(3, 2, 24), 40, true, false);
    Put32(masks, 54, 0x000000FF);
    EXPECT_THROW(Read(masks), EBitmapError) << "unusual masks";
    for (size_t length = 0; length < valid.size(); ++length)
        EXPECT_THROW(Read(TBytes(valid.begin(), valid.begin() + length)), EBitmapError) << length;
}

TEST(BitmapGraphic, AFailedLoadKeepsThePictureAndAGoodOneReplacesIt) {
    TBitmapGraphic bitmap;
    int changes = 0;
    bitmap.SetOnChange([&] { ++changes; });
    TBytes first, second;
    WriteBmp(Pattern(4, 3, 24), first);
    WriteBmp(Pattern(6, 2, 4), second);
    TByteReader reader(first.data(), first.size());
    bitmap.LoadFromStream(reader);
    EXPECT_EQ(changes, 1);

    const TBytes truncated(second.begin(), second.end() - 1);
    TByteReader bad(truncated.data(), truncated.size());
    EXPECT_THROW(bitmap.LoadFromStream(bad), EBitmapError);
    EXPECT_EQ(changes, 1);
    ExpectSamePixels(bitmap.Image(), Pattern(4, 3, 24), "after the failure");

    TByteReader good(second.data(), second.size());
    bitmap.LoadFromStream(good);
    ExpectSamePixels(bitmap.Image(), Pattern(6, 2, 4), "replaced");
    EXPECT_EQ(bitmap.Palette().size(), 16u);
    TBytes saved;
    bitmap.Clone()->SaveToStream(saved);
    EXPECT_EQ(saved, second);
    EXPECT_THROW(TBitmapGraphic().SaveToStream(saved), EBitmapError);
}

// Draws onto a grey 32-bit surface as a device context would.
class TSurfaceCanvas : public TGraphicCanvas {
  public:
    TSurfaceCanvas(int width, int height) : pixels_(size_t(width) * height, 0x00808080u) {
        surface_ = {reinterpret_cast<uint8_t*>(pixels_.data()), width, height, size_t(width) * 4};
    }
    void DrawImage(const TDecodedImage& image, TTransparencyMode mode, const TRect& rect) override {
        DrawOnSurface(image, mode, rect, surface_);
    }
    void DrawIconImage(const uint8_t*, size_t, int, int, const TRect&) override {}
    uint32_t At(int x, int y) const { return pixels_[size_t(y) * surface_.width + x] & 0xFFFFFF; }

  private:
    std::vector<uint32_t> pixels_;
    TBgrxSurface surface_;
};

TEST(BitmapGraphic, ATransparentBitmapLeavesItsBottomLeftColourUndrawn) {
    TBitmapGraphic bitmap; // loaded twice: the second picture must not draw through the first's mask
    for (const uint32_t bitCount : {4u, 24u}) {
        TBytes bytes;
        WriteBmp(Pattern(6, 4, bitCount), bytes);
        TByteReader reader(bytes.data(), bytes.size());
        bitmap.LoadFromStream(reader);
        const TDecodedImage& image = bitmap.Image();
        const TRGBQuad key = image.Pixel(0, 3);
        for (const bool transparent : {false, true}) {
            bitmap.SetTransparent(transparent);
            TSurfaceCanvas canvas(6, 4);
            bitmap.Draw(canvas, {0, 0, 6, 4});
            int keyed = 0;
            for (uint32_t y = 0; y < 4; ++y)
                for (uint32_t x = 0; x < 6; ++x) {
                    const TRGBQuad p = image.Pixel(x, y);
                    const uint32_t colour = uint32_t(p.rgbRed) << 16 | p.rgbGreen << 8 | p.rgbBlue;
                    const bool hidden = transparent && p == key;
                    keyed += p == key;
                    EXPECT_EQ(canvas.At(int(x), int(y)), hidden ? 0x808080u : colour)
                        << bitCount << " bits, transparent " << transparent << " at " << x << "," << y;
                }
            EXPECT_GT(keyed, 0);
            EXPECT_LT(keyed, 24) << "the pattern has other colours too";
        }
    }
}

} // namespace
