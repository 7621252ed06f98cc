#include "picture/chunk.h"

#include <cstring>
#include <typeinfo>
#include <utility>

#include "picture/chunk_ihdr.h"
#include "picture/chunk_registry.h"
#include "picture/png_errors.h"
#include "picture/zlib_glue.h"

TChunkIHDR* TPNGState::Header() const {
    return chunks.empty() ? nullptr : dynamic_cast<TChunkIHDR*>(chunks.front().get());
}

void TPNGState::KeepText(size_t bytes) {
    if (bytes > textAllowance)
        throw EPNGTooMuchText();
    textAllowance -= bytes;
}

TChunk::TChunk(const char* name, std::vector<uint8_t> data) : data_(std::move(data)) {
    std::memcpy(name_, name, 4);
}

bool TChunk::IsValidName(const char* name) {
    for (int i = 0; i < 4; ++i) {
        const char c = char(name[i] | 0x20);
        if (c < 'a' || c > 'z')
            return false;
    }
    return true;
}

void TChunk::LoadFromStream(TPNGState&, TByteReader& stream, uint32_t length) {
    ReadData(stream, length);
}

void TChunk::SaveToStream(const TPNGState&, std::vector<uint8_t>& out) const {
    WriteChunk(out, name_, data_.data(), data_.size());
}

void TChunk::Assign(const TChunk& source) {
    if (typeid(source) != typeid(*this) || std::memcmp(source.name_, name_, 4) != 0)
        throw PngIncompatibleChunksError();
    data_ = source.data_;
}

std::unique_ptr<TChunk> TChunk::Clone() const {
    std::unique_ptr<TChunk> copy = CreateChunk(name_);
    copy->Assign(*this);
    return copy;
}

void TChunk::ReadData(TByteReader& stream, uint32_t length) {
    const uint8_t* data = TakeChunkData(stream, name_, length);
    data_.assign(data, data + length);
}

TChunkHeader ReadChunkHeader(TByteReader& stream) {
    const uint8_t* p = stream.Take(8);
    if (!p)
        throw EPngUnexpectedEnd();
    TChunkHeader header;
    header.length = LoadU32BE(p);
    std::memcpy(header.name, p + 4, 4);
    if (!TChunk::IsValidName(header.name))
        throw EPNGInvalidChunkName();
    return header;
}

const uint8_t* TakeChunkData(TByteReader& stream, const char* name, uint32_t length) {
    if (stream.Remaining() < 4 || length > stream.Remaining() - 4)
        throw EPngUnexpectedEnd();
    const uint8_t* data = stream.Take(length);
    const uint8_t* crc = stream.Take(4);
    if (LoadU32BE(crc) != ChunkCrc(name, data, length))
        throw EPngInvalidCRC();
    return data;
}

void WriteChunk(std::vector<uint8_t>& out, const char* name, const uint8_t* data, size_t size) {
    if (!TChunk::IsValidName(name))
        throw EPNGInvalidChunkName();
    AppendU32BE(out, uint32_t(size));
    out.insert(out.end(), name, name + 4);
    out.insert(out.end(), data, data + size);
    AppendU32BE(out, ChunkCrc(name, data, size));
}
