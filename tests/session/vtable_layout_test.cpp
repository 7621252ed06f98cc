// Pins the vtable slot of every member of the declared control interfaces.
//
// A fake object whose vtable entries each record their own index stands in for the control; each
// member is called through the declared interface pointer and the recorded index must be the
// slot the control's type library gives. An entry never returns to its caller: it jumps back to
// where the call was made, so it need not know the member's arguments (an i686 stdcall callee
// would have to pop them).

#include "session/rdp_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kSlots = 180;

struct SlotRecorder;
using SlotEntry = HRESULT(STDMETHODCALLTYPE*)(SlotRecorder*);

struct SlotRecorder {
    const SlotEntry* vtable;
    volatile int lastSlot = -1;
    void* back[5] = {}; // where the entry returns to: __builtin_setjmp's buffer
};

template <int N>
HRESULT STDMETHODCALLTYPE RecordSlot(SlotRecorder* self) {
    self->lastSlot = N;
    __builtin_longjmp(self->back, 1);
}

template <int... N>
constexpr std::array<SlotEntry, sizeof...(N)> MakeVtable(std::integer_sequence<int, N...>) {
    return {{&RecordSlot<N>...}};
}

constexpr auto kVtable = MakeVtable(std::make_integer_sequence<int, kSlots>());

// The slot `call` reaches through an Interface pointer, or -1 when it calls nothing.
template <class Interface>
int SlotOf(const std::function<void(Interface*)>& call) {
    SlotRecorder recorder{kVtable.data()};
    if (__builtin_setjmp(recorder.back) == 0)
        call(reinterpret_cast<Interface*>(&recorder));
    return recorder.lastSlot;
}

template <class Interface>
struct SlotCase {
    int slot;
    const char* member;
    std::function<void(Interface*)> call;
};

template <class Interface>
void ExpectSlots(const std::vector<SlotCase<Interface>>& cases, int firstSlot, int lastSlot) {
    std::vector<int> seen;
    for (const auto& c : cases) {
        EXPECT_EQ(SlotOf(c.call), c.slot) << c.member;
        seen.push_back(c.slot);
    }
    // The table itself covers every slot once, so no member escapes the check.
    std::sort(seen.begin(), seen.end());
    std::vector<int> expected;
    for (int s = firstSlot; s <= lastSlot; ++s)
        expected.push_back(s);
    EXPECT_EQ(seen, expected);
}

long l;
short sh;
UINT u;
BSTR b;
VARIANT_BOOL vb;
VARIANT v;
DISPID id;
ControlCloseStatus closeStatus;
ExtendedDisconnectReasonCode reason;

} // namespace

#define CALL(Interface, slot, call)                                                                          \
    {                                                                                                        \
        slot, #call, [](Interface* p) { p->call; }                                                           \
    }
