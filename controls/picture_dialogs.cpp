#include "controls/picture_dialogs.h"

#include <commdlg.h>

#include <algorithm>

#include "base/win/ansi.h"
#include "framework/application_services.h"

namespace {

// The dialogs take the filter's parts separated by NUL characters, ended by two.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring parts = AnsiToWide(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    parts.push_back(L'\0');
    return parts;
}

// The save dialog's hook: asks before an existing file is replaced while the dialog is still
// open, so that "Non" returns to it with the name still typed.
UINT_PTR CALLBACK SaveDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY)
        return 0;
    const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
    if (notify->hdr.code != CDN_FILEOK)
        return 0;
    bool refuse = false;
    try {
        const std::wstring path = notify->lpOFN->lpstrFile;
        const DWORD attributes = GetFileAttributesW(path.c_str());
        // The hook's window is a child of the dialog, which owns the question.
        refuse = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                 !ConfirmReplaceFile(GetParent(hook), path);
    } catch (...) {
        ReportException(nullptr);
        refuse = true;
    }
    // A nonzero result keeps the dialog open.
    SetWindowLongPtrW(hook, DWLP_MSGRESULT, refuse ? 1 : 0);
    return refuse ? 1 : 0;
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
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_ENABLESIZING |
                (save ? OFN_ENABLEHOOK : OFN_FILEMUSTEXIST);
    if (save)
        ofn.lpfnHook = SaveDialogHook;
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
