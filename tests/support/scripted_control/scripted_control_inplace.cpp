// The scripted control's in-place side: DoVerb, activation through the site's IOleInPlaceSite
// as a real control does it, its own child window, IOleInPlaceObject and
// IOleInPlaceActiveObject.

#include "tests/support/scripted_control/scripted_control.h"

#include "tests/support/scripted_control/boundary.h"
#include "tests/support/scripted_control/call_text.h"
#include "tests/support/scripted_control/standin_window.h"

namespace scripted {

HRESULT ScriptedControl::DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                                LPCRECT posRect) {
    return Boundary([&] {
        const std::string call = "IOleObject::DoVerb(" + VerbText(verb) + ", msg " +
                                 (msg ? "given" : "null") + ", " + (site ? "site" : "null") + ", " +
                                 std::to_string(index) + ", " + HwndText(parent) + ", " + RectText(posRect) +
                                 ")";
        if (auto answer = instance_->Enter(call))
            return *answer;
        switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(site, false);
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(site, true);
        case OLEIVERB_HIDE:
            DeactivateUI();
            if (hwnd_)
                ShowWindow(hwnd_, SW_HIDE);
            return S_OK;
        default:
            return OLEOBJ_S_INVALIDVERB;
        }
    });
}

HRESULT ScriptedControl::ActivateInPlace(IOleClientSite* site, bool uiActivate) {
    // The control may be released by its site during the calls below.
    const ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    if (!inPlaceActive_) {
        ComPtr<IOleClientSite> client(site ? site : clientSite_.Get());
        if (!client)
            return E_UNEXPECTED;
        ComPtr<IOleInPlaceSite> inPlaceSite;
        HRESULT hr = client.As(inPlaceSite);
        RecordSite("IOleClientSite::QueryInterface(IOleInPlaceSite)", hr);
        if (FAILED(hr))
            return hr;
        hr = inPlaceSite->CanInPlaceActivate();
        RecordSite("IOleInPlaceSite::CanInPlaceActivate()", hr);
        if (hr != S_OK)
            return E_FAIL;
        hr = inPlaceSite->OnInPlaceActivate();
        RecordSite("IOleInPlaceSite::OnInPlaceActivate()", hr);
        if (FAILED(hr))
            return hr;
        inPlaceSite_ = inPlaceSite;
        inPlaceActive_ = true;

        HWND parent = nullptr;
        hr = inPlaceSite->GetWindow(&parent);
        RecordSite("IOleInPlaceSite::GetWindow() -> " + HwndText(parent), hr);
        ComPtr<IOleInPlaceFrame> frame;
        ComPtr<IOleInPlaceUIWindow> document;
        RECT position{}, clip{};
        OLEINPLACEFRAMEINFO frameInfo{};
        frameInfo.cb = sizeof frameInfo;
        if (SUCCEEDED(hr)) {
            hr = inPlaceSite->GetWindowContext(frame.Put(), document.Put(), &position, &clip, &frameInfo);
            RecordSite("IOleInPlaceSite::GetWindowContext() -> " + RectText(&position) + ", clip " +
                           RectText(&clip) + ", frame window " + HwndText(frameInfo.hwndFrame),
                       hr);
        }
        if (SUCCEEDED(hr)) {
            hwnd_ = CreateStandinWindow(parent, position, this);
            if (!hwnd_)
                hr = E_FAIL;
        }
        if (FAILED(hr)) {
            DeactivateInPlace();
            return hr;
        }
        frame_ = frame;
        hr = client->ShowObject();
        RecordSite("IOleClientSite::ShowObject()", hr);
    }
    return uiActivate ? ActivateUI() : S_OK;
}

HRESULT ScriptedControl::ActivateUI() {
    if (uiActive_ || !inPlaceSite_)
        return S_OK;
    uiActive_ = true;
    HRESULT hr = inPlaceSite_->OnUIActivate();
    RecordSite("IOleInPlaceSite::OnUIActivate()", hr);
    if (frame_) {
        hr = frame_->SetActiveObject(this, L"ScriptedRdpControl");
        RecordSite("IOleInPlaceFrame::SetActiveObject(control)", hr);
    }
    if (hwnd_ && GetFocus() != hwnd_)
        SetFocus(hwnd_);
    return S_OK;
}

void ScriptedControl::DeactivateUI() {
    if (!uiActive_)
        return;
    uiActive_ = false;
    if (frame_) {
        const HRESULT hr = frame_->SetActiveObject(nullptr, nullptr);
        RecordSite("IOleInPlaceFrame::SetActiveObject(null)", hr);
    }
    if (inPlaceSite_) {
        const HRESULT hr = inPlaceSite_->OnUIDeactivate(FALSE);
        RecordSite("IOleInPlaceSite::OnUIDeactivate(FALSE)", hr);
    }
}

