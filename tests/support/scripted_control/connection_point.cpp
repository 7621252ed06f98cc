#include "tests/support/scripted_control/connection_point.h"

#include "tests/support/scripted_control/call_text.h"
#include "tests/support/scripted_control/scripted_instance.h"

#include <olectl.h>

namespace scripted {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IConnectionPoint))
        return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid)
        return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container)
        return E_POINTER;
    *container = container_;
    container_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    try {
        if (cookie)
            *cookie = 0;
        const std::string call = "IConnectionPoint::Advise(" + IidName(iid_) + ")";
        if (auto answer = instance_.Enter(call))
            return *answer;
        if (!sink || !cookie)
            return E_POINTER;
        ComPtr<IUnknown> connection;
        const HRESULT hr = sink->QueryInterface(iid_, connection.PutVoid());
        instance_.RecordOutgoing("IUnknown::QueryInterface(" + IidName(iid_) + ")", hr);
        if (FAILED(hr) || !connection)
            return CONNECT_E_CANNOTCONNECT;
        *cookie = nextCookie_++;
        sinks_.emplace(*cookie, std::move(connection));
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    try {
        if (auto answer = instance_.Enter("IConnectionPoint::Unadvise(" + IidName(iid_) + ")"))
            return *answer;
        // Released after leaving the map, so a sink's destructor sees a consistent point.
        ComPtr<IUnknown> sink;
        const auto it = sinks_.find(cookie);
        if (it == sinks_.end())
            return CONNECT_E_NOCONNECTION;
        sink = std::move(it->second);
        sinks_.erase(it);
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections)
        *connections = nullptr;
    return E_NOTIMPL;
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::vector<ComPtr<IUnknown>> sinks;
    for (const auto& entry : sinks_)
        sinks.push_back(entry.second);
    return sinks;
}

} // namespace scripted
