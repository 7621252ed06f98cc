// The sign-in window's two captions as they show on screen over the background picture.
#include <gtest/gtest.h>

#include "base/win/gdi.h"
#include "controls/cx_image.h"
#include "controls/cx_label.h"
#include "framework/edit.h"
#include "framework/mouse_tracking.h"
#include "framework/panel.h"
#include "picture/png_object.h"
#include "tests/app/program_runner.h"
#include "tests/support/ui/ui_driver.h"

namespace {

bool IsInk(COLORREF c) {
    return GetRValue(c) > 120 && GetGValue(c) > 120 && GetBValue(c) > 120;
}

struct PanelPixels {
    TFrmConnexionORLIX& form;
    COLORREF Shown(int x, int y) const {
        WindowDC dc(form.Panel1->Handle());
        return GetPixel(dc.Get(), x, y);
    }
    COLORREF Picture(int x, int y) const {
        const auto* png = dynamic_cast<const TPNGObject*>(form.cxImage1->Picture().Graphic());
        const TRGBQuad q = png->Image().Pixel(uint32_t(x), uint32_t(y + 6));
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    // The bounds of the text's pixels within a panel rectangle, right and bottom exclusive:
    // pixels far brighter than the dark desk beneath the captions (the font's edges are
    // smoothed, so not all are pure white).
    RECT InkBounds(const RECT& area) const {
        RECT b{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (IsInk(Shown(x, y))) {
                    b.left = std::min<LONG>(b.left, x);
                    b.top = std::min<LONG>(b.top, y);
                    b.right = std::max<LONG>(b.right, x + 1);
                    b.bottom = std::max<LONG>(b.bottom, y + 1);
                }
        return b;
    }
    void Repaint() const {
        Pump();
        RedrawWindow(form.Panel1->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
};

} // namespace

TEST(WindowCaptions, TheVersionStartsAtColumnSixAndTheProgressEndsAtTheRightEdge) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const PanelPixels panel{form};
        // Away from the picture box, whose frame line turns to the highlight under the pointer.
        MoveMouse(form.Edit1->Handle(), 5, 5);
        panel.Repaint();
        for (const auto& [x, y] : {std::pair{330, 356}, {500, 360}, {598, 366}, {320, 353}, {602 - 4, 369}})
            EXPECT_EQ(panel.Shown(x, y), panel.Picture(x, y))
                << "the empty progress caption shows the picture at " << x << "," << y;

        const RECT version = panel.InkBounds({2, 345, 60, 372});
        EXPECT_EQ(version.left, 6) << "V0.8 Beta";
        EXPECT_GE(version.top, 355);
        EXPECT_LE(version.bottom, 368);
        EXPECT_LE(version.right, 44) << "cut at the content rectangle of a 42-pixel label";
        EXPECT_EQ(panel.Shown(2, 360), panel.Picture(2, 360)) << "the picture shows around the text";

        form.lblProgress->SetCaption("Connexion au serveur en cours ...");
        panel.Repaint();
        const RECT progress = panel.InkBounds({300, 345, 599, 372});
        EXPECT_GE(progress.left, 322);
        // The last dot of "..." ends the text at x 601; its ink lies in column 598.
        EXPECT_EQ(progress.right, 599) << "right-aligned against x 601, beyond the window's edge";
        EXPECT_GE(progress.top, 355);
        EXPECT_LE(progress.bottom, 368);
        EXPECT_EQ(panel.Shown(330, 356), panel.Picture(330, 356)) << "left of the text, the picture";

        form.lblProgress->SetCaption("");
        panel.Repaint();
        EXPECT_EQ(panel.InkBounds({300, 345, 599, 372}).right, 300) << "emptied: gone again";
    });
}

TEST(WindowPicture, TheFrameLineTurnsToTheHighlightUnderThePointer) {
    RunAndClose([](TApplication&, TFrmConnexionORLIX& form) {
        const PanelPixels panel{form};
        const HWND picture = form.cxImage1->Handle();
        MoveMouse(form.Edit1->Handle(), 5, 5);
        panel.Repaint();
        EXPECT_EQ(panel.Shown(1, 100), GetSysColor(COLOR_BTNSHADOW));
        MoveMouse(picture, 100, 150);
        EXPECT_TRUE(form.cxImage1->Hot());
        panel.Repaint();
        EXPECT_EQ(panel.Shown(1, 100), GetSysColor(COLOR_HIGHLIGHT));
        form.cxImage1->Perform(CM_MOUSELEAVE);
        EXPECT_FALSE(form.cxImage1->Hot());
        EXPECT_FALSE(MouseTrackingTimerList().IsTracking(*form.cxImage1));
        panel.Repaint();
        EXPECT_EQ(panel.Shown(1, 100), GetSysColor(COLOR_BTNSHADOW));
    });
}
