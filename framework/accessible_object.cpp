#include "framework/accessible_object.h"

#include <oleacc.h>

#include <atomic>

#include "base/win/com_ptr.h"
#include "base/win/system_library.h"
#include "framework/com_entry.h"
#include "framework/win_control.h"
#include "framework/window_class.h"

const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

// oleacc.dll is not among the DLLs Windows always takes from System32, so it is not imported
// (the loader would look for it beside the program first): it is loaded from System32 when a
// window is first asked for its object, once, and kept until the program ends. Without it the
// windows leave the question to the platform.
class OleaccLibrary {
  public:
    static const OleaccLibrary* Loaded() {
        static const OleaccLibrary library;
        return library.createStandard_ && library.lresultFromObject_ ? &library : nullptr;
    }

    HRESULT CreateStandard(HWND hwnd, LONG object, REFIID iid, void** out) const {
        return createStandard_(hwnd, object, iid, out);
    }
    LRESULT ResultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) const {
        return lresultFromObject_(iid, wParam, object);
    }

  private:
    OleaccLibrary()
        : module_(LoadSystemLibrary(L"oleacc.dll")),
          createStandard_(
              LibraryFunction<decltype(&CreateStdAccessibleObject)>(module_, "CreateStdAccessibleObject")),
          lresultFromObject_(LibraryFunction<decltype(&LresultFromObject)>(module_, "LresultFromObject")) {}

    LibraryModule module_;
    decltype(&CreateStdAccessibleObject) createStandard_;
    decltype(&LresultFromObject) lresultFromObject_;
};

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The standard object of a window with the name and role its control gives. The control is
// asked at every call, so a caption that changes is read as it is now; once the window is gone
// every question goes to the standard object, which knows how to answer for a dead window.
class AccessibleProxy final : public IAccessible, public IOleWindow {
  public:
    AccessibleProxy(HWND hwnd, ComPtr<IAccessible> standard) : hwnd_(hwnd), standard_(std::move(standard)) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible)
            *out = static_cast<IAccessible*>(this);
        else if (iid == IID_IOleWindow)
            *out = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out)
            return E_POINTER;
        *out = hwnd_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: the standard object's type information, invoked on this object so that a
    // script reads the same name and role as a direct caller.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, lcid, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        ComPtr<ITypeInfo> info;
        const HRESULT hr = standard_->GetTypeInfo(0, lcid, info.Put());
        if (FAILED(hr))
            return hr;
        return DispInvoke(static_cast<IAccessible*>(this), info.Get(), id, flags, params, result, exception,
                          argError);
    }

    // IAccessible: the name, the role and, for a secret text, the value are the control's.
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (!name)
            return E_POINTER;
        *name = nullptr;
        AccessibleTraits traits;
        if (const HRESULT hr = Describe(child, traits); FAILED(hr))
            return hr;
        if (!traits.name)
            return standard_->get_accName(child, name);
        if (traits.name->empty())
            return S_FALSE;
        *name = SysAllocStringLen(traits.name->data(), UINT(traits.name->size()));
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (!role)
            return E_POINTER;
        AccessibleTraits traits;
        if (const HRESULT hr = Describe(child, traits); FAILED(hr))
            return hr;
        if (traits.role == 0)
            return standard_->get_accRole(child, role);
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = traits.role;
        return S_OK;
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
        if (!value)
            return E_POINTER;
        *value = nullptr;
        AccessibleTraits traits;
        if (const HRESULT hr = Describe(child, traits); FAILED(hr))
            return hr;
        if (traits.secret)
            return E_ACCESSDENIED;
        return standard_->get_accValue(child, value);
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return standard_->get_accDescription(child, out);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override {
        return standard_->get_accState(child, out);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override { return standard_->get_accHelp(child, out); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return standard_->get_accKeyboardShortcut(child, out);
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
    STDMETHODIMP get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
        return standard_->get_accDefaultAction(child, out);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* out) override {
        return standard_->accNavigate(direction, start, out);
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override {
        return standard_->accHitTest(x, y, out);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~AccessibleProxy() = default;

    // The control's traits for the object itself. Nothing for a child, or once the control is
    // gone (the standard object answers for the dead window); a failure when the control could
    // not say, rather than the standard object's answer, which could read a secret text.
    HRESULT Describe(const VARIANT& child, AccessibleTraits& traits) const noexcept {
        if (!IsSelf(child))
            return S_FALSE;
        TWinControl* control = FindControl(hwnd_);
        if (!control)
            return S_FALSE;
        return ComEntry(control, [&] {
            control->DescribeAccessible(traits);
            return S_OK;
        });
    }

    std::atomic<ULONG> refs_{1};
    HWND hwnd_;
    ComPtr<IAccessible> standard_;
};

} // namespace

bool AnswerAccessibleObject(TWinControl& control, TMessage& m) {
    if (static_cast<LONG>(m.lParam) != OBJID_CLIENT)
        return false;
    AccessibleTraits traits;
    control.DescribeAccessible(traits);
    if (!traits.ChangesAnything())
        return false;
    const HWND hwnd = control.WindowHandle();
    const OleaccLibrary* oleacc = OleaccLibrary::Loaded();
    ComPtr<IAccessible> standard;
    LRESULT result =
        oleacc ? oleacc->CreateStandard(hwnd, OBJID_CLIENT, kIidAccessible, standard.PutVoid()) : E_NOTIMPL;
    if (SUCCEEDED(HRESULT(result))) {
        const auto proxy = ComPtr<IAccessible>::Adopt(new AccessibleProxy(hwnd, std::move(standard)));
        result = oleacc->ResultFromObject(kIidAccessible, m.wParam, proxy.Get());
    }
    // Left to the platform, a secret field would be named by its text: the failure is the answer.
    if (FAILED(HRESULT(result)) && !traits.secret)
        return false;
    m.result = result;
    return true;
}
