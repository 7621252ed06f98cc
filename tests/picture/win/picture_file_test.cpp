// Saving a picture into a file: what lands on disk, the consent to replace, and what a failure
// leaves behind.

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "base/exception.h"
#include "base/win/ansi.h"
#include "base/win/system_message.h"
#include "picture/png_errors.h"
#include "picture/png_rgb.h"
#include "picture/win/picture_file.h"
#include "../png_test_util.h"

namespace {

std::string Narrow(const std::wstring& w) {
    return std::string(w.begin(), w.end());
}

// The error of a save refused for `code`, written out as the user reads it.
std::string SaveFailure(const std::wstring& target, DWORD code) {
    return "L'image n'a pas pu \xEAtre enregistr\xE9"
           "e dans " +
           WideToAnsi(target) + " : " + SystemMessage(code);
}

// A fresh, empty folder under the temporary folder, removed with what it holds.
class TFolder {
  public:
    TFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"cxsave" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                std::to_wstring(counter_++);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TFolder() {
        for (const std::wstring& name : Names()) {
            const std::wstring p = path_ + L"\\" + name;
            SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(p.c_str()))
                RemoveDirectoryW(p.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    std::set<std::wstring> Names() const {
        std::set<std::wstring> names;
        WIN32_FIND_DATAW found;
        const HANDLE h = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                names.insert(name);
        } while (FindNextFileW(h, &found));
        FindClose(h);
        return names;
    }

  private:
    static inline int counter_ = 0;
    std::wstring path_;
};

void WriteBytes(const std::wstring& path, const TBytes& bytes) {
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

// A 640 x 427 picture of varied samples: its image data needs several IDAT chunks.
std::unique_ptr<TPNGObject> BackgroundSizedPicture() {
    std::vector<uint8_t> rgb(640 * 427 * 3);
    uint32_t state = 2463534242u;
    for (uint8_t& sample : rgb) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        sample = uint8_t(state);
    }
    return CreateRGBPNG(640, 427, rgb.data());
}

const TBytes kOld = {'o', 'l', 'd'};

TEST(SaveGraphicToFile, WritesAPngThatLoadsBackIdenticalWithoutAskingForANewFile) {
    TFolder folder;
    const auto png = BackgroundSizedPicture();
    bool asked = false;
    ASSERT_TRUE(SaveGraphicToFile(*png, folder / L"saved.png", [&] { return asked = true; }));
    EXPECT_FALSE(asked);
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"saved.png"});

    const TBytes file = ReadFileBytes(Narrow(folder / L"saved.png"));
    const std::vector<TRawChunk> chunks = SplitChunks(file);
    size_t idats = 0;
    for (size_t i = 0; i < chunks.size(); ++i)
        if (chunks[i].name == "IDAT") {
            ++idats;
            if (chunks[i + 1].name == "IDAT") {
                EXPECT_EQ(chunks[i].data.size(), 65535u);
            }
        }
    EXPECT_GT(idats, 1u);
    const auto back = LoadPng(file);
    for (uint32_t y = 0; y < 427; ++y)
        for (uint32_t x = 0; x < 640; ++x)
            ASSERT_EQ(back->Image().Pixel(x, y), png->Image().Pixel(x, y)) << x << "," << y;
}

TEST(SaveGraphicToFile, ReplacesAnExistingFileOnlyWithConsent) {
    TFolder folder;
    const auto png = LoadPng(SmallGreyPng(4, 3));
    WriteBytes(folder / L"old.png", kOld);
    EXPECT_FALSE(SaveGraphicToFile(*png, folder / L"old.png", [] { return false; }));
    EXPECT_EQ(ReadFileBytes(Narrow(folder / L"old.png")), kOld);
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"old.png"});

    EXPECT_TRUE(SaveGraphicToFile(*png, folder / L"old.png", [] { return true; }));
    EXPECT_EQ(LoadPng(ReadFileBytes(Narrow(folder / L"old.png")))->Width(), 4);
    EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"old.png"});
}

TEST(SaveGraphicToFile, FailureLeavesTheOldFileIntactAndNoPartialFile) {
    TFolder folder;
    WriteBytes(folder / L"old.png", kOld);
    CreateDirectoryW((folder / L"folder.png").c_str(), nullptr);
    const auto png = LoadPng(SmallGreyPng(4, 3));

    // A picture that cannot be encoded.
    TPNGObject empty;
    EXPECT_THROW(SaveGraphicToFile(empty, folder / L"old.png", [] { return true; }), EPNGHeaderNotPresent);
    // A target that cannot be replaced by a file.
    EXPECT_THROW(SaveGraphicToFile(*png, folder / L"folder.png", [] { return true; }), Exception);
    // A folder that does not exist: the target and the system's reason.
    try {
        SaveGraphicToFile(*png, folder / L"missing\\new.png", [] { return true; });
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        const std::string prefix = "L'image n'a pas pu \xEAtre enregistr\xE9"
                                   "e dans " +
                                   WideToAnsi(folder / L"missing\\new.png") + " : ";
        EXPECT_EQ(e.Message().rfind(prefix, 0), 0u) << e.Message();
        EXPECT_GT(e.Message().size(), prefix.size()) << "the system's reason follows";
    }

    EXPECT_EQ(ReadFileBytes(Narrow(folder / L"old.png")), kOld);
    EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"folder.png", L"old.png"}));
}

