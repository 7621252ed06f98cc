// Files made to cost the readers work out of proportion to their size: each is read within a
// generous bound of CPU time (tens of times what it takes), and either refused with a clear error
// or read right. hostile_bench measures their time and memory.

#include <ctime>
#include <functional>

#include <gtest/gtest.h>

#include "framework/description/description.h"
#include "hostile_files.h"
#include "picture/chunk_text.h"
#include "picture/icon_graphic.h"
#include "picture/idat_decoder.h"
#include "picture/png_errors.h"

namespace {

constexpr double kCpuSecondsBound = 1.5;

// What reading gave: "read" or the error's class name and message.
std::string Outcome(const std::function<void()>& read) {
    try {
        read();
    } catch (const Exception& e) {
        return std::string(e.ClassName()) + ": " + e.Message();
    }
    return "read";
}

struct THostileCase {
    const char* what;
    std::function<std::function<void()>()> make; // makes the file, answers its reading
    std::string outcome;                         // what Outcome() starts with
};

std::function<void()> ReadsPng(TBytes png, std::function<void(const TPNGObject&)> check = {}) {
    return [png, check] {
        const auto picture = LoadPng(png);
        if (check)
            check(*picture);
    };
}

std::function<void()> ReadsIcon(TBytes file, size_t images = 0) {
    return [file, images] {
        TIconGraphic icon;
        TByteReader stream(file.data(), file.size());
        icon.LoadFromStream(stream);
        EXPECT_EQ(icon.Images().size(), images);
        for (const TIconImage& image : icon.Images())
            EXPECT_TRUE(image.width == 16 && image.height == 16);
    };
}

void ExpectSmallGreyImage(const TPNGObject& png) {
    ASSERT_EQ(png.Width(), 16);
    for (uint32_t y = 0; y < 16; ++y)
        for (uint32_t x = 0; x < 16; ++x)
            EXPECT_EQ(png.Image().Pixel(x, y).rgbBlue, uint8_t(x * y)) << x << "," << y;
}

const THostileCase kCases[] = {
    {"a thousand zTXt chunks of a megabyte each", [] { return ReadsPng(ManyZtxtPng(1000, size_t(1) << 20)); },
     "EPNGTooMuchText: "},
    {"a gigabyte of image data after the last row",
     [] { return ReadsPng(LongTailPng(uint64_t(1) << 30), ExpectSmallGreyImage); }, "read"},
    {"256 icon entries on one PNG with a long tail",
     [] { return ReadsIcon(IconSharingOnePng(LongTailPng(uint64_t(64) << 20), 256), 256); }, "read"},
    {"a PNG of 4000 x 4000 in an icon", [] { return ReadsIcon(IconSharingOnePng(LargeBlackPng(4000), 1)); },
     "EIconError: The icon is not valid: an image's width or height is out of range"},
    {"a text description 66 deep", [] { return [] { ReadDescription(NestedDescription(66)); }; },
     "EParserError: Line 66: objects nested too deeply"},
    {"a text description 8,000 deep", [] { return [] { ReadDescription(NestedDescription(8000)); }; },
     "EParserError: Line 66: objects nested too deeply"},
};

class HostileFile : public ::testing::TestWithParam<THostileCase> {};

TEST_P(HostileFile, IsReadOrRefusedWithinItsBound) {
    const THostileCase& c = GetParam();
    const std::function<void()> read = c.make();
    const std::clock_t start = std::clock();
    const std::string outcome = Outcome(read);
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(outcome.rfind(c.outcome, 0), 0u) << outcome;
    EXPECT_LT(seconds, kCpuSecondsBound);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFile, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

TBytes ZtxtChunk(size_t textBytes) {
    TBytes data = {'k', 0, 0};
    const TBytes packed = Deflate(TBytes(textBytes, 't'), 9);
    data.insert(data.end(), packed.begin(), packed.end());
    return data;
}

// The picture's texts share one allowance, the uncompressed ones too.
TEST(TextAllowance, ThePicturesTextsTogetherAreHeldToTheLimit) {
    const std::vector<TRawChunk> full(kMaxPictureTextBytes / kMaxTextBytes,
                                      {"zTXt", ZtxtChunk(kMaxTextBytes)});
    std::vector<TRawChunk> over = full;
    over.push_back({"tEXt", {'k', 0, 'x'}});
    std::vector<TRawChunk> overCompressed = full;
    overCompressed.push_back({"zTXt", ZtxtChunk(1)});

    EXPECT_EQ(Outcome(ReadsPng(SmallGreyPng(2, 2, full))), "read");
    const std::string tooMuch = "EPNGTooMuchText: This \"Portable Network Graphics\" image is not supported "
                                "because its texts together are longer than 4 MB.";
    EXPECT_EQ(Outcome(ReadsPng(SmallGreyPng(2, 2, over))), tooMuch);
    EXPECT_EQ(Outcome(ReadsPng(SmallGreyPng(2, 2, overCompressed))), tooMuch);
}

// The image data of a long-tailed picture with its Adler-32 made wrong.
TBytes WithWrongAdler(const TBytes& png) {
    std::vector<TRawChunk> chunks = SplitChunks(png);
    chunks[1].data.back() ^= 1;
    return JoinChunks(chunks);
}

TEST(TrailingImageData, ATailWithinTheBoundIsCheckedALongerOneIsLeftUnread) {
    const TBytes shortTail = LongTailPng(kMaxTrailingOutput - 1024);
    const TBytes longTail = LongTailPng(kMaxTrailingOutput + (size_t(1) << 20));
    EXPECT_EQ(Outcome(ReadsPng(shortTail, ExpectSmallGreyImage)), "read");
    EXPECT_EQ(Outcome(ReadsPng(WithWrongAdler(shortTail))).rfind("EPNGZLIBError: ", 0), 0u);
    EXPECT_EQ(Outcome(ReadsPng(WithWrongAdler(longTail), ExpectSmallGreyImage)), "read");
    // The image data chunks after the one reading stopped in are passed over, their CRCs checked.
    std::vector<TRawChunk> split = SplitChunks(longTail);
    const TBytes data = split[1].data;
    const auto half = data.begin() + long(data.size() / 2);
    split[1].data.assign(data.begin(), half);
    split.insert(split.begin() + 2, {"IDAT", TBytes(half, data.end())});
    EXPECT_EQ(Outcome(ReadsPng(JoinChunks(split), ExpectSmallGreyImage)), "read");
    EXPECT_EQ(Outcome(ReadsPng(JoinChunksBreakingCrc(split, 2))).rfind("EPngInvalidCRC: ", 0), 0u);
}

} // namespace
