#include "hostile_files.h"

#include <stdexcept>

#include <zlib.h>

#include "icon_test_util.h"

namespace {

constexpr size_t kZeroBlock = size_t(1) << 20;

// Everything deflate writes for `data` under `flush`.
TBytes DeflatePiece(z_stream& z, const uint8_t* data, size_t size, int flush) {
    TBytes out;
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = uInt(size);
    uint8_t buffer[65536];
    do {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        const int rc = deflate(&z, flush);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw std::runtime_error("deflate failed");
        out.insert(out.end(), buffer, buffer + (sizeof buffer - z.avail_out));
    } while (z.avail_out == 0 || z.avail_in != 0);
    return out;
}

// A zlib stream of `head` then `zeros` zero bytes. The zeros are one megabyte deflated after a
// full flush, which makes it independent of what precedes it, repeated: a gigabyte costs one
// megabyte of deflating. The Adler-32 trailer is computed for the whole.
TBytes DeflateWithZeros(const TBytes& head, uint64_t zeros) {
    z_stream z{};
    if (deflateInit(&z, 9) != Z_OK)
        throw std::runtime_error("deflateInit failed");
    TBytes out = DeflatePiece(z, head.data(), head.size(), Z_FULL_FLUSH);
    const TBytes block(kZeroBlock, 0);
    const TBytes packed = DeflatePiece(z, block.data(), block.size(), Z_FULL_FLUSH);
    const uLong blockSum = adler32(1, block.data(), uInt(block.size()));
    uLong sum = adler32(1, head.data(), uInt(head.size()));
    for (uint64_t n = 0; n + kZeroBlock <= zeros; n += kZeroBlock) {
        out.insert(out.end(), packed.begin(), packed.end());
        sum = adler32_combine(sum, blockSum, kZeroBlock);
    }
    const size_t rest = size_t(zeros % kZeroBlock);
    const TBytes last = DeflatePiece(z, block.data(), rest, Z_FINISH);
    deflateEnd(&z);
    sum = adler32_combine(sum, adler32(1, block.data(), uInt(rest)), z_off_t(rest));
    out.insert(out.end(), last.begin(), last.end() - 4);
    const TBytes trailer = U32BE(uint32_t(sum));
    out.insert(out.end(), trailer.begin(), trailer.end());
    return out;
}

TBytes SmallGreyRows() {
    TBytes rows;
    for (uint32_t y = 0; y < 16; ++y) {
        rows.push_back(0);
        for (uint32_t x = 0; x < 16; ++x)
            rows.push_back(uint8_t(x * y));
    }
    return rows;
}

} // namespace

TBytes ManyZtxtPng(size_t count, size_t textBytes) {
    TBytes text = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0};
    const TBytes packed = Deflate(TBytes(textBytes, 'x'), 9);
    text.insert(text.end(), packed.begin(), packed.end());
    TBytes png = JoinChunks({{"IHDR", IhdrData(16, 16, 8, 0)}});
    for (size_t i = 0; i < count; ++i)
        AppendChunk(png, "zTXt", text);
    AppendChunk(png, "IDAT", Deflate(SmallGreyRows()));
    AppendChunk(png, "IEND", {});
    return png;
}

TBytes LongTailPng(uint64_t tailBytes) {
    return JoinChunks({{"IHDR", IhdrData(16, 16, 8, 0)},
                       {"IDAT", DeflateWithZeros(SmallGreyRows(), tailBytes)},
                       {"IEND", {}}});
}

TBytes LargeBlackPng(uint32_t side) {
    return JoinChunks({{"IHDR", IhdrData(side, side, 8, 2)},
                       {"IDAT", DeflateWithZeros({}, uint64_t(side) * (1 + 3 * uint64_t(side)))},
                       {"IEND", {}}});
}

TBytes IconSharingOnePng(const TBytes& png, size_t entries) {
    TBytes icon;
    AppendTestLE(icon, 0, 2);
    AppendTestLE(icon, 1, 2);
    AppendTestLE(icon, uint32_t(entries), 2);
    for (size_t i = 0; i < entries; ++i) {
        icon.insert(icon.end(), {16, 16, 0, 0});
        AppendTestLE(icon, 1, 2);
        AppendTestLE(icon, 32, 2);
        AppendTestLE(icon, uint32_t(png.size()), 4);
        AppendTestLE(icon, uint32_t(6 + 16 * entries), 4);
    }
    icon.insert(icon.end(), png.begin(), png.end());
    return icon;
}

std::string NestedDescription(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "object O" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < depth; ++i)
        text += "end\n";
    return text;
}
