// The scripted control as the host tests rely on it: found through COM under the real class
// identifier, its record, its scripted answers, its reference counts, its events.

#include "tests/session/host_fixture.h"
#include "tests/session/ole_exception_checks.h"
#include "tests/session/test_sink.h"
#include "tests/support/scripted_control/registration.h"

#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "base/win/com_ptr.h"
#include "base/win/global_memory.h"
#include "base/win/variant.h"
#include "session/msrdp_client_data.h"
#include "session/ole_check.h"
#include "session/ole_errors.h"
#include "session/rdp_client.h"
#include "session/rdp_ids.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <olectl.h>

using scripted::ScriptedControlRegistration;
using testing::ElementsAre;

namespace {

class ScriptedControlTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(registration.Result(), S_OK); }

    // Created as the host creates it; `control` is its record.
    ComPtr<IOleObject> Create() {
        ComPtr<IOleObject> object;
        EXPECT_EQ(CoCreateInstance(CLSID_MsRdpClient6NotSafeForScripting, nullptr,
                                   CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                                   object.PutVoid()),
                  S_OK);
        control = registration.LastInstance();
        return object;
    }

    scripted::ControlScript& Script() { return registration.Script(); }

    HRESULT Put(IDispatch* dispatch, DISPID dispid, Variant value, bool named = true) {
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{value.Ptr(), named ? &put : nullptr, 1, named ? 1u : 0u};
        return dispatch->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                                nullptr);
    }

    HRESULT Get(IDispatch* dispatch, DISPID dispid, Variant& result, EXCEPINFO* excepInfo = nullptr) {
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        return dispatch->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result.Put(), excepInfo,
                                nullptr);
    }

    ScriptedControlRegistration registration;
    std::shared_ptr<scripted::ScriptedInstance> control;
};

} // namespace

// CoCreateInstance with CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER finds the class object
// registered with CoRegisterClassObject(CLSCTX_INPROC_SERVER) before any registry entry.
TEST_F(ScriptedControlTest, IsFoundUnderTheRealClassIdentifierAndCountsItsReferences) {
    ComPtr<IOleObject> object = Create();
    ASSERT_TRUE(object);
    ASSERT_EQ(registration.InstancesCreated(), 1);
    EXPECT_EQ(control->RefCount(), 1);
    EXPECT_EQ(control->LiveObjects(), 1);
    {
        ComPtr<IPersistStreamInit> persist = object.As<IPersistStreamInit>();
        ComPtr<IMsRdpClient6> client = object.As<IMsRdpClient6>();
        ASSERT_TRUE(persist && client);
        EXPECT_EQ(control->RefCount(), 3);
    }
    EXPECT_EQ(control->RefCount(), 1);
    object.Reset();
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(control->RefCount(), 0);
    EXPECT_EQ(control->LiveObjects(), 0);
}

TEST_F(ScriptedControlTest, RecordsCallsWithTheirArgumentsInOrder) {
    ComPtr<IOleObject> object = Create();
    control->ClearRecord();
    DWORD misc = 0;
    object->GetMiscStatus(DVASPECT_CONTENT, &misc);
    object->SetClientSite(nullptr);
    SIZEL size{};
    object->GetExtent(DVASPECT_CONTENT, &size);
    object.As<IOleControl>()->OnAmbientPropertyChange(DISPID_UNKNOWN);
    object->Close(OLECLOSE_NOSAVE);
    EXPECT_THAT(control->Calls(),
                ElementsAre("IOleObject::GetMiscStatus(CONTENT)", "IOleObject::SetClientSite(null)",
                            "IOleObject::GetExtent(CONTENT)", "IOleControl::OnAmbientPropertyChange(-1)",
                            "IOleObject::Close(NOSAVE)"));
    EXPECT_EQ(control->CountCalls("IOleObject::"), 4);
    EXPECT_THAT(control->CallsWithQueries(),
                testing::Contains("IUnknown::QueryInterface(IOleControl) = S_OK"));
    EXPECT_EQ(misc, Script().MiscStatus);
    EXPECT_EQ(size.cx, 10186);
    EXPECT_EQ(size.cy, 5741);
}

