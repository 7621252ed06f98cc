#include "picture/png_object.h"

#include <cstring>

#include "picture/chunk_registry.h"
#include "picture/graphic_canvas.h"
#include "picture/png_errors.h"

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool Is(const char* name, const char* expected) {
    return std::memcmp(name, expected, 4) == 0;
}

std::unique_ptr<TGraphic> CreatePNGObject() {
    return std::make_unique<TPNGObject>();
}

} // namespace

const TGraphicClass& TPNGObject::StaticClass() {
    // The clipboard format that programs put PNG files on the clipboard in.
    static const TGraphicClass pngClass = {"TPNGObject", &TGraphic::StaticClass(), CreatePNGObject, "PNG"};
    return pngClass;
}

int TPNGObject::Width() const {
    return Empty() ? 0 : int(state_.Header()->Width());
}

int TPNGObject::Height() const {
    return Empty() ? 0 : int(state_.Header()->Height());
}

void TPNGObject::SetWidth(int) {
    throw PngResizeError();
}

void TPNGObject::SetHeight(int) {
    throw PngResizeError();
}

const TChunkIHDR& TPNGObject::Header() const {
    if (Empty())
        throw EPNGHeaderNotPresent();
    return *state_.Header();
}

const TDecodedImage& TPNGObject::Image() const {
    const TChunkIHDR& header = Header();
    if (!header.Image())
        throw EPNGHeaderNotPresent();
    return *header.Image();
}

void TPNGObject::Draw(TGraphicCanvas& canvas, const TRect& rect) const {
    if (!Empty() && !rect.IsEmpty())
        canvas.DrawImage(Image(), TransparencyMode(), rect);
}

std::vector<TRGBQuad> TPNGObject::Palette() const {
    if (Empty() || Image().BitCount() > 8)
        return {};
    const TBitmapInfo& info = Image().Info();
    return std::vector<TRGBQuad>(info.colors, info.colors + info.header.biClrUsed);
}

TTransparencyMode TPNGObject::TransparencyMode() const {
    return Empty() ? TTransparencyMode::None : state_.Header()->TransparencyMode();
}

void TPNGObject::LoadFromStream(TByteReader& stream) {
    size_t textAllowance = kMaxPictureTextBytes;
    LoadSharingTextAllowance(stream, textAllowance);
}

void TPNGObject::LoadSharingTextAllowance(TByteReader& stream, size_t& textAllowance) {
    // Everything is read into a new state first, so a failure leaves this picture untouched.
    TPNGState loaded;
    loaded.textAllowance = textAllowance;
    const uint8_t* signature = stream.Take(sizeof kSignature);
    if (!signature || std::memcmp(signature, kSignature, sizeof kSignature) != 0)
        throw EPNGInvalidFileHeader();

    bool imageDataRead = false;
    for (;;) {
        const TChunkHeader h = ReadChunkHeader(stream);
        if (loaded.chunks.empty() && !Is(h.name, "IHDR"))
            throw EPNGIHDRNotFirst();
        // A second header would reset the image: the stream is corrupt.
        if (!loaded.chunks.empty() && Is(h.name, "IHDR"))
            throw EPngInvalidIHDR();
        // Passed over, but a chunk that fails its CRC is still a corrupt stream.
        if (Is(h.name, "cHRM") || (Is(h.name, "IDAT") && imageDataRead)) {
            TakeChunkData(stream, h.name, h.length);
            continue;
        }
        std::unique_ptr<TChunk> chunk = CreateRegisteredChunk(h.name);
        if (!chunk) {
            if (TChunk::IsCritical(h.name))
                throw EPNGUnknownCriticalChunk();
            chunk = std::make_unique<TChunk>(h.name);
        }
        chunk->LoadFromStream(loaded, stream, h.length);
        imageDataRead = imageDataRead || Is(h.name, "IDAT");
        loaded.chunks.push_back(std::move(chunk));
        if (Is(h.name, "IEND"))
            break;
    }
    if (!imageDataRead)
        throw EPNGNoImageData();
    state_ = std::move(loaded);
    textAllowance = state_.textAllowance;
    Changed();
}

void TPNGObject::SaveToStream(std::vector<uint8_t>& out) const {
    if (Empty())
        throw EPNGHeaderNotPresent();
    out.insert(out.end(), kSignature, kSignature + sizeof kSignature);
    for (const auto& chunk : state_.chunks)
        chunk->SaveToStream(state_, out);
}

std::unique_ptr<TGraphic> TPNGObject::Clone() const {
    auto copy = std::make_unique<TPNGObject>();
    copy->Assign(*this);
    return copy;
}

void TPNGObject::Assign(const TPNGObject& source) {
    TPNGState copy;
    for (const auto& chunk : source.state_.chunks)
        copy.chunks.push_back(chunk->Clone());
    copy.gamma = source.state_.gamma;
    state_ = std::move(copy);
    Changed();
}
