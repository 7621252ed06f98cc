// The picture holder's stored value and notifications, and the picture-kind registry.

#include <gtest/gtest.h>

#include <iterator>

#include "picture/bitmap_graphic.h"
#include "picture/file_formats.h"
#include "picture/icon_graphic.h"
#include "picture/picture.h"
#include "picture/png_errors.h"
#include "png_test_util.h"

namespace {

// A picture kind of the tests: its stream is one byte, its class name as long as asked.
template <int Id>
class TTestGraphic : public TGraphic {
  public:
    static const char* name;
    static const TGraphicClass* parent;
    static const TGraphicClass& StaticClass() {
        static const TGraphicClass c = {name, parent,
                                        [] { return std::unique_ptr<TGraphic>(new TTestGraphic); }};
        return c;
    }
    const TGraphicClass& Class() const override { return StaticClass(); }
    bool Empty() const override { return false; }
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    bool Transparent() const override { return false; }
    void Draw(TGraphicCanvas&, const TRect&) const override {}
    void LoadFromStream(TByteReader& stream) override { value = *stream.Take(1); }
    void SaveToStream(std::vector<uint8_t>& out) const override { out.push_back(value); }
    std::unique_ptr<TGraphic> Clone() const override {
        return std::unique_ptr<TGraphic>(new TTestGraphic(*this));
    }
    TTestGraphic() = default;
    TTestGraphic(const TTestGraphic& o) : TGraphic(), value(o.value) {}
    uint8_t value = 42;
};

using TLongNamed = TTestGraphic<1>;
template <>
const char* TLongNamed::name = "TGraphicWithAClassNameFarLongerThanTheSixtyThreeCharactersOfATag";
template <>
const TGraphicClass* TLongNamed::parent = &TGraphic::StaticClass();

using TKindA = TTestGraphic<2>;
template <>
const char* TKindA::name = "TKindA";
template <>
const TGraphicClass* TKindA::parent = &TGraphic::StaticClass();

using TKindB = TTestGraphic<3>; // derives from TKindA
template <>
const char* TKindB::name = "TKindB";
template <>
const TGraphicClass* TKindB::parent = &TKindA::StaticClass();

TBytes PngValue() {
    return StoredValue("TPNGObject", SmallGreyPng(4, 3));
}

struct TCountingPicture {
    TPicture picture;
    int changes = 0;
    TCountingPicture() {
        picture.SetOnChange([this] { ++changes; });
    }
    void Read(const TBytes& value) { picture.ReadData(value.data(), value.size()); }
};

TEST(StoredPicture, TagSelectsThePictureKind) {
    TCountingPicture p;
    p.Read(PngValue());
    ASSERT_FALSE(p.picture.Empty());
    EXPECT_STREQ(p.picture.Graphic()->ClassName(), "TPNGObject");
    EXPECT_EQ(p.picture.Width(), 4);
    EXPECT_EQ(p.picture.Height(), 3);
    EXPECT_EQ(p.changes, 1);
}

TEST(StoredPicture, ValuesThatNameNoKindGiveAnEmptyPictureWithoutError) {
    const TBytes png = SmallGreyPng(4, 3);
    TBytes tooLong = StoredValue(std::string(64, 'T'), png);
    TBytes truncatedTag = StoredValue("TPNGObject", {});
    truncatedTag.resize(6);
    const TBytes cases[] = {
        StoredValue("TJPEGImage", png), // unknown kind: the rest is ignored
        StoredValue("tpngobject", png), // tags compare case-sensitively
        StoredValue("TPNGObjec", png),
        tooLong,      // tag length above 63
        truncatedTag, // value shorter than its tag
        StoredValue("", png),
        {},
    };
    for (const TBytes& value : cases) {
        TCountingPicture p;
        p.Read(PngValue());
        p.Read(value);
        EXPECT_TRUE(p.picture.Empty());
        EXPECT_EQ(p.picture.Graphic(), nullptr);
        EXPECT_EQ(p.changes, 2);
    }
}

TEST(StoredPicture, ReadErrorGoesOnAndKeepsThePreviousPicture) {
    TCountingPicture p;
    p.Read(PngValue());
    TBytes bad = PngValue();
    bad.back() ^= 1; // IEND's CRC
    EXPECT_THROW(p.Read(bad), EPngInvalidCRC);
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p.picture.Width(), 4);
}

TEST(StoredPicture, WritingCutsTheTagTo63AndAnEmptyHolderWritesZero) {
    TPicture picture;
    TBytes value;
    picture.WriteData(value);
    EXPECT_EQ(value, TBytes{0});

    TLongNamed graphic;
    graphic.value = 7;
    picture.AssignGraphic(&graphic);
    value.clear();
    picture.WriteData(value);
    ASSERT_EQ(value.size(), 1u + 63u + 1u);
    EXPECT_EQ(value[0], 63);
    EXPECT_EQ(std::string(value.begin() + 1, value.begin() + 64), std::string(TLongNamed::name, 63));
    EXPECT_EQ(value.back(), 7);

    TPNGObject headerless;
    picture.AssignGraphic(&headerless);
    value.clear();
    picture.WriteData(value);
    EXPECT_EQ(value, TBytes{0});
}

