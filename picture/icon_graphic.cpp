#include "picture/icon_graphic.h"

#include "picture/graphic_canvas.h"

namespace {

std::unique_ptr<TGraphic> CreateIconGraphic() {
    return std::make_unique<TIconGraphic>();
}

} // namespace

const TGraphicClass& TIconGraphic::StaticClass() {
    static const TGraphicClass iconClass = {
        "TIcon", &TGraphic::StaticClass(), CreateIconGraphic, nullptr, false, false};
    return iconClass;
}

void TIconGraphic::SetWidth(int) {
    SetHeight(0);
}

void TIconGraphic::SetHeight(int) {
    throw EIconError("The icon can not be resized");
}

void TIconGraphic::Draw(TGraphicCanvas& canvas, const TRect& rect) const {
    if (Empty() || rect.IsEmpty())
        return;
    const TIconImage& image = BestIconImage(images_, rect.Width(), rect.Height());
    canvas.DrawIconImage(bytes_.data() + image.offset, image.size, int(image.width), int(image.height), rect);
}

void TIconGraphic::LoadFromStream(TByteReader& stream) {
    const size_t size = stream.Remaining();
    const uint8_t* data = stream.Take(0);
    std::vector<TIconImage> images = ReadIconDirectory(data, size);
    std::vector<uint8_t> bytes(data, data + size);
    bytes_ = std::move(bytes);
    images_ = std::move(images);
    stream.Take(size);
    Changed();
}

void TIconGraphic::SaveToStream(std::vector<uint8_t>& out) const {
    if (Empty())
        throw EIconError("The icon is empty");
    out.insert(out.end(), bytes_.begin(), bytes_.end());
}

std::unique_ptr<TGraphic> TIconGraphic::Clone() const {
    auto copy = std::make_unique<TIconGraphic>();
    copy->bytes_ = bytes_;
    copy->images_ = images_;
    return copy;
}
