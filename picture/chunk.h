#pragma once
// A PNG chunk: its four-character name and its data, with the framing shared by every chunk
// (length, name, data, CRC-32 of name and data). Chunks without a class of their own are kept as
// this generic class, raw. The classes of known chunks derive from it and are made by name
// through the chunk registry (chunk_registry.h).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "picture/byte_reader.h"
#include "picture/png_gamma.h"

class TChunk;
class TChunkIHDR;
using TChunkList = std::vector<std::unique_ptr<TChunk>>;

// The most text (tEXt and zTXt, inflated) one picture keeps. The program shows none of it and
// keeps it only to write it back; a few texts at the one-chunk cap (kMaxTextBytes) fit, and the
// total stays far below what the 32-bit program can hold, however many chunks a file repeats.
constexpr size_t kMaxPictureTextBytes = size_t(4) << 20;

// What the chunks of one picture share while it is loaded or saved.
struct TPNGState {
    TChunkList chunks;
    TGammaTables gamma;
    // Text the chunks still read may keep.
    size_t textAllowance = kMaxPictureTextBytes;

    // Counts bytes of kept text against the allowance: EPNGTooMuchText beyond it.
    void KeepText(size_t bytes);

    // The header chunk: the first chunk, once loaded; nullptr before.
    TChunkIHDR* Header() const;

    // The last chunk of class T loaded so far, or nullptr.
    template <class T>
    const T* LastChunk() const {
        for (auto it = chunks.rbegin(); it != chunks.rend(); ++it)
            if (const T* chunk = dynamic_cast<const T*>(it->get()))
                return chunk;
        return nullptr;
    }
};

class TChunk {
  public:
    // A chunk of this name with the given raw data.
    explicit TChunk(const char* name, std::vector<uint8_t> data = {});
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    std::string Name() const { return std::string(name_, 4); }
    const char* NameBytes() const { return name_; }
    const std::vector<uint8_t>& Data() const { return data_; }
    // Whether the name is four ASCII letters, the only names a PNG stream may hold.
    static bool IsValidName(const char* name);
    // Whether bit 5 of the first name byte is clear: a chunk a decoder must understand.
    static bool IsCritical(const char* name) { return (uint8_t(name[0]) & 0x20) == 0; }

    // Loads the chunk's data and checks its CRC; its length and name have already been read.
    virtual void LoadFromStream(TPNGState& state, TByteReader& stream, uint32_t length);
    // Writes the chunk, framed.
    virtual void SaveToStream(const TPNGState& state, std::vector<uint8_t>& out) const;
    // Copies a chunk of the same class and name; throws EPngError otherwise.
    virtual void Assign(const TChunk& source);

    // A chunk of the same class and name with a copy of this one's content.
    std::unique_ptr<TChunk> Clone() const;

  protected:
    // Reads length data bytes and the CRC into data_ (see TakeChunkData).
    void ReadData(TByteReader& stream, uint32_t length);

    std::vector<uint8_t> data_;

  private:
    char name_[4];
};

// The length and name at the start of a chunk; throws EPngUnexpectedEnd when the stream ends
// before them, EPNGInvalidChunkName when the name is not four ASCII letters.
struct TChunkHeader {
    uint32_t length;
    char name[4];
};
TChunkHeader ReadChunkHeader(TByteReader& stream);

// Takes a chunk's data and CRC from the stream and checks the CRC. The length is checked
// against what the stream still holds before anything else: EPngUnexpectedEnd when it is larger,
// EPngInvalidCRC when the CRC does not match. Returns the data, in place.
const uint8_t* TakeChunkData(TByteReader& stream, const char* name, uint32_t length);

// Appends one framed chunk; throws EPNGInvalidChunkName, writing nothing, for a name that is not
// four ASCII letters.
void WriteChunk(std::vector<uint8_t>& out, const char* name, const uint8_t* data, size_t size);