TEST(StoredPicture, AssigningCopiesAndEveryChangeNotifies) {
    TCountingPicture a;
    a.Read(PngValue());
    TCountingPicture b;
    b.picture.Assign(a.picture);
    EXPECT_EQ(b.changes, 1);
    ASSERT_NE(b.picture.Graphic(), a.picture.Graphic());

    // A graphic that reloads itself notifies its holder; the copy stays as it was.
    const TBytes wide = SmallGreyPng(9, 2);
    TByteReader reader(wide.data(), wide.size());
    a.picture.Graphic()->LoadFromStream(reader);
    EXPECT_EQ(a.changes, 2);
    EXPECT_EQ(a.picture.Width(), 9);
    EXPECT_EQ(b.picture.Width(), 4);

    b.picture.AssignGraphic(nullptr);
    EXPECT_TRUE(b.picture.Empty());
    EXPECT_EQ(b.changes, 2);
}

TEST(FileFormats, BitmapIconAndPngAreRegisteredOnce) {
    const TFileFormatsList& formats = FileFormats();
    EXPECT_EQ(&FileFormats(), &formats);
    const struct {
        const char* extension;
        const char* description;
        const TGraphicClass* kind;
    } expected[] = {{"bmp", "Bitmaps", &TBitmapGraphic::StaticClass()},
                    {"ico", "Icons", &TIconGraphic::StaticClass()},
                    {"png", "Portable Network Graphics", &TPNGObject::StaticClass()}};
    ASSERT_EQ(formats.Entries().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const TFileFormat& entry = formats.Entries()[i];
        SCOPED_TRACE(expected[i].extension);
        EXPECT_EQ(entry.extension, expected[i].extension);
        EXPECT_EQ(entry.description, expected[i].description);
        EXPECT_EQ(entry.graphicClass, expected[i].kind);
        EXPECT_EQ(formats.FindClassName(entry.graphicClass->name), expected[i].kind);
        EXPECT_EQ(formats.DefaultExtension(*expected[i].kind), expected[i].extension);
    }
    EXPECT_EQ(formats.FindClassName("TPngObject"), nullptr);
    EXPECT_EQ(formats.Filter(TIconGraphic::StaticClass()), "Icons (*.ico)|*.ico");
    EXPECT_EQ(formats.Filter(TGraphic::StaticClass()),
              "All (*.png;*.ico;*.bmp)|*.png;*.ico;*.bmp|Portable Network Graphics (*.png)|*.png|"
              "Icons (*.ico)|*.ico|Bitmaps (*.bmp)|*.bmp");
}

TEST(FileFormats, FilterListsMatchingKindsLastFirstWithAnAllEntry) {
    TFileFormatsList formats;
    formats.Add("AAA", "Kind A", TKindA::StaticClass());
    formats.Add("", "Kind A without extension", TKindA::StaticClass());
    formats.Add("Bb", "Kind B", TKindB::StaticClass());
    formats.Add("png", "Portable Network Graphics", TPNGObject::StaticClass());

    EXPECT_EQ(formats.Entries()[2].extension, "bb");
    EXPECT_EQ(formats.Filter(TKindA::StaticClass()),
              "All (*.bb;*.aaa)|*.bb;*.aaa|Kind B (*.bb)|*.bb|Kind A (*.aaa)|*.aaa");
    EXPECT_EQ(formats.Filter(TKindA::StaticClass(), "Tous"),
              "Tous (*.bb;*.aaa)|*.bb;*.aaa|Kind B (*.bb)|*.bb|Kind A (*.aaa)|*.aaa");
    EXPECT_EQ(formats.Filter(TKindB::StaticClass()), "Kind B (*.bb)|*.bb");
    EXPECT_EQ(
        formats.Filter(TGraphic::StaticClass()),
        "All (*.png;*.bb;*.aaa)|*.png;*.bb;*.aaa|Portable Network Graphics (*.png)|*.png|Kind B (*.bb)|*.bb|"
        "Kind A (*.aaa)|*.aaa");
    EXPECT_EQ(formats.DefaultExtension(TKindA::StaticClass()), "aaa");
}

TEST(FileFormats, LookupTakesTheLastEntryOfAName) {
    static const TGraphicClass shadow = {"TKindA", &TGraphic::StaticClass(), nullptr};
    TFileFormatsList formats;
    formats.Add("a", "first", TKindA::StaticClass());
    formats.Add("s", "second", shadow);
    EXPECT_EQ(formats.FindClassName("TKindA"), &shadow);
    EXPECT_EQ(formats.FindClassName("TKindB"), nullptr);
}

} // namespace
