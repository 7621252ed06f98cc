#pragma once
// Reading back what the program left in the platform's shared places: the clipboard's text and
// the lines of a menu.

#include <windows.h>

#include <string>
#include <vector>

// The clipboard's CF_TEXT, empty when it has none.
std::string ClipboardText();

struct MenuLine {
    std::string caption; // "-" for a separator
    bool enabled;
    HBITMAP glyph;
};

std::vector<MenuLine> MenuLines(HMENU menu);
// The captions, each followed by ";": of every line, or of the enabled lines that are no separator.
std::string MenuCaptions(const std::vector<MenuLine>& lines, bool enabledOnly);
