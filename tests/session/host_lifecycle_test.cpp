// The host's conversation with its control from creation to teardown: the calls in their order,
// the stored state loaded once, the window taken over and given back, the references balanced.

#include "tests/session/host_fixture.h"

#include "session/msrdp_client_data.h"
#include "tests/support/scripted_control/call_text.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

std::vector<std::string> CallsSince(const std::vector<std::string>& calls, size_t start) {
    return {calls.begin() + std::min(start, calls.size()), calls.end()};
}

} // namespace

TEST_F(HostTest, CreationAsksForTheMiscStatusGivesTheSiteAndTakesTheControlsSize) {
    CreateHost();
    auto control = Control();
    ASSERT_TRUE(control);
    EXPECT_THAT(control->CallsWithQueries(),
                ElementsAre("IUnknown::QueryInterface(IOleObject) = S_OK",
                            "IOleObject::GetMiscStatus(CONTENT)", "IOleObject::SetClientSite(site)",
                            "IUnknown::QueryInterface(IPersistStreamInit) = S_OK",
                            "IOleObject::GetExtent(CONTENT)",
                            // Given its parent, the host checks that the control has its site.
                            "IOleObject::GetClientSite()"));
    EXPECT_FALSE(host->Running());
    EXPECT_TRUE(host->HasStoredState());
    EXPECT_TRUE(host->TabStop());
    EXPECT_TRUE(host->Visible());
    EXPECT_EQ(host->MiscStatus(), Script().MiscStatus);
    // 10186 x 5741 HIMETRIC at 96 pixels per inch.
    EXPECT_EQ(host->BoundsRect(), BoundsRect(0, 0, 385, 217));
    EXPECT_FALSE(host->HandleAllocated());
}

TEST_F(HostTest, ShowingStartsTheControlWithItsStoredStateThenActivatesItInPlace) {
    CreateHost();
    auto control = Control();
    const size_t created = control->CallsWithQueries().size();
    ShowForm();
    const std::string doVerb = "IOleObject::DoVerb(INPLACEACTIVATE, msg null, site, 0, " +
                               scripted::HwndText(form->Handle()) + ", (0,0,385,217))";
    const auto calls = CallsSince(control->CallsWithQueries(), created);
    ASSERT_GE(calls.size(), 16u);
    EXPECT_THAT(
        std::vector<std::string>(calls.begin(), calls.begin() + 16),
        ElementsAre(
            "IOleObject::GetClientSite()", "IPersistStreamInit::Load(" + std::string(kStoredStateText) + ")",
            "IUnknown::QueryInterface(IOleControl) = S_OK", "IUnknown::QueryInterface(IDispatch) = S_OK",
            "IUnknown::QueryInterface(IPerPropertyBrowsing) = S_OK",
            "IUnknown::QueryInterface(IConnectionPointContainer) = S_OK",
            "IConnectionPointContainer::FindConnectionPoint(IPropertyNotifySink)",
            "IConnectionPoint::Advise(IPropertyNotifySink)",
            "IUnknown::QueryInterface(IConnectionPointContainer) = S_OK",
            "IConnectionPointContainer::FindConnectionPoint(IMsTscAxEvents)",
            "IConnectionPoint::Advise(IMsTscAxEvents)", "IOleControl::OnAmbientPropertyChange(-1)",
            "IOleObject::GetExtent(CONTENT)", doVerb, "IUnknown::QueryInterface(IOleInPlaceObject) = S_OK",
            "IUnknown::QueryInterface(IOleInPlaceActiveObject) = S_OK"));
    // The control's window, asked for when the control shows it, is the host's window now.
    EXPECT_EQ(control->CountCalls("IOleWindow::GetWindow()"), 1);
    EXPECT_EQ(control->CountCalls("IPersistStreamInit::"), 1);
    EXPECT_EQ(
        control->LoadedState(),
        std::vector<uint8_t>(kMsRdpClientStoredState, kMsRdpClientStoredState + kMsRdpClientStoredStateSize));
    EXPECT_FALSE(host->HasStoredState()) << "the block is freed once loaded";
    EXPECT_TRUE(host->Running());
    EXPECT_TRUE(host->InPlaceActive());
    ASSERT_TRUE(control->Window());
    EXPECT_EQ(host->WindowHandle(), control->Window());
    EXPECT_EQ(FindControl(control->Window()), host);
    EXPECT_EQ(GetParent(control->Window()), form->Handle());
}

TEST_F(HostTest, AControlWithoutStoredStateStartsFresh) {
    CreateHost(false);
    host->EnsureRunning();
    EXPECT_EQ(Control()->CountCalls("IPersistStreamInit::InitNew()"), 1);
    EXPECT_EQ(Control()->CountCalls("IPersistStreamInit::Load"), 0);
    EXPECT_FALSE(Control()->LoadedState());
}

TEST_F(HostTest, StartingTwiceDoesNothingMore) {
    CreateHost();
    host->EnsureRunning();
    const size_t started = Control()->CallsWithQueries().size();
    host->EnsureRunning();
    EXPECT_EQ(Control()->CallsWithQueries().size(), started);
}

