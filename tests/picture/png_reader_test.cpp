// The reader's errors, each with its trigger and exact message, its limits, and the chunks it
// passes over or keeps.

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "picture/bmp_format.h"
#include "picture/chunk_ihdr.h"
#include "picture/chunk_registry.h"
#include "picture/chunk_text.h"
#include "picture/picture.h"
#include "picture/png_errors.h"
#include "png_test_util.h"

namespace {

const std::string kQuoted = "\"Portable Network Graphics\"";

TBytes Grey(const std::vector<TRawChunk>& extra = {}) {
    return SmallGreyPng(4, 3, extra);
}

// The small grey image's chunks with one replaced or inserted.
TBytes With(size_t index, const TRawChunk& chunk, bool replace) {
    std::vector<TRawChunk> chunks = SplitChunks(Grey());
    if (replace)
        chunks[index] = chunk;
    else
        chunks.insert(chunks.begin() + long(index), chunk);
    return JoinChunks(chunks);
}

TBytes TruncatedAt(TBytes bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

struct TErrorCase {
    const char* what;
    std::function<TBytes()> stream;
    const char* className;
    std::string message;
};

class ReaderError : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(ReaderError, RaisesItsClassWithItsMessage) {
    const TErrorCase& c = GetParam();
    try {
        LoadPng(c.stream());
        FAIL() << "no error";
    } catch (const EPngError& e) {
        EXPECT_STREQ(e.ClassName(), c.className);
        EXPECT_EQ(e.Message(), c.message);
    }
}

TBytes CorruptCrc() {
    TBytes bytes = Grey();
    bytes[8 + 8 + 13] ^= 1; // the header's CRC
    return bytes;
}

TBytes SplitImageData(const TRawChunk& between) {
    std::vector<TRawChunk> chunks = SplitChunks(Grey());
    const TBytes idat = chunks[1].data;
    chunks[1].data.assign(idat.begin(), idat.begin() + 5);
    chunks.insert(chunks.begin() + 2, between);
    chunks.insert(chunks.begin() + 3, TRawChunk{"IDAT", TBytes(idat.begin() + 5, idat.end())});
    return JoinChunks(chunks);
}

const TErrorCase kTableErrors[] = {
    {"signature", [] { return TBytes{0x89, 'P', 'N', 'G', 13, 10, 26, 11}; }, "EPNGInvalidFileHeader",
     "The file being readed is not a valid " + kQuoted +
         " image because it contains an invalid header. This file may be corruped, try obtaining it again."},
    {"short signature",
     [] {
         return TBytes{0x89, 'P', 'N'};
     },
     "EPNGInvalidFileHeader",
     "The file being readed is not a valid " + kQuoted +
         " image because it contains an invalid header. This file may be corruped, try obtaining it again."},
    {"end where a length is due", [] { return TruncatedAt(Grey(), 8 + 25); }, "EPngUnexpectedEnd",
     "This " + kQuoted + " image is invalid because the decoder found an unexpected end of the file."},
    {"header not first",
     [] {
         return With(0, {"gAMA", U32BE(100000)}, false);
     },
     "EPNGIHDRNotFirst",
     "This " + kQuoted + " image is not supported or it might be invalid.\r\n(IHDR chunk is not the first)"},
    {"unknown critical chunk",
     [] {
         return With(1, {"ABCD", {1, 2}}, false);
     },
     "EPNGUnknownCriticalChunk",
     "This " + kQuoted + " image contains an unknown critical part which could not be decoded."},
    {"crc", CorruptCrc, "EPngInvalidCRC",
     "This " + kQuoted + " image is not valid because it contains invalid pieces of data (crc error)"},
    {"short header",
     [] {
         return With(0, {"IHDR", TBytes(12, 1)}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"width",
     [] {
         return With(0, {"IHDR", IhdrData(65536, 1, 8, 0)}, true);
     },
     "EPNGSizeExceeds",
     "This " + kQuoted +
         " image is not supported because either it's width or height exceeds the maximum size, which is "
         "65535 "
         "pixels length."},
    {"compression",
     [] {
         TBytes h = IhdrData(4, 3, 8, 0);
         h[10] = 1;
         return With(0, {"IHDR", h}, true);
     },
     "EPNGUnknownCompression",
     "This " + kQuoted + " image is encoded with an unknown compression scheme which could not be decoded."},
    {"interlace",
     [] {
         return With(0, {"IHDR", IhdrData(4, 3, 8, 0, 2)}, true);
     },
     "EPNGUnknownInterlace",
     "This " + kQuoted + " image uses an unknown interlace scheme which could not be decoded."},
    {"image data interrupted",
     [] {
         return SplitImageData({"tEXt", {'a', 0, 'b'}});
     },
     "EPNGMissingMultipleIDAT", "This " + kQuoted + " image is invalid because it has missing image parts."},
    {"compressed data",
     [] {
         return With(1, {"IDAT", {0x78, 0x9C, 0xFF, 0xFF, 0xFF}}, true);
     },
     "EPNGZLIBError",
     "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
     "error "
     "(-3)"},
    {"palette length",
     [] {
         return With(1, {"PLTE", TBytes(4, 0)}, false);
     },
     "EPNGInvalidPalette", "The " + kQuoted + " image contains an invalid palette."},
    {"palette size",
     [] {
         return With(1, {"PLTE", TBytes(771, 0)}, false);
     },
     "EPNGInvalidPalette", "The " + kQuoted + " image contains an invalid palette."},
    {"transparency size",
     [] {
         return With(1, {"tRNS", TBytes(257, 0)}, false);
     },
     "EPNGInvalidPalette", "The " + kQuoted + " image contains an invalid palette."},
    {"no image data",
     [] {
         return JoinChunks({{"IHDR", IhdrData(4, 3, 8, 0)}, {"IEND", {}}});
     },
     "EPNGNoImageData", "This " + kQuoted + " image contains no data."},
};

INSTANTIATE_TEST_SUITE_P(Table, ReaderError, ::testing::ValuesIn(kTableErrors), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TBytes PaletteImageWithoutPalette() {
    return JoinChunks({{"IHDR", IhdrData(2, 1, 8, 3)}, {"IDAT", Deflate({0, 0, 0})}, {"IEND", {}}});
}

TBytes ZtxtOf(const TBytes& compressed) {
    TBytes data = {'k', 0, 0};
    data.insert(data.end(), compressed.begin(), compressed.end());
    return With(1, {"zTXt", data}, false);
}

// Checks this reader adds: refusing what would crash, exhaust memory or show garbage.
const TErrorCase kSoundnessErrors[] = {
    {"65535 x 65535 image",
     [] {
         return With(0, {"IHDR", IhdrData(65535, 65535, 8, 2)}, true);
     },
     "EPNGImageTooLarge",
     "This " + kQuoted +
         " image is not supported because its decoded pixels would need more than 64 MB of memory."},
    {"chunk longer than the stream",
     [] {
         TBytes bytes = Grey();
         const TBytes big = U32BE(0x7FFFFFF0);
         std::copy(big.begin(), big.end(), bytes.begin() + 8 + 25); // the IDAT length
         return bytes;
     },
     "EPngUnexpectedEnd",
     "This " + kQuoted + " image is invalid because the decoder found an unexpected end of the file."},
    {"zero width",
     [] {
         return With(0, {"IHDR", IhdrData(0, 3, 8, 0)}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"filter method",
     [] {
         TBytes h = IhdrData(4, 3, 8, 0);
         h[11] = 1;
         return With(0, {"IHDR", h}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"rgb of 4 bits",
     [] {
         return With(0, {"IHDR", IhdrData(4, 3, 4, 2)}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"palette of 16 bits",
     [] {
         return With(0, {"IHDR", IhdrData(4, 3, 16, 3)}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"second header",
     [] {
         return With(1, {"IHDR", IhdrData(4, 3, 8, 0)}, false);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"image data ends early",
     [] {
         return With(1, {"IDAT", Deflate({0, 1, 2, 3, 4})}, true);
     },
     "EPNGMissingMultipleIDAT", "This " + kQuoted + " image is invalid because it has missing image parts."},
    {"image data chunks end early",
     [] {
         return With(1, {"IDAT", {0x78, 0x9C}}, true);
     },
     "EPNGMissingMultipleIDAT", "This " + kQuoted + " image is invalid because it has missing image parts."},
    {"unknown filter type",
     [] {
         return With(1, {"IDAT", Deflate(TBytes(15, 5))}, true);
     },
     "EPNGInvalidFilter",
     "This " + kQuoted + " image is invalid because one of its rows uses an unknown filter type."},
    {"palette image without palette", PaletteImageWithoutPalette, "EPNGInvalidPalette",
     "The " + kQuoted + " image contains an invalid palette."},
    {"text beyond the cap", [] { return ZtxtOf(Deflate(TBytes(kMaxTextBytes + 1, 'a'), 9)); },
     "EPNGTextTooLarge",
     "This " + kQuoted + " image is not supported because one of its compressed texts is longer than 1 MB."},
    {"compressed text",
     [] {
         return ZtxtOf({0x78, 0x9C, 0xFF});
     },
     "EPNGZLIBError",
     "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
     "error "
     "(-3)"},
};

INSTANTIATE_TEST_SUITE_P(Soundness, ReaderError, ::testing::ValuesIn(kSoundnessErrors), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

// The small grey image with the zlib stream's 4-byte Adler-32 moved into an IDAT chunk of its own:
// kept with one bit flipped (flip 1), or dropped (flip 0).
TBytes TrailerInChunkOfItsOwn(uint8_t flip) {
    std::vector<TRawChunk> chunks = SplitChunks(Grey());
    TBytes& idat = chunks[1].data;
    TBytes trailer(idat.end() - 4, idat.end());
    idat.resize(idat.size() - 4);
    trailer[3] ^= flip;
    if (flip)
        chunks.insert(chunks.begin() + 2, {"IDAT", trailer});
    return JoinChunks(chunks);
}

// What a stricter reading refuses that an older, more lenient one let through.
const TErrorCase kStrictErrors[] = {
    {"crc of a passed over cHRM",
     [] {
         std::vector<TRawChunk> chunks = SplitChunks(Grey());
         chunks.insert(chunks.begin() + 1, {"cHRM", TBytes(32, 7)});
         return JoinChunksBreakingCrc(chunks, 1);
     },
     "EPngInvalidCRC",
     "This " + kQuoted + " image is not valid because it contains invalid pieces of data (crc error)"},
    {"crc of image data after the image",
     [] {
         std::vector<TRawChunk> chunks = SplitChunks(Grey());
         chunks.insert(chunks.begin() + 2, {"IDAT", {1, 2, 3}});
         return JoinChunksBreakingCrc(chunks, 2);
     },
     "EPngInvalidCRC",
     "This " + kQuoted + " image is not valid because it contains invalid pieces of data (crc error)"},
    {"adler-32 in a later image data chunk", [] { return TrailerInChunkOfItsOwn(1); }, "EPNGZLIBError",
     "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
     "error (-3)"},
    {"adler-32 in the image data chunk",
     [] {
         std::vector<TRawChunk> chunks = SplitChunks(Grey());
         chunks[1].data.back() ^= 0x80;
         return JoinChunks(chunks);
     },
     "EPNGZLIBError",
     "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
     "error (-3)"},
    {"adler-32 of a compressed text",
     [] {
         TBytes text = Deflate({'a', 'b', 'c'});
         text.back() ^= 1;
         return ZtxtOf(text);
     },
     "EPNGZLIBError",
     "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
     "error (-3)"},
    {"header of 14 bytes",
     [] {
         TBytes h = IhdrData(4, 3, 8, 0);
         h.push_back(0);
         return With(0, {"IHDR", h}, true);
     },
     "EPngInvalidIHDR",
     "The " + kQuoted +
         " image could not be loaded because one of its main piece of data (ihdr) might be corrupted"},
    {"chunk name not four letters",
     [] {
         return With(1, {std::string("a\0b\xFF", 4), {1}}, false);
     },
     "EPNGInvalidChunkName",
     "This " + kQuoted + " image is invalid because one of its parts has a name that is not four letters."},
    {"adler-32 missing", [] { return TrailerInChunkOfItsOwn(0); }, "EPNGMissingMultipleIDAT",
     "This " + kQuoted + " image is invalid because it has missing image parts."},
};

INSTANTIATE_TEST_SUITE_P(Strict, ReaderError, ::testing::ValuesIn(kStrictErrors), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TEST(ReaderErrors, OperationsWithoutHeaderAndResizingAreRefused) {
    TPNGObject empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Width(), 0);
    try {
        empty.Image();
        FAIL();
    } catch (const EPNGHeaderNotPresent& e) {
        EXPECT_EQ(e.Message(),
                  "This operation is not valid because the current image contains no valid header.");
    }
    const auto png = LoadPng(Grey());
    try {
        png->SetWidth(10);
        FAIL();
    } catch (const EPngError& e) {
        EXPECT_STREQ(e.ClassName(), "EPngError");
        EXPECT_EQ(e.Message(), "The " + kQuoted +
                                   " image can not be resize by changing width and height properties. Try "
                                   "assigning the image from a bitmap.");
    }
    EXPECT_THROW(png->SetHeight(10), EPngError);
    EXPECT_EQ(png->Width(), 4);
}

TEST(ReaderErrors, ChunksOfDifferentKindsCannotBeAssigned) {
    const auto png = LoadPng(Grey());
    auto header = CreateChunk("IHDR");
    header->Assign(*png->Chunks()[0]);
    auto end = CreateChunk("IEND");
    try {
        end->Assign(*png->Chunks()[0]);
        FAIL();
    } catch (const EPngError& e) {
        EXPECT_STREQ(e.ClassName(), "EPngError");
        EXPECT_EQ(e.Message(), "The chunks must be compatible to be assigned.");
    }
    TChunk a("abCd"), b("abCe");
    EXPECT_THROW(a.Assign(b), EPngError);
}

TEST(ReaderErrors, OutOfResourcesAndZlibTextsKeepTheirWording) {
    EXPECT_EQ(EPNGOutMemory().Message(), "Some operation could not be performed because the system is out of "
                                         "resources. Close some windows and try again.");
    const std::pair<int, const char*> texts[] = {{-6, "incompatible version (-6)"}, {-5, "buffer error (-5)"},
                                                 {-4, "insufficient memory (-4)"},  {-3, "data error (-3)"},
                                                 {-2, "stream error (-2)"},         {-1, "file error (-1)"}};
    for (const auto& [code, text] : texts)
        EXPECT_EQ(
            EPNGZLIBError(code).Message(),
            std::string("Could not decompress the image because it contains invalid compressed data.\r\n "
                        "Description: ") +
                text);
}

TEST(ReaderChunks, ChrmIsPassedOverAndUnknownAncillaryChunksAreKeptAndWritten) {
    const TBytes bytes = Grey({{"cHRM", TBytes(32, 7)}, {"abCd", {1, 2, 3}}, {"zzzz", {}}});
    const auto png = LoadPng(bytes);
    std::vector<std::string> names;
    for (const auto& c : png->Chunks())
        names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"IHDR", "abCd", "zzzz", "IDAT", "IEND"}));
    EXPECT_EQ(png->Chunks()[1]->Data(), (TBytes{1, 2, 3}));
    EXPECT_EQ(png->Image().Pixel(3, 2).rgbRed, 5);

    TBytes saved;
    png->SaveToStream(saved);
    const std::vector<TRawChunk> written = SplitChunks(saved);
    ASSERT_EQ(written.size(), 5u);
    EXPECT_EQ(written[1].name, "abCd");
    EXPECT_EQ(written[1].data, (TBytes{1, 2, 3}));
}

TEST(ReaderChunks, ImageDataAfterTheImageIsPassedOver) {
    std::vector<TRawChunk> chunks = SplitChunks(Grey());
    chunks.insert(chunks.begin() + 2, {{"tEXt", {'a', 0}}, {"IDAT", {1, 2, 3}}});
    const auto png = LoadPng(JoinChunks(chunks));
    EXPECT_EQ(png->Chunks().size(), 4u);
}

TEST(ReaderChunks, ImageDataMayBeSplitAnywhere) {
    std::vector<TRawChunk> chunks = SplitChunks(Grey());
    const TBytes idat = chunks[1].data;
    chunks.erase(chunks.begin() + 1);
    for (size_t i = 0; i < idat.size(); ++i)
        chunks.insert(chunks.end() - 1, {"IDAT", {idat[i]}});
    chunks.insert(chunks.end() - 1, {"IDAT", {}});
    const auto png = LoadPng(JoinChunks(chunks));
    EXPECT_EQ(png->Image().Pixel(3, 2).rgbRed, 5);
}

TEST(ReaderChunks, TextAndTimeChunksShowTheirContent) {
    const auto png = LoadPng(PngSuiteFile("ctzn0g04.png"));
    std::vector<std::pair<std::string, std::string>> texts;
    for (const auto& c : png->Chunks()) {
        if (const auto* t = dynamic_cast<const TChunktEXt*>(c.get()))
            texts.emplace_back(t->Keyword(), t->Text());
        if (const auto* z = dynamic_cast<const TChunkzTXt*>(c.get()))
            texts.emplace_back(z->Keyword(), z->Text());
    }
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], (std::pair<std::string, std::string>{"Title", "PngSuite"}));
    bool disclaimer = false;
    for (const auto& [keyword, text] : texts)
        disclaimer = disclaimer || (keyword == "Disclaimer" && text == "Freeware.");
    EXPECT_TRUE(disclaimer);

    const std::pair<const char*, std::array<int, 6>> times[] = {{"cm0n0g04.png", {2000, 1, 1, 12, 34, 56}},
                                                                {"cm7n0g04.png", {1970, 1, 1, 0, 0, 0}},
                                                                {"cm9n0g04.png", {1999, 12, 31, 23, 59, 59}}};
    for (const auto& [file, expected] : times) {
        const auto timed = LoadPng(PngSuiteFile(file));
        const TChunktIME* t = nullptr;
        for (const auto& c : timed->Chunks())
            t = t ? t : dynamic_cast<const TChunktIME*>(c.get());
        ASSERT_NE(t, nullptr) << file;
        EXPECT_EQ((std::array<int, 6>{t->Year(), t->Month(), t->Day(), t->Hour(), t->Minute(), t->Second()}),
                  expected)
            << file;
    }
}

TEST(ReaderLimits, LargestAllowedHeaderPassesTheSizeCheck) {
    // 4096 x 4096 RGB is 48 MB of bitmap plus 16 MB of alpha, just within the cap; the read then
    // fails on the missing rows, not on the size.
    EXPECT_THROW(LoadPng(With(0, {"IHDR", IhdrData(4096, 4095, 8, 2)}, true)), EPNGMissingMultipleIDAT);
    EXPECT_THROW(LoadPng(With(0, {"IHDR", IhdrData(4096, 4097, 8, 2)}, true)), EPNGImageTooLarge);
}

} // namespace

namespace {

// Inputs that once crashed or exhausted memory, or were made to: each must fail cleanly, with a
// PNG error or as an empty picture.
TEST(FuzzRegressions, EveryInputFailsCleanly) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ORLIX_FUZZ_REGRESSIONS_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        const TBytes value = ReadFileBytes(entry.path().string());
        TPicture picture;
        try {
            picture.ReadData(value.data(), value.size());
            EXPECT_TRUE(picture.Empty());
        } catch (const EPngError&) {
            EXPECT_TRUE(picture.Empty());
        } catch (const EBitmapError&) {
            EXPECT_TRUE(picture.Empty());
        }
        ++inputs;
    }
    EXPECT_GE(inputs, 5);
}

} // namespace
