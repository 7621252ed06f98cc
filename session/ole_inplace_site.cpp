// The site's in-place parts: IOleInPlaceSite, through which the control activates itself in the
// form, and IOleInPlaceFrame, the frame it sees (the form's top-level window, with no menus,
// toolbars or accelerators of its own).

#include "session/ole_control_site.h"

#include "base/win/rect.h"
#include "framework/form.h"
#include "framework/com_entry.h"

namespace {

// The control's window may cover everything the form holds.
constexpr RECT kClipRect = {0, 0, 32767, 32767};

} // namespace

// IOleInPlaceSite

HRESULT TOleControl::TSite::TInPlaceSite::GetWindow(HWND* hwnd) {
    if (!hwnd)
        return E_POINTER;
    *hwnd = nullptr;
    return ComEntry(&Host(), [&] {
        *hwnd = Host().ParentHandle();
        return *hwnd ? S_OK : E_FAIL;
    });
}

HRESULT TOleControl::TSite::TInPlaceSite::ContextSensitiveHelp(BOOL) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceSite::CanInPlaceActivate() {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceSite::OnInPlaceActivate() {
    return ComEntry(&Host(), [&] {
        Host().InPlaceActivated();
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TInPlaceSite::OnUIActivate() {
    return ComEntry(&Host(), [&] {
        Host().BecameUIActive();
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TInPlaceSite::GetWindowContext(IOleInPlaceFrame** frame,
                                                           IOleInPlaceUIWindow** document, LPRECT position,
                                                           LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
    if (frame)
        *frame = nullptr;
    if (document)
        *document = nullptr;
    if (!frame || !document || !position || !clip || !frameInfo)
        return E_POINTER;
    return ComEntry(&Host(), [&] {
        const TRect bounds = Host().BoundsRect();
        *position = ToRECT(bounds);
        *clip = kClipRect;
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = nullptr;
        if (const HWND parent = Host().ParentHandle())
            frameInfo->hwndFrame = GetAncestor(parent, GA_ROOT);
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
        *frame = ComPtr<IOleInPlaceFrame>(site_.Frame()).Detach();
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TInPlaceSite::Scroll(SIZE) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TInPlaceSite::OnUIDeactivate(BOOL) {
    // The form has no main menu, so there is no shared menu to take apart.
    return ComEntry(&Host(), [&] {
        Host().StoppedBeingUIActive();
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TInPlaceSite::OnInPlaceDeactivate() {
    Host().InPlaceDeactivated();
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceSite::DiscardUndoState() {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TInPlaceSite::DeactivateAndUndo() {
    if (const ComPtr<IOleInPlaceObject> object = Host().InPlaceObject())
        object->UIDeactivate();
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceSite::OnPosRectChange(LPCRECT position) {
    if (!position)
        return E_POINTER;
    if (const ComPtr<IOleInPlaceObject> object = Host().InPlaceObject())
        object->SetObjectRects(position, &kClipRect);
    return S_OK;
}

// IOleInPlaceFrame

HRESULT TOleControl::TSite::TInPlaceFrame::GetWindow(HWND* hwnd) {
    if (!hwnd)
        return E_POINTER;
    *hwnd = nullptr;
    return ComEntry(&Host(), [&] {
        if (const HWND parent = Host().ParentHandle())
            *hwnd = GetAncestor(parent, GA_ROOT);
        return S_OK;
    });
}

HRESULT TOleControl::TSite::TInPlaceFrame::ContextSensitiveHelp(BOOL) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::GetBorder(LPRECT border) {
    if (border)
        SetRectEmpty(border);
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT TOleControl::TSite::TInPlaceFrame::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}

HRESULT TOleControl::TSite::TInPlaceFrame::SetBorderSpace(LPCBORDERWIDTHS) {
    return E_NOTIMPL;
}

HRESULT TOleControl::TSite::TInPlaceFrame::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS widths) {
    // The form has no menu groups of its own to merge with the control's.
    if (widths) {
        widths->width[0] = 0;
        widths->width[2] = 0;
        widths->width[4] = 0;
    }
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::RemoveMenus(HMENU shared) {
    if (shared && IsMenu(shared))
        while (GetMenuItemCount(shared) > 0 && RemoveMenu(shared, 0, MF_BYPOSITION)) {
        }
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::SetStatusText(LPCOLESTR) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::EnableModeless(BOOL) {
    return S_OK;
}

HRESULT TOleControl::TSite::TInPlaceFrame::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}
