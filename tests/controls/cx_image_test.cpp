// The picture box's frame, focus rectangle and caption, and its values read from a window
// description.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/win/solid_fill.h"
#include "controls/cx_image.h"
#include "framework/colors_win.h"
#include "framework/edit.h"
#include "framework/description/description.h"
#include "framework/form.h"
#include "framework/form_reader.h"
#include "framework/popup_menu.h"
#include "framework/reader.h"
#include "picture/bmp_format.h"
#include "picture/file_formats.h"
#include "picture/icon_graphic.h"
#include "picture/win/dc_canvas.h"
#include "tests/controls/box_on_form.h"

namespace {

// Pixels of the ring `inset` pixels inside a 100 x 60 box that differ between two paints.
int RingDifferences(const PixelCanvas& a, const PixelCanvas& b, int inset) {
    int n = 0;
    for (int x = inset; x < 100 - inset; ++x)
        n += (a.At(x, inset) != b.At(x, inset)) + (a.At(x, 59 - inset) != b.At(x, 59 - inset));
    for (int y = inset + 1; y < 59 - inset; ++y)
        n += (a.At(inset, y) != b.At(inset, y)) + (a.At(99 - inset, y) != b.At(99 - inset, y));
    return n;
}

int bitmapsMade = 0;

HBITMAP WINAPI CountedBitmap(HDC dc, int width, int height) {
    ++bitmapsMade;
    return CreateCompatibleBitmap(dc, width, height);
}

// As when graphics resources run out.
HBITMAP WINAPI NoBitmap(HDC, int, int) {
    return nullptr;
}

} // namespace

TEST(PictureBoxPaint, TheFocusShowsInTheFrameColourAndOptionallyAFocusRectangle) {
    for (const bool showFocusRect : {true, false}) {
        BoxOnForm f;
        auto* edit = Place<TEdit>(f.form, &f.form, 150, 10);
        f.box->SetShowFocusRect(showFocusRect);
        f.form.Show();
        FocusAndPump(edit);
        const auto unfocused = f.Paint();
        FocusAndPump(f.box);
        const auto focused = f.Paint();
        EXPECT_EQ(unfocused->At(1, 30), ColorToRGB(clBtnShadow));
        EXPECT_EQ(focused->At(1, 30), ColorToRGB(clHighlight)) << "the frame line turns to the highlight";
        EXPECT_EQ(RingDifferences(*unfocused, *focused, 0), 0) << "the outer ring is never drawn on";
        if (showFocusRect)
            EXPECT_GT(RingDifferences(*unfocused, *focused, 2), 100)
                << "a dotted outline along the content's edge";
        else
            EXPECT_EQ(RingDifferences(*unfocused, *focused, 2), 0);
        EXPECT_EQ(RingDifferences(*unfocused, *focused, 3), 0);
    }
}

TEST(PictureBoxPaint, AnEmptyBoxShowsItsCaptionCentredAndAPictureHidesIt) {
    BoxOnForm f;
    f.box->SetCaption("Aucune image");
    f.box->SetShowFocusRect(false);
    f.form.Show();
    const auto textPixels = [&](int top, int bottom) {
        return 96 * (bottom - top) - CountColour(*f.Paint(), {2, top, 98, bottom}, ColorToRGB(clWindow));
    };
    EXPECT_GT(textPixels(22, 38), 20) << "the caption in the middle";
    EXPECT_EQ(textPixels(2, 18) + textPixels(42, 58), 0) << "one line, centred vertically";

    TPicture white;
    ReadStored(white, "TPNGObject", SmallGreyPng(1, 1));
    f.box->Picture().Assign(white);
    EXPECT_EQ(textPixels(22, 38), 1) << "only the one-pixel picture, no caption";
}

TEST(PictureBoxPaint, AnOpaqueBoxShowsItsColourThroughATransparentPictureWithOrWithoutItsBitmap) {
    BoxOnForm f;
    f.box->SetShowFocusRect(false);
    constexpr COLORREF kBlue = RGB(0, 0, 200);
    f.box->SetColor(TColor(kBlue));
    // 32 x 32, its alpha running from clear to opaque.
    ReadStored(f.box->Picture(), "TPNGObject", PngSuiteFile("basn6a08.png"));
    f.box->SetPictureBufferFunction(CountedBitmap);
    bitmapsMade = 0;
    f.form.Show();
    PumpMessages();
    const auto buffered = f.Paint();
    f.Paint();
    EXPECT_EQ(bitmapsMade, 1) << "the bitmap is kept between paints";

    // The picture blended over the colour by hand.
    PixelCanvas expected(100, 60);
    FillSolid(expected.DC(), {2, 2, 98, 58}, kBlue);
    TDCCanvas canvas(expected.DC());
    f.box->Picture().Graphic()->Draw(canvas, f.box->PictureRect());

    f.box->SetPictureBufferFunction(NoBitmap);
    const auto direct = f.Paint();
    int blended = 0;
    for (int y = 2; y < 58; ++y)
        for (int x = 2; x < 98; ++x) {
            ASSERT_EQ(buffered->At(x, y), expected.At(x, y)) << x << "," << y;
            ASSERT_EQ(direct->At(x, y), expected.At(x, y)) << "without the bitmap: " << x << "," << y;
            blended += expected.At(x, y) != kBlue;
        }
    EXPECT_GT(blended, 500) << "the picture shows";
    EXPECT_EQ(direct->At(20, 30), kBlue) << "the colour around the picture";
}

