#pragma once
// The checks a host makes right after each call into an embedded control; each raises one of
// the exceptions of ole_errors.h when the call failed.

#include <windows.h>
#include <ole2.h>

// Any failure code raises EOleSysError with the message for the code.
void OleCheck(HRESULT hr);

// The result of IDispatch::Invoke: anything but S_OK raises. DISP_E_EXCEPTION raises
// EOleException from `excepInfo` (after its deferred fill-in), anything else EOleSysError.
// The strings of `excepInfo` are freed in every case.
void DispatchInvokeCheck(HRESULT hr, EXCEPINFO& excepInfo);

// The result of a call through a control's own interface: a negative code raises EOleException,
// described by the thread's error object when there is one.
void SafeCallCheck(HRESULT hr);
