#include "base/picture_menu.h"

#include <iterator>

std::optional<TPictureMenuItem> PictureMenuItemNamed(std::string_view name) {
    // In the order of TPictureMenuItem.
    static const char* const kNames[] = {"pmiCut",  "pmiCopy", "pmiPaste", "pmiDelete",
                                         "pmiLoad", "pmiSave", "pmiCustom"};
    for (size_t i = 0; i < std::size(kNames); ++i)
        if (name == kNames[i])
            return TPictureMenuItem(i);
    return std::nullopt;
}

TPictureMenuItems TPictureMenuItems::Default() {
    TPictureMenuItems items;
    for (TPictureMenuItem item : {TPictureMenuItem::Cut, TPictureMenuItem::Copy, TPictureMenuItem::Paste,
                                  TPictureMenuItem::Delete, TPictureMenuItem::Load, TPictureMenuItem::Save})
        items.Add(item);
    return items;
}

TPictureMenuItems& TPictureMenuItems::Add(TPictureMenuItem item) {
    bits_ = uint8_t(bits_ | 1u << unsigned(item));
    return *this;
}

std::array<TPictureMenuEntry, 9> PictureMenuEntries(TPictureMenuItems items, const TPictureMenuFacts& f) {
    const bool picture = !f.pictureEmpty;
    const auto item = [&](TPictureMenuItem i, bool enabled) {
        return TPictureMenuEntry{false, i, items.Has(i), enabled};
    };
    std::array<TPictureMenuEntry, 9> entries = {
        item(TPictureMenuItem::Cut, f.canModify && picture && !f.kindCannotCopy),
        item(TPictureMenuItem::Copy, picture && !f.kindCannotCopy),
        item(TPictureMenuItem::Paste, f.canModify && f.pasteAvailable),
        item(TPictureMenuItem::Delete, f.canModify && picture),
        TPictureMenuEntry{true},
        item(TPictureMenuItem::Load, f.canModify),
        item(TPictureMenuItem::Save, picture),
        TPictureMenuEntry{true},
        item(TPictureMenuItem::Custom, true),
    };
    entries[4].visible = entries[5].visible || entries[6].visible;
    entries[7].visible = entries[8].visible;
    return entries;
}

TPictureKeyAction PictureKeyAction(const TKeyPress& p) {
    if (p.ctrl && !p.shift) {
        switch (p.key) {
        case TKeyPress::C:
        case TKeyPress::Insert:
            return TPictureKeyAction::Copy;
        case TKeyPress::V:
            return TPictureKeyAction::Paste;
        case TKeyPress::X:
            return TPictureKeyAction::Cut;
        default:
            return TPictureKeyAction::None;
        }
    }
    if (p.shift && !p.ctrl) {
        if (p.key == TKeyPress::Insert)
            return TPictureKeyAction::Paste;
        if (p.key == TKeyPress::Delete)
            return TPictureKeyAction::Cut;
        return TPictureKeyAction::None;
    }
    if (!p.ctrl && !p.shift && p.key == TKeyPress::Delete)
        return TPictureKeyAction::Delete;
    return TPictureKeyAction::None;
}
