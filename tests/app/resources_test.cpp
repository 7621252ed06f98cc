// The program's resources: manifest, icon group, version information and texts.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/server_settings.h"
#include "base/win/resource_strings.h"
#include "resources/resource_ids.h"

namespace {

std::string ResourceBytes(LPCSTR name, LPCSTR type, WORD language) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceExA(module, type, name, language);
    if (!found)
        return {};
    const void* data = LockResource(LoadResource(module, found));
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colors;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

} // namespace

TEST(Resources, TheManifestAsksForCommonControls6AndNothingElse) {
    const std::string manifest = ResourceBytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24),
                                               MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_FALSE(manifest.empty());
    // The architecture of the build the test runs in.
    const char* architecture =
        sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"X86\"";
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
                             "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\"", architecture,
                             "<assemblyIdentity version=\"1.0.0.0\""})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    for (const char* absent : {"dpiAware", "dpiAwareness", "requestedExecutionLevel"})
        EXPECT_EQ(manifest.find(absent), std::string::npos) << absent;
}

TEST(Resources, TheIconGroupHoldsFourImagesWithAPng256) {
    const std::string group =
        ResourceBytes("MAINICON", MAKEINTRESOURCEA(14), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(count, 4);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data() + 6);
    const int sizes[] = {256, 48, 32, 16};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].width ? entries[i].width : 256, sizes[i]);
        EXPECT_EQ(entries[i].bitCount, 32);
        const std::string image = ResourceBytes(MAKEINTRESOURCEA(entries[i].id), MAKEINTRESOURCEA(3),
                                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER)) << sizes[i];
        if (sizes[i] == 256) {
            EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8)) << "a compressed PNG image";
            continue;
        }
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
        EXPECT_EQ(header->biSize, 40u) << "a bitmap, not a compressed PNG image";
        EXPECT_EQ(header->biWidth, sizes[i]);
        EXPECT_EQ(header->biBitCount, 32);
    }
}

TEST(Resources, VersionInformationNamesTheProduct) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    const auto value = [&](const char* name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string key = std::string("\\StringFileInfo\\040C04B0\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
            return std::string();
        return std::string(text);
    };
    EXPECT_EQ(value("ProductName"), "Connexion ORLIX");
    EXPECT_EQ(value("FileVersion"), "0.8");
    EXPECT_EQ(value("OriginalFilename"), "ConnexionORLIX.exe");
    // Which server a copy signs in to, as the file's properties show it.
    const std::wstring address(kServerAddress);
    EXPECT_EQ(value("Comments"), "Serveur " + std::string(address.begin(), address.end()) + ", port " +
                                     std::to_string(kServerPort));
    EXPECT_EQ(value("CompanyName"), "Enseignement Sp\xE9"
                                    "cialis\xE9 Vorlane");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(0x00000008));
}

TEST(Resources, TextsArriveInTheAnsiCodePage) {
    EXPECT_EQ(LoadResourceString(IDS_FORM_CAPTION), "Enseignement Sp\xE9"
                                                    "cialis\xE9 Vorlane");
    EXPECT_EQ(LoadResourceString(IDS_WARNING_CAPTION), "Avertissement");
    EXPECT_EQ(LoadResourceString(9999), "");
}
