// The picture box's context menu as built from the program's resources: captions, glyphs,
// separators and enabled lines, read back from the platform's menu, and its symbols as shown.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main.h"
#include "controls/cx_image.h"
#include "controls/menu_glyphs.h"
#include "controls/picture_menu.h"
#include "tests/app/program_runner.h"
#include "tests/controls/box_input.h"
#include "tests/support/probes/win_probes.h"

namespace {

// The glyph's pixels, top-down rows, premultiplied alpha.
std::vector<uint32_t> GlyphPixels(HBITMAP glyph) {
    DIBSECTION dib = {};
    if (GetObject(glyph, sizeof dib, &dib) != int(sizeof dib) || dib.dsBm.bmWidth != 16 ||
        dib.dsBm.bmHeight != 16 || dib.dsBm.bmBitsPixel != 32)
        return {};
    const auto* pixels = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    return std::vector<uint32_t>(pixels, pixels + 256);
}

bool Saturated(COLORREF c) {
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    return std::max({r, g, b}) - std::min({r, g, b}) > 24;
}

TEST(PictureMenu, EveryActionHasItsOwnSixteenPixelGlyphWithATransparentCornerAndAGreyedCopy) {
    TPictureMenuFacts facts;
    TPictureMenu menu;
    menu.Update(TPictureMenuItems::Default(), facts, {});
    std::vector<HBITMAP> seen;
    for (int i = 0; i < 6; ++i) {
        const auto item = TPictureMenuItem(i);
        SCOPED_TRACE(i);
        for (const bool greyed : {false, true}) {
            const HBITMAP glyph = PictureMenuGlyph(item, greyed);
            ASSERT_NE(glyph, nullptr);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), glyph), 0);
            seen.push_back(glyph);
            const std::vector<uint32_t> pixels = GlyphPixels(glyph);
            ASSERT_EQ(pixels.size(), 256u);
            EXPECT_EQ(pixels[15 * 16], 0u); // the bottom-left pixel, transparent
            int opaque = 0, coloured = 0;
            for (const uint32_t p : pixels) {
                opaque += (p >> 24) == 0xFF;
                coloured += Saturated(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF));
            }
            EXPECT_GT(opaque, 10);
            if (greyed) {
                EXPECT_EQ(coloured, 0);
            }
        }
    }
    // The menu draws them itself.
    for (const MenuLine& line : MenuLines(menu.Handle()))
        if (line.caption != "-") {
            EXPECT_EQ(line.glyph, HBMMENU_CALLBACK) << line.caption;
        }
}

