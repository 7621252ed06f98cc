// Hostile files against the readers: each is small, and each once cost work out of proportion to
// its size. Every case reports its time and the process's peak resident memory ("peak_rss_mb");
// run one case per process (--benchmark_filter) for a peak of its own. A case over its bound
// (one second of CPU per read, 256 MB of peak memory) ends with an error.

#include <sys/resource.h>

#include <exception>
#include <string>

#include <benchmark/benchmark.h>

#include "framework/description/description.h"
#include "hostile_files.h"
#include "picture/icon_graphic.h"
#include "picture/png_object.h"

namespace {

constexpr double kMaxSecondsPerRead = 1.0;
constexpr double kMaxPeakMb = 256;

double PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Reads the input once per iteration; a reader's refusal is an outcome like any other here.
template <class Read>
void Measure(benchmark::State& state, Read read) {
    double worst = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        try {
            read();
        } catch (const std::exception&) {
        }
        worst = std::max(worst, CpuSeconds() - start);
    }
    state.counters["peak_rss_mb"] = PeakRssMb();
    if (worst > kMaxSecondsPerRead)
        state.SkipWithError(("a read took " + std::to_string(worst) + " s of CPU").c_str());
    else if (PeakRssMb() > kMaxPeakMb)
        state.SkipWithError(("peak memory " + std::to_string(PeakRssMb()) + " MB").c_str());
}

void ReadPng(const TBytes& bytes) {
    TPNGObject png;
    TByteReader stream(bytes.data(), bytes.size());
    png.LoadFromStream(stream);
}

void ReadIcon(const TBytes& bytes) {
    TIconGraphic icon;
    TByteReader stream(bytes.data(), bytes.size());
    icon.LoadFromStream(stream);
}

void BM_ThousandZtxtOfOneMegabyte(benchmark::State& state) {
    const TBytes png = ManyZtxtPng(1000, size_t(1) << 20);
    Measure(state, [&] { ReadPng(png); });
}

void BM_GigabyteInflateTail(benchmark::State& state) {
    const TBytes png = LongTailPng(uint64_t(1) << 30);
    Measure(state, [&] { ReadPng(png); });
}

void BM_IconOf256EntriesOnOneLongTailPng(benchmark::State& state) {
    const TBytes icon = IconSharingOnePng(LongTailPng(uint64_t(16) << 20), 256);
    Measure(state, [&] { ReadIcon(icon); });
}

void BM_IconWithHugePng(benchmark::State& state) {
    const TBytes icon = IconSharingOnePng(LargeBlackPng(4000), 1);
    Measure(state, [&] { ReadIcon(icon); });
}

void BM_Description66Deep(benchmark::State& state) {
    const std::string text = NestedDescription(66);
    Measure(state, [&] { ReadDescription(text); });
}

void BM_Description8000Deep(benchmark::State& state) {
    const std::string text = NestedDescription(8000);
    Measure(state, [&] { ReadDescription(text); });
}

} // namespace

BENCHMARK(BM_ThousandZtxtOfOneMegabyte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GigabyteInflateTail)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconOf256EntriesOnOneLongTailPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconWithHugePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Description66Deep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Description8000Deep)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
