#include "picture/chunk_registry.h"

#include <cstring>
#include <vector>

#include "picture/chunk_gama.h"
#include "picture/chunk_idat.h"
#include "picture/chunk_ihdr.h"
#include "picture/chunk_plte.h"
#include "picture/chunk_text.h"
#include "picture/chunk_trns.h"

namespace {

struct TChunkClass {
    const char* name;
    std::unique_ptr<TChunk> (*create)();
};

template <class T>
std::unique_ptr<TChunk> Make() {
    return std::make_unique<T>();
}

const std::vector<TChunkClass>& ChunkClasses() {
    static const std::vector<TChunkClass> classes = {
        {"IHDR", Make<TChunkIHDR>}, {"IDAT", Make<TChunkIDAT>}, {"PLTE", Make<TChunkPLTE>},
        {"gAMA", Make<TChunkgAMA>}, {"tRNS", Make<TChunktRNS>}, {"tIME", Make<TChunktIME>},
        {"tEXt", Make<TChunktEXt>}, {"zTXt", Make<TChunkzTXt>}, {"IEND", Make<TChunkIEND>},
    };
    return classes;
}

} // namespace

std::unique_ptr<TChunk> CreateRegisteredChunk(const char* name) {
    for (const TChunkClass& c : ChunkClasses())
        if (std::memcmp(c.name, name, 4) == 0)
            return c.create();
    return nullptr;
}

std::unique_ptr<TChunk> CreateChunk(const char* name) {
    std::unique_ptr<TChunk> chunk = CreateRegisteredChunk(name);
    return chunk ? std::move(chunk) : std::make_unique<TChunk>(name);
}
