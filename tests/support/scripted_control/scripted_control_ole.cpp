// The scripted control's OLE object side: IOleObject (without DoVerb), IPersistStreamInit,
// IOleControl, IConnectionPointContainer and IPerPropertyBrowsing.

#include "tests/support/scripted_control/scripted_control.h"

#include "session/rdp_ids.h"
#include "tests/support/scripted_control/boundary.h"
#include "tests/support/scripted_control/call_text.h"

#include <cstdio>

namespace scripted {

namespace {

std::string HexBytes(const std::vector<uint8_t>& bytes) {
    std::string text;
    char byte[4];
    for (uint8_t b : bytes) {
        std::snprintf(byte, sizeof byte, text.empty() ? "%02X" : " %02X", b);
        text += byte;
    }
    return text;
}

std::string SizeText(const SIZEL* size) {
    return size ? std::to_string(size->cx) + "x" + std::to_string(size->cy) : "null";
}

} // namespace

// IOleObject

HRESULT ScriptedControl::SetClientSite(IOleClientSite* site) {
    return Boundary([&] {
        if (auto answer =
                instance_->Enter(std::string("IOleObject::SetClientSite(") + (site ? "site" : "null") + ")"))
            return *answer;
        clientSite_ = ComPtr<IOleClientSite>(site);
        return S_OK;
    });
}

HRESULT ScriptedControl::GetClientSite(IOleClientSite** site) {
    if (!site)
        return E_POINTER;
    *site = nullptr;
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleObject::GetClientSite()"))
            return *answer;
        return clientSite_.CopyTo(site);
    });
}

HRESULT ScriptedControl::SetHostNames(LPCOLESTR app, LPCOLESTR object) {
    return Boundary([&] {
        const std::string call = "IOleObject::SetHostNames(" + (app ? "\"" + Utf8(app) + "\"" : "null") +
                                 ", " + (object ? "\"" + Utf8(object) + "\"" : "null") + ")";
        return instance_->Enter(call).value_or(S_OK);
    });
}

HRESULT ScriptedControl::Close(DWORD saveOption) {
    return Boundary([&] {
        const char* option = saveOption == OLECLOSE_NOSAVE        ? "NOSAVE"
                             : saveOption == OLECLOSE_SAVEIFDIRTY ? "SAVEIFDIRTY"
                                                                  : "PROMPTSAVE";
        if (auto answer = instance_->Enter(std::string("IOleObject::Close(") + option + ")"))
            return *answer;
        DeactivateInPlace();
        return S_OK;
    });
}

