// The picture box's actions through its keys: the clipboard, loading and saving, and what a
// read-only box refuses.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "base/win/clipboard.h"
#include "base/win/gdi.h"
#include "base/win/global_memory.h"
#include "controls/cx_image.h"
#include "framework/popup_menu.h"
#include "framework/form.h"
#include "tests/controls/box_input.h"
#include "tests/controls/box_on_form.h"
#include "tests/framework/temp_file.h"
#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/file_formats.h"
#include "picture/icon_graphic.h"
#include "picture/png_object.h"
#include "tests/picture/icon_test_util.h"
#include "tests/picture/win/device_bitmap.h"
#include "tests/support/probes/win_probes.h"

namespace {

// A shown form with a focused box holding a 32 x 32 picture, loading and pasting PNGs.
struct TBoxOnForm : BoxOnForm {
    explicit TBoxOnForm(bool readOnly) {
        box->SetReadOnly(readOnly);
        box->SetGraphicClass(TPNGObject::StaticClass());
        TPicture source;
        ReadStored(source, "TPNGObject", PngSuiteFile("basn2c08.png"));
        box->Picture().Assign(source);
        form.Show();
        FocusAndPump(box);
    }
    void Press(UINT key, bool ctrl, bool shift) { PressWithModifiers(box->Handle(), key, ctrl, shift); }
    int PictureRed(uint32_t x, uint32_t y) const {
        return static_cast<const TPNGObject&>(*box->Picture().Graphic()).Image().Pixel(x, y).rgbRed;
    }
};

// A bitmap file holding the image.
TBytes BmpFile(const TDecodedImage& image) {
    TBytes file;
    WriteBmp(image, file);
    return file;
}

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
std::string MenuStates(TcxImage& box) {
    std::string states = "(not shown)";
    WithMenuOpen(box.Handle(), [&] {
        states.clear();
        for (const MenuLine& line : MenuLines(box.Menu().Handle()))
            states += line.caption == "-" ? '-' : line.enabled ? 'E' : '.';
        EndMenu();
    });
    return states;
}

// Opens the box's menu from the keyboard and types the accelerator letter of a line, as a user
// does.
void ChooseFromMenu(TcxImage& box, char letter) {
    WithMenuOpen(box.Handle(), [letter] {
        INPUT keys[2] = {};
        for (INPUT& k : keys) {
            k.type = INPUT_KEYBOARD;
            k.ki.wVk = WORD(VkKeyScanA(letter) & 0xFF);
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    });
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
    const TempFile file(L"cx_image_actions_", L".png");
    TBoxOnForm readOnly(true);
    ASSERT_TRUE(readOnly.box->SavePictureTo(file.Path()));
    readOnly.box->LoadPictureFrom(file.Path()); // read-only: refused
    EXPECT_EQ(readOnly.box->Picture().Width(), 32);

    TBoxOnForm editable(false);
    editable.box->DeletePicture();
    ASSERT_TRUE(editable.box->Picture().Empty());
    editable.box->LoadPictureFrom(file.Path());
    ASSERT_FALSE(editable.box->Picture().Empty());
    for (uint32_t y = 0; y < 32; ++y)
        for (uint32_t x = 0; x < 32; ++x)
            ASSERT_EQ(editable.PictureRed(x, y), readOnly.PictureRed(x, y)) << x << "," << y;
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

    const TempFile bmp(L"cx_image_bitmap_", L".bmp");
    const TDecodedImage loaded = ColourfulImage(7, 4);
    const TBytes file = BmpFile(loaded);
    for (const auto& [bytes, error] :
         {std::pair{file, false}, {TBytes(file.begin(), file.end() - 3), true}}) {
        bmp.Write(bytes);
        if (HasFatalFailure())
            return;
        if (error)
            EXPECT_THROW(f.box->LoadPictureFrom(bmp.Path()), EBitmapError);
        else
            f.box->LoadPictureFrom(bmp.Path());
        EXPECT_EQ(PixelsOf(static_cast<const TBitmapGraphic&>(*f.box->Picture().Graphic()).Image()),
                  PixelsOf(loaded))
            << (error ? "damaged file" : "whole file");
    }
}

TEST(PictureBoxBitmaps, PasteIsEnabledWhileTheClipboardHoldsABitmap) {
    TBoxOnForm f(false);
    f.box->SetGraphicClass(*FileFormats().Entries().front().graphicClass); // the default kind
    CopyTextToClipboard(nullptr, "text only");
    EXPECT_EQ(MenuStates(*f.box), "EE.E-EE"); // cut, copy, paste, delete, load, save
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(ColourfulImage(2, 2)));
    EXPECT_EQ(MenuStates(*f.box), "EEEE-EE");
}

namespace {

// Names the events a box raises, in order, one letter each: (A)ssign, (C)hange, (E)dit value.
std::string* eventLog = nullptr;
void LogEvents(TcxImage& box, std::string& log) {
    eventLog = &log;
    box.OnAssignPicture = [](TComponent*) { *eventLog += 'A'; };
    box.OnChange = [](TComponent*) { *eventLog += 'C'; };
    box.OnEditValueChanged = [](TComponent*) { *eventLog += 'E'; };
}

} // namespace

TEST(PictureBoxIcons, AnIconBoxLoadsAndSavesIconsButNeitherCopiesNorPastes) {
    TBoxOnForm f(false);
    f.box->SetGraphicClass(TIconGraphic::StaticClass());
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(ColourfulImage(2, 2)));
    EXPECT_EQ(MenuStates(*f.box), "...E-EE") << "cut, copy and paste off for the icon kind";
    f.Press('V', true, false);
    f.Press(VK_INSERT, false, true);
    PutPngOnClipboard(SmallGreyPng(4, 3));
    f.Press('V', true, false);
    EXPECT_EQ(f.box->Picture().Width(), 32) << "nothing pastes as an icon";

