#include "picture/idat_decoder.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "picture/adam7.h"
#include "picture/chunk_ihdr.h"
#include "picture/chunk_plte.h"
#include "picture/chunk_trns.h"
#include "picture/png_errors.h"
#include "picture/png_filters.h"
#include "picture/png_types.h"
#include "picture/row_unpacker.h"
#include "picture/zlib_glue.h"

namespace {

// Transparency mode and per-pixel data from the tRNS chunk read so far. A palette image whose
// tRNS has no entry below 255 is opaque; it is drawn with one transparent colour when exactly one
// entry is below 255 and that entry is fully transparent; any other partial transparency blends.
TTransparencyMode PrepareTransparency(const TChunkIHDR& header, const TChunktRNS* trns, TRowTransparency& t) {
    switch (header.ColorType()) {
    case ctGrayscale:
    case ctRGB:
        t.hasColor = trns && trns->TransparentColor(header.ColorType(), t.color);
        return t.hasColor ? TTransparencyMode::SingleColor : TTransparencyMode::None;
    case ctPalette: {
        if (!trns)
            return TTransparencyMode::None;
        t.paletteAlpha = trns->PaletteAlpha();
        const auto& d = trns->Data();
        const auto below = std::count_if(d.begin(), d.end(), [](uint8_t a) { return a < 255; });
        if (below == 0)
            return TTransparencyMode::None;
        const bool oneClear = below == 1 && std::count(d.begin(), d.end(), uint8_t(0)) == 1;
        return oneClear ? TTransparencyMode::SingleColor : TTransparencyMode::PerPixel;
    }
    default:
        return TTransparencyMode::PerPixel;
    }
}

// Colour table: evenly spaced grey levels through the gamma table, or the palette (checked to be
// there).
void PrepareColors(const TChunkIHDR& header, const TPNGState& state, TDecodedImage& image) {
    const uint32_t entries = 1u << image.BitCount();
    if (header.ColorType() == ctPalette) {
        const TChunkPLTE* plte = state.LastChunk<TChunkPLTE>();
        for (uint32_t i = 0; i < std::min(entries, plte->Count()); ++i)
            image.Colors()[i] = plte->Entry(i);
        return;
    }
    const uint32_t levels = 1u << std::min<uint32_t>(header.BitDepth(), 8);
    for (uint32_t i = 0; i < levels; ++i) {
        const uint8_t v = state.gamma.Gamma(uint8_t(i * 255 / (levels - 1)));
        image.Colors()[i] = {v, v, v, 0};
    }
}

class TImageDataReader {
  public:
    TImageDataReader(TPNGState& state, TByteReader& stream) : state_(state), stream_(stream) {}
    void Read(const uint8_t* data, uint32_t length);

  private:
    bool StartPass();
    void NextChunk();
    void FinishStream(TInflater& inflater);

    TPNGState& state_;
    TByteReader& stream_;
    const uint8_t* in_ = nullptr;
    size_t inSize_ = 0;