HRESULT ScriptedControl::SetMoniker(DWORD, IMoniker*) {
    return Boundary([&] { return instance_->Enter("IOleObject::SetMoniker()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker)
        *moniker = nullptr;
    return Boundary([&] { return instance_->Enter("IOleObject::GetMoniker()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::InitFromData(IDataObject*, BOOL, DWORD) {
    return Boundary([&] { return instance_->Enter("IOleObject::InitFromData()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::GetClipboardData(DWORD, IDataObject** data) {
    if (data)
        *data = nullptr;
    return Boundary([&] { return instance_->Enter("IOleObject::GetClipboardData()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::EnumVerbs(IEnumOLEVERB** verbs) {
    if (verbs)
        *verbs = nullptr;
    return Boundary([&] { return instance_->Enter("IOleObject::EnumVerbs()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::Update() {
    return Boundary([&] { return instance_->Enter("IOleObject::Update()").value_or(S_OK); });
}

HRESULT ScriptedControl::IsUpToDate() {
    return Boundary([&] { return instance_->Enter("IOleObject::IsUpToDate()").value_or(S_OK); });
}

HRESULT ScriptedControl::GetUserClassID(CLSID* clsid) {
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_MsRdpClient6NotSafeForScripting;
    return Boundary([&] { return instance_->Enter("IOleObject::GetUserClassID()").value_or(S_OK); });
}

HRESULT ScriptedControl::GetUserType(DWORD, LPOLESTR* userType) {
    if (userType)
        *userType = nullptr;
    return Boundary([&] { return instance_->Enter("IOleObject::GetUserType()").value_or(E_NOTIMPL); });
}

HRESULT ScriptedControl::SetExtent(DWORD aspect, SIZEL* size) {
    return Boundary([&] {
        if (auto answer =
                instance_->Enter("IOleObject::SetExtent(" + AspectText(aspect) + ", " + SizeText(size) + ")"))
            return *answer;
        if (!size)
            return E_POINTER;
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        extent_ = *size;
        return S_OK;
    });
}

HRESULT ScriptedControl::GetExtent(DWORD aspect, SIZEL* size) {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleObject::GetExtent(" + AspectText(aspect) + ")"))
            return *answer;
        if (!size)
            return E_POINTER;
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        *size = extent_;
        return S_OK;
    });
}

HRESULT ScriptedControl::Advise(IAdviseSink*, DWORD* connection) {
    if (connection)
        *connection = 0;
    return Boundary(
        [&] { return instance_->Enter("IOleObject::Advise()").value_or(OLE_E_ADVISENOTSUPPORTED); });
}

HRESULT ScriptedControl::Unadvise(DWORD) {
    return Boundary([&] { return instance_->Enter("IOleObject::Unadvise()").value_or(OLE_E_NOCONNECTION); });
}

HRESULT ScriptedControl::EnumAdvise(IEnumSTATDATA** advise) {
    if (advise)
        *advise = nullptr;
    return Boundary(
        [&] { return instance_->Enter("IOleObject::EnumAdvise()").value_or(OLE_E_ADVISENOTSUPPORTED); });
}

HRESULT ScriptedControl::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (!status)
        return E_POINTER;
    *status = 0;
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleObject::GetMiscStatus(" + AspectText(aspect) + ")"))
            return *answer;
        if (aspect == DVASPECT_CONTENT)
            *status = instance_->Script().MiscStatus;
        return S_OK;
    });
}

HRESULT ScriptedControl::SetColorScheme(LOGPALETTE*) {
    return Boundary([&] { return instance_->Enter("IOleObject::SetColorScheme()").value_or(E_NOTIMPL); });
}

// IPersistStreamInit

HRESULT ScriptedControl::GetClassID(CLSID* clsid) {
    if (!clsid)
        return E_POINTER;
    *clsid = CLSID_MsRdpClient6NotSafeForScripting;
    return Boundary([&] { return instance_->Enter("IPersistStreamInit::GetClassID()").value_or(S_OK); });
}

HRESULT ScriptedControl::IsDirty() {
    return Boundary([&] { return instance_->Enter("IPersistStreamInit::IsDirty()").value_or(S_FALSE); });
}

HRESULT ScriptedControl::Load(LPSTREAM stream) {
    return Boundary([&] {
        std::vector<uint8_t> bytes;
        if (stream) {
            uint8_t buffer[256];
            ULONG read = 0;
            while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
                bytes.insert(bytes.end(), buffer, buffer + read);
        }
        if (auto answer = instance_->Enter("IPersistStreamInit::Load(" + HexBytes(bytes) + ")"))
            return *answer;
        if (!stream)
            return E_POINTER;
        // A control loads its state once; a second Load or a Load after InitNew is an error.
        if (initialised_)
            return E_UNEXPECTED;
        initialised_ = true;
        instance_->loadedState_ = std::move(bytes);
        return S_OK;
    });
}

HRESULT ScriptedControl::Save(LPSTREAM stream, BOOL) {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IPersistStreamInit::Save()"))
            return *answer;
        if (!stream)
            return E_POINTER;
        const auto& state = instance_->loadedState_;
        if (!state || state->empty())
            return S_OK;
        return stream->Write(state->data(), static_cast<ULONG>(state->size()), nullptr);
    });
}

HRESULT ScriptedControl::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size)
        return E_POINTER;
    size->QuadPart = instance_->loadedState_ ? instance_->loadedState_->size() : 0;
    return Boundary([&] { return instance_->Enter("IPersistStreamInit::GetSizeMax()").value_or(S_OK); });
}

HRESULT ScriptedControl::InitNew() {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IPersistStreamInit::InitNew()"))
            return *answer;
        if (initialised_)
            return E_UNEXPECTED;
        initialised_ = true;
        return S_OK;
    });
}

// IOleControl

HRESULT ScriptedControl::GetControlInfo(CONTROLINFO* info) {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleControl::GetControlInfo()"))
            return *answer;
        if (!info)
            return E_POINTER;
        if (accelerators_) {
            DestroyAcceleratorTable(accelerators_);
            accelerators_ = nullptr;
        }
        auto& table = instance_->Script().Accelerators;
        if (!table.empty())
            accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
        info->cb = sizeof(CONTROLINFO);
        info->hAccel = accelerators_;
        info->cAccel = accelerators_ ? static_cast<USHORT>(table.size()) : 0;
        info->dwFlags = instance_->Script().ControlInfoFlags;
        return S_OK;
    });
}

HRESULT ScriptedControl::OnMnemonic(MSG* msg) {
    return Boundary(
        [&] { return instance_->Enter("IOleControl::OnMnemonic(" + MessageText(msg) + ")").value_or(S_OK); });
}

HRESULT ScriptedControl::OnAmbientPropertyChange(DISPID dispid) {
    return Boundary([&] {
        return instance_->Enter("IOleControl::OnAmbientPropertyChange(" + std::to_string(dispid) + ")")
            .value_or(S_OK);
    });
}

HRESULT ScriptedControl::FreezeEvents(BOOL freeze) {
    return Boundary([&] {
        return instance_->Enter(std::string("IOleControl::FreezeEvents(") + (freeze ? "TRUE" : "FALSE") + ")")
            .value_or(S_OK);
    });
}

// IConnectionPointContainer

HRESULT ScriptedControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points)
        *points = nullptr;
    return Boundary([&] {
        return instance_->Enter("IConnectionPointContainer::EnumConnectionPoints()").value_or(E_NOTIMPL);
    });
}

