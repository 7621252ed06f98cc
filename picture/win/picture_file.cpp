#include "picture/win/picture_file.h"

#include <windows.h>
#include <ntsecapi.h>

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

  private:
    HANDLE h_;
};

bool SystemRandom(uint8_t* bytes, size_t count) {
    return RtlGenRandom(bytes, ULONG(count)) != FALSE;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
}

// A name in the target's folder that nobody can guess ahead of the program.
std::wstring UnpredictableName(const std::wstring& target, const RandomSource& random) {
    uint8_t bytes[16];
    if (!random(bytes, sizeof bytes))
        ThrowSaveError(target, ERROR_GEN_FAILURE);
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring name = FolderOf(target) + L"~cx";
    for (const uint8_t b : bytes) {
        name += kDigits[b >> 4];
        name += kDigits[b & 15];
    }
    return name + L".tmp";
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(n, L'\0');
    const DWORD written = n ? GetFullPathNameW(path.c_str(), n, full.data(), nullptr) : 0;
    if (written == 0 || written >= n)
        ThrowSaveError(path, GetLastError());
    full.resize(written);
    return full;
}

// The new content's file, which this program created and reaches only through its handle: it
// takes the target's place, or it is deleted when its holder goes.
class NewFile {
  public:
    NewFile(const std::wstring& target, DWORD attributes, const RandomSource& random) : target_(target) {
        // A name that exists is never opened: another is drawn.
        for (int attempt = 0; attempt < 8; ++attempt) {
            const std::wstring name = UnpredictableName(target, random);
            handle_ = CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, attributes,
                                  nullptr);
            if (handle_ != INVALID_HANDLE_VALUE)
                return;
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                ThrowSaveError(target, error);
        }
        ThrowSaveError(target, ERROR_FILE_EXISTS);
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (!placed_) {
            FILE_DISPOSITION_INFO dispose = {TRUE};
            SetFileInformationByHandle(handle_, FileDispositionInfo, &dispose, sizeof dispose);
        }
        CloseHandle(handle_);
    }

    void Write(const std::vector<uint8_t>& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const DWORD piece = DWORD(std::min<size_t>(bytes.size() - done, 1u << 20));
            DWORD written = 0;
            if (!WriteFile(handle_, bytes.data() + done, piece, &written, nullptr) || written == 0)
                ThrowSaveError(target_, GetLastError());
            done += written;
        }
        if (!FlushFileBuffers(handle_))
            ThrowSaveError(target_, GetLastError());
    }

    // Renames this very file to the target: a name swapped meanwhile for a link cannot redirect
    // it. An existing target is replaced only when `replace` says so. The rename takes a full path.
    void TakePlace(bool replace) {
        const std::wstring full = FullPath(target_);
        const size_t nameBytes = full.size() * sizeof(wchar_t);
        std::vector<uint8_t> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = replace ? TRUE : FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = DWORD(nameBytes);
        std::copy(full.begin(), full.end(), rename->FileName);
        if (!SetFileInformationByHandle(handle_, FileRenameInfo, rename, DWORD(buffer.size())))
            ThrowSaveError(target_, GetLastError());
        placed_ = true;
    }

  private:
    std::wstring target_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool placed_ = false;
};

} // namespace

bool SaveGraphicToFile(const TGraphic& graphic, const std::wstring& path,
                       const std::function<bool()>& confirmReplace, const RandomSource& random) {
    std::vector<uint8_t> bytes;
    graphic.SaveToStream(bytes);
    const DWORD existing = GetFileAttributesW(path.c_str());
    const bool exists = existing != INVALID_FILE_ATTRIBUTES;
    if (exists && !confirmReplace())
        return false;
    if (exists && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        ThrowSaveError(path, ERROR_ACCESS_DENIED);

    const DWORD kept = exists ? existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) : 0;
    NewFile file(path, kept ? kept : FILE_ATTRIBUTE_NORMAL, random ? random : RandomSource(SystemRandom));
    file.Write(bytes);
    file.TakePlace(exists);
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
