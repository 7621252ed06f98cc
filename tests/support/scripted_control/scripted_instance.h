#pragma once
// One scripted control as a test sees it: the record of the calls it received and made, its
// reference count, the state it holds, and the things a real control does on its own (firing
// events, notifying property changes, asking its site for ambient properties). It outlives the
// COM object, so a test can check the record and the count after the host let the control go.

#include "base/win/com_ptr.h"
#include "base/win/variant.h"
#include "tests/support/scripted_control/control_script.h"

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scripted {

class ScriptedControl;

class ScriptedInstance {
  public:
    explicit ScriptedInstance(std::shared_ptr<ControlScript> script);
    ScriptedInstance(const ScriptedInstance&) = delete;
    ScriptedInstance& operator=(const ScriptedInstance&) = delete;

    ControlScript& Script() { return *script_; }

    // The calls the control received, in order, as "Interface::Method(arguments)", without
    // QueryInterface, AddRef and Release. Examples:
    //   IOleObject::GetMiscStatus(CONTENT)
    //   IOleObject::SetClientSite(site)                 (or "(null)")
    //   IPersistStreamInit::Load(00 03 00 00 08 00 ...)  (the bytes read from the stream)
    //   IDispatch::Invoke(1, PUT, [BSTR "127.0.0.2"], named [-3])
    //   IDispatch::Invoke(6, GET, [], named [])
    //   IOleObject::DoVerb(INPLACEACTIVATE, msg null, site, 0, 0x1A2B, (0,0,385,217))
    //   IMsRdpClientAdvancedSettings::put_RDPPort(4123)
    //   IMsTscAx::Connect()
    //   Window::Reflected(0x2111, 0x1, 0x1A2B)         (an OCM_ message reached its window)
    std::vector<std::string> Calls() const;
    // The same with every QueryInterface: "IUnknown::QueryInterface(IOleControl) = S_OK".
    std::vector<std::string> CallsWithQueries() const;
    // Everything in order: the calls received, the queries, and, prefixed "-> ", the calls the
    // control made into its site and sinks with their results:
    // "-> IOleInPlaceSite::CanInPlaceActivate() = S_OK".
    std::vector<std::string> Trace() const;
    // The number of received calls whose text starts with `prefix`.
    int CountCalls(const std::string& prefix) const;
    void ClearRecord();

    // References held on the control object; 0 once it is destroyed.
    long RefCount() const { return refs_; }
    bool Alive() const { return control_ != nullptr; }
    // Objects of this instance still alive: the control and the settings objects it handed out.
    int LiveObjects() const { return liveObjects_; }

    // The bytes the control loaded from its stream, if it was loaded.
    const std::optional<std::vector<uint8_t>>& LoadedState() const { return loadedState_; }
    // The value a property holds (written through IDispatch or the client interface).
    const VARIANT& Property(DISPID dispid) const;
    // The value a setting holds, by member name ("RDPPort"); EMPTY when never written.
    const VARIANT& Setting(const std::string& name) const;

    HWND Window() const;
    // The characters the control's window received, as UTF-16.
    std::wstring TypedText() const;
    bool InPlaceActive() const;
    bool UIActive() const;
    bool Connecting() const;
    ComPtr<IOleClientSite> ClientSite() const;
    // The control's own IUnknown, empty once it is destroyed.
    ComPtr<IUnknown> Object() const;
    // The sinks advised for the events, as the connection point asked them for the events IID.
    std::vector<ComPtr<IUnknown>> EventSinks() const;

    // Calls IDispatch::Invoke on every sink advised for the events: the arguments are given in
    // declaration order and travel in DISPPARAMS in reverse, as COM requires. Returns the last
    // sink's result, S_FALSE when no sink is advised, E_UNEXPECTED when the control is gone.
    HRESULT FireEvent(DISPID dispid, std::vector<Variant> args);
    // The same with the arguments listed: Fire(RdpEvent::OnDisconnected, Variant::Long(3)).
    template <class... Values>
    HRESULT Fire(DISPID dispid, Values&&... values) {
        std::vector<Variant> args;
        (args.push_back(std::forward<Values>(values)), ...);
        return FireEvent(dispid, std::move(args));
    }
    // IPropertyNotifySink::OnChanged on every advised property sink; S_FALSE when none is.
    HRESULT NotifyPropertyChanged(DISPID dispid);
    // A property get of an ambient property through the client site's IDispatch.
    HRESULT ReadAmbient(DISPID dispid, Variant& value);

  private:
    friend class ScriptedControl;
    friend class ScriptedSettings;
    friend class ConnectionPoint;

    // Records a received call and answers it when the script says so. `excepInfo` is filled for
    // an EXCEPINFO rule when the caller gave one.
    std::optional<HRESULT> Enter(const std::string& call, EXCEPINFO* excepInfo = nullptr);
    void RecordQuery(REFIID iid, HRESULT hr);
    void RecordOutgoing(const std::string& call, HRESULT hr);

    enum class Kind { Call, Query, Outgoing };
    struct Entry {
        Kind kind;
        std::string text;
    };

    std::shared_ptr<ControlScript> script_;
    std::vector<Entry> record_;
    ScriptedControl* control_ = nullptr;
    long refs_ = 0;
    int liveObjects_ = 0;
    std::optional<std::vector<uint8_t>> loadedState_;
    std::map<DISPID, Variant> properties_;
    std::map<std::string, Variant> settings_;
};

} // namespace scripted
