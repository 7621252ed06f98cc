#pragma once
// A plain PNG chunk walker for the tests, built on zlib alone so that it checks the project's
// writer independently: the chunk list with CRCs verified, and the inflated image data.

#include <cstdint>
#include <string>
#include <vector>

struct PngChunk {
    std::string type;
    std::vector<uint8_t> data;
};

// The chunks of a PNG file in order; a bad signature, a cut chunk, a CRC mismatch or bytes after
// IEND are reported in `problem` and the result is then empty.
std::vector<PngChunk> ReadPngChunks(const std::vector<uint8_t>& file, std::string& problem);

// The concatenated IDAT data inflated (filter byte and samples of every row); empty with
// `problem` set when zlib fails or the stream does not end exactly.
std::vector<uint8_t> InflateImageData(const std::vector<PngChunk>& chunks, std::string& problem);

uint32_t BigEndian32(const uint8_t* p);
