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

  private:
    MenuHandle menu_;
};
