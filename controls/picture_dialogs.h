#pragma once
// The platform's boxes that the picture box's Load and Save As open: the open and save dialogs,
// and the question before an existing file is replaced.

#include <windows.h>

#include <optional>
#include <string>

// filter as the picture-kind registry writes it: "Description (*.png)|*.png|..." (8-bit, ANSI).
// Both answer the chosen file, or nothing when the dialog was cancelled. The save dialog asks
// before an existing file is replaced (ConfirmReplaceFile) and stays open when the answer is No.
std::optional<std::wstring> AskFileToLoad(HWND owner, const std::string& filter);
std::optional<std::wstring> AskFileToSave(HWND owner, const std::string& filter,
                                          const std::string& defaultExtension);

// A Yes/No question: replace the file that is there? No is the default answer.
bool ConfirmReplaceFile(HWND owner, const std::wstring& path);