TEST_F(ScriptedControlTest, AnswersChosenCallsAndKeepsOutParametersReset) {
    Script().Answer("IOleObject::GetMiscStatus", E_FAIL, 1);
    Script().Answer("IOleObject::SetExtent", S_FALSE);
    Script().MiscStatus = OLEMISC_INVISIBLEATRUNTIME;
    ComPtr<IOleObject> object = Create();
    DWORD misc = 0xDEAD;
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &misc), E_FAIL);
    EXPECT_EQ(misc, 0u);
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK); // answered once only
    EXPECT_EQ(misc, static_cast<DWORD>(OLEMISC_INVISIBLEATRUNTIME));

    SIZEL wanted{2000, 1000}, size{};
    EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &wanted), S_FALSE); // refused: the extent stays
    object->GetExtent(DVASPECT_CONTENT, &size);
    EXPECT_EQ(size.cx, 10186);
    Script().ClearAnswers();
    EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &wanted), S_OK);
    object->GetExtent(DVASPECT_CONTENT, &size);
    EXPECT_EQ(size.cx, 2000);
    EXPECT_THAT(control->Calls(), testing::Contains("IOleObject::SetExtent(CONTENT, 2000x1000)"));
}

TEST_F(ScriptedControlTest, WithholdsInterfacesAndConnectionPoints) {
    Script().Withhold(IID_IOleControl);
    Script().Withhold(__uuidof(IMsRdpClient6));
    Script().WithholdConnectionPoint(DIID_IMsTscAxEvents);
    ComPtr<IOleObject> object = Create();
    EXPECT_FALSE(object.As<IOleControl>());
    EXPECT_FALSE(object.As<IMsRdpClient6>());
    EXPECT_TRUE(object.As<IMsRdpClient5>());
    EXPECT_TRUE(object.As<IDispatch>());
    EXPECT_TRUE(object.As<IPerPropertyBrowsing>());
    auto container = object.As<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(DIID_IMsTscAxEvents, point.Put()), CONNECT_E_NOCONNECTION);
    EXPECT_FALSE(point);
    EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put()), S_OK);
    EXPECT_EQ(control->CallsWithQueries()[0], "IUnknown::QueryInterface(IOleObject) = S_OK");
}

