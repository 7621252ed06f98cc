#include "picture/adler32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

#include "tests/picture/png_test_util.h"

// The sum must equal zlib's for every length around its 16-byte steps and its runs between two
// reductions, from any starting value; all-0xFF input gives the largest sums, where an overflow would
// show.
TEST(Adler32, EqualsZlibsForAnyLengthAndStart) {
    const std::vector<uint8_t> noise = Noise(70000, 3);
    const std::vector<uint8_t> full(70000, 0xFF);
    for (const size_t size : {0, 1, 15, 16, 17, 31, 5551, 5552, 5553, 5568, 11104, 70000}) {
        for (const uint32_t start : {1u, 0xFFF0FFF0u, 0x12345678u}) {
            for (const auto* data : {&noise, &full}) {
                SCOPED_TRACE(std::to_string(size) + " bytes from " + std::to_string(start));
                EXPECT_EQ(Adler32(start, data->data(), size),
                          uint32_t(adler32(start, data->data(), uInt(size))));
            }
        }
    }
}
