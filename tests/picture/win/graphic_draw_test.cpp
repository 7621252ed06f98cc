// PNG pictures drawing themselves on a device context (a 32-bit DIB section) and rendered into
// bitmaps, checked pixel by pixel against the decoded image and the portable blending arithmetic.

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "picture/icon_graphic.h"
#include "picture/png_errors.h"
#include "picture/png_rgb.h"
#include "picture/transparent_draw.h"
#include "picture/win/dc_canvas.h"
#include "picture/win/render_bitmap.h"
#include "../icon_test_util.h"
#include "../png_test_util.h"

namespace {

// A top-down 32-bit DIB section selected into a memory DC, filled with one colour.
class TCanvas {
  public:
    TCanvas(int width, int height, COLORREF fill) : width_(width), height_(height), dc_(nullptr) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = GdiObject<HBITMAP>(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        select_ = std::make_unique<SelectGuard>(dc_.Get(), bitmap_.Get());
        GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
        RECT all = {0, 0, width, height};
        FillRect(dc_.Get(), &all, brush.Get());
        GdiFlush();
    }
    HDC Dc() const { return dc_.Get(); }
    // Red, green, blue at (x, y).
    std::vector<int> At(int x, int y) const {
        GdiFlush();
        const uint8_t* p = static_cast<const uint8_t*>(bits_) + (size_t(y) * width_ + x) * 4;
        return {p[2], p[1], p[0]};
    }