TEST_F(ScriptedControlTest, DispatchPropertiesKeepWhatIsWrittenAndRecordTheVariants) {
    ComPtr<IOleObject> object = Create();
    auto dispatch = object.As<IDispatch>();
    control->ClearRecord();
    EXPECT_EQ(Put(dispatch.Get(), RdpDispId::Server, Variant::Text(L"127.20.30.40")), S_OK);
    EXPECT_EQ(Put(dispatch.Get(), RdpDispId::UserName, Variant::Text(L"")), S_OK);
    EXPECT_EQ(Put(dispatch.Get(), RdpDispId::Server, Variant::Text(L"x"), false), DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(Put(dispatch.Get(), RdpDispId::Connected, Variant::Short(1)), DISP_E_MEMBERNOTFOUND);
    Variant read;
    EXPECT_EQ(Get(dispatch.Get(), RdpDispId::Server, read), S_OK);
    EXPECT_EQ(std::wstring_view(read.Get().bstrVal), L"127.20.30.40");
    EXPECT_EQ(Get(dispatch.Get(), RdpDispId::Connected, read), S_OK);
    EXPECT_EQ(read.Type(), VT_I2);
    EXPECT_EQ(Get(dispatch.Get(), 999, read), DISP_E_MEMBERNOTFOUND);
    EXPECT_THAT(control->Calls(),
                ElementsAre("IDispatch::Invoke(1, PUT, [BSTR \"127.20.30.40\"], named [-3])",
                            "IDispatch::Invoke(3, PUT, [BSTR null], named [-3])",
                            "IDispatch::Invoke(1, PUT, [BSTR \"x\"], named [])",
                            "IDispatch::Invoke(6, PUT, [I2 1], named [-3])",
                            "IDispatch::Invoke(1, GET, [], named [])",
                            "IDispatch::Invoke(6, GET, [], named [])",
                            "IDispatch::Invoke(999, GET, [], named [])"));

    // The vtable properties share the values.
    Bstr server;
    EXPECT_EQ(object.As<IMsRdpClient6>()->get_Server(server.Put()), S_OK);
    EXPECT_EQ(server.View(), L"127.20.30.40");
}

TEST_F(ScriptedControlTest, PropertyReadCanReturnAnyVariant) {
    Script().SetReadResult(RdpDispId::Connected, Variant::Long(0x12340001));
    ComPtr<IOleObject> object = Create();
    Variant read;
    EXPECT_EQ(Get(object.As<IDispatch>().Get(), RdpDispId::Connected, read), S_OK);
    EXPECT_EQ(read.Type(), VT_I4);
    EXPECT_EQ(read.Get().lVal, 0x12340001);
}

TEST_F(ScriptedControlTest, InvokeFailsWithExcepInfoThatTheDispatchCheckReports) {
    scripted::ExcepInfoScript refused;
    refused.scode = E_ACCESSDENIED;
    refused.description = L"Acc\u00e8s refus\u00e9.\r\n";
    refused.source = L"MsTscAx";
    Script().FailWithExcepInfo("IDispatch::Invoke(1,", refused, 1);
    scripted::ExcepInfoScript later = refused;
    later.deferred = true;
    later.description = L"Plus tard.";
    Script().FailWithExcepInfo("IDispatch::Invoke(3,", later, 1);
    ComPtr<IOleObject> object = Create();
    auto dispatch = object.As<IDispatch>();
    const struct {
        DISPID dispid;
        bool deferred;
        std::string message;
    } cases[] = {{RdpDispId::Server, false, WideToAnsi(L"Acc\u00e8s refus\u00e9")},
                 {RdpDispId::UserName, true, "Plus tard"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dispid);
        EXCEPINFO excepInfo{};
        Variant read;
        const HRESULT hr = Get(dispatch.Get(), c.dispid, read, &excepInfo);
        EXPECT_EQ(hr, DISP_E_EXCEPTION);
        EXPECT_EQ(excepInfo.pfnDeferredFillIn != nullptr, c.deferred);
        ExpectOleException(Raised<EOleException>([&] { DispatchInvokeCheck(hr, excepInfo); }).get(),
                           {c.message, E_ACCESSDENIED, "MsTscAx", "", 0});
    }
    Variant read;
    EXPECT_EQ(Get(dispatch.Get(), RdpDispId::Server, read), S_OK); // answered once only
}

TEST_F(ScriptedControlTest, VtableCallFailsWithAnErrorObjectThatTheSafeCallCheckReports) {
    Script().FailWithErrorInfo("IMsTscAx::Connect", E_FAIL, {L"Serveur introuvable.", L"MsTscAx", L"", 7});
    ComPtr<IOleObject> object = Create();
    auto client = object.As<IMsRdpClient6>();
    const HRESULT hr = client->Connect();
    EXPECT_EQ(hr, E_FAIL);
    ExpectOleException(Raised<EOleException>([&] { SafeCallCheck(hr); }).get(),
                       {"Serveur introuvable", E_FAIL, "MsTscAx", "", 7});
    EXPECT_FALSE(control->Connecting());
}

TEST_F(ScriptedControlTest, SettingsObjectsRecordTheDeclaringInterfaceAndAreCounted) {
    ComPtr<IOleObject> object = Create();
    auto client = object.As<IMsRdpClient6>();
    control->ClearRecord();
    {
        ComPtr<IMsRdpClientAdvancedSettings> settings;
        ASSERT_EQ(client->get_AdvancedSettings2(settings.Put()), S_OK);
        EXPECT_EQ(control->LiveObjects(), 2);
        settings->put_RDPPort(4123);
        settings->put_ClearTextPassword(Bstr(L"secret").Get());
        settings->put_SmartSizing(VARIANT_TRUE);
        ComPtr<IMsRdpClientAdvancedSettings6> settings7;
        ASSERT_EQ(client->get_AdvancedSettings7(settings7.Put()), S_OK);
        EXPECT_EQ(control->LiveObjects(), 3);
        settings7->put_EnableCredSspSupport(VARIANT_TRUE);
        long port = 0;
        settings7->get_RDPPort(&port); // one store for all settings objects
        EXPECT_EQ(port, 4123);
    }
    EXPECT_EQ(control->LiveObjects(), 1);
    EXPECT_THAT(control->Calls(),
                ElementsAre("IMsRdpClient::get_AdvancedSettings2()",
                            "IMsRdpClientAdvancedSettings::put_RDPPort(4123)",
                            "IMsRdpClientAdvancedSettings::put_ClearTextPassword(\"secret\")",
                            "IMsRdpClientAdvancedSettings::put_SmartSizing(-1)",
                            "IMsRdpClient6::get_AdvancedSettings7()",
                            "IMsRdpClientAdvancedSettings6::put_EnableCredSspSupport(-1)",
                            "IMsRdpClientAdvancedSettings::get_RDPPort()"));
    EXPECT_EQ(control->Setting("EnableCredSspSupport").boolVal, VARIANT_TRUE);
    object.Reset();
    client.Reset();
    EXPECT_EQ(control->LiveObjects(), 0);
}

TEST_F(ScriptedControlTest, LoadsItsStateOnceFromAStream) {
    ComPtr<IOleObject> object = Create();
    auto persist = object.As<IPersistStreamInit>();
    GlobalMemory block = GlobalMemory::FromBytes(kMsRdpClientStoredState, kMsRdpClientStoredStateSize);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(block.Get(), FALSE, stream.Put()), S_OK);
    EXPECT_EQ(persist->Load(stream.Get()), S_OK);
    ASSERT_TRUE(control->LoadedState());
    EXPECT_EQ(control->LoadedState()->size(), kMsRdpClientStoredStateSize);
    EXPECT_EQ(control->Calls().back(),
              "IPersistStreamInit::Load(00 03 00 00 08 00 02 00 00 00 00 00 0B 00 00 00 0B "
              "00 00 00)");
    EXPECT_EQ(persist->InitNew(), E_UNEXPECTED);
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(persist->Load(stream.Get()), E_UNEXPECTED);
    EXPECT_EQ(control->CountCalls("IPersistStreamInit::Load"), 2);
}

