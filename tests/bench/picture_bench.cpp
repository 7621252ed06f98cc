// Speed of the PNG reader and writer on the background picture, against libpng doing the same
// work and against bare zlib inflating the picture's image data. Not a test: it prints the times
// and, at the end, the ratios the reader and writer are held to, from the least CPU time of five
// repetitions of each.
//
//   decode: ours / libpng <= 1.0, ours / bare inflate <= 1.1
//   encode: ours / libpng <= 1.05 (deflate level 7, Sub on every row, default strategy)

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include "picture/png_object.h"

namespace {

using TBytes = std::vector<uint8_t>;

const TBytes& PictureFile() {
    static const TBytes bytes = [] {
        std::ifstream file(ORLIX_BACKGROUND_PNG, std::ios::binary);
        return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

// The image data of all IDAT chunks, joined.
TBytes ImageData(const TBytes& png) {
    TBytes data;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = uint32_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
        if (std::memcmp(&png[at + 4], "IDAT", 4) == 0)
            data.insert(data.end(), png.begin() + long(at + 8), png.begin() + long(at + 8 + length));
        at += 12 + length;
    }
    return data;
}

std::unique_ptr<TPNGObject> Decode(const TBytes& bytes) {
    auto png = std::make_unique<TPNGObject>();
    TByteReader reader(bytes.data(), bytes.size());
    png->LoadFromStream(reader);
    return png;
}

void BM_DecodeOurs(benchmark::State& state) {
    const TBytes& file = PictureFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(Decode(file));
}

struct TMemoryInput {
    const TBytes* bytes;
    size_t at;
};

void ReadMemory(png_structp png, png_bytep out, png_size_t size) {
    auto* input = static_cast<TMemoryInput*>(png_get_io_ptr(png));
    if (input->at + size > input->bytes->size())
        png_error(png, "end of data");
    std::memcpy(out, input->bytes->data() + input->at, size);
    input->at += size;
}

// libpng reading into blue-green-red rows, as the display layout has them.
void BM_DecodeLibpng(benchmark::State& state) {
    const TBytes& file = PictureFile();
    for (auto _ : state) {
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        TMemoryInput input{&file, 0};
        TBytes pixels;
        std::vector<png_bytep> rows;
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            png_destroy_read_struct(&png, &info, nullptr);
            return;
        }
        png_set_read_fn(png, &input, ReadMemory);
        png_read_info(png, info);
        png_set_bgr(png);
        png_read_update_info(png, info);
        const png_uint_32 height = png_get_image_height(png, info);
        const size_t stride = (png_get_rowbytes(png, info) + 3) & ~size_t(3);
        pixels.resize(stride * height);
        for (png_uint_32 y = 0; y < height; ++y)
            rows.push_back(pixels.data() + (height - 1 - y) * stride);
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_InflateImageData(benchmark::State& state) {
    const TBytes data = ImageData(PictureFile());
    const auto png = Decode(PictureFile());
    TBytes raw(size_t(png->Height()) * (1 + size_t(png->Width()) * 3));
    for (auto _ : state) {
        z_stream z{};
        inflateInit(&z);
        z.next_in = const_cast<Bytef*>(data.data());
        z.avail_in = uInt(data.size());
        z.next_out = raw.data();
        z.avail_out = uInt(raw.size());
        if (inflate(&z, Z_FINISH) != Z_STREAM_END)
            state.SkipWithError("inflate failed");
        inflateEnd(&z);
        benchmark::DoNotOptimize(raw.data());
    }
}

void BM_EncodeOurs(benchmark::State& state) {
    const auto png = Decode(PictureFile());
    for (auto _ : state) {
        TBytes out;
        png->SaveToStream(out);
        benchmark::DoNotOptimize(out.data());
    }
}

void WriteMemory(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

// libpng writing the same chunks from the same bitmap rows, set up as our writer works.
void BM_EncodeLibpng(benchmark::State& state) {
    const auto picture = Decode(PictureFile());
    const TDecodedImage& image = picture->Image();
    std::vector<png_bytep> rows;
    for (uint32_t y = 0; y < image.Height(); ++y)
        rows.push_back(const_cast<png_bytep>(image.Line(y)));
    for (auto _ : state) {
        TBytes out;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng failed");
            png_destroy_write_struct(&png, &info);
            return;
        }
        png_set_write_fn(png, &out, WriteMemory, nullptr);
        png_set_IHDR(png, info, image.Width(), image.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
        png_set_gAMA_fixed(png, info, 45455);
        png_set_pHYs(png, info, 11811, 11811, PNG_RESOLUTION_METER);
        png_set_compression_level(png, 7);
        png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
        png_set_compression_buffer_size(png, 65535);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_set_bgr(png);
        png_write_info(png, info);
        png_write_image(png, rows.data());
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_DecodeOurs)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);
BENCHMARK(BM_DecodeLibpng)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);
BENCHMARK(BM_InflateImageData)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);
BENCHMARK(BM_EncodeOurs)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);
BENCHMARK(BM_EncodeLibpng)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(5);

// Keeps each benchmark's least CPU time per iteration over its repetitions, for the ratios: CPU
// time and the minimum are the least disturbed by other work on the machine.
class TRatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            const std::string& name = run.run_name.function_name;
            const double time = run.GetAdjustedCPUTime();
            if (!times.count(name) || time < times[name])
                times[name] = time;
        }
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (PictureFile().empty()) {
        std::fprintf(stderr, "cannot read %s\n", ORLIX_BACKGROUND_PNG);
        return 1;
    }
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* a, const char* b, double target) {
        if (!reporter.times.count(a) || !reporter.times.count(b))
            return;
        const double r = reporter.times[a] / reporter.times[b];
        std::printf("%-20s / %-20s = %.3f (target <= %.2f)%s\n", a, b, r, target,
                    r <= target ? "" : "  MISSED");
    };
    std::printf("\n%s (%zu bytes)\n", ORLIX_BACKGROUND_PNG, PictureFile().size());
    ratio("BM_DecodeOurs", "BM_DecodeLibpng", 1.0);
    ratio("BM_DecodeOurs", "BM_InflateImageData", 1.1);
    ratio("BM_EncodeOurs", "BM_EncodeLibpng", 1.05);
    return 0;
}
