#pragma once
// A strict reader of 32-bit .ico files for the tests: it checks every field that Windows relies on
// and hands back each image's samples (top row first, RGBA) and, for bitmaps, AND-mask bits.

#include <cstdint>
#include <string>
#include <vector>

struct ReadIconImage {
    int width = 0;
    int height = 0;
    bool isPng = false; // the image is a PNG stream instead of a bitmap
    std::vector<uint8_t> rgba;
    std::vector<bool> mask;        // one entry per pixel, top row first; true = transparent; empty for PNG
    bool maskPaddingClear = false; // the unused bits at the end of every mask row are 0
};

// Reads the file; any inconsistency (header, entry fields, offsets, sizes, bitmap header
// fields) is reported in `problem` and the result is then empty.
std::vector<ReadIconImage> ReadIconFile(const std::vector<uint8_t>& file, std::string& problem);