TEST_F(ScriptedControlTest, FiresEventsIntoAdvisedSinksWithArgumentsInReverse) {
    ComPtr<IOleObject> object = Create();
    TestEventSink sink;
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(object.As<IConnectionPointContainer>()->FindConnectionPoint(DIID_IMsTscAxEvents, point.Put()),
              S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    EXPECT_EQ(sink.refs, 2);

    EXPECT_EQ(control->Fire(RdpEvent::OnConnected), S_OK);
    EXPECT_EQ(control->Fire(RdpEvent::OnDisconnected, Variant::Long(3)), S_OK);
    std::vector<Variant> channel;
    channel.push_back(Variant::Text(L"chan"));
    channel.push_back(Variant::Text(L"data"));
    EXPECT_EQ(control->FireEvent(RdpEvent::OnChannelReceivedData, std::move(channel)), S_OK);
    EXPECT_EQ(control->Fire(RdpEvent::OnConfirmClose), S_OK);
    EXPECT_THAT(sink.calls, ElementsAre("2 METHOD []", "4 METHOD [I4 3]",
                                        "7 METHOD [BSTR \"data\", BSTR \"chan\"]", "15 METHOD [] result"));
    EXPECT_THAT(control->Trace(),
                testing::Contains("-> IMsTscAxEvents::Invoke(7, [BSTR \"chan\", BSTR \"data\"]) = S_OK"));

    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(sink.refs, 1);
    EXPECT_EQ(control->Fire(RdpEvent::OnConnected), S_FALSE);
    EXPECT_EQ(sink.calls.size(), 4u);
}

TEST_F(ScriptedControlTest, ReleasesSinksStillAdvisedWhenDestroyed) {
    ComPtr<IOleObject> object = Create();
    TestEventSink events;
    TestPropertySink properties;
    auto container = object.As<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    container->FindConnectionPoint(DIID_IMsTscAxEvents, point.Put());
    point->Advise(&events, &cookie);
    container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put());
    point->Advise(&properties, &cookie);
    point.Reset();
    container.Reset();
    Script().NotifyOnStockPropertyWrite = true;
    EXPECT_EQ(Put(object.As<IDispatch>().Get(), DISPID_BACKCOLOR, Variant::Long(0xFF)), S_OK);
    EXPECT_EQ(control->NotifyPropertyChanged(DISPID_ENABLED), S_OK);
    EXPECT_THAT(properties.changed, ElementsAre(DISPID_BACKCOLOR, DISPID_ENABLED));
    object.Reset();
    EXPECT_FALSE(control->Alive());
    EXPECT_EQ(events.refs, 1);
    EXPECT_EQ(properties.refs, 1);
    EXPECT_EQ(control->Fire(RdpEvent::OnConnected), E_UNEXPECTED);
}

