// The layout on screens with more pixels per inch than the 96 it was made for.
#include <gtest/gtest.h>

#include "base/mul_div.h"
#include "base/scaling.h"
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

class Scaling : public testing::TestWithParam<int> {
  protected:
    void TearDown() override { Screen().SetPixelsPerInch(0); }
};

} // namespace

TEST_P(Scaling, FieldsAndButtonsMoveAndGrowByTheTextHeight) {
    const int ppi = GetParam();
    Screen().SetPixelsPerInch(ppi);
    const int fontHeight = MulDivRound(-11, ppi, 96);
    const int th = TextHeightOf("MS Sans Serif", fontHeight);
    const auto scaled = [th](const TRect& r) { return th == 13 ? r : ScaledRect(r, th, 13); };
    const auto scaledValue = [th](int v) { return th == 13 ? v : MulDivRound(v, th, 13); };
    const RunResult run = RunProgramWith(
        [&](TApplication&, TFrmConnexionORLIX& form) {
            RECT client;
            GetClientRect(form.Handle(), &client);
            EXPECT_EQ(client.right, scaledValue(599));
            EXPECT_EQ(client.bottom, scaledValue(372));
            EXPECT_EQ(form.Panel1->BoundsRect(), (TRect{0, 0, client.right, client.bottom}));
            form.Close();
        },
        [&](TApplication&, TFrmConnexionORLIX& form) {
            EXPECT_EQ(form.Font().Height(), fontHeight);
            EXPECT_EQ(form.Edit1->BoundsRect(), scaled(BoundsRect(294, 198, 235, 18)));
            EXPECT_EQ(form.edit2->BoundsRect(), scaled(BoundsRect(294, 251, 235, 18)));
            EXPECT_EQ(form.btnLogin->BoundsRect(), scaled(BoundsRect(311, 301, 96, 29)));
            EXPECT_EQ(form.cxImage1->BoundsRect(), scaled(BoundsRect(0, -33, 640, 481)));
            EXPECT_EQ(form.Edit1->Font().Height(), scaledValue(-12));
            EXPECT_EQ(form.btnCancel->Font().Height(), scaledValue(-11));
        });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(th, 13) << "the test should exercise a real scaling at " << ppi << " ppi";
}

INSTANTIATE_TEST_SUITE_P(Resolutions, Scaling, testing::Values(120, 144));
