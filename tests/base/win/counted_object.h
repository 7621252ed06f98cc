#pragma once
// A COM object for the RAII tests: counts its references in a variable the test owns and
// offers IUnknown and IPersist.

#include <windows.h>
#include <ole2.h>

class CountedObject final : public IPersist {
  public:
    explicit CountedObject(long& refs) : refs_(refs) { refs_ = 1; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IPersist)
            return E_NOINTERFACE;
        *out = static_cast<IPersist*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override {
        *id = CLSID_NULL;
        return S_OK;
    }

  private:
    long& refs_;
};
