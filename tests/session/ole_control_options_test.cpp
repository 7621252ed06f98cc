// A host of another control-data record than the remote desktop control's: misc status and
// site options at creation, and the stock properties that the record's flags keep in step.

#include "tests/session/host_fixture.h"

#include "session/rdp_ids.h"

#include <gmock/gmock.h>

namespace {

TControlData Record(uint32_t flags, uint32_t siteOptions) {
    return {CLSID_MsRdpClient6NotSafeForScripting, DIID_IMsTscAxEvents, 0, nullptr, flags, siteOptions};
}

class GenericHost final : public TOleControl {
  public:
    GenericHost(TComponent* owner, const TControlData& data) : TOleControl(owner, data) {}
    ~GenericHost() override { DestroyControl(); }
};

} // namespace

TEST_F(HostTest, TheMiscStatusAndTheSiteOptionsDecideTheClientSiteTabStopAndVisibility) {
    constexpr DWORD kSiteFirst = OLEMISC_SETCLIENTSITEFIRST;
    const struct {
        const char* name;
        DWORD misc;
        uint32_t siteOptions;
        bool siteAtCreation;
        bool tabStop;
        bool visible;
    } cases[] = {
        {"asks for the site first", kSiteFirst, 0, true, true, true},
        {"does not ask", 0, 0, false, true, true},
        {"given anyway", 0, soSetClientSiteAtCreation, true, true, true},
        {"never at creation", kSiteFirst, soNeverSetClientSiteAtCreation, false, true, true},
        {"never wins", kSiteFirst, soNeverSetClientSiteAtCreation | soSetClientSiteAtCreation, false, true,
         true},
        {"acts like a label", OLEMISC_ACTSLIKELABEL, 0, false, false, true},
        {"no UI activation", OLEMISC_NOUIACTIVATE, 0, false, false, true},
        {"invisible at run time", OLEMISC_INVISIBLEATRUNTIME, 0, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Script().MiscStatus = c.misc;
        const TControlData record = Record(0, c.siteOptions);
        auto* generic = new GenericHost(form.get(), record);
        auto control = Control();
        EXPECT_EQ(control->CountCalls("IOleObject::SetClientSite(site)"), c.siteAtCreation ? 1 : 0);
        EXPECT_EQ(generic->TabStop(), c.tabStop);
        EXPECT_EQ(generic->Visible(), c.visible);
        // Given its parent, the host makes sure the control has its site.
        generic->SetParent(form.get());
        EXPECT_EQ(control->CountCalls("IOleObject::SetClientSite(site)"), 1);
        delete generic;
        EXPECT_FALSE(control->Alive());
    }
}

TEST_F(HostTest, FlaggedStockPropertiesArePulledAtStartAndPushedWhenTheHostChanges) {
    const TControlData record = Record(cdBackColor | cdForeColor | cdFont | cdEnabled, 0);
    auto* generic = new GenericHost(form.get(), record);
    generic->SetParent(form.get());
    auto control = Control();
    Script().SetReadResult(DISPID_BACKCOLOR, Variant::Long(0x00FF00));
    Script().SetReadResult(DISPID_ENABLED, Variant::Bool(false));
    // The control has no font object yet: the host keeps its own.
    generic->EnsureRunning();
    std::vector<std::string> reads;
    for (const auto& call : control->Calls())
        if (call.find(", GET,") != std::string::npos)
            reads.push_back(call);
    EXPECT_THAT(reads, testing::ElementsAre("IDispatch::Invoke(-501, GET, [], named [])",
                                            "IDispatch::Invoke(-513, GET, [], named [])",
                                            "IDispatch::Invoke(-512, GET, [], named [])",
                                            "IDispatch::Invoke(-514, GET, [], named [])"));
    EXPECT_EQ(generic->Color(), 0x00FF00);
    EXPECT_EQ(generic->Font().Color(), 0xFFFFFF) << "the control's default foreground";
    EXPECT_FALSE(generic->Enabled());
    EXPECT_EQ(generic->Font().Name(), "MS Sans Serif");

    // Pushed back when the host changes; the notification a control sends for the write does
    // not make the host read the value again.
    Script().NotifyOnStockPropertyWrite = true;
    control->ClearRecord();
    generic->SetColor(0x0000FF);
    EXPECT_THAT(control->Calls(), testing::ElementsAre("IOleControl::OnAmbientPropertyChange(-701)",
                                                       "IDispatch::Invoke(-501, PUT, [I4 255], named [-3])"));
    control->ClearRecord();
    generic->SetEnabled(true);
    EXPECT_THAT(control->Calls(),
                testing::ElementsAre("IDispatch::Invoke(-514, PUT, [BOOL -1], named [-3])"));
    control->ClearRecord();
    generic->Font().SetColor(0x808080);
    EXPECT_EQ(control->CountCalls("IDispatch::Invoke(-512, PUTREF, [DISPATCH "), 1);
    EXPECT_THAT(control->Calls(),
                testing::Contains("IDispatch::Invoke(-513, PUT, [I4 8421504], named [-3])"));
    EXPECT_EQ(control->CountCalls("IDispatch::Invoke(-513, GET"), 0);
    delete generic;
}

TEST_F(HostTest, RenamingTheHostTellsTheControlAndMovesACaptionThatShowedTheOldName) {
    const TControlData record = Record(cdCaption | cdText, 0);
    auto* generic = new GenericHost(form.get(), record);
    generic->SetParent(form.get());
    generic->SetName("Viewer1");
    generic->EnsureRunning();
    auto control = Control();
    generic->SetWideStringProp(DISPID_CAPTION, L"Viewer1");
    generic->SetWideStringProp(DISPID_TEXT, L"typed by the user");
    control->ClearRecord();
    generic->SetName("Viewer2");
    EXPECT_EQ(generic->GetWideStringProp(DISPID_CAPTION), L"Viewer2") << "still showed the old name";
    EXPECT_EQ(generic->GetWideStringProp(DISPID_TEXT), L"typed by the user");
    EXPECT_EQ(control->CountCalls("IOleControl::OnAmbientPropertyChange(-702)"), 1);
    control->ClearRecord();
    generic->SetName("Viewer2");
    EXPECT_TRUE(control->Calls().empty()) << "the same name changes nothing";
    delete generic;
}

TEST_F(HostTest, TheRemoteDesktopControlsHostOnlyTellsTheControlItsNewName) {
    CreateHost();
    host->EnsureRunning();
    auto control = Control();
    control->ClearRecord();
    host->SetName("session");
    EXPECT_THAT(control->Calls(), testing::ElementsAre("IOleControl::OnAmbientPropertyChange(-702)"));
    Variant name;
    ASSERT_EQ(control->ReadAmbient(DISPID_AMBIENT_DISPLAYNAME, name), S_OK);
    EXPECT_EQ(std::wstring(name.Get().bstrVal), L"session");
}
