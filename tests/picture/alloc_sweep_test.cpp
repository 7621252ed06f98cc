// Every allocation of the picture kinds' load, save and assignment made to fail in turn, on files
// that hold every chunk kind, both interlace methods, the program's own pictures and icon, and
// bitmaps: each failure must end in an out-of-memory error, keep the picture and leak nothing.

#include <chrono>
#include <cstdio>
#include <memory>
#include <new>

#include <gtest/gtest.h>

#include "alloc_fault.h"
#include "icon_test_util.h"
#include "picture/bmp_format.h"
#include "picture/picture.h"
#include "picture/png_errors.h"
#include "png_test_util.h"

namespace {

struct TSweepFile {
    std::string name;
    std::string tag;
    TBytes stream;
};

TBytes ResourceFile(const std::string& name) {
    return ReadFileBytes(std::string(ORLIX_RESOURCES_DIR) + "/" + name);
}

TBytes BmpOf(const std::string& pngSuiteName) {
    TBytes bmp;
    WriteBmp(LoadPng(PngSuiteFile(pngSuiteName))->Image(), bmp);
    return bmp;
}

std::vector<TSweepFile> SweepFiles() {
    std::vector<TSweepFile> files;
    // Between them: every chunk kind the reader knows (IHDR PLTE IDAT IEND gAMA tRNS tIME tEXt
    // zTXt), cHRM, unknown ancillary ones (sBIT bKGD hIST pHYs sPLT iTXt eXIf), every colour type,
    // 1 to 16 bits, Adam7 and not, image data in many chunks.
    for (const char* name :
         {"basi0g01.png", "basn0g16.png", "basi2c16.png", "basn3p01.png", "basi3p08.png", "basi4a08.png",
          "basn6a16.png", "tbbn3p08.png", "tbrn2c08.png", "ccwn2c08.png", "ch1n3p04.png", "cten0g04.png",
          "ctzn0g04.png", "cm0n0g04.png", "cdfn2c08.png", "ps1n0g08.png", "exif2c08.png", "oi9n2c16.png"})
        files.push_back({name, "TPNGObject", PngSuiteFile(name)});
    files.push_back({"background.png", "TPNGObject", ResourceFile("background.png")});
    files.push_back({"emblem.png", "TPNGObject", ResourceFile("emblem.png")});
    files.push_back({"MAINICON.ico", "TIcon", ResourceFile("MAINICON.ico")});
    files.push_back(
        {"bitmaps.ico", "TIcon",
         TestIconFile(
             {{16, 16, 1}, {32, 32, 8}, {24, 24, 32}, {20, 20, 32, 0, PngSuiteFile("basn6a08.png")}})});
    files.push_back({"palette.bmp", "TBitmap", BmpOf("basn3p08.png")});
    files.push_back({"rgb.bmp", "TBitmap", BmpOf("basn2c08.png")});
    return files;
}

bool PictureOutOfMemory(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return true;
    } catch (const EPNGOutMemory&) {
        return true;
    } catch (...) {
        return false;
    }
}

TBytes Saved(const TPicture& picture) {
    TBytes value;
    picture.WriteData(value);
    return value;
}

// A picture holding something else than the files swept, to be kept by every failure.
struct THeldPicture {
    TPicture picture;
    const TGraphic* graphic = nullptr;
    TBytes value;

    THeldPicture() { Reset(); }
    void Reset() {
        const TBytes stored = StoredValue("TPNGObject", SmallGreyPng(3, 2));
        picture.ReadData(stored.data(), stored.size());
        graphic = picture.Graphic();
        value = Saved(picture);
    }
    bool Unchanged() const { return picture.Graphic() == graphic && Saved(picture) == value; }
};

class PictureAllocationSweep : public ::testing::TestWithParam<TSweepFile> {};

TEST_P(PictureAllocationSweep, LoadSaveAndAssignSurviveEveryFailure) {
    const TSweepFile& file = GetParam();
    const TBytes value = StoredValue(file.tag, file.stream);
    TPicture source;
    source.ReadData(value.data(), value.size());
    ASSERT_FALSE(source.Empty());
    THeldPicture held;
    THeldPicture assigned;
    const TGraphic* sourceGraphic = source.Graphic();
    const TBytes expected = Saved(source);
    TBytes saved;
    const auto start = std::chrono::steady_clock::now();

    const TSweepCounts load = SweepAllocations({file.name + " load", [&] { held.Reset(); },
                                                [&] { held.picture.ReadData(value.data(), value.size()); },
                                                [&] { return held.Unchanged(); }, PictureOutOfMemory});
    const TSweepCounts assign = SweepAllocations({file.name + " assign", [&] { assigned.Reset(); },
                                                  [&] { assigned.picture.Assign(source); },
                                                  [&] { return assigned.Unchanged(); }, PictureOutOfMemory});
    // Written into a vector of the run's own, which a failure frees.
    const TSweepCounts save =
        SweepAllocations({file.name + " save", [] {},
                          [&] {
                              TBytes out;
                              source.WriteData(out);
                              saved = std::move(out);
                          },
                          [&] { return source.Graphic() == sourceGraphic; }, PictureOutOfMemory});
    // What was written once all allocations succeed is the picture as it was before.
    EXPECT_EQ(saved, expected);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: load %zu allocations, assign %zu, save %zu; %zu failures survived in %.2f s\n",
                file.name.c_str(), load.allocations, assign.allocations, save.allocations,
                load.failures + assign.failures + save.failures, seconds);
    EXPECT_GT(load.failures, 0u);
    EXPECT_GT(assign.failures, 0u);
    EXPECT_GT(save.failures, 0u);
}

INSTANTIATE_TEST_SUITE_P(Files, PictureAllocationSweep, ::testing::ValuesIn(SweepFiles()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
