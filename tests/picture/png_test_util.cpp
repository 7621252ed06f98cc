#include "png_test_util.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <zlib.h>

std::string TestDataPath(const std::string& relative) {
    return std::string(ORLIX_TEST_DATA_DIR) + "/" + relative;
}

TBytes ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TBytes PngSuiteFile(const std::string& name) {
    return ReadFileBytes(TestDataPath("pngsuite/" + name));
}

std::vector<std::string> SuiteFiles(bool corrupt) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(TestDataPath("pngsuite"))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".png" && (name[0] == 'x') == corrupt)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

static uint32_t Load32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

std::vector<TRawChunk> SplitChunks(const TBytes& png) {
    std::vector<TRawChunk> chunks;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = Load32(&png[at]);
        TRawChunk c{std::string(reinterpret_cast<const char*>(&png[at + 4]), 4),
                    TBytes(png.begin() + long(at + 8), png.begin() + long(at + 8 + length))};
        chunks.push_back(c);
        at += 12 + length;
    }
    return chunks;
}

TBytes U32BE(uint32_t v) {
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

void AppendChunk(TBytes& out, const std::string& name, const TBytes& data) {
    const TBytes length = U32BE(uint32_t(data.size()));
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(name.data()), 4);
    if (!data.empty()) // crc32 answers 0 for a null buffer
        crc = crc32(crc, data.data(), uInt(data.size()));
    const TBytes c = U32BE(uint32_t(crc));
    out.insert(out.end(), c.begin(), c.end());
}

TBytes JoinChunks(const std::vector<TRawChunk>& chunks) {
    TBytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const TRawChunk& c : chunks)
        AppendChunk(out, c.name, c.data);
    return out;
}

TBytes JoinChunksBreakingCrc(const std::vector<TRawChunk>& chunks, size_t broken) {
    TBytes out = JoinChunks({});
    for (size_t i = 0; i < chunks.size(); ++i) {
        AppendChunk(out, chunks[i].name, chunks[i].data);
        if (i == broken)
            out.back() ^= 1;
    }
    return out;
}

TBytes IhdrData(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace) {
    TBytes d = U32BE(width);
    const TBytes h = U32BE(height);
    d.insert(d.end(), h.begin(), h.end());
    d.insert(d.end(), {depth, colorType, 0, 0, interlace});
    return d;
}

TBytes Deflate(const TBytes& raw, int level) {
    uLongf size = compressBound(uLong(raw.size()));
    TBytes out(size);
    if (compress2(out.data(), &size, raw.data(), uLong(raw.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

TBytes SmallGreyPng(uint32_t width, uint32_t height, const std::vector<TRawChunk>& extraBeforeIdat) {
    TBytes raw;
    for (uint32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        for (uint32_t x = 0; x < width; ++x)
            raw.push_back(uint8_t(x + y));
    }
    std::vector<TRawChunk> chunks = {{"IHDR", IhdrData(width, height, 8, 0)}};
    chunks.insert(chunks.end(), extraBeforeIdat.begin(), extraBeforeIdat.end());
    chunks.push_back({"IDAT", Deflate(raw)});
    chunks.push_back({"IEND", {}});
    return JoinChunks(chunks);
}

std::unique_ptr<TPNGObject> LoadPng(const TBytes& bytes) {
    auto png = std::make_unique<TPNGObject>();
    TByteReader reader(bytes.data(), bytes.size());
    png->LoadFromStream(reader);
    return png;
}

TBytes StoredValue(const std::string& tag, const TBytes& stream) {
    TBytes value = {uint8_t(tag.size())};
    value.insert(value.end(), tag.begin(), tag.end());
    value.insert(value.end(), stream.begin(), stream.end());
    return value;
}

TBytes Noise(size_t n, uint32_t seed) {
    TBytes out(n);
    for (uint8_t& b : out) {
        seed = seed * 1103515245u + 12345u;
        b = uint8_t(seed >> 16);
    }
    return out;
}
