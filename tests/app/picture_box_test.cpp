// The window's read-only picture box as a user meets it: its context menu from the keyboard, a
// copy that the clipboard refuses, and Save As writing the picture back.

#include <windows.h>

#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/main.h"
#include "base/win/clipboard.h"
#include "controls/cx_image.h"
#include "picture/png_object.h"
#include "tests/app/program_runner.h"
#include "tests/controls/box_input.h"
#include "tests/framework/temp_file.h"
#include "tests/picture/png_test_util.h"
#include "tests/support/probes/win_probes.h"
#include "tests/support/ui/ui_driver.h"
#include "tests/support/threads/test_thread.h"

namespace {

const TPNGObject& WindowPicture(TFrmConnexionORLIX& form) {
    return static_cast<const TPNGObject&>(*form.cxImage1->Picture().Graphic());
}

} // namespace

TEST(WindowPictureBox, KeyboardMenuOpensAtTenTenWithOnlyCopyAndSaveEnabled) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        TcxImage& box = *form.cxImage1;
        RECT place{};
        std::string lines;   // captions, "-" for separators, each followed by ";"
        std::string enabled; // captions of the enabled lines
        int glyphs = 0;
        WithMenuOpen(box.Handle(), [&] {
            GetWindowRect(FindWindowA("#32768", nullptr), &place);
            const std::vector<MenuLine> shown = MenuLines(box.Menu().Handle());
            lines = MenuCaptions(shown, false);
            enabled = MenuCaptions(shown, true);
            for (const MenuLine& line : shown)
                glyphs += line.glyph != nullptr;
            EndMenu();
        });

        POINT expected = {10, 10};
        ClientToScreen(box.Handle(), &expected);
        EXPECT_EQ(place.left, expected.x);
        EXPECT_EQ(place.top, expected.y);
        EXPECT_EQ(lines, "Cu&t;&Copy;&Paste;&Delete;-;&Load...;Save &As...;");
        EXPECT_EQ(enabled, "&Copy;Save &As...;");
        EXPECT_EQ(glyphs, 6);
    });
}

TEST(WindowPictureBox, SaveAsWritesThePictureBackWithSubRowsAndFullImageDataChunks) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const TempFile saved(L"window_picture_", L".png");
        ASSERT_TRUE(form.cxImage1->SavePictureTo(saved.Path()));
        const TBytes file = ReadFileBytes(saved.NarrowPath());

        std::vector<std::string> names;
        TBytes data;
        for (const TRawChunk& c : SplitChunks(file)) {
            names.push_back(c.name + (c.name == "IDAT" ? std::to_string(c.data.size()) : ""));
            if (c.name == "IDAT")
                data.insert(data.end(), c.data.begin(), c.data.end());
        }
        ASSERT_GE(names.size(), 7u);
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
                  (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "pHYs", "IDAT65535"}));
        EXPECT_EQ(names.back(), "IEND");
        uLongf size = 427 * (1 + 640 * 3);
        TBytes rows(size);
        ASSERT_EQ(uncompress(rows.data(), &size, data.data(), uLong(data.size())), Z_OK);
        ASSERT_EQ(size, rows.size());
        for (size_t y = 0; y < 427; ++y)
            ASSERT_EQ(rows[y * (1 + 640 * 3)], 1) << "row " << y << " filtered with Sub";

        const auto back = LoadPng(file);
        const TPNGObject& shown = WindowPicture(form);
        for (uint32_t y = 0; y < 427; ++y)
            for (uint32_t x = 0; x < 640; ++x)
                ASSERT_EQ(back->Image().Pixel(x, y), shown.Image().Pixel(x, y)) << x << "," << y;
    });
}

TEST(WindowPictureBox, CopyWhileAnotherProgramHoldsTheClipboardShowsTheError) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        CopyTextToClipboard(nullptr, "kept");
        std::atomic<int> stage = 0; // 1: holding, 2: release
        TestThread holder([&] {
            const HWND window =
                CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            const bool held = OpenClipboard(window) != 0;
            stage = 1;
            while (held && stage != 2)
                Sleep(5);
            if (held)
                CloseClipboard();
            DestroyWindow(window);
        });
        while (stage == 0)
            Sleep(5);
        RecordedBoxes().clear();
        PressWithModifiers(form.cxImage1->Handle(), 'C', true, false);
        stage = 2;
        holder.join();
        ASSERT_EQ(RecordedBoxes().size(), 1u);
        EXPECT_EQ(RecordedBoxes()[0].text, "Le presse-papiers est utilis\xE9 par un autre programme : "
                                           "l'image n'a pas \xE9t\xE9 copi\xE9"
                                           "e.");
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the clipboard keeps what it held";
        CloseClipboard();
    });
}
