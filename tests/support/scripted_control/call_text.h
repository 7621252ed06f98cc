#pragma once
// How the scripted control writes the arguments of a call into its record: short, stable texts
// that a test can compare with a literal.

#include <windows.h>
#include <ole2.h>

#include <string>
#include <string_view>

namespace scripted {

std::string Utf8(std::wstring_view text);
// "\"text\"", or "null" for the null BSTR.
std::string BstrText(BSTR s);
// "0x1A2B" in upper-case hexadecimal, "null" for zero.
std::string Hex(uintptr_t value);
std::string HwndText(HWND hwnd);
// "(left,top,right,bottom)" or "null".
std::string RectText(const RECT* rect);
// "I4 5", "I2 -1", "BOOL -1", "BSTR \"x\"", "BSTR null", "DISPATCH null", "EMPTY", "vt 0x4003".
std::string VariantText(const VARIANT& v);
// The interface's name for the interfaces a control and its host exchange, else the GUID.
std::string IidName(REFIID iid);
// "hwnd 0x1A2B, 0x0100, 0x9, 0x0, time 5, pt (1,2)" or "null".
std::string MessageText(const MSG* msg);
// "CONTENT" for DVASPECT_CONTENT, else the number.
std::string AspectText(DWORD aspect);
// "INPLACEACTIVATE", "UIACTIVATE", "SHOW", ... or the number.
std::string VerbText(LONG verb);
// "GET", "PUT", "PUTREF", "METHOD", joined with "|".
std::string InvokeFlagsText(WORD flags);
// "S_OK", "S_FALSE", "E_FAIL", ... or "0x8ABCDEF0".
std::string HresultText(HRESULT hr);

} // namespace scripted