// The name a save draws from the bytes `fill`, as it makes its new file in `folder`.
std::wstring DrawnName(uint8_t fill) {
    std::wstring name = L"~cx";
    for (int i = 0; i < 16; ++i) {
        static constexpr wchar_t kDigits[] = L"0123456789abcdef";
        name += kDigits[fill >> 4];
        name += kDigits[fill & 15];
    }
    return name + L".tmp";
}

// Draws 16 bytes of `fills[0]`, then of `fills[1]`...
RandomSource Draws(std::vector<uint8_t> fills) {
    return [fills, next = size_t(0)](uint8_t* bytes, size_t count) mutable {
        if (next == fills.size())
            return false;
        std::fill(bytes, bytes + count, fills[next++]);
        return true;
    };
}

TEST(SaveGraphicToFile, AFileAtADrawnNameIsNeverOpenedAnotherNameIsDrawn) {
    TFolder folder;
    const auto png = LoadPng(SmallGreyPng(4, 3));
    const TBytes planted = {'p', 'l', 'a', 'n', 't'};
    WriteBytes(folder / DrawnName(0x11), planted);
    WriteBytes(folder / DrawnName(0x22), planted);
    ASSERT_TRUE(SaveGraphicToFile(
        *png, folder / L"new.png", [] { return true; }, Draws({0x11, 0x22, 0x33})));
    EXPECT_EQ(LoadPng(ReadFileBytes(Narrow(folder / L"new.png")))->Width(), 4);
    EXPECT_EQ(ReadFileBytes(Narrow(folder / DrawnName(0x11))), planted);
    EXPECT_EQ(ReadFileBytes(Narrow(folder / DrawnName(0x22))), planted);
    EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"new.png", DrawnName(0x11), DrawnName(0x22)}));

    // Every name drawn is taken, or nothing more can be drawn: the save fails and touches nothing.
    for (const auto& fills : {std::vector<uint8_t>(8, 0x11), std::vector<uint8_t>{0x22}}) {
        WriteBytes(folder / L"new.png", kOld);
        EXPECT_THROW(SaveGraphicToFile(
                         *png, folder / L"new.png", [] { return true; }, Draws(fills)),
                     Exception);
        EXPECT_EQ(ReadFileBytes(Narrow(folder / L"new.png")), kOld);
        EXPECT_EQ(ReadFileBytes(Narrow(folder / DrawnName(0x11))), planted);
        EXPECT_EQ(folder.Names(), (std::set<std::wstring>{L"new.png", DrawnName(0x11), DrawnName(0x22)}));
    }
}

TEST(SaveGraphicToFile, AReplacedFileKeepsItsHiddenAndSystemAttributesAndAReadOnlyOneIsRefused) {
    const auto png = LoadPng(SmallGreyPng(4, 3));
    const struct {
        DWORD before;
        bool saved;
    } cases[] = {
        {FILE_ATTRIBUTE_NORMAL, true},
        {FILE_ATTRIBUTE_HIDDEN, true},
        {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, true},
        {FILE_ATTRIBUTE_READONLY, false},
        {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, false},
    };
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
    for (const auto& c : cases) {
        TFolder folder;
        const std::wstring target = folder / L"old.png";
        WriteBytes(target, kOld);
        ASSERT_TRUE(SetFileAttributesW(target.c_str(), c.before));
        bool saved = false;
        try {
            saved = SaveGraphicToFile(*png, target, [] { return true; });
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), SaveFailure(target, ERROR_ACCESS_DENIED)) << c.before;
        }
        EXPECT_EQ(saved, c.saved) << c.before;
        EXPECT_EQ(GetFileAttributesW(target.c_str()) & kKept, c.before & kKept) << c.before;
        EXPECT_EQ(ReadFileBytes(Narrow(target)).size() == kOld.size(), !c.saved) << c.before;
        EXPECT_EQ(folder.Names(), std::set<std::wstring>{L"old.png"}) << c.before;
    }
}

// /sys refuses new files to everyone, root included, where a read-only folder does not stop root.
TEST(SaveGraphicToFile, AFolderThatRefusesNewFilesGivesTheErrorAndLeavesNoFile) {
    const std::wstring folder = L"Z:\\sys\\kernel";
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no Z:\\sys\\kernel to try";
    const auto png = LoadPng(SmallGreyPng(4, 3));
    const std::wstring target = folder + L"\\saved.png";
    try {
        SaveGraphicToFile(*png, target, [] { return true; });
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), SaveFailure(target, ERROR_ACCESS_DENIED));
    }
    EXPECT_EQ(GetFileAttributesW(target.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(LoadGraphicFromFile, ReadsTheKindFromTheFileOrSaysWhyNot) {
    TFolder folder;
    const auto png = LoadPng(SmallGreyPng(4, 3));
    ASSERT_TRUE(SaveGraphicToFile(*png, folder / L"a.png", [] { return true; }));
    const std::unique_ptr<TGraphic> loaded =
        LoadGraphicFromFile(folder / L"a.png", TPNGObject::StaticClass());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Width(), 4);
    EXPECT_EQ(static_cast<const TPNGObject&>(*loaded).Image().Pixel(3, 2).rgbRed, 5);

    try {
        LoadGraphicFromFile(folder / L"none.png", TPNGObject::StaticClass());
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "L'image n'a pas pu \xEAtre lue depuis " + WideToAnsi(folder / L"none.png") +
                                   " : " + SystemMessage(ERROR_FILE_NOT_FOUND));
    }
    WriteBytes(folder / L"bad.png", kOld);
    EXPECT_THROW(LoadGraphicFromFile(folder / L"bad.png", TPNGObject::StaticClass()), EPNGInvalidFileHeader);
}

} // namespace
