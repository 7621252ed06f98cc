#pragma once
// What a test tells the scripted control to do: answers that replace chosen calls, interfaces
// and connection points to withhold, the misc status and extent to report, values that property
// reads return, and the accelerator table. One script serves every instance that a registration
// creates, and changes apply at once.

#include "base/win/variant.h"

#include <windows.h>
#include <ole2.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scripted {

// The exception a failing IDispatch::Invoke reports through its EXCEPINFO.
struct ExcepInfoScript {
    HRESULT scode = E_FAIL;
    WORD wCode = 0;
    std::wstring description;
    std::wstring source;
    std::wstring helpFile;
    DWORD helpContext = 0;
    // Leave the fields to pfnDeferredFillIn, which fills them when the caller asks.
    bool deferred = false;
};

// The error object a failing call sets with SetErrorInfo before it returns.
struct ErrorInfoScript {
    std::wstring description;
    std::wstring source;
    std::wstring helpFile;
    DWORD helpContext = 0;
};

class ControlScript {
  public:
    // A call whose record text starts with `callPrefix` (see ScriptedInstance::Calls) returns `hr`
    // instead of doing its work; its out-parameters stay as COM's rules reset them. `times` < 0
    // answers every such call, otherwise only the next `times`. The rule added last wins.
    void Answer(std::string callPrefix, HRESULT hr, int times = -1);
    // As Answer with DISP_E_EXCEPTION, filling the caller's EXCEPINFO (IDispatch::Invoke).
    void FailWithExcepInfo(std::string callPrefix, ExcepInfoScript info, int times = -1);
    // As Answer, after setting the thread's error object.
    void FailWithErrorInfo(std::string callPrefix, HRESULT hr, ErrorInfoScript info, int times = -1);
    void ClearAnswers();
    // From now on, the `number`-th call that any instance receives (1: the next one) returns
    // `hr`, whatever rule would answer it; queries for an interface other than IUnknown count
    // as calls, and fail with E_NOINTERFACE. 0 fails none, and only counts.
    void FailCallNumber(int number, HRESULT hr = E_FAIL);
    // The calls counted since FailCallNumber, and the one it failed, if it came.
    int CallsCounted() const { return counted_; }
    const std::optional<std::string>& FailedCall() const { return failedCall_; }

    // QueryInterface answers E_NOINTERFACE for a withheld interface, and for one whose query a
    // rule answers: Answer("IUnknown::QueryInterface(IOleControl)", E_NOINTERFACE).
    void Withhold(REFIID iid);
    void Offer(REFIID iid);
    bool Offers(REFIID iid) const;
    // FindConnectionPoint answers CONNECT_E_NOCONNECTION for a withheld connection point.
    void WithholdConnectionPoint(REFIID iid);
    bool OffersConnectionPoint(REFIID iid) const;

    // A property read of `dispid` through IDispatch::Invoke returns a copy of exactly this value.
    void SetReadResult(DISPID dispid, Variant value);
    std::optional<Variant> ReadResult(DISPID dispid) const;

    struct Rule {
        std::string callPrefix;
        HRESULT hr;
        int times;
        std::optional<ExcepInfoScript> excepInfo;
        std::optional<ErrorInfoScript> errorInfo;
    };
    // The rule that answers `call`, counting the use; none when the call does its work.
    std::optional<Rule> Match(const std::string& call);

    // OLEMISC bits that IOleObject::GetMiscStatus reports for DVASPECT_CONTENT.
    DWORD MiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                       OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
    // The extent a new instance reports, in HIMETRIC (385 x 217 pixels at 96 pixels per inch).
    SIZEL Extent = {10186, 5741};
    // The accelerators and flags that IOleControl::GetControlInfo reports.
    std::vector<ACCEL> Accelerators;
    DWORD ControlInfoFlags = 0;
    // A property write of a stock property (-501, -512, -513, -514) calls
    // IPropertyNotifySink::OnChanged before it returns, as controls do.
    bool NotifyOnStockPropertyWrite = false;
    // The status RequestClose reports: 0 the close can proceed, 1 wait for the events.
    int CloseStatus = 0;
    // The control makes itself UI-active when its window gets the focus, as controls do.
    bool UIActivateOnFocus = true;
    // Connect plays the development account that the user code (UserName) names, on the
    // control's window (demo_session.h); otherwise the control stays connecting.
    bool SimulateAccounts = false;
    // The control keeps the password (ClearTextPassword) among its settings and in its record;
    // false: it takes it as a control that hands it straight on would, keeping no copy and
    // recording the call without the value.
    bool KeepsPassword = true;
    // Called with the text of every call the control receives, once it is recorded: a test can
    // look at what the host holds at that moment (its references, its window).
    std::function<void(const std::string& call)> Observer;

  private:
    std::vector<Rule> rules_;
    int counted_ = 0;
    int failingNumber_ = 0;
    HRESULT failingResult_ = E_FAIL;
    std::optional<std::string> failedCall_;
    std::vector<IID> withheld_;
    std::vector<IID> withheldConnectionPoints_;
    std::map<DISPID, Variant> readResults_;
};

} // namespace scripted
