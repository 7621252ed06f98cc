#include "tests/support/probes/win_probes.h"

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr))
        return "<clipboard not available>";
    if (const HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

std::vector<MenuLine> MenuLines(HMENU menu) {
    std::vector<MenuLine> lines;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_BITMAP;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
        lines.push_back(
            {info.fType & MFT_SEPARATOR ? "-" : text, !(info.fState & MFS_DISABLED), info.hbmpItem});
    }
    return lines;
}

std::string MenuCaptions(const std::vector<MenuLine>& lines, bool enabledOnly) {
    std::string all;
    for (const MenuLine& l : lines)
        if (!enabledOnly || (l.enabled && l.caption != "-"))
            all += l.caption + ";";
    return all;
}
