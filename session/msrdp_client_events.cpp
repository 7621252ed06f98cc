// The remote desktop control's events and the wrapper's members, bound by one table. An empty
// member does nothing; the event's arguments are not even read.

#include "session/msrdp_event_table.h"

#include "framework/reader.h"
#include "session/event_arguments.h"
#include "session/msrdp_client.h"
#include "session/rdp_ids.h"

#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

using Client = TMsRdpClient6NotSafeForScripting;

template <class T>
T Argument(const TEventArguments& a, unsigned index);
template <>
int32_t Argument<int32_t>(const TEventArguments& a, unsigned index) {
    return a.Long(index);
}
template <>
uint32_t Argument<uint32_t>(const TEventArguments& a, unsigned index) {
    return a.ULong(index);
}
template <>
VARIANT_BOOL Argument<VARIANT_BOOL>(const TEventArguments& a, unsigned index) {
    return a.Bool(index);
}
template <>
BSTR Argument<BSTR>(const TEventArguments& a, unsigned index) {
    return a.String(index);
}

template <class... Args, size_t... Index>
void Call(const std::function<void(TComponent*, Args...)>& handler, Client& sender, const TEventArguments& a,
          std::index_sequence<Index...>) {
    if (!handler)
        return;
    // Braced initialisation reads the arguments first to last, so the first unreadable one is
    // the one reported.
    std::tuple<TComponent*, Args...> values{&sender, Argument<Args>(a, Index)...};
    std::apply(handler, values);
}

template <class... Args>
void Call(const std::function<void(TComponent*, Args...)>& handler, Client& sender,
          const TEventArguments& a) {
    Call(handler, sender, a, std::index_sequence_for<Args...>{});
}

template <auto Member>
void ReadSlot(Client& client, TReader& reader, const DescProperty& prop) {
    using Handler = std::remove_reference_t<decltype(client.*Member)>;
    client.*Member = reader.Method<Handler>(prop);
}

template <auto Member>
void InvokeSlot(Client& client, const TEventArguments& args) {
    Call(client.*Member, client, args);
}

template <auto Member>
constexpr TMsRdpEventSlot Slot(DISPID dispid, const char* name) {
    return {dispid, name, &ReadSlot<Member>, &InvokeSlot<Member>};
}

} // namespace

// The member, the DISPID and the description name of a row all spell the event's name.
#define RDP_EVENT_SLOT(event) Slot<&Client::event>(RdpEvent::event, #event)

constexpr std::array<TMsRdpEventSlot, kMsRdpClientEventCount> kMsRdpEventSlots = {
    RDP_EVENT_SLOT(OnConnecting),
    RDP_EVENT_SLOT(OnConnected),
    RDP_EVENT_SLOT(OnLoginComplete),
    RDP_EVENT_SLOT(OnDisconnected),
    RDP_EVENT_SLOT(OnEnterFullScreenMode),
    RDP_EVENT_SLOT(OnLeaveFullScreenMode),
    RDP_EVENT_SLOT(OnChannelReceivedData),
    RDP_EVENT_SLOT(OnRequestGoFullScreen),
    RDP_EVENT_SLOT(OnRequestLeaveFullScreen),
    RDP_EVENT_SLOT(OnFatalError),
    RDP_EVENT_SLOT(OnWarning),
    RDP_EVENT_SLOT(OnRemoteDesktopSizeChange),
    RDP_EVENT_SLOT(OnIdleTimeoutNotification),
    RDP_EVENT_SLOT(OnRequestContainerMinimize),
    RDP_EVENT_SLOT(OnConfirmClose),
    RDP_EVENT_SLOT(OnReceivedTSPublicKey),
    RDP_EVENT_SLOT(OnAutoReconnecting),
    RDP_EVENT_SLOT(OnAuthenticationWarningDisplayed),
    RDP_EVENT_SLOT(OnAuthenticationWarningDismissed),
    RDP_EVENT_SLOT(OnRemoteProgramResult),
    RDP_EVENT_SLOT(OnRemoteProgramDisplayed),
    RDP_EVENT_SLOT(OnLogonError),
    RDP_EVENT_SLOT(OnFocusReleased),
    RDP_EVENT_SLOT(OnUserNameAcquired),
    RDP_EVENT_SLOT(OnMouseInputModeChanged),
};

#undef RDP_EVENT_SLOT

constexpr std::array<DISPID, kMsRdpClientEventCount> kMsRdpEventDispIds = [] {
    std::array<DISPID, kMsRdpClientEventCount> ids{};
    for (size_t slot = 0; slot < ids.size(); ++slot)
        ids[slot] = kMsRdpEventSlots[slot].DispId;
    return ids;
}();

bool TMsRdpClient6NotSafeForScripting::ReadProperty(TReader& reader, const DescProperty& prop) {
    for (const TMsRdpEventSlot& slot : kMsRdpEventSlots) {
        if (prop.name == slot.Name) {
            slot.Read(*this, reader, prop);
            return true;
        }
    }
    return TOleControl::ReadProperty(reader, prop);
}

void TMsRdpClient6NotSafeForScripting::InvokeEvent(int slot, const TEventArguments& args) {
    if (slot >= 0 && size_t(slot) < kMsRdpEventSlots.size())
        kMsRdpEventSlots[size_t(slot)].Invoke(*this, args);
}