TEST_F(HostTest, ReadingConnectedBeforeTheWindowIsShownStartsTheControlFirst) {
    CreateHost();
    auto control = Control();
    const size_t created = control->Calls().size();
    EXPECT_EQ(host->Connected(), 0);
    const auto calls = CallsSince(control->Calls(), created);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "IOleObject::GetClientSite()");
    EXPECT_EQ(calls[1], "IPersistStreamInit::Load(" + std::string(kStoredStateText) + ")");
    EXPECT_THAT(calls, testing::Contains("IConnectionPoint::Advise(IMsTscAxEvents)"));
    EXPECT_EQ(calls.back(), "IDispatch::Invoke(6, GET, [], named [])");
    EXPECT_FALSE(host->HandleAllocated()) << "reading a property does not activate the control";
}

TEST_F(HostTest, TeardownClosesWithoutSavingBeforeReleasingAnythingAndBalancesEveryReference) {
    auto control = ShowNewHost();
    host->ClientInterface();
    const long held = control->RefCount();
    long heldAtClose = -1;
    bool windowHookedAtClose = true;
    Script().Observer = [&](const std::string& call) {
        if (call.rfind("IOleObject::Close", 0) == 0) {
            heldAtClose = control->RefCount();
            windowHookedAtClose = control->Window() && FindControl(control->Window()) != nullptr;
        }
    };
    const size_t before = control->Calls().size();
    host->DestroyControl();
    Script().Observer = nullptr;
    EXPECT_THAT(CallsSince(control->Calls(), before),
                ElementsAre("IOleObject::Close(NOSAVE)",
                            "IConnectionPointContainer::FindConnectionPoint(IMsTscAxEvents)",
                            "IConnectionPoint::Unadvise(IMsTscAxEvents)",
                            "IConnectionPointContainer::FindConnectionPoint(IPropertyNotifySink)",
                            "IConnectionPoint::Unadvise(IPropertyNotifySink)",
                            "IOleObject::SetClientSite(null)"));
    EXPECT_EQ(heldAtClose, held) << "nothing released before the control closes";
    EXPECT_FALSE(windowHookedAtClose) << "the control gets its window back before it closes";
    EXPECT_EQ(host->SiteRefCount(), 0) << "the control let go of the site and the sink";
    EXPECT_FALSE(host->HandleAllocated());
    EXPECT_EQ(control->RefCount(), 1) << "only the wrapper's default interface is left";

    // Safe to run twice: freeing the host runs it again, then lets go of the default interface.
    FreeHost();
    EXPECT_EQ(control->CountCalls("IOleObject::Close"), 1);
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(control->RefCount(), 0);
    EXPECT_EQ(control->LiveObjects(), 0) << "settings objects included";
}

TEST_F(HostTest, FreeingTheFormReleasesTheControlAfterItsWindowWentWithTheForm) {
    auto control = ShowNewHost();
    host->AdvancedSettings2();
    form.reset();
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(control->RefCount(), 0);
    EXPECT_EQ(control->CountCalls("IOleObject::Close(NOSAVE)"), 1);
    EXPECT_EQ(control->Calls().back(), "IOleObject::SetClientSite(null)");
}

TEST_F(HostTest, ARecreatedWindowActivatesTheControlAgainWithoutLoadingItsStateAgain) {
    auto control = ShowNewHost();
    const HWND first = host->WindowHandle();
    ASSERT_TRUE(first);
    const size_t before = control->Calls().size();

    host->DestroyHandle();
    EXPECT_FALSE(host->HandleAllocated());
    EXPECT_FALSE(IsWindow(first)) << "the control destroyed its own window";
    EXPECT_FALSE(host->InPlaceActive());
    EXPECT_THAT(CallsSince(control->Calls(), before), ElementsAre("IOleObject::Close(NOSAVE)"));

    host->HandleNeeded();
    const HWND second = host->WindowHandle();
    ASSERT_TRUE(second);
    EXPECT_EQ(second, control->Window());
    EXPECT_EQ(FindControl(second), host);
    EXPECT_EQ(control->CountCalls("IPersistStreamInit::"), 1) << "the stored state is loaded once";
    EXPECT_EQ(control->CountCalls("IOleObject::DoVerb(INPLACEACTIVATE"), 2);
    EXPECT_TRUE(host->InPlaceActive());
}

TEST_F(HostTest, TheControlsWindowLiesBelowTheControlsCreatedAfterTheHost) {
    CreateHost();
    TWinControl* cover = new TWinControl(form.get());
    cover->SetParent(form.get());
    cover->SetBounds(0, 0, 600, 400);
    ShowForm();
    ASSERT_TRUE(cover->HandleAllocated());
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), cover->Handle());
    EXPECT_EQ(GetWindow(cover->Handle(), GW_HWNDNEXT), host->Handle());
}

TEST_F(HostTest, AHiddenHostHidesTheControlsWindow) {
    CreateHost();
    host->SetVisible(false);
    host->HandleNeeded();
    ASSERT_TRUE(host->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(host->WindowHandle()));
    host->SetVisible(true);
    form->Show();
    EXPECT_TRUE(IsWindowVisible(host->WindowHandle()));
}

TEST_F(HostTest, FreeingTheFocusedHostAloneLeavesNothingOfItInTheForm) {
    ShowNewHost();
    ASSERT_EQ(form->ActiveControl(), host);
    ASSERT_EQ(form->ActiveOleControl(), host);
    FreeHost();
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(form->ActiveOleControl(), nullptr);
    std::vector<TWinControl*> tabOrder;
    form->GetTabOrderList(tabOrder);
    EXPECT_TRUE(tabOrder.empty());
    // The form coming back to the foreground has nothing to focus.
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
}