  private:
    int width_, height_;
    MemoryDC dc_;
    void* bits_ = nullptr;
    GdiObject<HBITMAP> bitmap_;
    std::unique_ptr<SelectGuard> select_;
};

void Draw(HDC dc, const TRect& rect, const TGraphic& graphic) {
    TDCCanvas canvas(dc);
    graphic.Draw(canvas, rect);
}

std::vector<int> Rgb(const TRGBQuad& c) {
    return {c.rgbRed, c.rgbGreen, c.rgbBlue};
}

const std::vector<int> kGrey = {100, 100, 100};

// Every pixel inside the picture's place shows the picture; the canvas around it is untouched.
void ExpectDrawnAt(const TCanvas& canvas, const TDecodedImage& image, int left, int top, int scale) {
    for (int y = 0; y < int(image.Height()) * scale; ++y)
        for (int x = 0; x < int(image.Width()) * scale; ++x)
            ASSERT_EQ(canvas.At(left + x, top + y),
                      Rgb(image.Pixel(uint32_t(x / scale), uint32_t(y / scale))))
                << x << "," << y;
    EXPECT_EQ(canvas.At(left - 1, top), kGrey);
    EXPECT_EQ(canvas.At(left, top - 1), kGrey);
}

class OpaqueDrawing : public ::testing::TestWithParam<const char*> {};

TEST_P(OpaqueDrawing, CopiesEveryPixelAtItsSizeAndStretched) {
    const auto png = LoadPng(PngSuiteFile(GetParam()));
    ASSERT_EQ(png->TransparencyMode(), TTransparencyMode::None);
    const TDecodedImage& image = png->Image();
    TCanvas canvas(80, 80, RGB(100, 100, 100));
    Draw(canvas.Dc(), BoundsRect(3, 2, int(image.Width()), int(image.Height())), *png);
    ExpectDrawnAt(canvas, image, 3, 2, 1);

    TCanvas twice(80, 80, RGB(100, 100, 100));
    Draw(twice.Dc(), BoundsRect(5, 7, 2 * int(image.Width()), 2 * int(image.Height())), *png);
    ExpectDrawnAt(twice, image, 5, 7, 2);
}

TEST_P(OpaqueDrawing, AConvertedCopyGivesTheSamePixelsAtItsSizeAndLeavesStretchingToTheDraw) {
    const auto png = LoadPng(PngSuiteFile(GetParam()));
    const TDecodedImage& image = png->Image();
    const int w = int(image.Width());
    const int h = int(image.Height());
    TScreenImageCopy copy;
    // Made at the first draw, copied from at the second, in another place.
    for (const int at : {2, 9}) {
        TCanvas canvas(80, 80, RGB(100, 100, 100));
        ASSERT_TRUE(copy.Draw(canvas.Dc(), image, BoundsRect(at, at + 1, w, h)));
        ExpectDrawnAt(canvas, image, at, at + 1, 1);
    }
    TCanvas twice(80, 80, RGB(100, 100, 100));
    EXPECT_FALSE(copy.Draw(twice.Dc(), image, BoundsRect(5, 7, 2 * w, 2 * h)));
    EXPECT_EQ(twice.At(5, 7), kGrey) << "nothing drawn";
    TDCCanvas canvas(twice.Dc(), &copy);
    png->Draw(canvas, BoundsRect(5, 7, 2 * w, 2 * h));
    ExpectDrawnAt(twice, image, 5, 7, 2);
}

// RGB, palette of 8, 4 and 2 bits, grey of 1, 2, 8 and 16 bits.
INSTANTIATE_TEST_SUITE_P(PngSuite, OpaqueDrawing,
                         ::testing::Values("basn2c08.png", "basn3p08.png", "basn3p04.png", "basn3p02.png",
                                           "basn0g01.png", "basn0g02.png", "basn0g08.png", "basn0g16.png",
                                           "basi2c16.png"));

TEST(ScreenImageCopy, FollowsAnotherImageAndATargetOfAnotherDepthAndStaysOutOfFewColours) {
    const auto rgb = LoadPng(PngSuiteFile("basn2c08.png"));
    const auto grey = LoadPng(PngSuiteFile("basn0g08.png"));
    ASSERT_EQ(rgb->Width(), grey->Width());
    TScreenImageCopy copy;
    for (const TPNGObject* png : {rgb.get(), grey.get(), rgb.get()}) {
        TCanvas canvas(40, 40, RGB(100, 100, 100));
        ASSERT_TRUE(copy.Draw(canvas.Dc(), png->Image(), BoundsRect(4, 4, 32, 32)));
        ExpectDrawnAt(canvas, png->Image(), 4, 4, 1);
    }
    // Converting to 16 or 8 bits may round or dither otherwise than a draw of the image does.
    for (const WORD bits : {16, 8}) {
        std::vector<uint8_t> storage(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        auto* info = reinterpret_cast<BITMAPINFO*>(storage.data());
        info->bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -40, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
        void* pixels = nullptr;
        GdiObject<HBITMAP> few(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        MemoryDC dc(nullptr);
        SelectGuard select(dc.Get(), few.Get());
        EXPECT_FALSE(copy.Draw(dc.Get(), rgb->Image(), BoundsRect(4, 4, 32, 32))) << bits;
    }
    // Back on a 32-bit target the copy is made again for it.
    TCanvas canvas(40, 40, RGB(100, 100, 100));
    ASSERT_TRUE(copy.Draw(canvas.Dc(), rgb->Image(), BoundsRect(4, 4, 32, 32)));
    ExpectDrawnAt(canvas, rgb->Image(), 4, 4, 1);

    // An image changed in place keeps its address: its owner resets the copy.
    TDecodedImage changed = rgb->Image();
    TCanvas first(40, 40, RGB(100, 100, 100));
    ASSERT_TRUE(copy.Draw(first.Dc(), changed, BoundsRect(4, 4, 32, 32)));
    std::fill(changed.Bits(), changed.Bits() + changed.BitsSize(), uint8_t(0x40));
    copy.Reset();
    TCanvas again(40, 40, RGB(100, 100, 100));
    ASSERT_TRUE(copy.Draw(again.Dc(), changed, BoundsRect(4, 4, 32, 32)));
    ExpectDrawnAt(again, changed, 4, 4, 1);
}

TEST(TransparentDrawing, SingleColourLeavesTheDestinationUnderTransparentPixels) {
    const auto png = LoadPng(PngSuiteFile("tbrn2c08.png"));
    ASSERT_EQ(png->TransparencyMode(), TTransparencyMode::SingleColor);
    const TDecodedImage& image = png->Image();
    TCanvas canvas(40, 40, RGB(100, 100, 100));
    Draw(canvas.Dc(), BoundsRect(4, 4, 32, 32), *png);
    int transparent = 0;
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x) {
            const bool clear = image.Alpha(x, y) == 0;
            transparent += clear;
            ASSERT_EQ(canvas.At(4 + int(x), 4 + int(y)), clear ? kGrey : Rgb(image.Pixel(x, y)))
                << x << "," << y;
        }
    EXPECT_GT(transparent, 0);
    EXPECT_EQ(canvas.At(3, 4), kGrey);
}

TEST(TransparentDrawing, PerPixelBlendsOverTheDestinationInsideTheClip) {
    const auto png = LoadPng(PngSuiteFile("basn6a08.png"));
    ASSERT_EQ(png->TransparencyMode(), TTransparencyMode::PerPixel);
    const TDecodedImage& image = png->Image();
    TCanvas canvas(40, 40, RGB(100, 100, 100));
    IntersectClipRect(canvas.Dc(), 0, 0, 20, 40);
    Draw(canvas.Dc(), BoundsRect(4, 4, 32, 32), *png);
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x) {
            const TRGBQuad c = image.Pixel(x, y);
            const uint8_t a = image.Alpha(x, y);
            const std::vector<int> blended = {BlendChannel(c.rgbRed, 100, a),
                                              BlendChannel(c.rgbGreen, 100, a),
                                              BlendChannel(c.rgbBlue, 100, a)};
            ASSERT_EQ(canvas.At(4 + int(x), 4 + int(y)), 4 + x < 20 ? blended : kGrey) << x << "," << y;
        }
}

TEST(Drawing, ThePicturesOwnLayoutIsCopiedUnchanged) {
    std::vector<uint8_t> rgb(640 * 427 * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = uint8_t(i * 7 + i / 1920);
    std::vector<uint8_t> file;
    CreateRGBPNG(640, 427, rgb.data())->SaveToStream(file);
    const auto png = LoadPng(file);
    TCanvas canvas(640, 427, RGB(0, 0, 0));
    Draw(canvas.Dc(), {0, 0, 640, 427}, *png);
    for (int y = 0; y < 427; ++y)
        for (int x = 0; x < 640; ++x) {
            const uint8_t* s = &rgb[(size_t(y) * 640 + x) * 3];
            ASSERT_EQ(canvas.At(x, y), (std::vector<int>{s[0], s[1], s[2]})) << x << "," << y;
        }
}

TEST(Drawing, EmptyPictureDrawsNothingAndHasNoBitmap) {
    TPNGObject empty;
    TCanvas canvas(4, 4, RGB(100, 100, 100));
    Draw(canvas.Dc(), {0, 0, 4, 4}, empty);
    EXPECT_EQ(canvas.At(1, 1), kGrey);
    EXPECT_THROW(RenderToBitmap(empty), EPNGHeaderNotPresent);
}

std::vector<uint8_t> BitmapPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint8_t> bits(size_t(width) * height * 4);
    WindowDC screen(nullptr);
    EXPECT_EQ(GetDIBits(screen.Get(), bitmap, 0, UINT(height), bits.data(), &info, DIB_RGB_COLORS), height);
    return bits;
}

TEST(IconDrawing, DrawsTheNearestImageThroughItsMaskAtAnySize) {
    // A 16-pixel image in blue, a 32-pixel one in green: each with its left half masked out.
    const std::vector<uint8_t> file = TestIconFile({{16, 16, 4, 0x0000C0}, {32, 32, 24, 0x00C000}});
    TIconGraphic icon;
    TByteReader stream(file.data(), file.size());
    icon.LoadFromStream(stream);
    const struct {
        int left, top, size;
        std::vector<int> shown;
    } cases[] = {{3, 2, 16, {0, 0, 192}}, {5, 4, 32, {0, 192, 0}}, {1, 1, 64, {0, 192, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        TCanvas canvas(80, 80, RGB(100, 100, 100));
        Draw(canvas.Dc(), BoundsRect(c.left, c.top, c.size, c.size), icon);
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x)
                ASSERT_EQ(canvas.At(c.left + x, c.top + y), x < c.size / 2 ? kGrey : c.shown)
                    << x << "," << y;
        EXPECT_EQ(canvas.At(c.left + c.size, c.top), kGrey);
        EXPECT_EQ(canvas.At(c.left + c.size - 1, c.top + c.size), kGrey);
    }
    // Rendered for the clipboard, the masked half shows white.
    const std::vector<uint8_t> bits = BitmapPixels(RenderToBitmap(icon).bitmap.Get(), 16, 16);
    EXPECT_EQ((std::vector<int>{bits[2], bits[1], bits[0]}), (std::vector<int>{255, 255, 255}));
    EXPECT_EQ((std::vector<int>{bits[15 * 4 + 2], bits[15 * 4 + 1], bits[15 * 4]}),
              (std::vector<int>{0, 0, 192}));
}

TEST(RenderToBitmap, GivesABitmapOfItsOwnSizeAndThePaletteOfPaletteImages) {
    const auto rgb = LoadPng(PngSuiteFile("basn2c08.png"));
    TRenderedBitmap rendered = RenderToBitmap(*rgb);
    ASSERT_TRUE(rendered.bitmap);
    EXPECT_FALSE(rendered.palette);
    BITMAP info;
    ASSERT_EQ(GetObject(rendered.bitmap.Get(), sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidth, 32);
    EXPECT_EQ(info.bmHeight, 32);
    const std::vector<uint8_t> bits = BitmapPixels(rendered.bitmap.Get(), 32, 32);
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x) {
            const uint8_t* p = &bits[(y * 32 + x) * 4];
            ASSERT_EQ((std::vector<int>{p[2], p[1], p[0]}), Rgb(rgb->Image().Pixel(x, y)));
        }

    const auto indexed = LoadPng(PngSuiteFile("basn3p04.png"));
    TRenderedBitmap withPalette = RenderToBitmap(*indexed);
    ASSERT_TRUE(withPalette.palette);
    PALETTEENTRY entries[16];
    ASSERT_EQ(GetPaletteEntries(withPalette.palette.Get(), 0, 16, entries), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ((std::vector<int>{entries[i].peRed, entries[i].peGreen, entries[i].peBlue}),
                  Rgb(indexed->Image().Info().colors[i]));

    // Transparent pixels show white.
    const auto keyed = LoadPng(PngSuiteFile("tbrn2c08.png"));
    const std::vector<uint8_t> over = BitmapPixels(RenderToBitmap(*keyed).bitmap.Get(), 32, 32);
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x)
            if (keyed->Image().Alpha(x, y) == 0) {
                const uint8_t* p = &over[(y * 32 + x) * 4];
                ASSERT_EQ((std::vector<int>{p[2], p[1], p[0]}), (std::vector<int>{255, 255, 255}));
            }
}

} // namespace
