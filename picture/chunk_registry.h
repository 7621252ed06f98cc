#pragma once
// The chunk classes by name, registered once per process on first use: TChunkIHDR "IHDR",
// TChunkIDAT "IDAT", TChunkPLTE "PLTE", TChunkgAMA "gAMA", TChunktRNS "tRNS", TChunktIME "tIME",
// TChunktEXt "tEXt", TChunkzTXt "zTXt", TChunkIEND "IEND".

#include <memory>

#include "picture/chunk.h"

// An object of the class registered for the name, or nullptr.
std::unique_ptr<TChunk> CreateRegisteredChunk(const char* name);

// The registered class's object, or a generic TChunk keeping the raw data.
std::unique_ptr<TChunk> CreateChunk(const char* name);
