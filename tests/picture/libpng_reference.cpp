#include "libpng_reference.h"

#include <csetjmp>
#include <cstring>
#include <stdexcept>

#include <png.h>

namespace {

struct TSource {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t size) {
    auto* source = static_cast<TSource*>(png_get_io_ptr(png));
    if (source->at + size > source->bytes->size())
        png_error(png, "read past end");
    std::memcpy(out, source->bytes->data() + source->at, size);
    source->at += size;
}

} // namespace

TReferenceImage DecodeWithLibpng(const std::vector<uint8_t>& bytes) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TReferenceImage image;
    std::vector<png_bytep> rows;
    TSource source{&bytes, 0};
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng failed");
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    image.hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image.width = png_get_image_width(png, info);
    image.height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != image.width * 4)
        png_error(png, "unexpected row size");
    image.rgba.resize(size_t(image.width) * image.height * 4);
    for (uint32_t y = 0; y < image.height; ++y)
        rows.push_back(image.rgba.data() + size_t(y) * image.width * 4);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}