// Property pairs, put at `slot` and get at the next slot.
#define PAIR(Interface, slot, name, value, var)                                                              \
    CALL(Interface, slot, put_##name(value)), CALL(Interface, slot + 1, get_##name(&var))

using Settings = IMsRdpClientAdvancedSettings6;
#define S(slot, call) CALL(Settings, slot, call)
#define SL(slot, name) PAIR(Settings, slot, name, 0, l)
#define SB(slot, name) PAIR(Settings, slot, name, VARIANT_TRUE, vb)
#define SS(slot, name) PAIR(Settings, slot, name, nullptr, b)
#define SU(slot, name) PAIR(Settings, slot, name, 0u, u)

TEST(VtableLayout, UnknownAndDispatchComeFirst) {
    std::vector<SlotCase<Settings>> cases = {
        S(0, QueryInterface(IID_IUnknown, nullptr)),
        S(1, AddRef()),
        S(2, Release()),
        S(3, GetTypeInfoCount(&u)),
        S(4, GetTypeInfo(0, 0, nullptr)),
        S(5, GetIDsOfNames(IID_NULL, nullptr, 0, 0, &id)),
        S(6, Invoke(0, IID_NULL, 0, 0, nullptr, nullptr, nullptr, nullptr)),
    };
    ExpectSlots(cases, 0, 6);
}

TEST(VtableLayout, SettingsInterfaces) {
    std::vector<SlotCase<Settings>> cases = {
        // IMsTscAdvancedSettings
        SL(7, Compress),
        SL(9, BitmapPeristence),
        SL(11, allowBackgroundInput),
        S(13, put_KeyBoardLayoutStr(nullptr)),
        S(14, put_PluginDlls(nullptr)),
        S(15, put_IconFile(nullptr)),
        S(16, put_IconIndex(0)),
        SL(17, ContainerHandledFullScreen),
        SL(19, DisableRdpdr),
        // IMsRdpClientAdvancedSettings
        SL(21, SmoothScroll),
        SL(23, AcceleratorPassthrough),
        SL(25, ShadowBitmap),
        SL(27, TransportType),
        SL(29, SasSequence),
        SL(31, EncryptionEnabled),
        SL(33, DedicatedTerminal),
        SL(35, RDPPort),
        SL(37, EnableMouse),
        SL(39, DisableCtrlAltDel),
        SL(41, EnableWindowsKey),
        SL(43, DoubleClickDetect),
        SL(45, MaximizeShell),
        SL(47, HotKeyFullScreen),
        SL(49, HotKeyCtrlEsc),
        SL(51, HotKeyAltEsc),
        SL(53, HotKeyAltTab),
        SL(55, HotKeyAltShiftTab),
        SL(57, HotKeyAltSpace),
        SL(59, HotKeyCtrlAltDel),
        SL(61, orderDrawThreshold),
        SL(63, BitmapCacheSize),
        SL(65, BitmapVirtualCacheSize),
        SL(67, ScaleBitmapCachesByBPP),
        SL(69, NumBitmapCaches),
        SL(71, CachePersistenceActive),
        S(73, put_PersistCacheDirectory(nullptr)),
        SL(74, brushSupportLevel),
        SL(76, minInputSendInterval),
        SL(78, InputEventsAtOnce),
        SL(80, maxEventCount),
        SL(82, keepAliveInterval),
        SL(84, shutdownTimeout),
        SL(86, overallConnectionTimeout),
        SL(88, singleConnectionTimeout),
        SL(90, KeyboardType),
        SL(92, KeyboardSubType),
        SL(94, KeyboardFunctionKey),
        SL(96, WinceFixedPalette),
        SB(98, ConnectToServerConsole),
        SL(100, BitmapPersistence),
        SL(102, MinutesToIdleTimeout),
        SB(104, SmartSizing),
        SS(106, RdpdrLocalPrintingDocName),
        SS(108, RdpdrClipCleanTempDirString),
        SS(110, RdpdrClipPasteInfoString),
        S(112, put_ClearTextPassword(nullptr)),
        SB(113, DisplayConnectionBar),
        SB(115, PinConnectionBar),
        SB(117, GrabFocusOnConnect),
        SS(119, LoadBalanceInfo),
        SB(121, RedirectDrives),
        SB(123, RedirectPrinters),
        SB(125, RedirectPorts),
        SB(127, RedirectSmartCards),
        SL(129, BitmapVirtualCache16BppSize),
        SL(131, BitmapVirtualCache24BppSize),
        SL(133, PerformanceFlags),
        S(135, put_ConnectWithEndpoint(&v)),
        SB(136, NotifyTSPublicKey),
        // IMsRdpClientAdvancedSettings2
        S(138, get_CanAutoReconnect(&vb)),
        SB(139, EnableAutoReconnect),
        SL(141, MaxReconnectAttempts),
        // IMsRdpClientAdvancedSettings3
        SB(143, ConnectionBarShowMinimizeButton),
        SB(145, ConnectionBarShowRestoreButton),
        // IMsRdpClientAdvancedSettings4
        SU(147, AuthenticationLevel),
        // IMsRdpClientAdvancedSettings5
        SB(149, RedirectClipboard),
        SU(151, AudioRedirectionMode),
        SB(153, ConnectionBarShowPinButton),
        SB(155, PublicMode),
        SB(157, RedirectDevices),
        SB(159, RedirectPOSDevices),
        SL(161, BitmapVirtualCache32BppSize),
        // IMsRdpClientAdvancedSettings6: two pairs have their getter first
        SB(163, RelativeMouseMode),
        S(165, get_AuthenticationServiceClass(&b)),
        S(166, put_AuthenticationServiceClass(nullptr)),
        S(167, get_PCB(&b)),
        S(168, put_PCB(nullptr)),
        SL(169, HotKeyFocusReleaseLeft),
        SL(171, HotKeyFocusReleaseRight),
        S(173, put_EnableCredSspSupport(VARIANT_TRUE)),
        S(174, get_EnableCredSspSupport(&vb)),
        S(175, get_AuthenticationType(&u)),
        SB(176, ConnectToAdministerServer),
    };
    ExpectSlots(cases, 7, 177);
}

using Client = IMsRdpClient6;
#define C(slot, call) CALL(Client, slot, call)
#define CL(slot, name) PAIR(Client, slot, name, 0, l)
#define CS(slot, name) PAIR(Client, slot, name, nullptr, b)

TEST(VtableLayout, ClientInterfaces) {
    std::vector<SlotCase<Client>> cases = {
        // IMsTscAx
        CS(7, Server),
        CS(9, Domain),
        CS(11, UserName),
        CS(13, DisconnectedText),
        CS(15, ConnectingText),
        C(17, get_Connected(&sh)),
        CL(18, DesktopWidth),
        CL(20, DesktopHeight),
        CL(22, StartConnected),
        C(24, get_HorizontalScrollBarVisible(&l)),
        C(25, get_VerticalScrollBarVisible(&l)),
        C(26, put_FullScreenTitle(nullptr)),
        C(27, get_CipherStrength(&l)),
        C(28, get_Version(&b)),
        C(29, get_SecuredSettingsEnabled(&l)),
        C(30, get_SecuredSettings(nullptr)),
        C(31, get_AdvancedSettings(nullptr)),
        C(32, get_Debugger(nullptr)),
        C(33, Connect()),
        C(34, Disconnect()),
        C(35, CreateVirtualChannels(nullptr)),
        C(36, SendOnVirtualChannel(nullptr, nullptr)),
        // IMsRdpClient
        CL(37, ColorDepth),
        C(39, get_AdvancedSettings2(nullptr)),
        C(40, get_SecuredSettings2(nullptr)),
        C(41, get_ExtendedDisconnectReason(&reason)),
        PAIR(Client, 42, FullScreen, VARIANT_TRUE, vb),
        C(44, SetVirtualChannelOptions(nullptr, 0)),
        C(45, GetVirtualChannelOptions(nullptr, &l)),
        C(46, RequestClose(&closeStatus)),
        // IMsRdpClient2 to IMsRdpClient6
        C(47, get_AdvancedSettings3(nullptr)),
        CS(48, ConnectedStatusText),
        C(50, get_AdvancedSettings4(nullptr)),
        C(51, get_AdvancedSettings5(nullptr)),
        C(52, get_TransportSettings(nullptr)),
        C(53, get_AdvancedSettings6(nullptr)),
        C(54, GetErrorDescription(0, 0, &b)),
        C(55, get_RemoteProgram(nullptr)),
        C(56, get_MsRdpClientShell(nullptr)),
        C(57, get_AdvancedSettings7(nullptr)),
        C(58, get_TransportSettings2(nullptr)),
    };
    ExpectSlots(cases, 7, 58);
}

// The slots the program calls, through the interface it calls them on.
TEST(VtableLayout, CallsOfTheSignInThroughTheirOwnInterfaces) {
    EXPECT_EQ(SlotOf<IMsRdpClientAdvancedSettings>([](auto* p) { p->put_RDPPort(4123); }), 35);
    EXPECT_EQ(SlotOf<IMsRdpClientAdvancedSettings>([](auto* p) { p->put_ClearTextPassword(nullptr); }), 112);
    EXPECT_EQ(SlotOf<IMsRdpClientAdvancedSettings>([](auto* p) { p->put_PerformanceFlags(4); }), 133);
    EXPECT_EQ(SlotOf<IMsRdpClient>([](auto* p) { p->RequestClose(&closeStatus); }), 46);
    EXPECT_EQ(SlotOf<IMsTscAx>([](auto* p) { p->Connect(); }), 33);
}
