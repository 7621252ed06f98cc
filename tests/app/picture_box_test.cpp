// The window's read-only picture box as a user meets it: its context menu from the keyboard, a
// copy that the clipboard refuses, and Save As writing the picture back.

#include <windows.h>

#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/main.h"
#include "base/win/clipboard.h"
#include "controls/cx_image.h"
#include "picture/png_object.h"
#include "tests/app/program_runner.h"
#include "tests/picture/png_test_util.h"
#include "tests/support/probes/win_probes.h"
#include "tests/support/ui/ui_driver.h"

namespace {

const TPNGObject& WindowPicture(TFrmConnexionORLIX& form) {
    return static_cast<const TPNGObject&>(*form.cxImage1->Picture().Graphic());
}

struct TMenuSeen {
    RECT place = {};
    std::string lines;   // captions, "-" for separators, each followed by ";"
    std::string enabled; // captions of the enabled lines
    int glyphs = 0;
};
TMenuSeen seen;
HMENU watched = nullptr;

// Runs inside the menu's own modal loop: notes what it shows, then closes it.
void CALLBACK NoteMenuAndClose(HWND, UINT, UINT_PTR, DWORD) {
    const HWND popup = FindWindowA("#32768", nullptr);
    if (!popup)
        return;
    GetWindowRect(popup, &seen.place);
    const std::vector<MenuLine> lines = MenuLines(watched);
    seen.lines = MenuCaptions(lines, false);
    seen.enabled = MenuCaptions(lines, true);
    for (const MenuLine& line : lines)
        seen.glyphs += line.glyph != nullptr;
    EndMenu();
}

void Press(HWND window, UINT key, bool ctrl, bool shift) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageA(window, WM_KEYDOWN, key, 1);
    state[VK_CONTROL] = state[VK_SHIFT] = 0;
    SetKeyboardState(state);
}

} // namespace

TEST(WindowPictureBox, KeyboardMenuOpensAtTenTenWithOnlyCopyAndSaveEnabled) {
    RunProgramWith([](TApplication&, TFrmConnexionORLIX& form) {
        TcxImage& box = *form.cxImage1;
        seen = {};
        // The menu is made on first use: open it once to have its handle, then watch it.
        const UINT_PTR closer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
        SendMessageA(box.Handle(), WM_CONTEXTMENU, WPARAM(box.Handle()), MAKELPARAM(-1, -1));
        KillTimer(nullptr, closer);
        watched = box.Menu().Handle();
        ASSERT_NE(watched, nullptr);
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, NoteMenuAndClose);
        SendMessageA(box.Handle(), WM_CONTEXTMENU, WPARAM(box.Handle()), MAKELPARAM(-1, -1));
        KillTimer(nullptr, timer);

        POINT expected = {10, 10};
        ClientToScreen(box.Handle(), &expected);
        EXPECT_EQ(seen.place.left, expected.x);
        EXPECT_EQ(seen.place.top, expected.y);
        EXPECT_EQ(seen.lines, "Cu&t;&Copy;&Paste;&Delete;-;&Load...;Save &As...;");
        EXPECT_EQ(seen.enabled, "&Copy;Save &As...;");
        EXPECT_EQ(seen.glyphs, 6);
        form.Close();
    });
}

TEST(WindowPictureBox, SaveAsWritesThePictureBackWithSubRowsAndFullImageDataChunks) {
    RunProgramWith([](TApplication&, TFrmConnexionORLIX& form) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        const std::wstring path =
            std::wstring(folder) + L"window_picture_" + std::to_wstring(GetCurrentProcessId()) + L".png";
        ASSERT_TRUE(form.cxImage1->SavePictureTo(path));
        const TBytes file = ReadFileBytes(std::string(path.begin(), path.end()));
        DeleteFileW(path.c_str());

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
        form.Close();
    });
}

TEST(WindowPictureBox, CopyWhileAnotherProgramHoldsTheClipboardShowsTheError) {
    RunProgramWith([](TApplication&, TFrmConnexionORLIX& form) {
        CopyTextToClipboard(nullptr, "kept");
        std::atomic<int> stage = 0; // 1: holding, 2: release
        std::thread holder([&] {
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
        Press(form.cxImage1->Handle(), 'C', true, false);
        stage = 2;
        holder.join();
        ASSERT_EQ(RecordedBoxes().size(), 1u);
        EXPECT_EQ(RecordedBoxes()[0].text,
                  "The clipboard is in use by another program; the picture was not copied.");
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the clipboard keeps what it held";
        CloseClipboard();
        form.Close();
    });
}
