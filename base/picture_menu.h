#pragma once
// The picture box's built-in context menu and keys: which items show, which are enabled, and
// which action a key asks for. The rules only; the box builds the platform's menu from them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The menu's items, in the order of their glyphs; Custom is the item the application names.
enum class TPictureMenuItem { Cut, Copy, Paste, Delete, Load, Save, Custom };

// The item a stored set names: "pmiCut", "pmiCopy", "pmiPaste", "pmiDelete", "pmiLoad", "pmiSave",
// "pmiCustom"; nullopt for any other name.
std::optional<TPictureMenuItem> PictureMenuItemNamed(std::string_view name);

// A set of items (PopupMenuLayout.MenuItems): by default every item but Custom.
class TPictureMenuItems {
  public:
    static TPictureMenuItems Default();
    TPictureMenuItems& Add(TPictureMenuItem item);
    bool Has(TPictureMenuItem item) const { return (bits_ >> unsigned(item)) & 1; }
    bool Empty() const { return bits_ == 0; }

  private:
    uint8_t bits_ = 0;
};

// What the enabling rules depend on, found by the box when the menu opens.
struct TPictureMenuFacts {
    bool canModify = false; // Properties.ReadOnly is off
    bool pictureEmpty = true;
    bool kindCannotCopy = false; // GraphicClassName is a kind that cannot be copied (icons)
    bool pasteAvailable = false; // the clipboard holds the format GraphicClassName pastes
};

// One line of the menu: an item or a separator.
struct TPictureMenuEntry {
    bool separator = false;
    TPictureMenuItem item = TPictureMenuItem::Cut; // meaningless for a separator
    bool visible = false;
    bool enabled = false;
};

// The nine lines in menu order: cut, copy, paste, delete, separator, load, save, separator,
// custom. A separator shows when an item after it, up to the next separator, shows.
std::array<TPictureMenuEntry, 9> PictureMenuEntries(TPictureMenuItems items, const TPictureMenuFacts& facts);

// A key pressed while the box has the focus: Ctrl+C or Ctrl+Insert copies, Ctrl+V or
// Shift+Insert pastes, Ctrl+X or Shift+Delete cuts, Delete alone deletes; nothing else.
enum class TPictureKeyAction { None, Cut, Copy, Paste, Delete };
struct TKeyPress {
    enum Key { Other, C, V, X, Insert, Delete } key = Other;
    bool ctrl = false;
    bool shift = false;
};
TPictureKeyAction PictureKeyAction(const TKeyPress& press);
