#pragma once
// Helpers of the picture tests: test files, PNG streams built chunk by chunk, and loading.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "picture/png_object.h"

using TBytes = std::vector<uint8_t>;

// n pseudo-random bytes, the same for the same seed.
TBytes Noise(size_t n, uint32_t seed);

std::string TestDataPath(const std::string& relative);
TBytes ReadFileBytes(const std::string& path);
TBytes PngSuiteFile(const std::string& name);
// Names of the suite's valid images, or of its corrupt ones (x*.png), sorted.
std::vector<std::string> SuiteFiles(bool corrupt);

struct TRawChunk {
    std::string name;
    TBytes data;
};

// Chunks of a valid PNG stream, signature skipped (no checks: for test files).
std::vector<TRawChunk> SplitChunks(const TBytes& png);
// A PNG stream from chunks, each with its correct CRC.
TBytes JoinChunks(const std::vector<TRawChunk>& chunks);
// The same, with the CRC of chunk number broken made wrong.
TBytes JoinChunksBreakingCrc(const std::vector<TRawChunk>& chunks, size_t broken);
// Appends one framed chunk with a correct CRC.
void AppendChunk(TBytes& out, const std::string& name, const TBytes& data);

TBytes IhdrData(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace = 0);
TBytes U32BE(uint32_t v);
// zlib stream of the given raw (filter byte + samples) rows.
TBytes Deflate(const TBytes& raw, int level = 6);
// A small 8-bit grey image, width x height, all rows filter None with sample x + y.
TBytes SmallGreyPng(uint32_t width, uint32_t height, const std::vector<TRawChunk>& extraBeforeIdat = {});

std::unique_ptr<TPNGObject> LoadPng(const TBytes& bytes);
// "\x0aTPNGObject" followed by the bytes.
TBytes StoredValue(const std::string& tag, const TBytes& stream);
