#include "tests/tools/assets/png_chunks.h"

#include <zlib.h>

#include <algorithm>

uint32_t BigEndian32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

std::vector<PngChunk> ReadPngChunks(const std::vector<uint8_t>& file, std::string& problem) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    problem.clear();
    if (file.size() < 8 || !std::equal(kSignature, kSignature + 8, file.begin())) {
        problem = "no PNG signature";
        return {};
    }
    std::vector<PngChunk> chunks;
    size_t at = 8;
    while (chunks.empty() || chunks.back().type != "IEND") {
        if (file.size() - at < 12) {
            problem = "chunk header cut short";
            return {};
        }
        const uint32_t length = BigEndian32(&file[at]);
        if (file.size() - at - 12 < length) {
            problem = "chunk data cut short";
            return {};
        }
        const uint8_t* type = &file[at + 4];
        const uLong crc = crc32(0, type, uInt(length + 4));
        if (crc != BigEndian32(type + 4 + length)) {
            problem = "CRC mismatch in " + std::string(type, type + 4);
            return {};
        }
        chunks.push_back({std::string(type, type + 4), std::vector<uint8_t>(type + 4, type + 4 + length)});
        at += 12 + length;
    }
    if (at != file.size()) {
        problem = "bytes after IEND";
        return {};
    }
    return chunks;
}

std::vector<uint8_t> InflateImageData(const std::vector<PngChunk>& chunks, std::string& problem) {
    std::vector<uint8_t> in;
    for (const PngChunk& c : chunks)
        if (c.type == "IDAT")
            in.insert(in.end(), c.data.begin(), c.data.end());
    std::vector<uint8_t> out;
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        problem = "inflateInit failed";
        return {};
    }
    z.next_in = in.data();
    z.avail_in = uInt(in.size());
    uint8_t buffer[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        out.insert(out.end(), buffer, buffer + (sizeof buffer - z.avail_out));
    }
    const bool whole = rc == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    if (!whole) {
        problem = "image data does not inflate to one whole zlib stream";
        return {};
    }
    return out;
}
