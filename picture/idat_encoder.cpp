#include "picture/idat_encoder.h"

#include <algorithm>
#include <memory>

#include "picture/adam7.h"
#include "picture/chunk_ihdr.h"
#include "picture/png_errors.h"
#include "picture/png_filters.h"
#include "picture/png_types.h"
#include "picture/row_packer.h"
#include "picture/zlib_glue.h"

namespace {

// Collects deflated output and writes it as IDAT chunks whenever kMaxIdatSize bytes are ready.
class TIdatWriter {
  public:
    explicit TIdatWriter(std::vector<uint8_t>& out) : out_(out), deflater_(kCompressionLevel) {}

    void Write(const uint8_t* data, size_t size, bool finish) {
        for (;;) {
            uint8_t* next = chunk_ + filled_;
            size_t room = kMaxIdatSize - filled_;
            const bool ended = deflater_.Deflate(data, size, next, room, finish);
            filled_ = kMaxIdatSize - room;
            if (filled_ == kMaxIdatSize)
                Flush();
            if (ended) {
                Flush();
                return;
            }
            if (!finish && size == 0)
                return;
        }
    }

  private:
    void Flush() {
        if (filled_ > 0)
            WriteChunk(out_, "IDAT", chunk_, filled_);
        filled_ = 0;
    }

    std::vector<uint8_t>& out_;
    TDeflater deflater_;
    uint8_t chunk_[kMaxIdatSize];
    size_t filled_ = 0;
};

} // namespace

void WriteImageData(const TPNGState& state, std::vector<uint8_t>& out) {
    const TChunkIHDR* header = state.Header();
    if (!header || !header->Image())
        throw EPNGHeaderNotPresent();
    const TDecodedImage& image = *header->Image();

    const TRowPacker packer(header->ColorType(), header->BitDepth(), header->WrittenBitDepth(),
                            header->ImageGamma(), header->TransparentColor(), image);

    // Rows are filtered into a batch that goes to zlib about 64 KB at a time.
    const size_t maxRow = packer.RowBytes(header->Width());
    std::vector<uint8_t> raw(maxRow);
    std::vector<uint8_t> batch;
    batch.reserve(std::max<size_t>(size_t(1) << 16, maxRow + 1) + maxRow + 1);
    auto writer = std::make_unique<TIdatWriter>(out);

    const TPassList passes = PassesOf(header->InterlaceMethod());
    for (int i = 0; i < passes.count; ++i) {
        const TPass& p = passes.first[i];
        const uint32_t columns = p.Columns(header->Width());
        const uint32_t rows = p.Rows(header->Height());
        if (columns == 0 || rows == 0)
            continue;
        const uint32_t rowBytes = packer.RowBytes(columns);
        for (uint32_t r = 0; r < rows; ++r) {
            packer.Pack(p.y0 + r * p.dy, p.x0, p.dx, columns, raw.data());
            const size_t at = batch.size();
            batch.resize(at + 1 + rowBytes);
            batch[at] = ftSub;
            SubFilterRow(raw.data(), batch.data() + at + 1, rowBytes, packer.PixelBytes());
            if (batch.size() >= (size_t(1) << 16)) {
                writer->Write(batch.data(), batch.size(), false);
                batch.clear();
            }
        }
    }
    writer->Write(batch.data(), batch.size(), true);
}