    const std::vector<uint8_t> file = TestIconFile({{16, 16, 4}, {32, 32, 24}});
    const TempFile icon(L"cx_image_icon_", L".ico", file);
    const TempFile saved(L"cx_image_icon_saved_", L".ico");
    f.box->LoadPictureFrom(icon.Path());
    ASSERT_NE(dynamic_cast<const TIconGraphic*>(f.box->Picture().Graphic()), nullptr);
    EXPECT_EQ(f.box->Picture().Width(), 16);
    EXPECT_EQ(MenuStates(*f.box), "...E-EE");
    ASSERT_TRUE(f.box->SavePictureTo(saved.Path()));
    EXPECT_EQ(ReadFileBytes(saved.NarrowPath()), file) << "saved back as the same bytes";

    icon.Write(TBytes(file.begin(), file.end() - 1));
    EXPECT_THROW(f.box->LoadPictureFrom(icon.Path()), EIconError);
    EXPECT_EQ(f.box->Picture().Width(), 16) << "a damaged file changes nothing";
}

TEST(PictureBoxEvents, EveryUserChangeOfThePictureIsReportedAndNothingElse) {
    TBoxOnForm f(false);
    std::string log;
    LogEvents(*f.box, log);
    const TempFile png(L"cx_image_events_", L".png", SmallGreyPng(5, 5));
    const struct {
        const char* what;
        std::function<void()> act;
        const char* events;
    } cases[] = {
        {"a program's assignment", [&] { f.box->Picture().AssignGraphic(nullptr); }, ""},
        {"paste",
         [&] {
             PutPngOnClipboard(SmallGreyPng(4, 3));
             f.Press('V', true, false);
         },
         "ACE"},
        {"copy", [&] { f.Press('C', true, false); }, ""},
        {"cut", [&] { f.Press('X', true, false); }, "CE"},
        {"delete with nothing to delete", [&] { f.box->DeletePicture(); }, ""},
        {"load", [&] { f.box->LoadPictureFrom(png.Path()); }, "ACE"},
        {"delete", [&] { f.Press(VK_DELETE, false, false); }, "CE"},
    };
    for (const auto& c : cases) {
        log.clear();
        c.act();
        EXPECT_EQ(log, c.events) << c.what;
    }

    TBoxOnForm readOnly(true);
    LogEvents(*readOnly.box, log);
    log.clear();
    readOnly.Press('X', true, false);
    readOnly.Press(VK_DELETE, false, false);
    readOnly.box->LoadPictureFrom(png.Path());
    EXPECT_EQ(log, "") << "a read-only box refuses, silently";
}

