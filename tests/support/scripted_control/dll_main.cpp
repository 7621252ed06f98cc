// The scripted control as an in-process server, ScriptedRdpControl.dll: a development stand-in
// for the remote desktop control under Wine. It registers itself for the real control's class
// identifier, but refuses to replace (or remove) a registration that names another server, so
// it cannot displace the real control where one is installed. It plays the development accounts
// (demo_session.h), so the program can be walked through by hand without a server.

#include "base/win/com_ptr.h"
#include "session/rdp_ids.h"
#include "tests/support/scripted_control/class_factory.h"
#include "tests/support/scripted_control/module_count.h"
#include "tests/support/scripted_control/standin_window.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <string>

namespace {

HINSTANCE module = nullptr;
constexpr wchar_t kServerFileName[] = L"ScriptedRdpControl.dll";

std::wstring ClassKey() {
    wchar_t clsid[40];
    StringFromGUID2(CLSID_MsRdpClient6NotSafeForScripting, clsid, 40);
    return std::wstring(L"CLSID\\") + clsid;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

// The server the class is registered to now, empty when it is not registered.
std::wstring RegisteredServer() {
    wchar_t path[MAX_PATH] = L"";
    DWORD size = sizeof path;
    const std::wstring key = ClassKey() + L"\\InprocServer32";
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return {};
    return path;
}

bool IsOurServer(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    return lstrcmpiW(name.c_str(), kServerFileName) == 0;
}

LSTATUS SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        scripted::UnregisterStandinWindowClass();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualGUID(clsid, CLSID_MsRdpClient6NotSafeForScripting))
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        auto script = std::make_shared<scripted::ControlScript>();
        script->SimulateAccounts = true;
        auto factory = ComPtr<IClassFactory>::Adopt(new scripted::ScriptedControlFactory(script, nullptr));
        return factory->QueryInterface(iid, out);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDAPI DllCanUnloadNow() {
    return scripted::ModuleInUse() ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer() {
    try {
        const std::wstring current = RegisteredServer();
        if (!current.empty() && !IsOurServer(current))
            return SELFREG_E_CLASS;
        const std::wstring path = ModulePath();
        if (path.empty())
            return SELFREG_E_CLASS;
        HKEY key = nullptr;
        const std::wstring name = ClassKey() + L"\\InprocServer32";
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return SELFREG_E_CLASS;
        const bool written = SetString(key, nullptr, path) == ERROR_SUCCESS &&
                             SetString(key, L"ThreadingModel", L"Apartment") == 0;
        RegCloseKey(key);
        return written ? S_OK : SELFREG_E_CLASS;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDAPI DllUnregisterServer() {
    try {
        const std::wstring current = RegisteredServer();
        if (current.empty())
            return S_OK;
        if (!IsOurServer(current))
            return SELFREG_E_CLASS;
        return RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str()) == ERROR_SUCCESS ? S_OK
                                                                                      : SELFREG_E_CLASS;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}
