// The caption label: its pixels over a backdrop, its text settings, caption changes, anchors,
// its accelerator and focus.
#include <gtest/gtest.h>

#include <initializer_list>
#include <algorithm>
#include <memory>

#include "controls/cx_label.h"
#include "framework/colors_win.h"
#include "framework/description/description.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/panel.h"
#include "tests/framework/pixel_canvas.h"
#include "tests/framework/test_form.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(200, 0, 0);

// A black panel with a red block under the left part of a 120 x 17 label, as the picture lies
// under the window's captions.
struct LabelFixture {
    TPlainForm form{nullptr};
    TPanel* panel;
    TPanel* block;
    TEdit* edit;
    TcxLabel* label;
    LabelFixture() {
        form.SetBounds(50, 50, 300, 200);
        panel = Place<TPanel>(form, &form, 0, 0, 280, 150);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(clBlack);
        block = Place<TPanel>(form, panel, 0, 0, 40, 100);
        block->SetBevelOuter(bvNone);
        block->SetColor(TColor(kRed));
        edit = Place<TEdit>(form, panel, 10, 120);
        label = new TcxLabel(&form);
        label->SetParent(panel);
        label->SetAutoSize(false);
        label->SetBounds(20, 50, 120, 17);
        label->Font().SetName("Tahoma");
        label->Font().SetHeight(-11);
        label->Font().SetColor(clWhite);
        label->SetTransparent(true);
        form.Show();
        FocusAndPump(edit);
    }
    std::unique_ptr<PixelCanvas> Paint() { return PrintClient(*label); }
    // The caption drawn by hand at `r` of the label's coordinates over the same backdrop.
    std::unique_ptr<PixelCanvas> Expected(const char* text, RECT r, UINT flags) {
        label->SetCaption("");
        auto canvas = Paint();
        SelectGuard font(canvas->DC(), label->Font().Handle());
        SetBkMode(canvas->DC(), TRANSPARENT);
        SetTextColor(canvas->DC(), kWhite);
        DrawTextA(canvas->DC(), text, -1, &r, flags);
        return canvas;
    }
};

// White (caption) pixels in the areas together.
int White(const PixelCanvas& c, std::initializer_list<RECT> areas) {
    int n = 0;
    for (const RECT& area : areas)
        n += CountColour(c, area, kWhite);
    return n;
}

} // namespace

TEST(CaptionLabelPaint, TheBackdropShowsTheParentAndTheSiblingsBeneath) {
    LabelFixture f;
    const auto empty = f.Paint();
    for (const int x : {2, 10, 19})
        EXPECT_EQ(empty->At(x, 8), kRed) << "the red block lies under label columns up to 19: " << x;
    for (const int x : {20, 60, 117})
        EXPECT_EQ(empty->At(x, 8), RGB(0, 0, 0)) << "the black panel elsewhere: " << x;
    EXPECT_EQ(White(*empty, {{0, 0, 120, 17}}), 0) << "an empty caption draws nothing";

    f.label->SetTransparent(false);
    f.panel->SetColor(TColor(RGB(0, 0, 128)));
    const auto opaque = f.Paint();
    EXPECT_EQ(opaque->At(5, 8), RGB(0, 0, 128)) << "an opaque label fills with its parent's colour";
}

TEST(CaptionLabelPaint, AlignmentPlacesTheTextInTheContentRectangle) {
    struct Case {
        TAlignment horz;
        TVerticalAlignment vert;
        UINT flags;
    };
    // A content rectangle taller than a line shows the vertical placement too.
    const Case cases[] = {
        {taLeftJustify, taTopJustify, DT_LEFT},
        {taRightJustify, taTopJustify, DT_RIGHT},
        {taCenter, taTopJustify, DT_CENTER},
        {taCenter, taBottomJustify, DT_CENTER | DT_BOTTOM | DT_SINGLELINE},
        {taLeftJustify, taVCenter, DT_LEFT},
    };
    for (const Case& c : cases) {
        LabelFixture f;
        f.label->SetHeight(30);
        f.label->SetAlignmentHorz(c.horz);
        f.label->SetAlignmentVert(c.vert);
        // Centred: half the free height above the text, rounded down.
        const int top = c.vert == taVCenter ? 2 + (26 - 13) / 2 : 2;
        auto expected = f.Expected("V0.8 Beta", {2, top, 118, 28}, c.flags | DT_NOCLIP);
        f.label->SetCaption("V0.8 Beta");
        const auto painted = f.Paint();
        EXPECT_EQ(Differing(*painted, *expected), 0) << "alignment " << c.horz << ", " << c.vert;
        EXPECT_GT(White(*painted, {{2, 2, 118, 28}}), 20);
    }
}

