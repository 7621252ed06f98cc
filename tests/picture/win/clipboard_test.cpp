// Copying a picture to the clipboard and pasting one from it: what the other side gets, and what
// a failure leaves there.

#include <windows.h>

#include <atomic>
#include <string>

#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/win/clipboard.h"
#include "base/win/gdi.h"
#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/png_errors.h"
#include "base/win/global_memory.h"
#include "picture/win/clipboard_copy.h"
#include "picture/win/clipboard_paste.h"
#include "tests/support/threads/test_thread.h"
#include "../png_test_util.h"
#include "device_bitmap.h"
#include "tests/support/probes/win_probes.h"

namespace {

// Red, green, blue of every pixel of the clipboard's CF_BITMAP, top row first; empty when there
// is none. palette tells whether CF_PALETTE is there too.
std::vector<std::vector<int>> ClipboardPixels(int width, int height, bool& palette) {
    std::vector<std::vector<int>> pixels;
    if (!OpenClipboard(nullptr))
        return pixels;
    palette = IsClipboardFormatAvailable(CF_PALETTE) != 0;
    if (const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<uint8_t> bits(size_t(width) * height * 4);
        WindowDC screen(nullptr);
        if (GetDIBits(screen.Get(), bitmap, 0, UINT(height), bits.data(), &info, DIB_RGB_COLORS) == height)
            for (size_t i = 0; i < bits.size(); i += 4)
                pixels.push_back({bits[i + 2], bits[i + 1], bits[i]});
    }
    CloseClipboard();
    return pixels;
}

std::vector<std::vector<int>> PicturePixels(const TPNGObject& png) {
    std::vector<std::vector<int>> pixels;
    for (uint32_t y = 0; y < png.Image().Height(); ++y)
        for (uint32_t x = 0; x < png.Image().Width(); ++x) {
            const TRGBQuad c = png.Image().Pixel(x, y);
            pixels.push_back({c.rgbRed, c.rgbGreen, c.rgbBlue});
        }
    return pixels;
}

TEST(CopyGraphicToClipboard, ReadsBackAsABitmapEqualToThePictureWithItsPalette) {
    for (const auto& [file, palette] : {std::pair{"basn2c08.png", false}, std::pair{"basn3p04.png", true}}) {
        const auto png = LoadPng(PngSuiteFile(file));
        CopyGraphicToClipboard(nullptr, *png);
        bool hasPalette = !palette;
        EXPECT_EQ(ClipboardPixels(32, 32, hasPalette), PicturePixels(*png)) << file;
        EXPECT_EQ(hasPalette, palette) << file;
    }
}

TEST(CopyGraphicToClipboard, PictureThatCannotBeRenderedLeavesTheClipboardAsItWas) {
    CopyTextToClipboard(nullptr, "kept");
    TPNGObject empty;
    EXPECT_THROW(CopyGraphicToClipboard(nullptr, empty), EPNGHeaderNotPresent);
    EXPECT_EQ(ClipboardText(), "kept");
}

TEST(CopyGraphicToClipboard, ClipboardHeldByAnotherProgramIsAnError) {
    CopyTextToClipboard(nullptr, "kept");
    std::atomic<bool> holding = false, release = false;
    TestThread holder([&] {
        const HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        holding = OpenClipboard(window) != 0;
        while (holding && !release)
            Sleep(5);
        CloseClipboard();
        DestroyWindow(window);
        holding = true; // done either way
    });
    while (!holding)
        Sleep(5);
    const auto png = LoadPng(PngSuiteFile("basn2c08.png"));
    try {
        CopyGraphicToClipboard(nullptr, *png);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Le presse-papiers est utilis\xE9 par un autre programme : "
                               "l'image n'a pas \xE9t\xE9 copi\xE9"
                               "e");
    }
    release = true;
    holder.join();
    EXPECT_EQ(ClipboardText(), "kept");
}

void PutOnClipboard(const char* format, const TBytes& bytes) {
    GlobalMemory block = GlobalMemory::FromBytes(bytes.data(), bytes.size());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (SetClipboardData(RegisterClipboardFormatA(format), block.Get()))
        block.Detach();
    CloseClipboard();
}

TEST(PasteGraphic, ReadsThePictureFromItsKindsFormat) {
    CopyTextToClipboard(nullptr, "text only");
    EXPECT_FALSE(CanPasteGraphic(TPNGObject::StaticClass()));
    EXPECT_EQ(PasteGraphic(nullptr, TPNGObject::StaticClass()), nullptr);
    EXPECT_FALSE(CanPasteGraphic(TGraphic::StaticClass())) << "a kind without a factory";

    const TBytes file = PngSuiteFile("basn3p04.png");
    PutOnClipboard("PNG", file);
    EXPECT_TRUE(CanPasteGraphic(TPNGObject::StaticClass()));
    const std::unique_ptr<TGraphic> pasted = PasteGraphic(nullptr, TPNGObject::StaticClass());
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(PicturePixels(static_cast<const TPNGObject&>(*pasted)), PicturePixels(*LoadPng(file)));

    PutOnClipboard("PNG", TBytes(file.begin(), file.begin() + 40));
    EXPECT_THROW(PasteGraphic(nullptr, TPNGObject::StaticClass()), EPngError);
    ASSERT_TRUE(OpenClipboard(nullptr)) << "closed again after the failure";
    CloseClipboard();
}

TEST(PasteGraphic, TheBitmapKindPastesTheDeviceBitmapAndCopiesItBack) {
    CopyTextToClipboard(nullptr, "text only");
    EXPECT_FALSE(CanPasteGraphic(TBitmapGraphic::StaticClass()));
    EXPECT_EQ(PasteGraphic(nullptr, TBitmapGraphic::StaticClass()), nullptr);

    const TDecodedImage image = ColourfulImage(5, 3);
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(image));
    EXPECT_TRUE(CanPasteGraphic(TBitmapGraphic::StaticClass()));
    EXPECT_FALSE(CanPasteGraphic(TPNGObject::StaticClass())) << "a bitmap is no PNG";
    const std::unique_ptr<TGraphic> pasted = PasteGraphic(nullptr, TBitmapGraphic::StaticClass());
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(PixelsOf(static_cast<const TBitmapGraphic&>(*pasted).Image()), PixelsOf(image));

    CopyTextToClipboard(nullptr, "before");
    CopyGraphicToClipboard(nullptr, *pasted);
    bool palette = true;
    EXPECT_EQ(ClipboardPixels(5, 3, palette), PixelsOf(image));
    EXPECT_FALSE(palette);
}

} // namespace
