#include "base/message_box_layout.h"

#include <gtest/gtest.h>

TEST(MessageBoxLayout, PlacesIconTextAndButtonFromTheFontsMetrics) {
    struct Case {
        const char* what;
        int x, y, textWidth, textHeight, captionWidth;
        TRect text, button;
        int clientWidth, clientHeight;
    };
    // With X = 6, Y = 13: margins 12 and 13, spacings 15 and 16 (16.25), button 75 x 23 (22.75).
    const Case cases[] = {
        {"one line", 6, 13, 100, 13, 12, {59, 13, 159, 26}, {48, 61, 123, 84}, 171, 97},
        {"text narrower than the button", 6, 13, 10, 13, 12, {59, 13, 69, 26}, {12, 61, 87, 84}, 99, 97},
        {"text taller than the icon", 6, 13, 300, 52, 12, {59, 13, 359, 65}, {148, 81, 223, 104}, 371, 117},
        {"wide button caption", 6, 13, 10, 13, 90, {59, 13, 69, 26}, {12, 61, 110, 84}, 122, 97},
        // X = 7, Y = 15: 17.5 and 18.75 round up, 26.25 down.
        {"halves round away from zero", 7, 15, 50, 15, 12, {64, 15, 114, 30}, {20, 66, 108, 92}, 128, 107},
    };
    for (const Case& c : cases) {
        const MessageBoxLayout l = LayOutMessageBox(c.x, c.y, c.textWidth, c.textHeight, c.captionWidth);
        EXPECT_EQ(l.icon.Width(), 32) << c.what;
        EXPECT_EQ(l.icon.top, l.text.top) << c.what;
        EXPECT_EQ(l.text, c.text) << c.what;
        EXPECT_EQ(l.button, c.button) << c.what;
        EXPECT_EQ(l.clientWidth, c.clientWidth) << c.what;
        EXPECT_EQ(l.clientHeight, c.clientHeight) << c.what;
    }
}

TEST(MessageBoxLayout, ClipboardTextHasSevenLinesEachEnded) {
    EXPECT_EQ(MessageBoxClipboardText("Avertissement", "Ligne un\r\nLigne deux", "&OK"),
              "---------------------------\r\n"
              "Avertissement\r\n"
              "---------------------------\r\n"
              "Ligne un\r\nLigne deux\r\n"
              "---------------------------\r\n"
              "OK   \r\n"
              "---------------------------\r\n");
}