TEST(CaptionLabelPaint, AnOverlongCaptionIsCutAtTheContentRectangle) {
    LabelFixture f;
    f.label->SetAlignmentHorz(taRightJustify);
    const char caption[] = "Connexion au serveur en cours ... et bien plus encore que cela\r\nseconde ligne";
    // By hand: each line right-aligned in the content rectangle and clipped to it.
    const auto expected = f.Expected(caption, {2, 2, 118, 15}, DT_RIGHT);
    f.label->SetCaption(caption);
    const auto painted = f.Paint();
    EXPECT_EQ(Differing(*painted, *expected), 0);
    EXPECT_GT(White(*painted, {{2, 2, 6, 15}, {114, 2, 118, 15}}), 0)
        << "the text runs to both edges, without an ellipsis shortening it";
}

TEST(CaptionLabelPaint, ALineBreakStartsASecondLine) {
    LabelFixture f;
    f.label->SetHeight(32);
    const auto expected = f.Expected("A\r\nB", {2, 2, 118, 30}, DT_LEFT | DT_NOCLIP);
    f.label->SetCaption("A\r\nB");
    const auto painted = f.Paint();
    EXPECT_EQ(Differing(*painted, *expected), 0);
    EXPECT_GT(White(*painted, {{2, 15, 118, 30}}), 5) << "the second line shows";
}

TEST(CaptionLabelPaint, WordWrapBreaksALongCaptionIntoLines) {
    LabelFixture f;
    f.label->SetHeight(32);
    f.label->SetCaption("Connexion au serveur en cours");
    EXPECT_EQ(White(*f.Paint(), {{2, 16, 118, 30}}), 0) << "one line, cut at the right edge";
    f.label->SetWordWrap(true);
    const auto wrapped = f.Paint();
    EXPECT_GT(White(*wrapped, {{2, 16, 118, 30}}), 5) << "a second line";
    EXPECT_EQ(White(*wrapped, {{0, 0, 2, 32}, {118, 0, 120, 32}}), 0);
}

TEST(CaptionLabelPaint, AmpersandsAndTheDisabledColour) {
    LabelFixture f;
    f.label->SetShowAccelChar(false);
    f.label->SetCaption("R&D");
    const auto literal = f.Paint();
    f.label->SetShowAccelChar(true);
    f.label->SetCaption("R&&D");
    EXPECT_EQ(Differing(*f.Paint(), *literal), 0) << "a doubled ampersand shows one";
    f.label->SetCaption("&RD");
    const auto underlined = f.Paint();
    f.label->SetCaption("RD");
    const auto plain = f.Paint();
    f.label->SetCaption("");
    const auto backdrop = f.Paint();
    f.label->SetCaption("RD");
    // The underline: white pixels below the text's lowest ink, under the "R" alone.
    int textLeft = 120, lowestInk = -1;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 120; ++x)
            if (plain->At(x, y) != backdrop->At(x, y)) {
                textLeft = std::min(textLeft, x);
                lowestInk = std::max(lowestInk, y);
            }
    // The R's cell: from its first ink back by its left bearing, as wide as it advances.
    SIZE r{};
    ABC bearing{};
    {
        WindowDC screen(nullptr);
        SelectGuard font(screen.Get(), f.label->Font().Handle());
        GetTextExtentPoint32A(screen.Get(), "R", 1, &r);
        GetCharABCWidthsA(screen.Get(), 'R', 'R', &bearing);
    }
    const int cell = textLeft - bearing.abcA;
    int underline = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 120; ++x)
            if (underlined->At(x, y) != plain->At(x, y)) {
                ++underline;
                EXPECT_EQ(underlined->At(x, y), RGB(255, 255, 255)) << x << "," << y;
                EXPECT_GT(y, lowestInk) << "the underline lies below the text, at " << x << "," << y;
                EXPECT_TRUE(x >= cell && x < cell + r.cx) << "outside the R at " << x << "," << y;
            }
    EXPECT_GE(underline, r.cx - 2) << "the accelerator letter is underlined";

    f.label->SetEnabled(false);
    const auto disabled = f.Paint();
    EXPECT_EQ(White(*disabled, {{2, 2, 118, 15}}), 0);
    EXPECT_GT(CountColour(*disabled, {2, 2, 118, 15}, ColorToRGB(clBtnShadow)), 5);
}