HRESULT ScriptedControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point)
        return E_POINTER;
    *point = nullptr;
    return Boundary([&] {
        if (auto answer =
                instance_->Enter("IConnectionPointContainer::FindConnectionPoint(" + IidName(iid) + ")"))
            return *answer;
        if (!instance_->Script().OffersConnectionPoint(iid))
            return CONNECT_E_NOCONNECTION;
        ConnectionPoint* found = IsEqualGUID(iid, propertyNotify_.Iid()) ? &propertyNotify_
                                 : IsEqualGUID(iid, events_.Iid())       ? &events_
                                                                         : nullptr;
        if (!found)
            return CONNECT_E_NOCONNECTION;
        *point = found;
        found->AddRef();
        return S_OK;
    });
}

// IPerPropertyBrowsing

HRESULT ScriptedControl::GetDisplayString(DISPID dispid, BSTR* text) {
    if (text)
        *text = nullptr;
    return Boundary([&] {
        return instance_->Enter("IPerPropertyBrowsing::GetDisplayString(" + std::to_string(dispid) + ")")
            .value_or(E_NOTIMPL);
    });
}

HRESULT ScriptedControl::MapPropertyToPage(DISPID dispid, CLSID* page) {
    if (page)
        *page = CLSID_NULL;
    return Boundary([&] {
        return instance_->Enter("IPerPropertyBrowsing::MapPropertyToPage(" + std::to_string(dispid) + ")")
            .value_or(E_NOTIMPL);
    });
}

HRESULT ScriptedControl::GetPredefinedStrings(DISPID dispid, CALPOLESTR* strings, CADWORD* cookies) {
    if (strings)
        *strings = CALPOLESTR{};
    if (cookies)
        *cookies = CADWORD{};
    return Boundary([&] {
        return instance_->Enter("IPerPropertyBrowsing::GetPredefinedStrings(" + std::to_string(dispid) + ")")
            .value_or(E_NOTIMPL);
    });
}

HRESULT ScriptedControl::GetPredefinedValue(DISPID dispid, DWORD, VARIANT* value) {
    if (value)
        VariantInit(value);
    return Boundary([&] {
        return instance_->Enter("IPerPropertyBrowsing::GetPredefinedValue(" + std::to_string(dispid) + ")")
            .value_or(E_NOTIMPL);
    });
}

} // namespace scripted