TEST_F(ScriptedControlTest, ActivatesInPlaceWithItsOwnChildWindowThroughTheSite) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    TestSite site(parent, RECT{5, 6, 390, 223});
    {
        ComPtr<IOleObject> object = Create();
        ASSERT_EQ(object->SetClientSite(&site), S_OK);
        control->ClearRecord();
        RECT bounds{5, 6, 390, 223};
        EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, parent, &bounds), S_OK);
        ASSERT_TRUE(control->InPlaceActive());
        EXPECT_FALSE(control->UIActive());
        HWND window = control->Window();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetParent(window), parent);
        RECT placed;
        GetWindowRect(window, &placed);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, 5);
        EXPECT_EQ(placed.right - placed.left, 385);
        EXPECT_EQ(placed.bottom - placed.top, 217);
        const std::string parentText = scripted::HwndText(parent);
        EXPECT_THAT(
            control->Trace(),
            ElementsAre("IOleObject::DoVerb(INPLACEACTIVATE, msg null, site, 0, " + parentText +
                            ", (5,6,390,223))",
                        "-> IOleClientSite::QueryInterface(IOleInPlaceSite) = S_OK",
                        "-> IOleInPlaceSite::CanInPlaceActivate() = S_OK",
                        "-> IOleInPlaceSite::OnInPlaceActivate() = S_OK",
                        "-> IOleInPlaceSite::GetWindow() -> " + parentText + " = S_OK",
                        "-> IOleInPlaceSite::GetWindowContext() -> (5,6,390,223), clip (0,0,32767,32767), "
                        "frame window " +
                            parentText + " = S_OK",
                        "-> IOleClientSite::ShowObject() = S_OK"));

        HWND reported = nullptr;
        EXPECT_EQ(object.As<IOleInPlaceObject>()->GetWindow(&reported), S_OK);
        EXPECT_EQ(reported, window);

        control->ClearRecord();
        EXPECT_EQ(object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &site, 0, parent, &bounds), S_OK);
        EXPECT_TRUE(control->UIActive());
        EXPECT_THAT(control->Trace(), testing::Contains("-> IOleInPlaceSite::OnUIActivate() = S_OK"));

        control->ClearRecord();
        EXPECT_EQ(object->Close(OLECLOSE_NOSAVE), S_OK);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(control->Window(), nullptr);
        EXPECT_THAT(control->Trace(), ElementsAre("IOleObject::Close(NOSAVE)",
                                                  "-> IOleInPlaceSite::OnUIDeactivate(FALSE) = S_OK",
                                                  "-> IOleInPlaceSite::OnInPlaceDeactivate() = S_OK"));
        object->SetClientSite(nullptr);
    }
    EXPECT_EQ(site.refs, 1);
    DestroyWindow(parent);
}