void ScriptedControl::DeactivateInPlace() {
    if (!inPlaceActive_)
        return;
    const ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    DeactivateUI();
    inPlaceActive_ = false;
    if (hwnd_) {
        HWND hwnd = hwnd_;
        if (demo_)
            demo_->Stop();
        DetachStandinWindow(hwnd);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
    if (inPlaceSite_) {
        const HRESULT hr = inPlaceSite_->OnInPlaceDeactivate();
        RecordSite("IOleInPlaceSite::OnInPlaceDeactivate()", hr);
    }
    inPlaceSite_.Reset();
    frame_.Reset();
}

void ScriptedControl::OnWindowFocus(bool gained) noexcept {
    Boundary([&] {
        if (gained && inPlaceActive_ && !uiActive_ && instance_->Script().UIActivateOnFocus)
            ActivateUI();
        if (ComPtr<IOleControlSite> controlSite = clientSite_.As<IOleControlSite>()) {
            const HRESULT hr = controlSite->OnFocus(gained);
            RecordSite(std::string("IOleControlSite::OnFocus(") + (gained ? "TRUE" : "FALSE") + ")", hr);
        }
        return S_OK;
    });
}

void ScriptedControl::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Boundary([&] {
        instance_->Enter("Window::Reflected(" + Hex(message) + ", " + Hex(wParam) + ", " + Hex(lParam) + ")");
        return S_OK;
    });
}

// IOleWindow

HRESULT ScriptedControl::GetWindow(HWND* hwnd) {
    if (!hwnd)
        return E_POINTER;
    *hwnd = nullptr;
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleWindow::GetWindow()"))
            return *answer;
        *hwnd = hwnd_;
        return hwnd_ ? S_OK : E_FAIL;
    });
}

HRESULT ScriptedControl::ContextSensitiveHelp(BOOL) {
    return Boundary(
        [&] { return instance_->Enter("IOleWindow::ContextSensitiveHelp()").value_or(E_NOTIMPL); });
}

// IOleInPlaceObject

HRESULT ScriptedControl::InPlaceDeactivate() {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleInPlaceObject::InPlaceDeactivate()"))
            return *answer;
        DeactivateInPlace();
        return S_OK;
    });
}

HRESULT ScriptedControl::UIDeactivate() {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleInPlaceObject::UIDeactivate()"))
            return *answer;
        DeactivateUI();
        return S_OK;
    });
}

HRESULT ScriptedControl::SetObjectRects(LPCRECT posRect, LPCRECT clipRect) {
    return Boundary([&] {
        if (auto answer = instance_->Enter("IOleInPlaceObject::SetObjectRects(" + RectText(posRect) + ", " +
                                           RectText(clipRect) + ")"))
            return *answer;
        if (!posRect)
            return E_POINTER;
        if (hwnd_)
            MoveWindow(hwnd_, posRect->left, posRect->top, posRect->right - posRect->left,
                       posRect->bottom - posRect->top, TRUE);
        return S_OK;
    });
}

HRESULT ScriptedControl::ReactivateAndUndo() {
    return Boundary([&] {
        return instance_->Enter("IOleInPlaceObject::ReactivateAndUndo()").value_or(INPLACE_E_NOTUNDOABLE);
    });
}

// IOleInPlaceActiveObject

HRESULT ScriptedControl::TranslateAccelerator(LPMSG msg) {
    return Boundary([&] {
        return instance_->Enter("IOleInPlaceActiveObject::TranslateAccelerator(" + MessageText(msg) + ")")
            .value_or(S_FALSE);
    });
}

HRESULT ScriptedControl::OnFrameWindowActivate(BOOL activate) {
    return Boundary([&] {
        return instance_
            ->Enter(std::string("IOleInPlaceActiveObject::OnFrameWindowActivate(") +
                    (activate ? "TRUE" : "FALSE") + ")")
            .value_or(S_OK);
    });
}

HRESULT ScriptedControl::OnDocWindowActivate(BOOL activate) {
    return Boundary([&] {
        return instance_
            ->Enter(std::string("IOleInPlaceActiveObject::OnDocWindowActivate(") +
                    (activate ? "TRUE" : "FALSE") + ")")
            .value_or(S_OK);
    });
}

HRESULT ScriptedControl::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow*, BOOL) {
    return Boundary([&] {
        return instance_->Enter("IOleInPlaceActiveObject::ResizeBorder(" + RectText(border) + ")")
            .value_or(S_OK);
    });
}

HRESULT ScriptedControl::EnableModeless(BOOL enable) {
    return Boundary([&] {
        return instance_
            ->Enter(std::string("IOleInPlaceActiveObject::EnableModeless(") + (enable ? "TRUE" : "FALSE") +
                    ")")
            .value_or(S_OK);
    });
}

} // namespace scripted
