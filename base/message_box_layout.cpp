#include "base/message_box_layout.h"

#include <algorithm>

#include "base/mul_div.h"

MessageBoxLayout LayOutMessageBox(int x, int y, int textWidth, int textHeight, int buttonCaptionWidth) {
    // Margins and spacings are in dialog units: quarters of X across, eighths of Y down.
    const int horzMargin = MulDivRound(8, x, 4);
    const int vertMargin = MulDivRound(8, y, 8);
    const int horzSpacing = MulDivRound(10, x, 4);
    const int vertSpacing = MulDivRound(10, y, 8);
    const int buttonWidth = std::max(MulDivRound(50, x, 4), buttonCaptionWidth + 8);
    const int buttonHeight = MulDivRound(14, y, 8);

    MessageBoxLayout l;
    l.icon = BoundsRect(horzMargin, vertMargin, kMessageBoxIconSize, kMessageBoxIconSize);
    l.text = BoundsRect(horzMargin + kMessageBoxIconSize + horzSpacing, vertMargin, textWidth, textHeight);
    const int iconTextWidth = kMessageBoxIconSize + horzSpacing + textWidth;
    const int iconTextHeight = std::max(textHeight, kMessageBoxIconSize);
    l.clientWidth = std::max(iconTextWidth, buttonWidth) + 2 * horzMargin;
    l.clientHeight = iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin;
    l.button = BoundsRect((l.clientWidth - buttonWidth) / 2, iconTextHeight + vertMargin + vertSpacing,
                          buttonWidth, buttonHeight);
    return l;
}

std::string MessageBoxClipboardText(std::string_view caption, std::string_view message,
                                    std::string_view buttonCaption) {
    const std::string dashes = std::string(27, '-') + "\r\n";
    std::string button;
    for (const char c : buttonCaption)
        if (c != '&')
            button += c;
    std::string text = dashes;
    text.append(caption).append("\r\n").append(dashes);
    text.append(message).append("\r\n").append(dashes);
    text.append(button).append("   \r\n").append(dashes);
    return text;
}
