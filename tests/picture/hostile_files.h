#pragma once
// Files made to cost a reader far more than their size, built on demand (the large ones are
// never stored): each stands for a way a picture or a description can ask for unbounded work.

#include <cstdint>
#include <string>
#include <vector>

#include "png_test_util.h"

// A 16 x 16 grey PNG preceded by `count` zTXt chunks, each inflating to `textBytes` bytes.
TBytes ManyZtxtPng(size_t count, size_t textBytes);
// A 16 x 16 grey PNG whose zlib stream goes on for `tailBytes` zero bytes after the last row,
// with a correct Adler-32 at its end.
TBytes LongTailPng(uint64_t tailBytes);
// A side x side RGB PNG, all black, in one IDAT chunk.
TBytes LargeBlackPng(uint32_t side);
// An .ico whose `entries` directory entries all point at the same PNG stream.
TBytes IconSharingOnePng(const TBytes& png, size_t entries);
// A text window description of `depth` objects each inside the one before.
std::string NestedDescription(int depth);
