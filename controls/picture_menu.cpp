#include "controls/picture_menu.h"

#include <utility>

#include "base/exception.h"
#include "base/scope_guard.h"
#include "base/win/ansi.h"
#include "base/win/resource_strings.h"
#include "controls/menu_glyphs.h"
#include "resources/resource_ids.h"

namespace {

// Command identifiers: the item plus one, as 0 means "nothing chosen".
UINT CommandOf(TPictureMenuItem item) {
    return UINT(item) + 1;
}

unsigned CaptionId(TPictureMenuItem item) {
    return IDS_PICTURE_MENU_CUT + unsigned(item);
}

} // namespace

void TPictureMenu::Update(TPictureMenuItems items, const TPictureMenuFacts& facts,
                          const TCustomItem& custom) {
    if (!menu_) {
        menu_.Reset(CreatePopupMenu());
        if (!menu_)
            throw Exception(Utf8ToAnsi("Le menu de l'image n'a pas pu être créé"));
    }
    while (GetMenuItemCount(menu_.Get()) > 0)
        DeleteMenu(menu_.Get(), 0, MF_BYPOSITION);
    for (const TPictureMenuEntry& e : PictureMenuEntries(items, facts)) {
        if (!e.visible)
            continue;
        const bool isCustom = !e.separator && e.item == TPictureMenuItem::Custom;
        const std::string caption = e.separator ? std::string()
                                    : isCustom  ? custom.caption
                                                : LoadResourceString(CaptionId(e.item));
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        if (e.separator) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_BITMAP;
            info.fType = MFT_STRING;
            info.dwTypeData = const_cast<char*>(caption.c_str());
            info.wID = CommandOf(e.item);
            info.fState = e.enabled ? MFS_ENABLED : MFS_DISABLED;
            // The six glyphs are drawn by the menu itself (DrawItem), the application's as it is.
            info.hbmpItem = isCustom ? custom.glyph : PictureMenuGlyph(e.item) ? HBMMENU_CALLBACK : nullptr;
        }
        if (!InsertMenuItemA(menu_.Get(), UINT(GetMenuItemCount(menu_.Get())), TRUE, &info))
            throw Exception(Utf8ToAnsi("Le menu de l'image n'a pas pu être rempli"));
    }
}

bool TPictureMenu::MeasureItem(MEASUREITEMSTRUCT& item) const {
    // The request does not name its menu: only lines of this one while it is open are measured.
    if (!open_ || !GlyphOf(item.itemID, false))
        return false;
    // A gap between the symbol and the text, as the platform's own menus leave.
    item.itemWidth = kMenuGlyphSize + kGlyphGap;
    item.itemHeight = kMenuGlyphSize;
    return true;
}

bool TPictureMenu::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (reinterpret_cast<HMENU>(item.hwndItem) != menu_.Get())
        return false;
    const HBITMAP glyph = GlyphOf(item.itemID, (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0);
    if (!glyph)
        return false;
    const RECT& r = item.rcItem;
    DrawMenuGlyph(item.hDC, r.left, r.top + (r.bottom - r.top - kMenuGlyphSize) / 2, glyph);
    return true;
}

HBITMAP TPictureMenu::GlyphOf(UINT command, bool greyed) {
    if (command == 0 || command > CommandOf(TPictureMenuItem::Custom))
        return nullptr;
    const auto item = TPictureMenuItem(command - 1);
    return item == TPictureMenuItem::Custom ? nullptr : PictureMenuGlyph(item, greyed);
}

std::optional<TPictureMenuItem> TPictureMenu::Popup(HWND owner, TPoint screen) {
    UINT chosen = 0;
    {
        const ScopedValue<bool> open(open_, true);
        chosen = TrackContextMenu(menu_.Get(), owner, screen.x, screen.y);
    }
    if (chosen == 0)
        return std::nullopt;
    return TPictureMenuItem(chosen - 1);
}