TEST(PictureBoxPaint, EveryChangeOfThePictureShowsAtTheNextPaintThoughItsConvertedCopyIsKept) {
    BoxOnForm f;
    f.box->SetShowFocusRect(false);
    f.form.Show();
    // Both 32 x 32: drawn at their own size, so from the box's copy in the screen's format.
    const TBytes rgbFile = PngSuiteFile("basn2c08.png");
    const TBytes greyFile = PngSuiteFile("basn0g08.png");
    const auto shows = [&](const TBytes& file) {
        const auto png = LoadPng(file);
        const TDecodedImage& image = png->Image();
        const TRect r = f.box->PictureRect();
        const auto painted = f.Paint();
        int wrong = 0;
        for (uint32_t y = 0; y < image.Height(); ++y)
            for (uint32_t x = 0; x < image.Width(); ++x) {
                const TRGBQuad c = image.Pixel(x, y);
                wrong += painted->At(r.left + int(x), r.top + int(y)) != RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
            }
        return wrong;
    };
    ReadStored(f.box->Picture(), "TPNGObject", rgbFile);
    EXPECT_EQ(shows(rgbFile), 0);
    EXPECT_EQ(shows(rgbFile), 0) << "painted again from the copy";

    TPicture grey;
    ReadStored(grey, "TPNGObject", greyFile);
    f.box->Picture().Assign(grey);
    EXPECT_EQ(shows(greyFile), 0) << "another picture assigned";

    // The same graphic reloaded in place keeps its address.
    TByteReader stream(rgbFile.data(), rgbFile.size());
    f.box->Picture().Graphic()->LoadFromStream(stream);
    EXPECT_EQ(shows(rgbFile), 0) << "the picture's graphic read again";

    ReadStored(f.box->Picture(), "TPNGObject", greyFile);
    EXPECT_EQ(shows(greyFile), 0) << "a stored picture read again";
}

namespace {

class TBoxForm : public TForm {
  public:
    explicit TBoxForm(TComponent* owner) : TForm(owner) {
        RegisterField("Box", &Box);
        RegisterMethod<TNotifyEvent>("BoxCustomClick", [this](TComponent*) { events += "custom;"; });
        RegisterMethod<TNotifyEvent>("BoxChange", [this](TComponent*) { events += "change;"; });
    }
    const char* ClassName() const override { return "TBoxForm"; }
    TcxImage* Box = nullptr;
    std::string events;
};

// A form with one box holding the given property lines, and the given objects after it.
std::string BoxForm(const std::string& properties, const std::string& siblings = "") {
    return "object BoxForm: TBoxForm\n"
           "  object Box: TcxImage\n" +
           properties + "  end\n" + siblings + "end\n";
}

// A 16 x 16 glyph as a description stores a bitmap: its length in four bytes, then the .bmp file,
// in hexadecimal; every pixel of it is `colour`.
std::string StoredGlyph(COLORREF colour) {
    TDecodedImage image(16, 16, 24);
    for (uint32_t y = 0; y < 16; ++y)
        for (uint32_t x = 0; x < 16; ++x) {
            uint8_t* p = image.Line(y) + 3 * x;
            p[0] = GetBValue(colour), p[1] = GetGValue(colour), p[2] = GetRValue(colour);
        }
    TBytes bmp;
    WriteBmp(image, bmp);
    TBytes data = {uint8_t(bmp.size()), uint8_t(bmp.size() >> 8), 0, 0};
    data.insert(data.end(), bmp.begin(), bmp.end());
    std::string hex;
    for (const uint8_t b : data)
        hex += "0123456789ABCDEF"[b >> 4], hex += "0123456789ABCDEF"[b & 15];
    return hex;
}

} // namespace

