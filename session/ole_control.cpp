// The host's control object: creation, stored state, starting and teardown.

#include "session/ole_control.h"
#include "session/ole_host_platform.h"

#include "framework/form.h"
#include "framework/reader.h"
#include "session/event_arguments.h"
#include "session/event_dispatch.h"
#include "session/ole_check.h"
#include "session/ole_control_site.h"
#include "session/ole_errors.h"

namespace {

// A QueryInterface whose interface the host cannot do without.
template <class T, class U>
void QueryRequired(const ComPtr<T>& object, ComPtr<U>& out) {
    OleCheck(object.As(out));
    if (!out)
        throw EOleSysError(E_NOINTERFACE);
}

} // namespace

TOleControl::TOleControl(TComponent* owner, const TControlData& controlData)
    : TWinControl(owner), controlData_(controlData), site_(std::make_unique<TSite>(*this)) {
    SetParentColor(true);
    eventDispatch_ = std::make_unique<TEventDispatch>(*this);
    try {
        OleCheck(CoCreateInstance(controlData_.ClassID, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IOleObject, oleObject_.PutVoid()));
        InitializeControl();
    } catch (...) {
        DestroyControl();
        throw;
    }
}

void TOleControl::InitializeControl() {
    OleCheck(oleObject_->GetMiscStatus(DVASPECT_CONTENT, &miscStatus_));
    if (!(controlData_.SiteOptions & soNeverSetClientSiteAtCreation) &&
        ((miscStatus_ & OLEMISC_SETCLIENTSITEFIRST) ||
         (controlData_.SiteOptions & soSetClientSiteAtCreation)))
        OleCheck(oleObject_->SetClientSite(site_->ClientSite()));
    QueryRequired(oleObject_, persistStream_);
    if (InvisibleAtRunTime())
        SetVisible(false);
    SetTabStop(!(miscStatus_ & (OLEMISC_ACTSLIKELABEL | OLEMISC_NOUIACTIVATE)));
    OleCheck(RequestLayout());
}

TOleControl::~TOleControl() {
    DestroyControl();
    // Leaves the parent while still an embedded control's host, so that the form forgets it as its
    // focused control and the parent drops it from its tab order.
    SetParent(nullptr);
}

void TOleControl::DestroyControl() noexcept {
    if (TForm* form = Form(); form && form->ActiveOleControl() == this)
        form->SetActiveOleControl(nullptr);
    // The control destroys its own window when it closes; the host gives it back its procedure
    // first and forgets it after. A window of the host's own (for a control invisible at run
    // time) goes now, while the host is whole.
    UnhookControlWindow();
    if (HandleAllocated() && !controlWindow_)
        TWinControl::DestroyWnd();
    if (oleObject_)
        oleObject_->Close(OLECLOSE_NOSAVE);
    ForgetControlWindow();
    DisconnectEvents();
    ReleaseRunningInterfaces();
    // A control that did not deactivate itself on closing still holds these.
    inPlaceActiveObject_.Reset();
    inPlaceObject_.Reset();
    storedState_.Reset();
    persistStream_.Reset();
    if (oleObject_) {
        oleObject_->SetClientSite(nullptr);
        oleObject_.Reset();
    }
}

TForm* TOleControl::Form() const {
    return Parent() ? ParentForm() : nullptr;
}

HWND TOleControl::ParentHandle() {
    return Parent() ? Parent()->Handle() : nullptr;
}

void TOleControl::SetControlData(const std::vector<uint8_t>& bytes) {
    storedState_.Reset();
    // A block that cannot be allocated drops the state: the control then starts fresh.
    storedState_ = OleHostPlatform().copyToGlobalMemory(bytes.data(), bytes.size());
}

bool TOleControl::ReadProperty(TReader& reader, const DescProperty& p) {
    if (p.name == "ControlData")
        SetControlData(reader.Bytes(p));
    else
        return TWinControl::ReadProperty(reader, p);
    return true;
}

void TOleControl::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    TWinControl::SetParent(parent);
    if (!parent || !oleObject_)
        return;
    EnsureClientSite();
    if (Running())
        oleControl_->OnAmbientPropertyChange(DISPID_UNKNOWN);
}

void TOleControl::EnsureClientSite() {
    ComPtr<IOleClientSite> current;
    if (FAILED(oleObject_->GetClientSite(current.Put())) || !current)
        OleCheck(oleObject_->SetClientSite(site_->ClientSite()));
}

