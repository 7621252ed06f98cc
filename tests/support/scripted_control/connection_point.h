#pragma once
// One connection point of the scripted control, a part of the control object: its AddRef and
// Release go to the control's count. It keeps the advised sinks, each as the interface of the
// connection that Advise asked the sink for.

#include "base/win/com_ptr.h"

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <map>
#include <vector>

namespace scripted {

class ScriptedInstance;

class ConnectionPoint final : public IConnectionPoint {
  public:
    ConnectionPoint(REFIID iid, IConnectionPointContainer* container, ScriptedInstance& instance)
        : iid_(iid), container_(container), instance_(instance) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return container_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return container_->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

    REFIID Iid() const { return iid_; }
    // The advised sinks, each with a reference of its own, so a sink may unadvise while called.
    std::vector<ComPtr<IUnknown>> Sinks() const;
    void Clear() { sinks_.clear(); }

  private:
    IID iid_;
    IConnectionPointContainer* container_;
    ScriptedInstance& instance_;
    std::map<DWORD, ComPtr<IUnknown>> sinks_;
    DWORD nextCookie_ = 1;
};

} // namespace scripted
