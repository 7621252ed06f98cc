#include "picture/win/picture_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/exception.h"
#include "base/win/ansi.h"
#include "base/win/system_message.h"

namespace {

constexpr uint64_t kMaxFileBytes = uint64_t(256) << 20;

// "<what> <path> : <reason>", the reason left out when there is none.
[[noreturn]] void ThrowFileError(const char* what, const std::wstring& path, const std::string& reason) {
    std::string message = Utf8ToAnsi(what) + WideToAnsi(path);
    if (!reason.empty())
        message += " : " + reason;
    throw Exception(message);
}

[[noreturn]] void ThrowSaveError(const std::wstring& path, DWORD code) {
    ThrowFileError("L'image n'a pas pu être enregistrée dans ", path, SystemMessage(code));
}

// `reason` in the ANSI code page, as the system's texts are.
[[noreturn]] void ThrowLoadError(const std::wstring& path, const std::string& reason) {
    ThrowFileError("L'image n'a pas pu être lue depuis ", path, reason);
}

// A file made for the new content, deleted again unless it was moved into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }
    const std::wstring& Path() const { return path_; }
    void Kept() { path_.clear(); }

  private:
    std::wstring path_;
};

class FileHandle {
  public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    HANDLE Get() const { return h_; }
    // Closes now, so that a failure to close is seen; false then.
    bool Close() { return CloseHandle(std::exchange(h_, INVALID_HANDLE_VALUE)) != 0; }

  private:
    HANDLE h_;
};

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

void WriteAll(const std::wstring& path, const std::wstring& target, const std::vector<uint8_t>& bytes) {
    FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        ThrowSaveError(target, GetLastError());
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD piece = DWORD(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, piece, &written, nullptr) || written == 0)
            ThrowSaveError(target, GetLastError());
        done += written;
    }
    if (!FlushFileBuffers(file.Get()) || !file.Close())
        ThrowSaveError(target, GetLastError());
}

} // namespace

bool SaveGraphicToFile(const TGraphic& graphic, const std::wstring& path,
                       const std::function<bool()>& confirmReplace) {
    std::vector<uint8_t> bytes;
    graphic.SaveToStream(bytes);
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES && !confirmReplace())
        return false;

    wchar_t name[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"cxi", 0, name))
        ThrowSaveError(path, GetLastError());
    TemporaryFile temporary(name);
    WriteAll(temporary.Path(), path, bytes);
    if (!MoveFileExW(temporary.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowSaveError(path, GetLastError());
    temporary.Kept();
    return true;
}

std::unique_ptr<TGraphic> LoadGraphicFromFile(const std::wstring& path, const TGraphicClass& kind) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        ThrowLoadError(path, SystemMessage(GetLastError()));
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowLoadError(path, SystemMessage(GetLastError()));
    if (uint64_t(size.QuadPart) > kMaxFileBytes)
        ThrowLoadError(path, Utf8ToAnsi("le fichier dépasse 256 Mo"));
    std::vector<uint8_t> bytes(size_t(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, DWORD(bytes.size() - done), &read, nullptr))
            ThrowLoadError(path, SystemMessage(GetLastError()));
        if (read == 0)
            ThrowLoadError(path, Utf8ToAnsi("le fichier est plus court que prévu"));
        done += read;
    }
    TByteReader stream(bytes.data(), bytes.size());
    std::unique_ptr<TGraphic> graphic = kind.create();
    graphic->LoadFromStream(stream);
    return graphic;
}