void TOleControl::EnsureRunning() {
    if (Running())
        return;
    if (!oleObject_)
        throw EOleError("The OLE control has been released");
    try {
        EnsureClientSite();
        LoadStoredState();
        QueryRequired(oleObject_, oleControl_);
        QueryRequired(oleObject_, controlDispatch_);
        perPropertyBrowsing_ = oleObject_.As<IPerPropertyBrowsing>();
        ConnectEvents();
        PullStockProperties();
        oleControl_->OnAmbientPropertyChange(DISPID_UNKNOWN);
        RequestLayout();
    } catch (...) {
        DisconnectEvents();
        ReleaseRunningInterfaces();
        throw;
    }
}

void TOleControl::LoadStoredState() {
    if (!storedState_) {
        OleCheck(persistStream_->InitNew());
        return;
    }
    // The stream only reads the block; the host frees it once the control has loaded it.
    ComPtr<IStream> stream;
    OleCheck(OleHostPlatform().createStreamOnHGlobal(storedState_.Get(), FALSE, stream.Put()));
    OleCheck(persistStream_->Load(stream.Get()));
    stream.Reset();
    storedState_.Reset();
}

void TOleControl::ReleaseRunningInterfaces() noexcept {
    perPropertyBrowsing_.Reset();
    controlDispatch_.Reset();
    oleControl_.Reset();
}

// Connections: a control without a container or connection point, or one that refuses the
// connection, simply sends nothing.

void TOleControl::ConnectEvents() {
    propertyNotifyCookie_ = Advise(IID_IPropertyNotifySink, site_->Unknown());
    eventsCookie_ = Advise(controlData_.EventIID, eventDispatch_.get());
}

DWORD TOleControl::Advise(REFIID iid, IUnknown* sink) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (FAILED(oleObject_.As(container)) || !container ||
        FAILED(container->FindConnectionPoint(iid, point.Put())) || !point ||
        FAILED(point->Advise(sink, &cookie)))
        return 0;
    return cookie;
}

void TOleControl::DisconnectEvents() noexcept {
    Unadvise(controlData_.EventIID, eventsCookie_);
    Unadvise(IID_IPropertyNotifySink, propertyNotifyCookie_);
}

void TOleControl::Unadvise(REFIID iid, DWORD& cookie) noexcept {
    if (!cookie || !oleObject_)
        return;
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(oleObject_.As(container)) && container &&
        SUCCEEDED(container->FindConnectionPoint(iid, point.Put())) && point)
        point->Unadvise(cookie);
    cookie = 0;
}

// Events

void TOleControl::DispatchEvent(DISPID dispid, const DISPPARAMS* params) {
    const TEventArguments args(params);
    if (dispid >= DISPID_MOUSEUP && dispid <= DISPID_CLICK) {
        DispatchStockEvent(dispid, args);
        return;
    }
    for (uint32_t slot = 0; slot < controlData_.EventCount; ++slot) {
        if (controlData_.EventDispIDs[slot] == dispid) {
            InvokeEvent(int(slot), args);
            return;
        }
    }
}

void TOleControl::InvokeEvent(int, const TEventArguments&) {}

void TOleControl::DispatchStockEvent(DISPID dispid, const TEventArguments& args) {
    switch (dispid) {
    case DISPID_CLICK:
        if (OnClick)
            OnClick(this);
        break;
    case DISPID_DBLCLICK:
        if (OnDblClick)
            OnDblClick(this);
        break;
    case DISPID_KEYDOWN:
    case DISPID_KEYUP:
        if (const TOleKeyEvent& handler = dispid == DISPID_KEYDOWN ? OnKeyDown : OnKeyUp)
            handler(this, args.ShortRef(0), args.Short(1));
        break;
    case DISPID_KEYPRESS:
        if (OnKeyPress)
            OnKeyPress(this, args.ShortRef(0));
        break;
    default: {
        const TOleMouseEvent& handler = dispid == DISPID_MOUSEDOWN   ? OnMouseDown
                                        : dispid == DISPID_MOUSEMOVE ? OnMouseMove
                                                                     : OnMouseUp;
        if (handler)
            handler(this, args.Short(0), args.Short(1), args.Long(2), args.Long(3));
        break;
    }
    }
}
