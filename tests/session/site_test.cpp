// What the control observes of its site: the interfaces it answers, the answers of each method,
// the ambient properties, and the stock properties kept in step with the host.

#include "tests/session/host_fixture.h"

#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "session/ole_font.h"
#include "session/rdp_ids.h"
#include "tests/support/scripted_control/call_text.h"

#include <gmock/gmock.h>

#include <ocidl.h>

namespace {

struct FontFace {
    std::wstring name;
    int64_t size; // in ten-thousandths of a point
};

// The face of an OLE font; empty when the object is no font.
FontFace FaceOf(IUnknown* object) {
    ComPtr<IFont> font;
    EXPECT_EQ(object->QueryInterface(IID_IFont, font.PutVoid()), S_OK);
    if (!font)
        return {};
    Bstr name;
    CY size{};
    font->get_Name(name.Put());
    font->get_Size(&size);
    return {std::wstring(name.View()), size.int64};
}

// The face name an OLE font reports for a requested one: Wine's font objects report the face
// they realised, which for a font the prefix lacks is a substitute.
std::wstring RealizedFaceName(const char* requested) {
    TFont font;
    font.SetName(requested);
    return FaceOf(CreateOleFont(font).Get()).name;
}

} // namespace

TEST_F(HostTest, TheSiteAnswersItsEightInterfacesWithOneIdentityAndNothingElse) {
    CreateHost();
    const auto site = Control()->ClientSite();
    ASSERT_TRUE(site);
    ComPtr<IUnknown> identity;
    ASSERT_EQ(site->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    for (const IID& iid : {IID_IOleClientSite, IID_IOleControlSite, IID_IOleInPlaceSite, IID_IOleInPlaceFrame,
                           IID_IDispatch, IID_IPropertyNotifySink, IID_ISimpleFrameSite}) {
        SCOPED_TRACE(scripted::IidName(iid));
        ComPtr<IUnknown> part;
        ASSERT_EQ(site->QueryInterface(iid, part.PutVoid()), S_OK);
        ComPtr<IUnknown> back;
        ASSERT_EQ(part->QueryInterface(IID_IUnknown, back.PutVoid()), S_OK);
        EXPECT_EQ(back, identity);
    }
    // No windowless or extended in-place activation, no container, no services.
    for (const IID& iid : {IID_IOleWindow, IID_IOleInPlaceUIWindow, IID_IOleInPlaceSiteEx,
                           IID_IOleInPlaceSiteWindowless, IID_IOleContainer, IID_IServiceProvider}) {
        SCOPED_TRACE(scripted::IidName(iid));
        void* out = reinterpret_cast<void*>(1);
        EXPECT_EQ(site->QueryInterface(iid, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
    const long held = host->SiteRefCount();
    identity.Reset();
    EXPECT_EQ(host->SiteRefCount(), held - 1) << "every part counts on the host";
}

TEST_F(HostTest, TheClientAndControlSitesAnswerAsAContainerWithoutDocumentOrExtendedControl) {
    CreateHost();
    const auto site = Control()->ClientSite();
    EXPECT_EQ(site->SaveObject(), S_OK);
    EXPECT_EQ(site->OnShowWindow(TRUE), S_OK);
    IMoniker* moniker = reinterpret_cast<IMoniker*>(1);
    EXPECT_EQ(site->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_OBJFULL, &moniker), E_NOTIMPL);
    EXPECT_EQ(moniker, nullptr);
    IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
    EXPECT_EQ(site->GetContainer(&container), E_NOINTERFACE);
    EXPECT_EQ(container, nullptr);

    const auto controlSite = Control()->ClientSite().As<IOleControlSite>();
    EXPECT_EQ(controlSite->OnControlInfoChanged(), E_NOTIMPL);
    EXPECT_EQ(controlSite->LockInPlaceActive(TRUE), E_NOTIMPL);
    MSG msg{};
    EXPECT_EQ(controlSite->TranslateAccelerator(&msg, 0), E_NOTIMPL);
    EXPECT_EQ(controlSite->OnFocus(TRUE), E_NOTIMPL);
    EXPECT_EQ(controlSite->ShowPropertyFrame(), E_NOTIMPL);
    IDispatch* extended = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(controlSite->GetExtendedControl(&extended), E_NOTIMPL);
    EXPECT_EQ(extended, nullptr);
}

TEST_F(HostTest, TheInPlaceSiteGivesTheFormAsWindowAndFrameAndTheHostsBounds) {
    CreateHost();
    host->SetBounds(3, 4, 385, 217);
    ShowForm();
    // As the control saw it while activating.
    EXPECT_THAT(
        Control()->Trace(),
        testing::Contains("-> IOleInPlaceSite::GetWindowContext() -> (3,4,388,221), clip (0,0,32767,32767), "
                          "frame window " +
                          scripted::HwndText(form->Handle()) + " = S_OK"));
    const auto site = Control()->ClientSite().As<IOleInPlaceSite>();
    HWND window = nullptr;
    EXPECT_EQ(site->GetWindow(&window), S_OK);
    EXPECT_EQ(window, form->Handle());
    EXPECT_EQ(site->ContextSensitiveHelp(TRUE), S_OK);
    EXPECT_EQ(site->CanInPlaceActivate(), S_OK);
    EXPECT_EQ(site->Scroll(SIZE{1, 1}), E_NOTIMPL);
    EXPECT_EQ(site->DiscardUndoState(), E_NOTIMPL);

    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    info.fMDIApp = TRUE;
    info.cAccelEntries = 9;
    ASSERT_EQ(site->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &info), S_OK);
    EXPECT_EQ(frame, Control()->ClientSite().As<IOleInPlaceFrame>());
    EXPECT_FALSE(document);
    EXPECT_EQ(info.fMDIApp, FALSE);
    EXPECT_EQ(info.hwndFrame, form->Handle());
    EXPECT_EQ(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 0u);

    // The frame: the top-level window, no tool space, no menus to merge, no accelerators.
    EXPECT_EQ(frame->GetWindow(&window), S_OK);
    EXPECT_EQ(window, form->Handle());
    RECT border{1, 1, 1, 1};
    EXPECT_EQ(frame->GetBorder(&border), INPLACE_E_NOTOOLSPACE);
    BORDERWIDTHS widths{};
    EXPECT_EQ(frame->RequestBorderSpace(&widths), INPLACE_E_NOTOOLSPACE);
    EXPECT_EQ(frame->SetBorderSpace(&widths), E_NOTIMPL);
    EXPECT_EQ(frame->ContextSensitiveHelp(FALSE), S_OK);
    EXPECT_EQ(frame->SetActiveObject(nullptr, nullptr), S_OK);
    EXPECT_EQ(frame->SetStatusText(L"x"), S_OK);
    EXPECT_EQ(frame->EnableModeless(TRUE), S_OK);
    EXPECT_EQ(frame->SetMenu(nullptr, nullptr, nullptr), S_OK);
    MSG key{};
    key.message = WM_KEYDOWN;
    EXPECT_EQ(frame->TranslateAccelerator(&key, 0), S_FALSE);
    const HMENU shared = CreateMenu();
    AppendMenuA(shared, MF_STRING, 1, "Fichier");
    AppendMenuA(shared, MF_STRING, 2, "Edition");
    OLEMENUGROUPWIDTHS groups{{1, 1, 1, 1, 1, 1}};
    EXPECT_EQ(frame->InsertMenus(shared, &groups), S_OK);
    EXPECT_EQ(groups.width[0] + groups.width[2] + groups.width[4], 0) << "no menu groups of the form's";
    EXPECT_EQ(frame->RemoveMenus(shared), S_OK);
    EXPECT_EQ(GetMenuItemCount(shared), 0);
    DestroyMenu(shared);
}

TEST_F(HostTest, WithoutAParentTheInPlaceSiteHasNoWindow) {
    host = new ProbeHost(form.get());
    const auto site = Control()->ClientSite().As<IOleInPlaceSite>();
    HWND window = reinterpret_cast<HWND>(1);
    EXPECT_EQ(site->GetWindow(&window), E_FAIL);
    EXPECT_EQ(window, nullptr);
}

TEST_F(HostTest, InPlaceSiteCallsThatConcernTheActiveObjectReachIt) {
    auto control = ShowNewHost();
    const auto site = control->ClientSite().As<IOleInPlaceSite>();
    const RECT moved{10, 20, 110, 220};
    EXPECT_EQ(site->OnPosRectChange(&moved), S_OK);
    EXPECT_EQ(control->Calls().back(),
              "IOleInPlaceObject::SetObjectRects((10,20,110,220), (0,0,32767,32767))");
    EXPECT_EQ(site->DeactivateAndUndo(), S_OK);
    EXPECT_EQ(control->Calls().back(), "IOleInPlaceObject::UIDeactivate()");
}

TEST_F(HostTest, AmbientPropertiesFollowTheFormAndTheHost) {
    auto control = ShowNewHost();
    const struct {
        DISPID dispid;
        std::string value;
    } answers[] = {
        {DISPID_AMBIENT_BACKCOLOR, "I4 -2147483633"}, // clBtnFace, the form's colour
        {DISPID_AMBIENT_DISPLAYNAME, "BSTR \"msrdp\""},
        {DISPID_AMBIENT_FORECOLOR, "I4 -2147483640"}, // clWindowText
        {DISPID_AMBIENT_LOCALEID, "I4 " + std::to_string(int32_t(GetUserDefaultLCID()))},
        {DISPID_AMBIENT_MESSAGEREFLECT, "BOOL -1"},
        {DISPID_AMBIENT_USERMODE, "BOOL -1"},
        {DISPID_AMBIENT_UIDEAD, "BOOL 0"},
        {DISPID_AMBIENT_SHOWGRABHANDLES, "BOOL 0"},
        {DISPID_AMBIENT_SHOWHATCHING, "BOOL 0"},
        {DISPID_AMBIENT_SUPPORTSMNEMONICS, "BOOL -1"},
        {DISPID_AMBIENT_AUTOCLIP, "BOOL -1"},
    };
    for (const auto& a : answers) {
        SCOPED_TRACE(a.dispid);
        Variant value;
        EXPECT_EQ(control->ReadAmbient(a.dispid, value), S_OK);
        EXPECT_EQ(scripted::VariantText(value.Get()), a.value);
    }
    for (const DISPID unlisted :
         std::initializer_list<DISPID>{DISPID_AMBIENT_SCALEUNITS, DISPID_AMBIENT_TEXTALIGN,
                                       DISPID_AMBIENT_DISPLAYASDEFAULT, DISPID_AMBIENT_PALETTE, 1}) {
        Variant value;
        EXPECT_EQ(control->ReadAmbient(unlisted, value), DISP_E_MEMBERNOTFOUND) << unlisted;
    }

    // Only a property get with somewhere to put the value is answered.
    const auto ambient = control->ClientSite().As<IDispatch>();
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Variant result;
    EXPECT_EQ(ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_METHOD, &none, result.Put(),
                              nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr,
                              nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    ExpectNoTypeInformation(ambient.Get());
}

TEST_F(HostTest, TheAmbientFontIsAnOleFontOfTheFormsFontAndItsChangesAreAnnounced) {
    auto control = ShowNewHost();
    Variant value;
    ASSERT_EQ(control->ReadAmbient(DISPID_AMBIENT_FONT, value), S_OK);
    ASSERT_EQ(value.Type(), VT_DISPATCH);
    const FontFace face = FaceOf(value.Get().pdispVal);
    EXPECT_EQ(face.name, RealizedFaceName("MS Sans Serif"));
    EXPECT_EQ(face.size, 82500) << "11 pixels at 96 per inch: 8.25 points";

    control->ClearRecord();
    form->Font().SetName("Tahoma");
    form->Font().SetHeight(-16);
    EXPECT_THAT(control->Calls(), testing::IsSupersetOf({"IOleControl::OnAmbientPropertyChange(-703)",
                                                         "IOleControl::OnAmbientPropertyChange(-704)"}));
    ASSERT_EQ(control->ReadAmbient(DISPID_AMBIENT_FONT, value), S_OK);
    ASSERT_EQ(value.Type(), VT_DISPATCH);
    const FontFace followed = FaceOf(value.Get().pdispVal);
    EXPECT_EQ(followed.name, RealizedFaceName("Tahoma"));
    EXPECT_EQ(followed.size, 120000) << "16 pixels: 12 points";

    control->ClearRecord();
    form->SetColor(clWindow);
    EXPECT_THAT(control->Calls(), testing::ElementsAre("IOleControl::OnAmbientPropertyChange(-701)"));
    ASSERT_EQ(control->ReadAmbient(DISPID_AMBIENT_BACKCOLOR, value), S_OK);
    EXPECT_EQ(value.Get().lVal, clWindow);
}

TEST_F(HostTest, GivenANewParentARunningControlHearsThatEveryAmbientPropertyChanged) {
    CreateHost();
    host->EnsureRunning();
    auto control = Control();
    control->ClearRecord();
    auto* panel = new TWinControl(form.get());
    panel->SetParent(form.get());
    host->SetParent(panel);
    // After the font and colour it takes from the new parent.
    const auto calls = control->Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_THAT(
        std::vector<std::string>(calls.end() - 2, calls.end()),
        testing::ElementsAre("IOleObject::GetClientSite()", "IOleControl::OnAmbientPropertyChange(-1)"));
}

TEST_F(HostTest, PropertyNotificationsCopyTheControlsStockPropertiesIntoTheHost) {
    CreateHost();
    host->EnsureRunning();
    auto control = Control();
    Script().SetReadResult(DISPID_BACKCOLOR, Variant::Long(0x123456));
    Script().SetReadResult(DISPID_FORECOLOR, Variant::Long(0x0000FF));
    Script().SetReadResult(DISPID_ENABLED, Variant::Bool(false));
    TFont tahoma;
    tahoma.SetName("Tahoma");
    tahoma.SetHeight(-16);
    Script().SetReadResult(DISPID_FONT, Variant::Dispatch(CreateOleFont(tahoma).Get()));
    for (const DISPID dispid : {DISPID_BACKCOLOR, DISPID_FORECOLOR, DISPID_ENABLED, DISPID_FONT})
        EXPECT_EQ(control->NotifyPropertyChanged(dispid), S_OK);
    EXPECT_EQ(host->Color(), 0x123456);
    EXPECT_EQ(host->Font().Color(), 0x0000FF);
    EXPECT_FALSE(host->Enabled());
    EXPECT_EQ(host->Font().Name(), WideToAnsi(RealizedFaceName("Tahoma")));
    EXPECT_EQ(host->Font().Height(), -16);

    // A failed read keeps the host's value, silently; other DISPIDs are not read.
    Script().Answer("IDispatch::Invoke(-501, GET", E_FAIL);
    EXPECT_EQ(control->NotifyPropertyChanged(DISPID_BACKCOLOR), S_OK);
    EXPECT_EQ(host->Color(), 0x123456);
    EXPECT_EQ(control->NotifyPropertyChanged(RdpDispId::Server), S_OK);
    EXPECT_EQ(control->CountCalls("IDispatch::Invoke(1,"), 0);
    EXPECT_TRUE(app.reports.empty());

    // A notification that arrives while the host reads the same property is not followed.
    Script().ClearAnswers();
    int reads = 0;
    Script().Observer = [&](const std::string& call) {
        if (call.rfind("IDispatch::Invoke(-501, GET", 0) == 0 && ++reads == 1)
            control->NotifyPropertyChanged(DISPID_BACKCOLOR);
    };
    control->NotifyPropertyChanged(DISPID_BACKCOLOR);
    Script().Observer = nullptr;
    EXPECT_EQ(reads, 1);

    const auto sink = control->ClientSite().As<IPropertyNotifySink>();
    EXPECT_EQ(sink->OnRequestEdit(DISPID_BACKCOLOR), S_OK);
    const auto simpleFrame = control->ClientSite().As<ISimpleFrameSite>();
    LRESULT result = 1;
    DWORD cookie = 1;
    EXPECT_EQ(simpleFrame->PreMessageFilter(nullptr, WM_NULL, 0, 0, &result, &cookie), S_OK);
    EXPECT_EQ(simpleFrame->PostMessageFilter(nullptr, WM_NULL, 0, 0, &result, cookie), S_OK);
}
