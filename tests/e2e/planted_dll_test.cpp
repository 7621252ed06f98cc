// The program copied to a folder where someone placed an oleacc.dll of their own (which records
// its loading), with native DLLs preferred for that name as on Windows, where none is built in:
// the program starts, shows its sign-in window, a screen reader reads the fields' names, and the
// planted DLL is never loaded. Usage: planted_dll_test PROGRAM PLANTED_DLL STANDIN_DLL
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/win/bstr.h"
#include "base/win/com_initialization.h"
#include "base/win/com_ptr.h"
#include "tests/e2e/desktop.h"

namespace {

std::wstring g_program;
std::wstring g_planted;
std::wstring g_standin;

// IAccessible's identifier, as data of this program (the import library's is a DLL data import).
const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// A fresh folder holding a copy of the program and the planted DLL, removed with them.
class PlantedFolder {
  public:
    PlantedFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"cxplanted" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
        copied_ = CopyFileW(g_program.c_str(), Program().c_str(), FALSE) &&
                  CopyFileW(g_planted.c_str(), (path_ + L"\\oleacc.dll").c_str(), FALSE);
    }
    ~PlantedFolder() {
        for (const wchar_t* name : {L"ConnexionORLIX.exe", L"oleacc.dll", L"oleacc.dll.loaded"})
            DeleteFileW((path_ + L"\\" + name).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    bool Copied() const { return copied_; }
    std::wstring Program() const { return path_ + L"\\ConnexionORLIX.exe"; }
    bool PlantedDllLoaded() const {
        return GetFileAttributesW((path_ + L"\\oleacc.dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

  private:
    std::wstring path_;
    bool copied_ = false;
};

BOOL CALLBACK CollectEntryField(HWND child, LPARAM list) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpA(cls, "TEdit") == 0)
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The names a screen reader reads of the window's entry fields, in their order.
std::vector<std::optional<std::wstring>> FieldNames(HWND form) {
    std::vector<HWND> fields;
    EnumChildWindows(form, CollectEntryField, reinterpret_cast<LPARAM>(&fields));
    std::vector<std::optional<std::wstring>> names;
    for (const HWND field : fields) {
        ComPtr<IAccessible> object;
        std::optional<std::wstring> name;
        if (AccessibleObjectFromWindow(field, DWORD(OBJID_CLIENT), kIidAccessible, object.PutVoid()) ==
            S_OK) {
            VARIANT self;
            VariantInit(&self);
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            Bstr text;
            if (object->get_accName(self, text.Put()) == S_OK && text)
                name = std::wstring(text.View());
        }
        names.push_back(name);
    }
    return names;
}

TEST(PlantedDll, AnOleaccBesideTheProgramIsNeverLoadedAndTheFieldsStillReadByName) {
    PlantedFolder folder;
    ASSERT_TRUE(folder.Copied());
    // As on Windows, where no built-in copy takes precedence over a DLL found on the search path.
    // Wine reads the preference from the environment it starts with, which the test's command
    // sets for the whole run.
    wchar_t overrides[256] = L"";
    GetEnvironmentVariableW(L"WINEDLLOVERRIDES", overrides, 256);
    ASSERT_NE(std::wstring(overrides).find(L"oleacc=n,b"), std::wstring::npos) << "WINEDLLOVERRIDES";
    e2e::Program program(folder.Program());
    ASSERT_TRUE(program.Started());

    HWND form = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] { return (form = program.Window("TFrmConnexionORLIX")) != nullptr; }, 20000))
        << "the sign-in window shows";
    std::vector<std::optional<std::wstring>> names;
    e2e::WaitFor([&] { return (names = FieldNames(form)).size() == 2 && names[0] && names[1]; });
    EXPECT_EQ(names, (std::vector<std::optional<std::wstring>>{L"Code utilisateur", L"Mot de passe"}));
    EXPECT_FALSE(folder.PlantedDllLoaded());

    PostMessageW(form, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(folder.PlantedDllLoaded());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: planted_dll_test PROGRAM PLANTED_DLL STANDIN_DLL\n");
        return 2;
    }
    g_program = argv[1];
    g_planted = argv[2];
    g_standin = argv[3];
    const ComInitialization com;
    if (!e2e::RegisterStandin(g_standin.c_str())) {
        std::fprintf(stderr, "planted_dll_test: cannot register the stand-in control %ls\n", argv[3]);
        return 2;
    }
    return RUN_ALL_TESTS();
}
