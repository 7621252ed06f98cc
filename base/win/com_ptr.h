#pragma once
// An owning COM interface pointer. Copies take their own reference, so a copy never leads to a
// double release; out-parameters are reached only through Put(), which releases what was held.

#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <utility>

template <class T>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Shares `p`: takes a reference of its own.
    explicit ComPtr(T* p) noexcept : p_(p) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference that the caller owns (a fresh object, a detached pointer).
    static ComPtr Adopt(T* p) noexcept {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    void Reset() noexcept {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }

    // Hands the reference to the caller.
    T* Detach() noexcept { return std::exchange(p_, nullptr); }

    // For an out-parameter: releases what is held and gives the slot to fill.
    T** Put() noexcept {
        Reset();
        return &p_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    // Fills a caller's out-parameter with a new reference (null when empty).
    HRESULT CopyTo(T** out) const noexcept {
        if (!out)
            return E_POINTER;
        *out = p_;
        if (p_)
            p_->AddRef();
        return S_OK;
    }

    template <class U>
    HRESULT QueryInterface(REFIID iid, ComPtr<U>& out) const noexcept {
        if (!p_) {
            out.Reset();
            return E_POINTER;
        }
        return p_->QueryInterface(iid, out.PutVoid());
    }
    template <class U>
    HRESULT As(ComPtr<U>& out) const noexcept {
        return QueryInterface(__uuidof(U), out);
    }
    // The interface `U` of the same object, or empty when it is not offered.
    template <class U>
    ComPtr<U> As() const noexcept {
        ComPtr<U> out;
        As(out);
        return out;
    }

  private:
    T* p_ = nullptr;
};

template <class T, class U>
bool operator==(const ComPtr<T>& a, const ComPtr<U>& b) noexcept {
    return a.Get() == b.Get();
}
template <class T, class U>
bool operator!=(const ComPtr<T>& a, const ComPtr<U>& b) noexcept {
    return a.Get() != b.Get();
}
