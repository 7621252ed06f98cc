// The flat button's pixels in each visual state, under two sets of system colours.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "base/win/solid_fill.h"
#include "controls/cx_button.h"
#include "framework/colors_win.h"
#include "framework/description/description.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "tests/framework/pixel_canvas.h"
#include "tests/framework/test_form.h"

namespace {

// Sets the button face, highlight and window colours for the test's lifetime.
class SystemColours {
  public:
    SystemColours(COLORREF face, COLORREF highlight, COLORREF window) {
        for (int i = 0; i < 3; ++i)
            saved_[i] = GetSysColor(kIndexes[i]);
        const COLORREF values[3] = {face, highlight, window};
        SetSysColors(3, kIndexes, values);
    }
    ~SystemColours() { SetSysColors(3, kIndexes, saved_); }

  private:
    static constexpr INT kIndexes[3] = {COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_WINDOW};
    COLORREF saved_[3];
};

struct ButtonFixture {
    TPlainForm form{nullptr};
    TcxButton* button;
    ButtonFixture() {
        form.SetBounds(50, 50, 300, 200);
        button = Place<TcxButton>(form, &form, 10, 10, 96, 29);
        button->Font().SetName("Tahoma");
        button->Font().SetHeight(-11);
        button->Font().SetStyle(fsBold);
        button->Font().SetColor(clWindowText);
        button->Colors().Set(cxbcDefault, clWhite);
        button->SetText("Se connecter");
        auto* edit = Place<TEdit>(form, &form, 10, 100);
        form.Show();
        // The states are painted without the focus.
        edit->SetFocus();
    }
    // Paints the button as the platform's draw request would have it.
    std::unique_ptr<PixelCanvas> Paint(UINT itemState = 0) {
        auto canvas = std::make_unique<PixelCanvas>(96, 29);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = itemState;
        item.hwndItem = button->Handle();
        item.hDC = canvas->DC();
        item.rcItem = {0, 0, 96, 29};
        button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        return canvas;
    }
};

COLORREF Sys(TColor c) {
    return ColorToRGB(c);
}

// The caption as the layout rule places it: top at 2 + (25 - th - 1) / 2, left at
// 2 + (89 - tw) / 2 + 1, drawn here on a plain face to compare with the button's pixels. `shown`
// is the text as it should appear, drawn as it stands (no "&" prefix rule); the button's own
// caption by default.
std::unique_ptr<PixelCanvas> ExpectedCaption(TcxButton& button, COLORREF face, COLORREF text,
                                             std::optional<std::string> shown = std::nullopt) {
    auto owned = std::make_unique<PixelCanvas>(96, 29);
    PixelCanvas& canvas = *owned;
    FillSolid(canvas.DC(), {0, 0, 96, 29}, face);
    SelectGuard font(canvas.DC(), button.Font().Handle());
    const std::string caption = shown ? *shown : button.Text();
    const UINT prefix = shown ? DT_NOPREFIX : 0;
    RECT r{0, 0, 0, 0};
    DrawTextA(canvas.DC(), caption.c_str(), int(caption.size()), &r, DT_CALCRECT | prefix);
    const int tw = r.right;
    const int th = r.bottom;
    SetBkMode(canvas.DC(), TRANSPARENT);
    SetTextColor(canvas.DC(), text);
    RECT at{2 + (89 - tw) / 2 + 1, 2 + (25 - th - 1) / 2, 0, 0};
    at.right = at.left + tw;
    at.bottom = at.top + th;
    DrawTextA(canvas.DC(), caption.c_str(), int(caption.size()), &at, DT_CENTER | DT_VCENTER | prefix);
    return owned;
}

struct Scheme {
    COLORREF face, highlight, window;
    COLORREF hot, pressed;
};

const Scheme kSchemes[] = {
    {RGB(212, 208, 200), RGB(10, 36, 106), RGB(255, 255, 255), RGB(183, 191, 212), RGB(136, 147, 177)},
    {RGB(236, 233, 216), RGB(49, 106, 197), RGB(255, 255, 255), RGB(194, 211, 239), RGB(157, 182, 219)},
};

} // namespace

