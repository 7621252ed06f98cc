// The picture box's context menu as built from the program's resources: captions, glyphs,
// separators and enabled lines, read back from the platform's menu.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/picture_menu.h"
#include "tests/support/probes/win_probes.h"

namespace {

TEST(PictureMenu, EveryActionHasItsOwnSixteenPixelGlyphWithATransparentCorner) {
    TPictureMenuFacts facts;
    TPictureMenu menu;
    menu.Update(TPictureMenuItems::Default(), facts, {});
    std::vector<HBITMAP> seen;
    for (const MenuLine& line : MenuLines(menu.Handle())) {
        if (line.caption == "-")
            continue;
        SCOPED_TRACE(line.caption);
        ASSERT_NE(line.glyph, nullptr);
        for (HBITMAP other : seen)
            EXPECT_NE(line.glyph, other);
        seen.push_back(line.glyph);
        DIBSECTION dib = {};
        ASSERT_EQ(GetObject(line.glyph, sizeof dib, &dib), int(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, 16);
        EXPECT_EQ(dib.dsBm.bmHeight, 16);
        ASSERT_EQ(dib.dsBm.bmBitsPixel, 32);
        const auto* pixels = static_cast<const uint32_t*>(dib.dsBm.bmBits);
        EXPECT_EQ(pixels[15 * 16], 0u); // top-down rows: the bottom-left pixel, transparent
        int opaque = 0;
        for (int i = 0; i < 256; ++i)
            opaque += (pixels[i] >> 24) == 0xFF;
        EXPECT_GT(opaque, 10);
    }
    EXPECT_EQ(seen.size(), 6u);
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
