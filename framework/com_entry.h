#pragma once
// The edge of every COM method the program implements (the ActiveX host's, the accessible
// objects'): no C++ exception crosses it. An escaping exception goes to the application's
// exception handler with the implementing component as sender, and the caller gets a failure code.

#include "framework/application_services.h"

#include <windows.h>

#include <new>

class TComponent;

template <class F>
HRESULT ComEntry(TComponent* sender, F&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        ReportException(sender);
        return E_OUTOFMEMORY;
    } catch (...) {
        ReportException(sender);
        return E_FAIL;
    }
}
