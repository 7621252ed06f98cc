// The picture box's actions through its keys: the clipboard, loading and saving, and what a
// read-only box refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/win/clipboard.h"
#include "base/win/gdi.h"
#include "base/win/global_memory.h"
#include "controls/cx_image.h"
#include "framework/form.h"
#include "tests/framework/image_form.h"
#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/file_formats.h"
#include "picture/png_object.h"
#include "tests/picture/png_test_util.h"
#include "tests/picture/win/device_bitmap.h"
#include "tests/support/probes/win_probes.h"

namespace {

// A shown form with a focused 100 x 60 box holding a 32 x 32 picture, loading and pasting PNGs.
struct TBoxOnForm {
    TImageForm form{nullptr};
    TcxImage* box;
    explicit TBoxOnForm(bool readOnly) {
        form.SetBounds(50, 50, 300, 200);
        box = new TcxImage(&form);
        box->SetParent(&form);
        box->SetBounds(10, 10, 100, 60);
        box->SetReadOnly(readOnly);
        box->SetGraphicClass(TPNGObject::StaticClass());
        const TBytes file = PngSuiteFile("basn2c08.png");
        TPicture source;
        source.ReadData(StoredValue("TPNGObject", file).data(), StoredValue("TPNGObject", file).size());
        box->Picture().Assign(source);
        form.Show();
        box->SetFocus();
        PumpMessages();
    }
    // The key pressed with the modifiers held, as the box's window receives it.
    void Press(UINT key, bool ctrl, bool shift) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageA(box->Handle(), WM_KEYDOWN, key, 1);
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    int PictureRed(uint32_t x, uint32_t y) const {
        return static_cast<const TPNGObject&>(*box->Picture().Graphic()).Image().Pixel(x, y).rgbRed;
    }
};

bool ClipboardHasBitmap() {
    return IsClipboardFormatAvailable(CF_BITMAP) != 0;
}

void PutPngOnClipboard(const TBytes& bytes) {
    GlobalMemory block = GlobalMemory::FromBytes(bytes.data(), bytes.size());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (SetClipboardData(RegisterClipboardFormatA("PNG"), block.Get()))
        block.Detach();
    CloseClipboard();
}

// The box's menu, opened from the keyboard and closed again from inside its modal loop, one
// letter a line: "E" enabled, "." disabled, "-" a separator.
TcxImage* menuBox = nullptr;
std::string menuStates;

std::string MenuStates(TcxImage& box) {
    menuBox = &box;
    menuStates = "(not shown)";
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!FindWindowA("#32768", nullptr))
            return;
        menuStates.clear();
        for (const MenuLine& line : MenuLines(menuBox->Menu().Handle()))
            menuStates += line.caption == "-" ? '-' : line.enabled ? 'E' : '.';
        EndMenu();
    });
    SendMessageA(box.Handle(), WM_CONTEXTMENU, WPARAM(box.Handle()), MAKELPARAM(-1, -1));
    KillTimer(nullptr, timer);
    return menuStates;
}

} // namespace

TEST(PictureBoxKeys, TheReadOnlyBoxCopiesOnCopyAndCutAndRefusesEveryChange) {
    TBoxOnForm f(true);
    for (const auto& [key, ctrl, shift] : {std::tuple{UINT('C'), true, false},
                                           {UINT(VK_INSERT), true, false},
                                           {UINT('X'), true, false},
                                           {UINT(VK_DELETE), false, true}}) {
        CopyTextToClipboard(nullptr, "before");
        f.Press(key, ctrl, shift);
        EXPECT_TRUE(ClipboardHasBitmap()) << key;
        EXPECT_FALSE(f.box->Picture().Empty()) << key;
    }
    PutPngOnClipboard(SmallGreyPng(4, 3));
    for (const auto& [key, ctrl, shift] : {std::tuple{UINT('V'), true, false},
                                           {UINT(VK_INSERT), false, true},
                                           {UINT(VK_DELETE), false, false}}) {
        f.Press(key, ctrl, shift);
        EXPECT_EQ(f.box->Picture().Width(), 32) << key;
    }
}

