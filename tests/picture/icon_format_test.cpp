// The icon kind: reading .ico directories, refusing damaged and hostile files cleanly, choosing the
// image to draw, and keeping the file's bytes through the picture holder.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "picture/icon_format.h"
#include "picture/icon_graphic.h"
#include "picture/picture.h"
#include "hostile_files.h"
#include "icon_test_util.h"
#include "png_test_util.h"

namespace {

using TFile = std::vector<uint8_t>;

// Where a directory entry's fields lie.
size_t EntryAt(size_t i) {
    return 6 + 16 * i;
}

std::string IconError(const TFile& file) {
    try {
        ReadIconDirectory(file.data(), file.size());
    } catch (const EIconError& e) {
        return e.Message();
    }
    return "(read)";
}

} // namespace

TEST(IconFormat, ReadsEveryImageWithItsOwnSizeWhereverItLies) {
    const TFile png = SmallGreyPng(20, 10);
    const struct {
        const char* what;
        std::vector<TTestIconImage> images;
    } cases[] = {
        {"one 16 x 16 image", {{16, 16}}},
        {"several sizes and depths",
         {{16, 16, 4}, {32, 32, 8}, {48, 24, 1}, {256, 256, 32}, {7, 3, 24}, {20, 10, 32, 0, png}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TFile file = TestIconFile(c.images);
        const std::vector<TIconImage> read = ReadIconDirectory(file.data(), file.size());
        ASSERT_EQ(read.size(), c.images.size());
        size_t offset = EntryAt(c.images.size());
        for (size_t i = 0; i < read.size(); ++i) {
            const TTestIconImage& made = c.images[i];
            const size_t size = made.png.empty() ? TestIconBitmap(made).size() : made.png.size();
            EXPECT_EQ(read[i].width, made.width) << i;
            EXPECT_EQ(read[i].height, made.height) << i;
            EXPECT_EQ(read[i].bitCount, made.bitCount) << i;
            EXPECT_EQ(read[i].offset, offset) << i;
            EXPECT_EQ(read[i].size, size) << i;
            offset += size;
        }
    }

    TFile lying = TestIconFile({{32, 16}});
    lying[EntryAt(0)] = 5; // the directory's width and height are hints only
    lying[EntryAt(0) + 1] = 99;
    const std::vector<TIconImage> read = ReadIconDirectory(lying.data(), lying.size());
    EXPECT_EQ(read[0].width, 32u);
    EXPECT_EQ(read[0].height, 16u);
}

TEST(IconFormat, RefusesDamagedAndHostileFilesWithAClearError) {
    const TFile one = TestIconFile({{16, 16}});
    const size_t image = EntryAt(1); // where the only image's bytes start
    const auto with = [&](std::function<void(TFile&)> change) {
        TFile file = one;
        change(file);
        return file;
    };
    TFile badPng = SmallGreyPng(4, 4);
    badPng[30] ^= 1; // inside the header chunk: its CRC no longer matches
    TFile hugeDirectory(6 + 16 * 300, 0);
    PokeTestLE(hugeDirectory, 2, 1, 2);
    PokeTestLE(hugeDirectory, 4, 300, 2);
    // Two entries on the same PNG, their sizes apart by one byte of the padding after it: together
    // more than the file holds.
    TFile padded = SmallGreyPng(4, 4);
    padded.resize(padded.size() + 2, 0);
    TFile overlapping = IconSharingOnePng(padded, 2);
    PokeTestLE(overlapping, EntryAt(1) + 8, uint32_t(padded.size() - 1), 4);
    TFile oversized(kMaxIconFileBytes + 1, 0);
    PokeTestLE(oversized, 2, 1, 2);
    PokeTestLE(oversized, 4, 1, 2);

    const struct {
        const char* what;
        TFile file;
        const char* error;
    } cases[] = {
        {"empty", {}, "too short for its header"},
        {"a cursor file", with([](TFile& f) { f[2] = 2; }), "not an icon file"},
        {"reserved word set", with([](TFile& f) { f[0] = 1; }), "not an icon file"},
        {"no image", with([](TFile& f) { f[4] = 0; }), "holds no image"},
        {"more than 256 images", hugeDirectory, "more than 256 images"},
        {"larger than the limit", oversized, "larger than 16 MB"},
        {"directory cut short", TFile(one.begin(), one.begin() + 15), "too short for its directory"},
        {"count claims more entries than the file holds", with([](TFile& f) { f[4] = 200; }),
         "too short for its directory"},
        {"image inside the directory", with([](TFile& f) { PokeTestLE(f, EntryAt(0) + 12, 10, 4); }),
         "outside the file"},
        {"image offset past the end", with([](TFile& f) { PokeTestLE(f, EntryAt(0) + 12, 0xFFFFFFF0u, 4); }),
         "outside the file"},
        {"image size past the end", with([](TFile& f) { PokeTestLE(f, EntryAt(0) + 8, 0xFFFFFFFFu, 4); }),
         "outside the file"},
        {"file cut inside the image", TFile(one.begin(), one.end() - 1), "outside the file"},
        {"image shorter than its header", with([](TFile& f) { PokeTestLE(f, EntryAt(0) + 8, 39, 4); }),
         "too short for its header"},
        {"rows and mask longer than the image",
         with([&](TFile& f) { PokeTestLE(f, EntryAt(0) + 8, 40 + 48 * 16, 4); }),
         "shorter than its rows and mask"},
        {"height claims more rows", with([&](TFile& f) { PokeTestLE(f, image + 8, 64, 4); }),
         "shorter than its rows and mask"},
        {"header kind", with([&](TFile& f) { PokeTestLE(f, image, 12, 4); }), "header kind"},
        {"width 0", with([&](TFile& f) { PokeTestLE(f, image + 4, 0, 4); }), "width or height"},
        {"width 257", with([&](TFile& f) { PokeTestLE(f, image + 4, 257, 4); }), "width or height"},
        {"negative height", with([&](TFile& f) { PokeTestLE(f, image + 8, 0xFFFFFFE0u, 4); }),
         "width or height"},
        {"odd height", with([&](TFile& f) { PokeTestLE(f, image + 8, 31, 4); }), "width or height"},
        {"two planes", with([&](TFile& f) { PokeTestLE(f, image + 12, 2, 2); }), "pixel format"},
        {"16 bits per pixel", with([&](TFile& f) { PokeTestLE(f, image + 14, 16, 2); }), "pixel format"},
        {"compressed", with([&](TFile& f) { PokeTestLE(f, image + 16, 1, 4); }), "pixel format"},
        {"colour table too large", TestIconFile({{8, 8, 8}}), nullptr},
        {"damaged PNG image", TestIconFile({{4, 4, 32, 0, badPng}}), "PNG image cannot be read ("},
        {"PNG image wider than 256", TestIconFile({{300, 1, 32, 0, SmallGreyPng(300, 1)}}),
         "width or height"},
        // No image data at all: only a check on the header refuses it for its size.
        {"PNG image of 4000 x 4000, refused before decoding",
         TestIconFile({{1, 1, 32, 0, JoinChunks({{"IHDR", IhdrData(4000, 4000, 8, 2)}, {"IEND", {}}})}}),
         "width or height"},
        {"distinct PNG images on the same bytes", overlapping, "PNG images overlap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.error) { // a valid 8-bit file first, then its table made larger than 256
            ASSERT_EQ(IconError(c.file), "(read)");
            TFile file = c.file;
            PokeTestLE(file, EntryAt(1) + 32, 257, 4);
            EXPECT_NE(IconError(file).find("colour table is too large"), std::string::npos)
                << IconError(file);
            continue;
        }
        const std::string error = IconError(c.file);
        EXPECT_EQ(error.rfind("The icon is not valid: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

TEST(IconFormat, DrawsTheImageNearestInSizeThenTheDeepest) {
    const std::vector<TIconImage> images = {
        {16, 16, 4, 0, 0}, {32, 32, 8, 0, 0}, {32, 32, 32, 0, 0}, {48, 48, 24, 0, 0}, {16, 16, 32, 0, 0}};
    const struct {
        int width, height;
        size_t chosen;
    } cases[] = {{16, 16, 4}, {32, 32, 2}, {36, 36, 2}, {44, 44, 3}, {200, 100, 3}, {1, 1, 4}, {20, 20, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(&BestIconImage(images, c.width, c.height), &images[c.chosen]) << c.width << "x" << c.height;
}

TEST(IconGraphic, KeepsTheFileBytesThroughThePictureAndAFailedReadChangesNothing) {
    const TFile file = TestIconFile({{16, 16, 4}, {32, 32, 24, 0x10E030}});
    TPicture picture;
    const TBytes value = StoredValue("TIcon", file);
    picture.ReadData(value.data(), value.size());
    ASSERT_NE(dynamic_cast<const TIconGraphic*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 16) << "the first image's size";
    EXPECT_EQ(picture.Height(), 16);
    EXPECT_TRUE(picture.Graphic()->Transparent()) << "drawn through its mask";
    picture.Graphic()->SetTransparent(false);
    EXPECT_TRUE(picture.Graphic()->Transparent()) << "whatever the holder's owner asks";

    TBytes written;
    picture.WriteData(written);
    EXPECT_EQ(written, value) << "saved back as the same bytes";

    TIconGraphic& icon = static_cast<TIconGraphic&>(*picture.Graphic());
    TFile damaged = file;
    damaged.pop_back();
    TByteReader stream(damaged.data(), damaged.size());
    EXPECT_THROW(icon.LoadFromStream(stream), EIconError);
    EXPECT_EQ(icon.Images().size(), 2u);
    TBytes again;
    picture.WriteData(again);
    EXPECT_EQ(again, value);

    TIconGraphic empty;
    TBytes none;
    EXPECT_THROW(empty.SaveToStream(none), EIconError);
    EXPECT_THROW(icon.SetWidth(8), EIconError);
}
