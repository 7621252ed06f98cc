// Every allocation of reading and writing a window description, in both forms, made to fail in
// turn: each failure must end in std::bad_alloc, keep the tree read into and leak nothing.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <new>

#include <gtest/gtest.h>

#include "../../picture/alloc_fault.h"
#include "framework/description/description.h"

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool BadAlloc(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return true;
    } catch (...) {
        return false;
    }
}

struct TSweepDescription {
    std::string name;
    std::string text;
    size_t stride; // the program's own window makes tens of thousands of allocations
};

class DescriptionAllocationSweep : public ::testing::TestWithParam<TSweepDescription> {};

TEST_P(DescriptionAllocationSweep, BothFormsReadAndWriteSurviveEveryFailure) {
    const TSweepDescription& d = GetParam();
    const DescObject tree = ReadDescription(d.text);
    const std::vector<uint8_t> binary = WriteBinaryDescription(tree);
    // A tree that reading into must keep.
    const DescObject before = ReadDescription("object Kept: TForm\n  Tag = 1\nend\n");
    DescObject target;
    std::string text;
    std::vector<uint8_t> bytes;
    const auto start = std::chrono::steady_clock::now();

    const auto sweep = [&](const std::string& what, std::function<void()> prepare, std::function<void()> run,
                           std::function<bool()> unchanged) {
        return SweepAllocations({d.name + " " + what, std::move(prepare), std::move(run),
                                 std::move(unchanged), BadAlloc, d.stride});
    };
    const auto keepTarget = [&] { target = before; };
    const TSweepCounts counts[] = {
        sweep(
            "text read", keepTarget, [&] { target = ReadDescription(d.text); },
            [&] { return target == before; }),
        sweep(
            "binary read", keepTarget, [&] { target = ReadBinaryDescription(binary.data(), binary.size()); },
            [&] { return target == before; }),
        sweep(
            "text write", [&] { text = std::string(); }, [&] { text = WriteDescription(tree); },
            [&] { return text.empty(); }),
        sweep(
            "binary write", [&] { bytes = std::vector<uint8_t>(); },
            [&] { bytes = WriteBinaryDescription(tree); }, [&] { return bytes.empty(); }),
    };
    // Written once every allocation succeeds: what reads back to the same tree.
    EXPECT_EQ(ReadDescription(text), tree);
    EXPECT_EQ(bytes, binary);

    size_t failures = 0;
    for (const TSweepCounts& c : counts) {
        EXPECT_GT(c.failures, 0u);
        failures += c.failures;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: reads %zu and %zu allocations, writes %zu and %zu; every %zu-th failing, %zu failures "
                "survived in %.2f s\n",
                d.name.c_str(), counts[0].allocations, counts[1].allocations, counts[2].allocations,
                counts[3].allocations, d.stride, failures, seconds);
}

std::vector<TSweepDescription> Descriptions() {
    const std::string corpus = ORLIX_SOURCE_DIR "/tests/fuzz/description/corpus/";
    return {
        {"text_nested", ReadText(corpus + "text_nested"), 1},
        {"text_control_data", ReadText(corpus + "text_control_data"), 1},
        {"FrmConnexionORLIX", ReadText(ORLIX_SOURCE_DIR "/resources/FrmConnexionORLIX.desc"), 5},
    };
}

INSTANTIATE_TEST_SUITE_P(Descriptions, DescriptionAllocationSweep, ::testing::ValuesIn(Descriptions()),
                         [](const auto& info) { return info.param.name; });

} // namespace
