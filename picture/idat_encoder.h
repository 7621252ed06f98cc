#pragma once
// Writes a picture's decoded image as image data: rows from the top (pass by pass when the header
// says Adam7), each with the Sub filter, deflated at level 7, cut into IDAT chunks of 65535 bytes
// and a shorter last one.

#include <cstddef>
#include <vector>

#include "picture/chunk.h"

constexpr int kCompressionLevel = 7;
constexpr size_t kMaxIdatSize = 65535;

// Throws EPNGHeaderNotPresent when the header has no decoded image.
void WriteImageData(const TPNGState& state, std::vector<uint8_t>& out);