TEST(FlatButtonPaint, FrameFaceAndCaptionOfEveryStateUnderTwoColourSchemes) {
    for (const Scheme& s : kSchemes) {
        SystemColours colours(s.face, s.highlight, s.window);
        ButtonFixture f;
        struct Case {
            const char* state;
            COLORREF frame, face, caption;
        };
        const Case cases[] = {
            {"normal", Sys(clBtnText), RGB(255, 255, 255), Sys(clWindowText)},
            {"hot", Sys(clHighlight), s.hot, Sys(clWindowText)},
            {"pressed", Sys(clHighlight), s.pressed, Sys(clHighlightText)},
            {"disabled", Sys(clBtnShadow), s.face, Sys(clBtnShadow)},
        };
        for (const Case& c : cases) {
            const std::string state = c.state;
            if (state == "hot")
                f.button->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
            if (state == "disabled")
                f.button->SetEnabled(false);
            const auto pixels = f.Paint(state == "pressed" ? ODS_SELECTED : 0);
            SCOPED_TRACE(state + " on face " + std::to_string(s.face));
            for (const POINT p :
                 {POINT{0, 0}, POINT{95, 0}, POINT{0, 28}, POINT{95, 28}, POINT{50, 0}, POINT{0, 14}})
                EXPECT_EQ(pixels->At(p.x, p.y), c.frame) << p.x << "," << p.y;
            for (const POINT p : {POINT{1, 1}, POINT{94, 27}, POINT{3, 14}, POINT{92, 14}})
                EXPECT_EQ(pixels->At(p.x, p.y), c.face) << p.x << "," << p.y;
            // The caption sits where the layout rule puts it and does not move when pressed.
            // The disabled caption's embossed copy lies one pixel right and below.
            const auto expected = ExpectedCaption(*f.button, c.face, c.caption);
            if (state != "disabled")
                EXPECT_EQ(Differing(*pixels, *expected, {2, 2, 94, 27}), 0);
            else
                EXPECT_GT(Differing(*pixels, *expected, {2, 2, 94, 27}), 0);
            if (state == "hot")
                f.button->Perform(CM_MOUSELEAVE);
            if (state == "disabled")
                f.button->SetEnabled(true);
        }
        EXPECT_FALSE(f.button->Hot());
    }
}

TEST(FlatButtonPaint, TheFocusRectangleLiesThreePixelsInside) {
    ButtonFixture f;
    f.button->SetText("");
    const auto unfocused = f.Paint();
    f.button->SetFocus();
    ASSERT_TRUE(f.button->Focused());
    const auto focused = f.Paint(ODS_FOCUS);
    EXPECT_EQ(Differing(*unfocused, *focused, {0, 0, 96, 29}),
              Differing(*unfocused, *focused, {3, 3, 93, 26}) -
                  Differing(*unfocused, *focused, {4, 4, 92, 25}))
        << "only the outline (3, 3)-(93, 26) changes";
    EXPECT_GT(Differing(*unfocused, *focused, {3, 3, 93, 4}), 20) << "a dotted line along the top";
    EXPECT_EQ(f.button->State(), cxbsNormal) << "the focused button shows Normal with its focus rectangle";
}

// "&&" shows one "&"; "&x" shows "x" underlined without the "&"; either way the caption is
// centred on the width drawn.
TEST(FlatButtonPaint, AmpersandsFollowThePrefixRuleAndTheCentringUsesTheDrawnWidth) {
    ButtonFixture f;
    const COLORREF white = RGB(255, 255, 255), ink = Sys(clWindowText);
    f.button->SetText("A && B");
    EXPECT_EQ(Differing(*f.Paint(), *ExpectedCaption(*f.button, white, ink, "A & B"), {2, 2, 94, 27}), 0);

    f.button->SetText("&Quitter");
    const auto pixels = f.Paint();
    const auto plain = ExpectedCaption(*f.button, white, ink, "Quitter");
    // Only the underline differs from "Quitter" drawn plainly: one run of pixels below the
    // text, under the "Q" alone.
    const HDC dc = plain->DC();
    SelectGuard font(dc, f.button->Font().Handle());
    SIZE q{}, all{};
    GetTextExtentPoint32A(dc, "Q", 1, &q);
    GetTextExtentPoint32A(dc, "Quitter", 7, &all);
    const int left = 2 + (89 - all.cx) / 2 + 1;
    int underline = 0;
    for (int y = 2; y < 27; ++y)
        for (int x = 2; x < 94; ++x)
            if (pixels->At(x, y) != plain->At(x, y)) {
                ++underline;
                EXPECT_EQ(pixels->At(x, y), ink) << x << "," << y;
                EXPECT_TRUE(x >= left && x < left + q.cx) << "underline outside the Q at " << x << "," << y;
            }
    EXPECT_GE(underline, q.cx - 2) << "the Q is underlined";
}

