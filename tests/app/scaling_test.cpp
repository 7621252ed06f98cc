// The layout on screens with more pixels per inch than the 96 it was made for.
#include <gtest/gtest.h>

#include "base/win/gdi.h"
#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "framework/screen.h"
#include "tests/app/program_runner.h"

namespace {

int TextHeightOf(const char* face, int height) {
    FontHandle font(CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
    WindowDC dc(nullptr);
    SelectGuard select(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), "0", 1, &size);
    return size.cy;
}

// What the window looks like at a resolution, worked out by hand: every coordinate of the 96-ppi
// layout times th / 13 (the text height of MS Sans Serif at the scaled font height over its
// height at 96 ppi), rounded half away from zero. The picture keeps its 640 x 427 pixels,
// centred in the box's content (the box inset by 2).
struct Layout {
    int ppi;
    int fontHeight;           // -11 at 96 ppi, times ppi / 96
    int textHeight;           // th
    SIZE client;              // 599 x 372
    TRect edit1, edit2;       // (294, 198)-(529, 216) and (294, 251)-(529, 269)
    TRect login;              // (311, 301)-(407, 330)
    TRect image;              // (0, -33)-(640, 448)
    TRect picture;            // in the box's client coordinates
    int editFont, buttonFont; // -12 and -11
};

const Layout kLayouts[] = {
    // 125 %: th 16; the box is 788 x 592, its content 784 x 588.
    {120,
     -14,
     16,
     {737, 458},
     {362, 244, 651, 266},
     {362, 309, 651, 331},
     {383, 370, 501, 406},
     {0, -41, 788, 551},
     {74, 82, 714, 509},
     -15,
     -14},
    // 150 %: th 20; the box is 985 x 740, its content 981 x 736.
    {144,
     -17,
     20,
     {922, 572},
     {452, 305, 814, 332},
     {452, 386, 814, 414},
     {478, 463, 626, 508},
     {0, -51, 985, 689},
     {172, 156, 812, 583},
     -18,
     -17},
};

class Scaling : public testing::TestWithParam<Layout> {
  protected:
    void TearDown() override { Screen().SetPixelsPerInch(0); }
};

} // namespace

TEST_P(Scaling, FieldsButtonsAndPictureBoxMoveAndGrowByTheTextHeight) {
    const Layout& l = GetParam();
    Screen().SetPixelsPerInch(l.ppi);
    ASSERT_EQ(TextHeightOf("MS Sans Serif", l.fontHeight), l.textHeight);
    const RunResult run = RunProgramWith(
        [&](TApplication&, TFrmConnexionORLIX& form) {
            RECT client;
            GetClientRect(form.Handle(), &client);
            EXPECT_EQ(client.right, l.client.cx);
            EXPECT_EQ(client.bottom, l.client.cy);
            EXPECT_EQ(form.Panel1->BoundsRect(), (TRect{0, 0, l.client.cx, l.client.cy}));
            EXPECT_EQ(form.cxImage1->PictureRect(), l.picture);
            form.Close();
        },
        [&](TApplication&, TFrmConnexionORLIX& form) {
            EXPECT_EQ(form.Font().Height(), l.fontHeight);
            EXPECT_EQ(form.Edit1->BoundsRect(), l.edit1);
            EXPECT_EQ(form.edit2->BoundsRect(), l.edit2);
            EXPECT_EQ(form.btnLogin->BoundsRect(), l.login);
            EXPECT_EQ(form.cxImage1->BoundsRect(), l.image);
            EXPECT_EQ(form.Edit1->Font().Height(), l.editFont);
            EXPECT_EQ(form.btnCancel->Font().Height(), l.buttonFont);
        });
    EXPECT_EQ(run.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, Scaling, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout>& info) {
                             return std::to_string(info.param.ppi);
                         });
