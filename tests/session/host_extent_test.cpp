// The host's size negotiated with the control in HIMETRIC, the layout the control asks for, and
// the coordinate conversions the site offers.

#include "tests/session/host_fixture.h"

#include "framework/screen.h"

#include <gmock/gmock.h>

namespace {

TRect WindowBounds(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// Restores the screen's own resolution when a test changed it.
struct ScreenResolution {
    explicit ScreenResolution(int ppi) { Screen().SetPixelsPerInch(ppi); }
    ~ScreenResolution() { Screen().SetPixelsPerInch(0); }
};

} // namespace

TEST_F(HostTest, ARefusedExtentKeepsTheSizeWhileTheNewPositionApplies) {
    auto control = ShowNewHost();
    Script().Answer("IOleObject::SetExtent", S_FALSE);
    host->SetBounds(10, 20, 500, 300);
    // 500 and 300 pixels at 96 per inch: 13229.2 and 7937.5 HIMETRIC, rounded as MulDiv rounds.
    EXPECT_EQ(control->Calls().back(), "IOleObject::SetExtent(CONTENT, 13229x7938)");
    EXPECT_EQ(host->BoundsRect(), BoundsRect(10, 20, 385, 217));
    EXPECT_EQ(WindowBounds(host->Handle()), BoundsRect(10, 20, 385, 217));

    Script().ClearAnswers();
    host->SetBounds(10, 20, 500, 300);
    EXPECT_EQ(host->BoundsRect(), BoundsRect(10, 20, 500, 300));
    EXPECT_EQ(WindowBounds(control->Window()), BoundsRect(10, 20, 500, 300)) << "the control's own window";
}

TEST_F(HostTest, WidthAndHeightSetOneAfterTheOtherAreNegotiatedSeparately) {
    auto control = ShowNewHost();
    control->ClearRecord();
    // The height alone is refused.
    Script().Answer("IOleObject::SetExtent(CONTENT, 27093x20320)", E_FAIL);
    host->SetWidth(1024);
    host->SetHeight(768);
    EXPECT_THAT(control->Calls(), testing::ElementsAre("IOleObject::SetExtent(CONTENT, 27093x5741)",
                                                       "IOleObject::SetExtent(CONTENT, 27093x20320)"));
    EXPECT_EQ(host->BoundsRect(), BoundsRect(0, 0, 1024, 217));
}

TEST_F(HostTest, OnlyAChangeOfAPositiveSizeIsNegotiated) {
    Script().Extent = {0, 0};
    CreateHost();
    EXPECT_EQ(Control()->CountCalls("IOleObject::SetExtent"), 0) << "from 0 x 0 to the stored size";
    EXPECT_EQ(host->BoundsRect(), BoundsRect(0, 0, 385, 217));
    host->SetBounds(5, 5, 385, 217);
    EXPECT_EQ(Control()->CountCalls("IOleObject::SetExtent"), 0) << "a move only";
    host->SetBounds(5, 5, 385, 100);
    EXPECT_EQ(Control()->Calls().back(), "IOleObject::SetExtent(CONTENT, 10186x2646)");
}

TEST_F(HostTest, SizesConvertAtTheScreensResolution) {
    const ScreenResolution ppi(120);
    CreateHost();
    // 10186 x 5741 HIMETRIC at 120 pixels per inch: 481.2 x 271.2 pixels. The description's
    // width then height are negotiated: 385 x 271 pixels, 8149.2 x 5736.2 HIMETRIC, then 385 x 217
    // pixels, 8149.2 x 4593.2 HIMETRIC.
    EXPECT_THAT(Control()->Calls(), testing::IsSupersetOf({"IOleObject::SetExtent(CONTENT, 8149x5736)",
                                                           "IOleObject::SetExtent(CONTENT, 8149x4593)"}));
    EXPECT_EQ(host->BoundsRect(), BoundsRect(0, 0, 385, 217));
}

TEST_F(HostTest, TheLayoutTheControlAsksForTakesItsExtentAtTheCurrentPosition) {
    auto control = ShowNewHost();
    host->SetBounds(7, 9, 385, 217);
    const auto object = control->Object().As<IOleObject>();
    SIZEL extent{1000, 2000};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_EQ(control->ClientSite()->RequestNewObjectLayout(), S_OK);
    EXPECT_EQ(host->BoundsRect(), BoundsRect(7, 9, 38, 76));

    Script().Answer("IOleObject::GetExtent", E_UNEXPECTED);
    EXPECT_EQ(control->ClientSite()->RequestNewObjectLayout(), E_UNEXPECTED);
    EXPECT_EQ(host->BoundsRect(), BoundsRect(7, 9, 38, 76));
}

TEST_F(HostTest, AControlInvisibleAtRunTimeKeepsAHiddenHostOfItsOwnDrawnWithOleDraw) {
    Script().MiscStatus |= OLEMISC_INVISIBLEATRUNTIME;
    CreateHost();
    auto control = Control();
    EXPECT_FALSE(host->Visible());
    EXPECT_EQ(host->BoundsRect(), BoundsRect(0, 0, 32, 32)) << "capped, and not negotiated";
    EXPECT_EQ(control->CountCalls("IOleObject::SetExtent"), 0);
    host->SetBounds(40, 50, 300, 300);
    EXPECT_EQ(host->BoundsRect(), BoundsRect(40, 50, 32, 32));

    host->HandleNeeded();
    ASSERT_TRUE(host->HandleAllocated());
    EXPECT_EQ(control->CountCalls("IOleObject::DoVerb"), 0);
    EXPECT_NE(host->WindowHandle(), control->Window());
    EXPECT_TRUE(host->Running());
    ShowWindow(host->WindowHandle(), SW_SHOWNA);
    form->Show();
    RedrawWindow(host->WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // OleDraw asks the control for its view object.
    EXPECT_THAT(control->CallsWithQueries(),
                testing::Contains(testing::StartsWith("IUnknown::QueryInterface(IViewObject")));
}

TEST_F(HostTest, TheSiteTransformsCoordinatesBetweenHimetricAndPixels) {
    CreateHost();
    const auto site = Control()->ClientSite().As<IOleControlSite>();
    ASSERT_TRUE(site);
    POINTL himetric{1000, 2540};
    POINTF pixels{0, 0};
    ASSERT_EQ(site->TransformCoords(&himetric, &pixels, XFORMCOORDS_HIMETRICTOCONTAINER | XFORMCOORDS_SIZE),
              S_OK);
    EXPECT_EQ(pixels.x, 38.0f) << "37.8 as MulDiv rounds it";
    EXPECT_EQ(pixels.y, 96.0f);
    pixels = {37.5f, 96.0f};
    ASSERT_EQ(site->TransformCoords(&himetric, &pixels, XFORMCOORDS_CONTAINERTOHIMETRIC | XFORMCOORDS_SIZE),
              S_OK);
    EXPECT_EQ(himetric.x, 992);
    EXPECT_EQ(himetric.y, 2540);

    const ScreenResolution ppi(120);
    himetric = {2540, 127};
    ASSERT_EQ(site->TransformCoords(&himetric, &pixels, XFORMCOORDS_HIMETRICTOCONTAINER), S_OK);
    EXPECT_EQ(pixels.x, 120.0f);
    EXPECT_EQ(pixels.y, 6.0f);
}
