#pragma once
// The picture box's built-in context menu: made on first use and kept until the box goes. Each
// time it opens, the captions are read again from the string table and the lines shown and
// enabled follow the rules of base/picture_menu.h. A hidden line is not in the menu at all.

#include <windows.h>

#include <optional>
#include <string>

#include "base/geometry.h"
#include "base/picture_menu.h"
#include "base/win/menu.h"

class TPictureMenu {
  public:
    // The custom item's caption and glyph (a borrowed handle, or nullptr).
    struct TCustomItem {
        std::string caption;
        HBITMAP glyph = nullptr;
    };

    // Builds the menu's lines afresh.
    void Update(TPictureMenuItems items, const TPictureMenuFacts& facts, const TCustomItem& custom);
    // Shows the menu at the screen point for the owner window, and answers the chosen item.
    std::optional<TPictureMenuItem> Popup(HWND owner, TPoint screen);
    // The menu, once made; nullptr before.
    HMENU Handle() const { return menu_.Get(); }
    // The owner window's WM_MEASUREITEM and WM_DRAWITEM for a line of this menu: the symbols,
    // blended over the line's background and greyed on a disabled line. False for another's.
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

  private:
    static constexpr int kGlyphGap = 4;
    // The symbol of a line's command, or nullptr.
    static HBITMAP GlyphOf(UINT command, bool greyed);

    MenuHandle menu_;
    bool open_ = false;
};