// The symbols as the menu shows them under the platform, read from the screen: transparent
// pixels show the line's own background (the menu's colour, the highlight on the selected
// line), a gap separates symbol and text, and a disabled line's symbol has no colour left.
TEST(PictureMenu, SymbolsShowTheLinesBackgroundLeaveAGapAndAreGreyedWhenDisabled) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const HWND box = form.cxImage1->Handle();
        struct Line {
            RECT rect;
            bool enabled;
            std::vector<COLORREF> pixels; // the line's screen pixels, row by row
        };
        std::vector<Line> normal, highlighted;
        const auto read = [&](std::vector<Line>& lines) {
            const HWND window = FindWindowA("#32768", nullptr);
            const HMENU menu = form.cxImage1->Menu().Handle();
            // The menu window's own pixels, in its client coordinates.
            const HDC screen = GetDC(window);
            POINT origin{0, 0};
            ClientToScreen(window, &origin);
            const std::vector<MenuLine> shown = MenuLines(menu);
            for (int i = 0; i < int(shown.size()); ++i) {
                Line line{{}, shown[size_t(i)].enabled, {}};
                GetMenuItemRect(nullptr, menu, UINT(i), &line.rect);
                for (int y = line.rect.top; y < line.rect.bottom; ++y)
                    for (int x = line.rect.left; x < line.rect.right; ++x)
                        line.pixels.push_back(shown[size_t(i)].caption == "-"
                                                  ? 0
                                                  : GetPixel(screen, x - origin.x, y - origin.y));
                lines.push_back(std::move(line));
            }
            ReleaseDC(window, screen);
        };
        WithMenuOpen(box, {[&] { read(normal); },
                           [&] { PostMessageA(FindWindowA("#32768", nullptr), WM_KEYDOWN, VK_DOWN, 0); },
                           [&] { read(highlighted); }, [] { EndMenu(); }});
        ASSERT_EQ(normal.size(), 7u); // Cut, Copy, Paste, Delete, -, Load, Save
        ASSERT_EQ(highlighted.size(), 7u);

        // Where the symbols sit: the column at which Copy's (enabled) opaque pixels match.
        const std::vector<uint32_t> copy = GlyphPixels(PictureMenuGlyph(TPictureMenuItem::Copy));
        const auto at = [](const Line& l, int x, int y) {
            return l.pixels[size_t(y * (l.rect.right - l.rect.left) + x)];
        };
        const auto matches = [&](const Line& line, int left, int top) {
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const uint32_t p = copy[size_t(y * 16 + x)];
                    if (p >> 24 == 0xFF &&
                        at(line, left + x, top + y) != RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF))
                        return false;
                }
            return true;
        };
        const int height = normal[0].rect.bottom - normal[0].rect.top;
        const int top = (height - 16) / 2;
        int left = -1;
        for (int x = 0; x < 48 && left < 0; ++x)
            for (const int dy : {0, -1, 1})
                if (left < 0 && matches(normal[1], x, top + dy))
                    left = x;
        ASSERT_GE(left, 0) << "the Copy symbol is not on its line";

        int greyedLines = 0, selectedLines = 0;
        for (size_t i = 0; i < normal.size(); ++i) {
            if (i == 4)
                continue; // the separator
            for (const auto* shot : {&normal, &highlighted}) {
                const Line& line = (*shot)[i];
                const int width = line.rect.right - line.rect.left;
                const bool selected = at(line, width - 3, 1) == GetSysColor(COLOR_HIGHLIGHT);
                selectedLines += selected;
                SCOPED_TRACE(std::to_string(i) + (selected ? " highlighted" : ""));
                // The line's background, at its right end where there is no text.
                const COLORREF background = at(line, width - 3, 1);
                if (!selected) {
                    EXPECT_EQ(background, GetSysColor(COLOR_MENU));
                }
                // Every symbol's bottom-left pixel is transparent.
                for (const int dy : {0, -1, 1})
                    if (matches(line, left, top + dy) || !line.enabled) {
                        EXPECT_EQ(at(line, left, top + 15), background);
                        break;
                    }
                // The text starts after a gap.
                int text = -1;
                for (int x = left + 16; x < width && text < 0; ++x)
                    for (int y = 0; y < height && text < 0; ++y)
                        if (at(line, x, y) != background)
                            text = x;
                EXPECT_GE(text - (left + 16), 3) << "symbol and text touch";
                if (!line.enabled) {
                    ++greyedLines;
                    for (int y = 0; y < 16; ++y)
                        for (int x = 0; x < 16; ++x)
                            if (at(line, left + x, top + y) != background) {
                                ASSERT_FALSE(Saturated(at(line, left + x, top + y))) << x << "," << y;
                            }
                }
            }
        }
        EXPECT_GT(greyedLines, 0) << "the window's menu has disabled lines (Cut, Paste, Delete)";
        EXPECT_EQ(selectedLines, 1) << "the Down key selects one line";
    });
}

TEST(PictureMenu, CustomItemFollowsItsSeparatorWithTheApplicationsCaption) {
    TPictureMenuItems items;
    items.Add(TPictureMenuItem::Copy).Add(TPictureMenuItem::Custom);
    TPictureMenuFacts facts;
    facts.pictureEmpty = false;
    TPictureMenu menu;
    menu.Update(items, facts, {"&Imprimer", nullptr});
    menu.Update(items, facts, {"&Imprimer", nullptr}); // built afresh, not appended
    EXPECT_EQ(MenuCaptions(MenuLines(menu.Handle()), false), "&Copy;-;&Imprimer;");
    EXPECT_EQ(MenuCaptions(MenuLines(menu.Handle()), true), "&Copy;&Imprimer;");
}

} // namespace
