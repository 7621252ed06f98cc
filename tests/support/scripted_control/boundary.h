#pragma once
// The edge of every COM method of the scripted control: no C++ exception crosses it.

#include <windows.h>

#include <new>

namespace scripted {

template <class F>
HRESULT Boundary(F&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

} // namespace scripted
