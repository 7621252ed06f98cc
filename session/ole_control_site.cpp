// The site's identity and count, and its client-site and control-site parts.

#include "session/ole_control_site.h"

#include "framework/com_entry.h"
#include "session/himetric.h"

#include <cmath>

TOleControl::TSite::TSite(TOleControl& host) : host_(host) {}

HRESULT TOleControl::TSite::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(&clientSite_);
    else if (IsEqualGUID(iid, IID_IOleControlSite))
        *out = static_cast<IOleControlSite*>(&controlSite_);
    else if (IsEqualGUID(iid, IID_IOleInPlaceSite))
        *out = static_cast<IOleInPlaceSite*>(&inPlaceSite_);
    else if (IsEqualGUID(iid, IID_IOleInPlaceFrame))
        *out = static_cast<IOleInPlaceFrame*>(&frame_);
    else if (IsEqualGUID(iid, IID_IDispatch))
        *out = static_cast<IDispatch*>(&ambient_);
    else if (IsEqualGUID(iid, IID_IPropertyNotifySink))
        *out = static_cast<IPropertyNotifySink*>(&propertyNotify_);
    else if (IsEqualGUID(iid, IID_ISimpleFrameSite))
        *out = static_cast<ISimpleFrameSite*>(&simpleFrame_);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

// IOleClientSite

HRESULT TOleControl::TSite::TClientSite::SaveObject() {
    return S_OK;
}

HRESULT TOleControl::TSite::TClientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TClientSite::GetContainer(IOleContainer** container) {
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT TOleControl::TSite::TClientSite::ShowObject() {
    return ComEntry(&Host(), [&] {
        // A control without a window yet is hooked when its activation asks for the window.
        Host().HookControlWindow();
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TClientSite::OnShowWindow(BOOL) {
    return S_OK;
}

HRESULT TOleControl::TSite::TClientSite::RequestNewObjectLayout() {
    return ComEntry(&Host(), [&] { return Host().RequestLayout(); });
}

// IOleControlSite

HRESULT TOleControl::TSite::TControlSite::OnControlInfoChanged() {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TControlSite::LockInPlaceActive(BOOL) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TControlSite::GetExtendedControl(IDispatch** control) {
    if (control)
        *control = nullptr;
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
    if (!himetric || !container)
        return E_POINTER;
    const int ppi = Screen().PixelsPerInch();
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
        container->x = static_cast<float>(MulDiv(himetric->x, ppi, kHimetricPerInch));
        container->y = static_cast<float>(MulDiv(himetric->y, ppi, kHimetricPerInch));
    } else {
        himetric->x = std::lround(double(container->x) * kHimetricPerInch / ppi);
        himetric->y = std::lround(double(container->y) * kHimetricPerInch / ppi);
    }
    return S_OK;
}

HRESULT TOleControl::TSite::TControlSite::TranslateAccelerator(MSG*, DWORD) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TControlSite::OnFocus(BOOL) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TControlSite::ShowPropertyFrame() {
    return E_NOTIMPL;
}
