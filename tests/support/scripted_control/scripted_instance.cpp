#include "tests/support/scripted_control/scripted_instance.h"

#include "tests/support/scripted_control/call_text.h"
#include "tests/support/scripted_control/scripted_control.h"

namespace scripted {

namespace {

// The scripted exception waiting for the caller's pfnDeferredFillIn.
thread_local ExcepInfoScript pendingExcepInfo;

void FillExcepInfo(EXCEPINFO& e, const ExcepInfoScript& info) {
    e.wCode = info.wCode;
    e.scode = info.scode;
    e.bstrDescription = info.description.empty() ? nullptr : SysAllocString(info.description.c_str());
    e.bstrSource = info.source.empty() ? nullptr : SysAllocString(info.source.c_str());
    e.bstrHelpFile = info.helpFile.empty() ? nullptr : SysAllocString(info.helpFile.c_str());
    e.dwHelpContext = info.helpContext;
}

HRESULT STDMETHODCALLTYPE FillInLater(EXCEPINFO* e) {
    if (!e)
        return E_POINTER;
    FillExcepInfo(*e, pendingExcepInfo);
    return S_OK;
}

void SetThreadErrorInfo(const ErrorInfoScript& info) {
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.Put())))
        return;
    create->SetDescription(const_cast<LPOLESTR>(info.description.c_str()));
    create->SetSource(const_cast<LPOLESTR>(info.source.c_str()));
    create->SetHelpFile(const_cast<LPOLESTR>(info.helpFile.c_str()));
    create->SetHelpContext(info.helpContext);
    if (ComPtr<IErrorInfo> error = create.As<IErrorInfo>())
        SetErrorInfo(0, error.Get());
}

const VARIANT& EmptyVariant() {
    static const Variant empty;
    return empty.Get();
}

} // namespace

ScriptedInstance::ScriptedInstance(std::shared_ptr<ControlScript> script) : script_(std::move(script)) {}

std::vector<std::string> ScriptedInstance::Calls() const {
    std::vector<std::string> calls;
    for (const auto& e : record_)
        if (e.kind == Kind::Call)
            calls.push_back(e.text);
    return calls;
}

std::vector<std::string> ScriptedInstance::CallsWithQueries() const {
    std::vector<std::string> calls;
    for (const auto& e : record_)
        if (e.kind != Kind::Outgoing)
            calls.push_back(e.text);
    return calls;
}

std::vector<std::string> ScriptedInstance::Trace() const {
    std::vector<std::string> calls;
    for (const auto& e : record_)
        calls.push_back(e.kind == Kind::Outgoing ? "-> " + e.text : e.text);
    return calls;
}

int ScriptedInstance::CountCalls(const std::string& prefix) const {
    int count = 0;
    for (const auto& e : record_)
        if (e.kind == Kind::Call && e.text.compare(0, prefix.size(), prefix) == 0)
            ++count;
    return count;
}

void ScriptedInstance::ClearRecord() {
    record_.clear();
}

const VARIANT& ScriptedInstance::Property(DISPID dispid) const {
    const auto it = properties_.find(dispid);
    return it == properties_.end() ? EmptyVariant() : it->second.Get();
}

const VARIANT& ScriptedInstance::Setting(const std::string& name) const {
    const auto it = settings_.find(name);
    return it == settings_.end() ? EmptyVariant() : it->second.Get();
}

HWND ScriptedInstance::Window() const {
    return control_ ? control_->Window() : nullptr;
}
std::wstring ScriptedInstance::TypedText() const {
    return control_ ? control_->TypedText() : std::wstring();
}
bool ScriptedInstance::InPlaceActive() const {
    return control_ && control_->InPlaceActive();
}
bool ScriptedInstance::UIActive() const {
    return control_ && control_->UIActive();
}
bool ScriptedInstance::Connecting() const {
    return control_ && control_->Connecting();
}

ComPtr<IOleClientSite> ScriptedInstance::ClientSite() const {
    return control_ ? control_->ClientSite() : ComPtr<IOleClientSite>();
}

ComPtr<IUnknown> ScriptedInstance::Object() const {
    return control_ ? ComPtr<IUnknown>(static_cast<IOleObject*>(control_)) : ComPtr<IUnknown>();
}

std::vector<ComPtr<IUnknown>> ScriptedInstance::EventSinks() const {
    return control_ ? control_->EventSinks() : std::vector<ComPtr<IUnknown>>();
}

HRESULT ScriptedInstance::FireEvent(DISPID dispid, std::vector<Variant> args) {
    return control_ ? control_->FireEvent(dispid, args) : E_UNEXPECTED;
}

HRESULT ScriptedInstance::NotifyPropertyChanged(DISPID dispid) {
    return control_ ? control_->NotifyPropertyChanged(dispid) : E_UNEXPECTED;
}

HRESULT ScriptedInstance::ReadAmbient(DISPID dispid, Variant& value) {
    return control_ ? control_->ReadAmbient(dispid, value) : E_UNEXPECTED;
}

std::optional<HRESULT> ScriptedInstance::Enter(const std::string& call, EXCEPINFO* excepInfo) {
    record_.push_back({Kind::Call, call});
    if (script_->Observer)
        script_->Observer(call);
    const auto rule = script_->Match(call);
    if (!rule)
        return std::nullopt;
    if (rule->errorInfo)
        SetThreadErrorInfo(*rule->errorInfo);
    if (rule->excepInfo && excepInfo) {
        *excepInfo = EXCEPINFO{};
        if (rule->excepInfo->deferred) {
            pendingExcepInfo = *rule->excepInfo;
            excepInfo->pfnDeferredFillIn = FillInLater;
        } else {
            FillExcepInfo(*excepInfo, *rule->excepInfo);
        }
    }
    return rule->hr;
}

void ScriptedInstance::RecordQuery(REFIID iid, HRESULT hr) {
    record_.push_back({Kind::Query, "IUnknown::QueryInterface(" + IidName(iid) + ") = " + HresultText(hr)});
}

void ScriptedInstance::RecordOutgoing(const std::string& call, HRESULT hr) {
    record_.push_back({Kind::Outgoing, call + " = " + HresultText(hr)});
}

} // namespace scripted
