#pragma once
// A file in the temporary folder, named after the process so that parallel runs do not meet,
// and removed when the test ends.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TempFile {
  public:
    // The extension tells the picture box the file's kind.
    TempFile(const wchar_t* stem, const wchar_t* extension)
        : path_(Folder() + stem + std::to_wstring(GetCurrentProcessId()) + extension) {}
    TempFile(const wchar_t* stem, const wchar_t* extension, const std::vector<uint8_t>& bytes)
        : TempFile(stem, extension) {
        Write(bytes);
    }
    ~TempFile() { DeleteFileW(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::wstring& Path() const { return path_; }
    std::string NarrowPath() const { return std::string(path_.begin(), path_.end()); }

    // Replaces the file's bytes; a failure is fatal to the test.
    void Write(const std::vector<uint8_t>& bytes) const {
        HANDLE h = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        const bool ok =
            WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
        CloseHandle(h);
        ASSERT_TRUE(ok);
    }

  private:
    static std::wstring Folder() {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        return folder;
    }
    const std::wstring path_;
};