TEST(PictureBoxEvents, OnGetGraphicClassChoosesTheKindOfOneLoadOrPaste) {
    TBoxOnForm f(false);
    f.box->SetGraphicClass(TBitmapGraphic::StaticClass());
    std::vector<bool> asked;
    const TGraphicClass* answer = &TPNGObject::StaticClass();
    f.box->OnGetGraphicClass = [&](TComponent*, bool pasting, const TGraphicClass*& kind) {
        asked.push_back(pasting);
        kind = answer;
    };
    PutPngOnClipboard(SmallGreyPng(4, 3));
    f.Press('V', true, false);
    EXPECT_EQ(f.box->Picture().Width(), 4) << "a PNG pasted although GraphicClassName is the bitmap";
    answer = nullptr; // no kind named: GraphicClassName's
    ASSERT_TRUE(PutDeviceBitmapOnClipboard(ColourfulImage(6, 2)));
    f.Press('V', true, false);
    EXPECT_EQ(f.box->Picture().Width(), 6);
    EXPECT_EQ(asked, (std::vector<bool>{true, true})) << "asked once per paste, as a paste";

    // An abstract kind cannot be made: the load reads GraphicClassName's kind instead.
    answer = &TGraphic::StaticClass();
    const TempFile bmp(L"cx_image_abstract_", L".bmp", BmpFile(ColourfulImage(7, 1)));
    f.box->LoadPictureFrom(bmp.Path());
    EXPECT_EQ(f.box->Picture().Width(), 7);
    EXPECT_EQ(asked.back(), false) << "asked as a load";
}

TEST(PictureBoxTransparency, GraphicTransparencyForcesTheFlagOfEachNewPicture) {
    TBoxOnForm f(false);
    const TBytes bmp = BmpFile(ColourfulImage(3, 3));
    const struct {
        const char* tag;
        TBytes stream;
    } kinds[] = {{"TBitmap", bmp}, {"TPNGObject", SmallGreyPng(3, 3)}, {"TIcon", TestIconFile({{16, 16}})}};
    // Per kind (bitmap, opaque PNG, icon), the flag of a picture that came with it off, then on.
    const struct {
        TGraphicTransparency setting;
        const char* expected;
    } cases[] = {{gtDefault, ".T..TT"}, {gtOpaque, "....TT"}, {gtTransparent, "TT..TT"}};
    for (const auto& c : cases) {
        f.box->SetGraphicTransparency(c.setting);
        std::string seen;
        for (const auto& k : kinds)
            for (const bool cameTransparent : {false, true}) {
                TPicture source;
                ReadStored(source, k.tag, k.stream);
                source.Graphic()->SetTransparent(cameTransparent);
                f.box->Picture().Assign(source);
                seen += f.box->Picture().Graphic()->Transparent() ? 'T' : '.';
            }
        EXPECT_EQ(seen, c.expected) << int(c.setting);
    }
}

TEST(PictureBoxMenu, TheCustomLineShowsAfterItsSeparatorAndRaisesOnCustomClick) {
    TBoxOnForm f(true);
    BitmapHandle glyph(CreateBitmap(16, 16, 1, 32, nullptr));
    const HBITMAP glyphHandle = glyph.Get();
    f.box->SetCustomMenuItemGlyph(std::move(glyph));
    f.box->SetCustomMenuItemCaption("&Imprimer");
    int clicks = 0;
    f.box->OnCustomClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, f.box);
        ++clicks;
    };
    EXPECT_EQ(MenuStates(*f.box), ".E..-.E") << "pmiCustom off: no custom line";
    f.box->SetMenuItems(TPictureMenuItems::Default().Add(TPictureMenuItem::Custom));
    EXPECT_EQ(MenuStates(*f.box), ".E..-.E-E") << "enabled even in a read-only box";
    const std::vector<MenuLine> lines = MenuLines(f.box->Menu().Handle());
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[7].caption, "-");
    EXPECT_EQ(lines[8].caption, "&Imprimer");
    EXPECT_EQ(lines[8].glyph, glyphHandle);
    ChooseFromMenu(*f.box, 'i');
    EXPECT_EQ(clicks, 1);
    MenuStates(*f.box); // opened and dismissed: no click
    EXPECT_EQ(clicks, 1);
}

TEST(PictureBoxMenu, AMenuOfTheApplicationsOwnReplacesTheBuiltInOne) {
    TBoxOnForm f(false);
    auto* menu = new TPopupMenu(&f.form);
    menu->SetName("ownMenu");
    std::string chosen;
    for (const char* caption : {"&Agrandir", "-", "&Fermer"}) {
        auto* item = new TMenuItem(&f.form);
        item->SetCaption(caption);
        item->OnClick = [&chosen, caption](TComponent*) { chosen += caption; };
        menu->Add(item);
    }
    menu->Items()[2]->SetEnabled(false);
    f.box->SetPopupMenu("ownMenu");
    ChooseFromMenu(*f.box, 'f');
    EXPECT_EQ(chosen, "") << "a disabled line is not chosen";
    ChooseFromMenu(*f.box, 'a');
    EXPECT_EQ(chosen, "&Agrandir");
    EXPECT_EQ(f.box->Menu().Handle(), nullptr) << "the built-in menu is never made";
    f.box->SetPopupMenu("");
    EXPECT_EQ(MenuStates(*f.box).size(), 7u) << "without it, the built-in menu again";
}