TEST(PictureBoxDescription, ReadsTheBoxsPropertiesAndHandlers) {
    TBoxForm form(nullptr);
    ReadForm(form,
             ReadDescription(BoxForm("    Properties.Caption = 'Aucune image'\n"
                                     "    Properties.CustomFilter = 'Ic\xC3\xB4nes|*.ico'\n"
                                     "    Properties.GraphicClassName = 'TIcon'\n"
                                     "    Properties.GraphicTransparency = gtOpaque\n"
                                     "    Properties.PopupMenuLayout.MenuItems = [pmiCopy, pmiCustom]\n"
                                     "    Properties.PopupMenuLayout.CustomMenuItemCaption = '&Imprimer'\n"
                                     "    Properties.PopupMenuLayout.CustomMenuItemGlyph.Data = {" +
                                     StoredGlyph(RGB(200, 10, 20)) +
                                     "}\n"
                                     "    Properties.OnChange = BoxChange\n"
                                     "    Properties.OnCustomClick = BoxCustomClick\n")));
    ASSERT_NE(form.Box, nullptr);
    TcxImage& box = *form.Box;
    EXPECT_EQ(box.Caption(), "Aucune image");
    EXPECT_EQ(box.CustomFilter(), "Ic\xF4nes|*.ico");
    EXPECT_EQ(&box.GraphicClass(), &TIconGraphic::StaticClass());
    EXPECT_EQ(box.GraphicTransparency(), gtOpaque);
    EXPECT_EQ(box.CustomMenuItemCaption(), "&Imprimer");
    BITMAP glyph{};
    ASSERT_TRUE(GetObject(box.CustomMenuItemGlyph(), sizeof glyph, &glyph));
    EXPECT_EQ(glyph.bmWidth, 16);
    EXPECT_EQ(glyph.bmHeight, 16);
    const MemoryDC dc(nullptr);
    const SelectGuard selected(dc.Get(), box.CustomMenuItemGlyph());
    EXPECT_EQ(GetPixel(dc.Get(), 7, 9), RGB(200, 10, 20));
    std::string items;
    for (TPictureMenuItem i :
         {TPictureMenuItem::Cut, TPictureMenuItem::Copy, TPictureMenuItem::Paste, TPictureMenuItem::Delete,
          TPictureMenuItem::Load, TPictureMenuItem::Save, TPictureMenuItem::Custom})
        items += box.MenuItems().Has(i) ? '1' : '0';
    EXPECT_EQ(items, "0100001");
    box.CustomClick();
    box.OnChange(&box);
    EXPECT_EQ(form.events, "custom;change;");

    TBoxForm empty(nullptr);
    ReadForm(empty, ReadDescription(BoxForm("    Properties.PopupMenuLayout.MenuItems = []\n")));
    EXPECT_TRUE(empty.Box->MenuItems().Empty());
    EXPECT_EQ(&empty.Box->GraphicClass(), FileFormats().Entries().front().graphicClass) << "the default";
}

TEST(PictureBoxDescription, APopupMenuHoldsTheLinesStoredInItsBlock) {
    TBoxForm form(nullptr);
    ReadForm(form, ReadDescription(BoxForm("    PopupMenu = Menu\n", "  object Menu: TPopupMenu\n"
                                                                     "    object Print: TMenuItem\n"
                                                                     "      Caption = '&Imprimer'\n"
                                                                     "      OnClick = BoxCustomClick\n"
                                                                     "    end\n"
                                                                     "    object Line: TMenuItem\n"
                                                                     "      Caption = '-'\n"
                                                                     "      Enabled = False\n"
                                                                     "    end\n"
                                                                     "  end\n")));
    const TPopupMenu* menu = form.Box->PopupMenu();
    ASSERT_NE(menu, nullptr) << "named before it is read";
    ASSERT_EQ(menu->Items().size(), 2u);
    EXPECT_EQ(menu->Items()[0]->Caption(), "&Imprimer");
    EXPECT_FALSE(menu->Items()[1]->Enabled());
    menu->Items()[0]->Click();
    EXPECT_EQ(form.events, "custom;");
}

TEST(PictureBoxDescription, AnUnknownKindKeepsTheDefaultAndBadValuesAreRefused) {
    for (const char* kind : {"'TNoSuchPicture'", "'TGraphic'", "'ticon'"}) {
        TBoxForm form(nullptr);
        ReadForm(form,
                 ReadDescription(BoxForm(std::string("    Properties.GraphicClassName = ") + kind + "\n")));
        EXPECT_EQ(&form.Box->GraphicClass(), FileFormats().Entries().front().graphicClass) << kind;
    }
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"Properties.PopupMenuLayout.MenuItems = [pmiCopy, pmiPrint]", "Invalid menu item pmiPrint"},
        {"Properties.GraphicTransparency = gtHalf", "Invalid property value gtHalf"},
        {"Properties.OnCustomClick = Missing", "Method Missing does not exist"},
        {"Properties.PopupMenuLayout.CustomMenuItemCaption = 3", "String expected"},
        {"Properties.PopupMenuLayout.CustomMenuItemGlyph.Data = {0500000042}",
         "The stored glyph's length does not match its data"},
        {"Properties.PopupMenuLayout.CustomMenuItemGlyph.Data = {020000004244}", "The bitmap is not valid"},
        {"PopupMenu = Missing", "Invalid PopupMenu Missing of Box"},
    };
    for (const auto& c : cases) {
        TBoxForm form(nullptr);
        std::string error;
        try {
            ReadForm(form, ReadDescription(BoxForm(std::string("    ") + c.line + "\n")));
        } catch (const EReadError& e) {
            error = e.Message();
        }
        EXPECT_NE(error.find(c.error), std::string::npos) << c.line << ": " << error;
    }
}
