#pragma once
// The warning box's arithmetic: where its icon, message and button go, measured from its font,
// and the plain text that Ctrl+C copies out of it.

#include <string>
#include <string_view>

#include "base/geometry.h"

// The icon's side in pixels; the box always shows the large warning icon.
constexpr int kMessageBoxIconSize = 32;

struct MessageBoxLayout {
    TRect icon;
    TRect text;
    TRect button;
    int clientWidth = 0;
    int clientHeight = 0;
};

// `averageCharWidth` (X) and `lineHeight` (Y) of the box's font; `textWidth` and `textHeight`
// of the message as it is laid out (wrapped at half the screen's width); the width of the
// button's caption.
MessageBoxLayout LayOutMessageBox(int averageCharWidth, int lineHeight, int textWidth, int textHeight,
                                  int buttonCaptionWidth);

// Seven lines, each ended by \r\n: dashes, the caption, dashes, the message, dashes, the button's
// caption without "&" followed by three blanks, dashes.
std::string MessageBoxClipboardText(std::string_view caption, std::string_view message,
                                    std::string_view buttonCaption);
