#include "controls/picture_dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "base/win/ansi.h"

namespace {

// The dialogs take the filter's parts separated by NUL characters, ended by two.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring parts = AnsiToWide(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::optional<std::wstring> AskFile(HWND owner, const std::string& filter,
                                    const std::string& defaultExtension, bool save) {
    const std::wstring dialogFilter = DialogFilter(filter);
    const std::wstring extension = AnsiToWide(defaultExtension);
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = dialogFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // Replacing is asked by the save itself (ConfirmReplaceFile), so the dialog does not ask too.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                (save ? 0 : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen)
        return std::nullopt;
    return std::wstring(file);
}

} // namespace

std::optional<std::wstring> AskFileToLoad(HWND owner, const std::string& filter) {
    return AskFile(owner, filter, "", false);
}

std::optional<std::wstring> AskFileToSave(HWND owner, const std::string& filter,
                                          const std::string& defaultExtension) {
    return AskFile(owner, filter, defaultExtension, true);
}

bool ConfirmReplaceFile(HWND owner, const std::wstring& path) {
    const std::wstring text =
        Utf8ToWide("Le fichier ") + path + Utf8ToWide(" existe déjà.\r\nVoulez-vous le remplacer ?");
    return MessageBoxW(owner, text.c_str(), Utf8ToWide("Confirmer l'enregistrement").c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