// A click with the mouse focuses the button and its window shows the focus rectangle at once,
// as a button focused with Tab does.
TEST(FlatButtonPaint, AButtonClickedWithTheMouseShowsItsFocusRectangleAtOnce) {
    ButtonFixture f;
    f.button->SetText("");
    const HWND button = f.button->Handle();
    const auto shown = [&] {
        UpdateWindow(button);
        auto canvas = std::make_unique<PixelCanvas>(96, 29);
        const HDC screen = GetDC(button);
        BitBlt(canvas->DC(), 0, 0, 96, 29, screen, 0, 0, SRCCOPY);
        ReleaseDC(button, screen);
        return canvas;
    };
    const auto before = shown();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(48, 14));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(48, 14));
    ASSERT_TRUE(f.button->Focused());
    const auto after = shown();
    EXPECT_GT(Differing(*before, *after, {3, 3, 93, 4}), 20) << "a dotted line along the top";
    EXPECT_EQ(Differing(*before, *after, {4, 4, 92, 25}), 0) << "the face inside is unchanged";
}

TEST(FlatButtonPaint, AnOverWideCaptionIsCentredOnItsFullWidthAndCutAtTheFrame) {
    ButtonFixture f;
    f.button->SetText("Une l\xE9gende bien trop longue pour ce bouton");
    const auto pixels = f.Paint();
    for (int y = 0; y < 29; ++y) {
        EXPECT_EQ(pixels->At(0, y), Sys(clBtnText)) << y;
        EXPECT_EQ(pixels->At(95, y), Sys(clBtnText)) << y;
    }
    // Inside the frame, the caption is exactly the whole text centred by the layout rule (its
    // left edge far outside the button): both ends are cut, the middle of the text shows.
    const auto expected = ExpectedCaption(*f.button, RGB(255, 255, 255), Sys(clWindowText));
    EXPECT_EQ(Differing(*pixels, *expected, {1, 1, 95, 28}), 0);
    int inkAtEdges = 0;
    for (int y = 2; y < 27; ++y)
        inkAtEdges += (pixels->At(1, y) != RGB(255, 255, 255)) + (pixels->At(94, y) != RGB(255, 255, 255));
    EXPECT_GT(inkAtEdges, 0) << "the text runs up to the frame on both sides";
}

TEST(FlatButtonColors, SlotsFallBackAsTheStateTableSays) {
    TcxButtonColors colors;
    int changes = 0;
    colors.OnChange = [&] { ++changes; };
    EXPECT_EQ(colors.Face(cxbsNormal), clDefault);
    colors.Set(cxbcDefault, clWhite);
    EXPECT_EQ(colors.Face(cxbsNormal), clWhite) << "Normal falls back to the Default slot";
    EXPECT_EQ(colors.Face(cxbsHot), clDefault) << "the others to the Normal slot";
    colors.Set(cxbcNormal, 0x123456);
    EXPECT_EQ(colors.Face(cxbsNormal), 0x123456);
    EXPECT_EQ(colors.Face(cxbsPressed), 0x123456);
    EXPECT_EQ(colors.Caption(cxbsHot), clDefault) << "no fallback between caption slots";
    colors.Set(cxbcNormal, 0x123456);
    EXPECT_EQ(changes, 2) << "the same colour again is no change";
    colors.Set(cxbcNormal, clNone);
    EXPECT_FALSE(colors.Assigned(cxbcNormal));
    EXPECT_EQ(colors.Get(cxbcNormal), clDefault);
    EXPECT_EQ(changes, 3);
}

TEST(FlatButtonColors, OnlyAssignedValuesAreWrittenBack) {
    TPlainForm form(nullptr);
    TcxButton button(&form);
    button.Colors().Set(cxbcDefault, clWhite);
    button.Colors().Set(cxbcHotText, 0x123456);
    button.Colors().Set(cxbcHotText, clDefault);
    button.Colors().Set(cxbcPressed, 0x0000C0);
    button.LookAndFeel().SetKind(lfUltraFlat);
    DescObject stored;
    button.WriteProperties(stored);
    std::vector<std::string> names;
    for (const DescProperty& p : stored.properties)
        names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Colors.Default", "Colors.Pressed", "LookAndFeel.Kind"}));
    EXPECT_EQ(stored.Find("Colors.Default")->value, DescValue::Identifier("clWhite"));
    EXPECT_EQ(stored.Find("Colors.Pressed")->value, DescValue::Integer(0x0000C0));
    EXPECT_EQ(stored.Find("LookAndFeel.Kind")->value, DescValue::Identifier("lfUltraFlat"));
}
