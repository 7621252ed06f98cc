#include "picture/picture.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "picture/file_formats.h"

namespace {

constexpr size_t kMaxTagLength = 63;

} // namespace

void TPicture::AssignGraphic(const TGraphic* graphic) {
    SetGraphic(graphic ? graphic->Clone() : nullptr);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->SetOnChange([this] { Changed(); });
    Changed();
}

void TPicture::ReadData(const uint8_t* data, size_t size) {
    TByteReader stream(data, size);
    std::unique_ptr<TGraphic> graphic;
    const uint8_t* length = stream.Take(1);
    const uint8_t* tag = length && *length <= kMaxTagLength ? stream.Take(*length) : nullptr;
    if (tag) {
        const std::string_view name(reinterpret_cast<const char*>(tag), *length);
        const TGraphicClass* graphicClass = FileFormats().FindClassName(name);
        if (graphicClass && graphicClass->create) {
            graphic = graphicClass->create();
            graphic->LoadFromStream(stream);
        }
    }
    SetGraphic(std::move(graphic));
}

void TPicture::WriteData(std::vector<uint8_t>& out) const {
    if (Empty()) {
        out.push_back(0);
        return;
    }
    const char* name = graphic_->ClassName();
    const size_t n = std::min(std::strlen(name), kMaxTagLength);
    out.push_back(uint8_t(n));
    out.insert(out.end(), name, name + n);
    graphic_->SaveToStream(out);
}