TEST(PictureBoxKeys, AnEditableBoxPastesCutsAndDeletes) {
    TBoxOnForm f(false);
    PutPngOnClipboard(SmallGreyPng(4, 3));
    f.Press('V', true, false);
    EXPECT_EQ(f.box->Picture().Width(), 4);
    EXPECT_EQ(f.PictureRed(3, 2), 5);
    f.Press(VK_DELETE, false, true); // cut
    EXPECT_TRUE(f.box->Picture().Empty());
    EXPECT_TRUE(ClipboardHasBitmap());
    f.Press(VK_INSERT, false, true); // nothing pasteable: the clipboard holds a bitmap
    EXPECT_TRUE(f.box->Picture().Empty());
    PutPngOnClipboard(SmallGreyPng(4, 3));
    f.Press(VK_INSERT, false, true);
    EXPECT_FALSE(f.box->Picture().Empty());
    f.Press(VK_DELETE, false, false);
    EXPECT_TRUE(f.box->Picture().Empty());
}

TEST(PictureBoxFiles, SavesThePictureAndLoadsItBackIntoAnEditableBox) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path =
        std::wstring(folder) + L"cx_image_actions_" + std::to_wstring(GetCurrentProcessId()) + L".png";
    TBoxOnForm readOnly(true);
    ASSERT_TRUE(readOnly.box->SavePictureTo(path));
    readOnly.box->LoadPictureFrom(path); // read-only: refused
    EXPECT_EQ(readOnly.box->Picture().Width(), 32);

    TBoxOnForm editable(false);
    editable.box->DeletePicture();
    ASSERT_TRUE(editable.box->Picture().Empty());
    editable.box->LoadPictureFrom(path);
    ASSERT_FALSE(editable.box->Picture().Empty());
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x)
            ASSERT_EQ(editable.PictureRed(x, y), readOnly.PictureRed(x, y)) << x << "," << y;
    DeleteFileW(path.c_str());
}

TEST(PictureBoxBitmaps, AnEditableBoxPastesAndLoadsBitmapsAndKeepsItsPictureOnADamagedFile) {
    TBoxOnForm f(false);
    f.box->SetGraphicClass(*FileFormats().Entries().front().graphicClass); // the default kind
    const TDecodedImage pasted = ColourfulImage(5, 3);
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(pasted));
    f.Press('V', true, false);
    ASSERT_EQ(f.box->Picture().Width(), 5);
    EXPECT_EQ(PixelsOf(static_cast<const TBitmapGraphic&>(*f.box->Picture().Graphic()).Image()),
              PixelsOf(pasted));

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path =
        std::wstring(folder) + L"cx_image_bitmap_" + std::to_wstring(GetCurrentProcessId()) + L".bmp";
    const TDecodedImage loaded = ColourfulImage(7, 4);
    std::vector<uint8_t> file;
    WriteBmp(loaded, file);
    for (const auto& [bytes, error] :
         {std::pair{file, false}, {std::vector<uint8_t>(file.begin(), file.end() - 3), true}}) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        const bool ok =
            WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
        CloseHandle(h);
        ASSERT_TRUE(ok);
        if (error)
            EXPECT_THROW(f.box->LoadPictureFrom(path), EBitmapError);
        else
            f.box->LoadPictureFrom(path);
        EXPECT_EQ(PixelsOf(static_cast<const TBitmapGraphic&>(*f.box->Picture().Graphic()).Image()),
                  PixelsOf(loaded))
            << (error ? "damaged file" : "whole file");
    }
    DeleteFileW(path.c_str());
}

TEST(PictureBoxBitmaps, PasteIsEnabledWhileTheClipboardHoldsABitmap) {
    TBoxOnForm f(false);
    f.box->SetGraphicClass(*FileFormats().Entries().front().graphicClass); // the default kind
    CopyTextToClipboard(nullptr, "text only");
    EXPECT_EQ(MenuStates(*f.box), "EE.E-EE"); // cut, copy, paste, delete, load, save
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(ColourfulImage(2, 2)));
    EXPECT_EQ(MenuStates(*f.box), "EEEE-EE");
}