TEST_F(ScriptedControlTest, ReportsTheScriptedAcceleratorTable) {
    Script().Accelerators = {{FVIRTKEY | FALT, 'C', 1}, {FVIRTKEY, VK_F5, 2}};
    ComPtr<IOleObject> object = Create();
    auto oleControl = object.As<IOleControl>();
    CONTROLINFO info{};
    info.cb = sizeof info;
    ASSERT_EQ(oleControl->GetControlInfo(&info), S_OK);
    ASSERT_NE(info.hAccel, nullptr);
    EXPECT_EQ(info.cAccel, 2);
    ACCEL entries[2];
    EXPECT_EQ(CopyAcceleratorTableW(info.hAccel, entries, 2), 2);
    EXPECT_EQ(entries[1].key, VK_F5);
    MSG msg{nullptr, WM_SYSKEYDOWN, 'C', 0, 0, {0, 0}};
    EXPECT_EQ(oleControl->OnMnemonic(&msg), S_OK);
    EXPECT_EQ(control->Calls().back(),
              "IOleControl::OnMnemonic(hwnd null, 0x0104, 0x43, 0x0, time 0, pt (0,0))");
}

namespace {

using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

// The in-process server build of the control, loaded for each test.
class ScriptedRdpControlDll : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dll && getClassObject); }
    void TearDown() override {
        if (dll)
            FreeLibrary(dll);
    }

    template <class Function>
    Function Export(const char* name) const {
        // Through a generic function pointer, which any function pointer type may be cast from.
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
    }

    const HMODULE dll = LoadLibraryW(ORLIX_SCRIPTED_CONTROL_DLL);
    const GetClassObjectFunction getClassObject = Export<GetClassObjectFunction>("DllGetClassObject");
};

} // namespace

TEST_F(ScriptedRdpControlDll, ServesTheControlAsAnInProcessServer) {
    auto canUnloadNow = Export<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow");
    ASSERT_TRUE(canUnloadNow);
    EXPECT_NE(GetProcAddress(dll, "DllRegisterServer"), nullptr);
    EXPECT_NE(GetProcAddress(dll, "DllUnregisterServer"), nullptr);
    {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(getClassObject(CLSID_NULL, IID_IClassFactory, factory.PutVoid()),
                  CLASS_E_CLASSNOTAVAILABLE);
        ASSERT_EQ(getClassObject(CLSID_MsRdpClient6NotSafeForScripting, IID_IClassFactory, factory.PutVoid()),
                  S_OK);
        ComPtr<IMsRdpClient6> client;
        ASSERT_EQ(factory->CreateInstance(nullptr, __uuidof(IMsRdpClient6), client.PutVoid()), S_OK);
        EXPECT_EQ(canUnloadNow(), S_FALSE);
        EXPECT_EQ(client->Connect(), S_OK);
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
}

// The server build plays the development accounts; the in-process test registration does not
// unless a test asks (see DemoAccountTest).
TEST_F(ScriptedRdpControlDll, PlaysTheDevelopmentAccountsInItsWindow) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
    TestSite site(parent, RECT{0, 0, 385, 217});
    TestEventSink sink;
    {
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(getClassObject(CLSID_MsRdpClient6NotSafeForScripting, IID_IClassFactory, factory.PutVoid()),
                  S_OK);
        ComPtr<IOleObject> object;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IOleObject, object.PutVoid()), S_OK);
        ComPtr<IConnectionPoint> point;
        DWORD cookie = 0;
        object.As<IConnectionPointContainer>()->FindConnectionPoint(DIID_IMsTscAxEvents, point.Put());
        ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
        object->SetClientSite(&site);
        RECT bounds{0, 0, 385, 217};
        ASSERT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, parent, &bounds), S_OK);
        auto client = object.As<IMsRdpClient6>();
        client->put_UserName(Bstr(L"injoignable").Get());
        EXPECT_EQ(client->Connect(), S_OK);
        EXPECT_TRUE(PumpUntil([&] { return !sink.calls.empty(); }, 3500));
        EXPECT_THAT(sink.calls, ElementsAre("4 METHOD [I4 516]"));
        point->Unadvise(cookie);
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    DestroyWindow(parent);
}