    TChunkIHDR* header_ = nullptr;
    TDecodedImage* image_ = nullptr;
    TPassList passes_{};
    int pass_ = -1;
    uint32_t passColumns_ = 0;
    uint32_t passRows_ = 0;
    uint32_t passRow_ = 0;
    uint32_t rowBytes_ = 0;
    uint32_t bitsPerPixel_ = 0;
    std::vector<uint8_t> prev_;
    std::vector<uint8_t> cur_;
};

void TImageDataReader::Read(const uint8_t* data, uint32_t length) {
    in_ = data;
    inSize_ = length;
    header_ = state_.Header();
    TRowTransparency trns;
    const TTransparencyMode mode = PrepareTransparency(*header_, state_.LastChunk<TChunktRNS>(), trns);
    const TChunkPLTE* plte = state_.LastChunk<TChunkPLTE>();
    if (header_->ColorType() == ctPalette && (!plte || plte->Count() == 0))
        throw EPNGInvalidPalette();
    image_ = &header_->CreateImage(state_.gamma, mode, trns.hasColor ? trns.color : nullptr);
    PrepareColors(*header_, state_, *image_);
    TRowUnpacker unpacker(header_->ColorType(), header_->BitDepth(), state_.gamma, trns, *image_);

    bitsPerPixel_ = header_->Channels() * header_->BitDepth();
    const size_t bpp = std::max<size_t>(bitsPerPixel_ / 8, 1);
    const size_t maxRowBytes = (size_t(header_->Width()) * bitsPerPixel_ + 7) / 8;
    prev_.resize(maxRowBytes);
    cur_.resize(maxRowBytes);
    // Rows of a picture that is not interlaced and shown as stored are unfiltered straight into
    // the bitmap, the previous bitmap line serving as the row above.
    const bool direct = header_->InterlaceMethod() == 0 && unpacker.StoresRowsAsBGR();
    // Every inflate call has a cost of its own (zlib copies the last 32 KB of its output into its
    // window, and leaves its fast loop near the end of the output): a 256 KB buffer keeps the calls
    // few, about one per IDAT chunk.
    std::vector<uint8_t> buffer(std::max<size_t>(size_t(1) << 18, 2 * (maxRowBytes + 1)));
    size_t filled = 0;

    TInflater inflater;
    passes_ = PassesOf(header_->InterlaceMethod());
    if (!StartPass())
        return;
    for (;;) {
        uint8_t* out = buffer.data() + filled;
        size_t room = buffer.size() - filled;
        const size_t inBefore = inSize_;
        const bool ended = inflater.Inflate(in_, inSize_, out, room);
        const size_t produced = buffer.size() - filled - room;
        filled += produced;

        size_t used = 0;
        while (filled - used >= rowBytes_ + 1) {
            const uint8_t* row = buffer.data() + used;
            const TPass& p = passes_.first[pass_];
            const uint32_t y = p.y0 + passRow_ * p.dy;
            if (direct) {
                const uint8_t* above = passRow_ == 0 ? prev_.data() : image_->Line(y - 1);
                UnfilterRowToBGR(row[0], row + 1, above, image_->Line(y), passColumns_);
            } else {
                UnfilterRow(row[0], row + 1, prev_.data(), cur_.data(), rowBytes_, bpp);
                unpacker.Unpack(cur_.data(), y, p.x0, p.dx, passColumns_);
                std::swap(prev_, cur_);
            }
            used += rowBytes_ + 1;
            if (++passRow_ == passRows_ && !StartPass())
                return FinishStream(inflater);
        }
        std::memmove(buffer.data(), buffer.data() + used, filled - used);
        filled -= used;

        if (ended)
            throw EPNGMissingMultipleIDAT();
        // A full buffer may leave output pending in zlib: empty the buffer first.
        if (room == 0)
            continue;
        if (inSize_ == 0)
            NextChunk();
        else if (produced == 0 && inSize_ == inBefore) // zlib took nothing and gave nothing
            throw EPNGZLIBError(Z_BUF_ERROR);
    }
}

// Moves to the next pass that has pixels; false after the last one.
bool TImageDataReader::StartPass() {
    while (++pass_ < passes_.count) {
        const TPass& p = passes_.first[pass_];
        passColumns_ = p.Columns(header_->Width());
        passRows_ = p.Rows(header_->Height());
        if (passColumns_ == 0 || passRows_ == 0)
            continue;
        passRow_ = 0;
        rowBytes_ = uint32_t((uint64_t(passColumns_) * bitsPerPixel_ + 7) / 8);
        std::fill(prev_.begin(), prev_.begin() + rowBytes_, 0);
        return true;
    }
    return false;
}

// The zlib stream's Adler-32 trailer may lie beyond the last row, even in a later IDAT chunk:
// inflating on to the end of the stream is what checks it, as long as the tail stays short.
void TImageDataReader::FinishStream(TInflater& inflater) {
    uint8_t sink[4096];
    size_t left = kMaxTrailingOutput;
    while (left > 0) {
        uint8_t* out = sink;
        size_t room = std::min(sizeof sink, left);
        const size_t given = room;
        if (inflater.Inflate(in_, inSize_, out, room))
            return;
        left -= given - room;
        if (room == 0)
            continue;
        if (inSize_ != 0)
            throw EPNGZLIBError(Z_BUF_ERROR);
        NextChunk();
    }
}

void TImageDataReader::NextChunk() {
    const TChunkHeader next = ReadChunkHeader(stream_);
    if (std::memcmp(next.name, "IDAT", 4) != 0)
        throw EPNGMissingMultipleIDAT();
    in_ = TakeChunkData(stream_, next.name, next.length);
    inSize_ = next.length;
}

} // namespace

void ReadImageData(TPNGState& state, TByteReader& stream, const uint8_t* data, uint32_t length) {
    TImageDataReader(state, stream).Read(data, length);
}