TEST(CaptionLabel, RepaintsOnlyWhenTheCaptionChanges) {
    LabelFixture f;
    f.label->SetCaption("Connexion");
    const HWND h = f.label->Handle();
    UpdateWindow(h);
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));
    f.label->SetCaption("Connexion");
    EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE)) << "the same caption again";
    f.label->SetCaption("");
    EXPECT_TRUE(GetUpdateRect(h, nullptr, FALSE));
}

TEST(CaptionLabel, AnchorsKeepTheAlignedEdgeAndAreWrittenBack) {
    LabelFixture f;
    f.label->SetAlignmentHorz(taRightJustify);
    f.label->SetBounds(320, 50, 283, 17);
    DescObject stored;
    f.label->WriteProperties(stored);
    ASSERT_NE(stored.Find("AnchorX"), nullptr);
    EXPECT_EQ(stored.Find("AnchorX")->value, DescValue::Integer(603));
    EXPECT_EQ(stored.Find("AnchorY"), nullptr);
    EXPECT_EQ(stored.Find("Properties.Alignment.Horz")->value, DescValue::Identifier("taRightJustify"));

    f.label->SetAutoSize(true);
    EXPECT_EQ(f.label->Left() + f.label->Width(), 603) << "sizing to the caption keeps the right edge";
    f.label->SetCaption("Connexion au serveur");
    EXPECT_EQ(f.label->Left() + f.label->Width(), 603);
    EXPECT_LT(f.label->Width(), 283);

    f.label->SetAlignmentHorz(taLeftJustify);
    f.label->SetAlignmentVert(taVCenter);
    f.label->SetAutoSize(false);
    f.label->SetBounds(4, 353, 42, 17);
    DescObject left;
    f.label->WriteProperties(left);
    EXPECT_EQ(left.Find("AnchorX"), nullptr) << "a left-aligned label stores no AnchorX";
    EXPECT_EQ(left.Find("Properties.Alignment.Horz")->value, DescValue::Identifier("taLeftJustify"))
        << "written once assigned, even to its default";
    EXPECT_EQ(left.Find("AnchorY")->value, DescValue::Integer(353 + 9))
        << "top + half the height, rounded up";
}

TEST(CaptionLabel, NeverTakesTheFocusButItsAcceleratorFocusesItsControl) {
    LabelFixture f;
    auto* other = new TEdit(&f.form);
    other->SetParent(f.panel);
    other->SetBounds(100, 120, 50, 20);
    f.label->SetCaption("&Nom");
    f.label->SetFocusControl(other);
    PostMessageA(f.label->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(f.label->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages();
    EXPECT_TRUE(f.edit->Focused()) << "a click leaves the focus where it was";
    EXPECT_FALSE(f.label->CanFocus());

    BYTE keys[256];
    GetKeyboardState(keys);
    f.edit->Perform(CN_SYSCHAR, 'n', 0);
    EXPECT_TRUE(f.edit->Focused()) << "the letter without Alt held";
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    f.edit->Perform(CN_SYSCHAR, 'n', 0);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    PumpMessages();
    EXPECT_TRUE(other->Focused()) << "Alt+N focuses the label's control";
}
