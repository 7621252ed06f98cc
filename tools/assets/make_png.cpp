// make_png WIDTH HEIGHT IN.rgb OUT.png
// Writes an 8-bit RGB PNG file with the project's PNG writer from raw samples: HEIGHT rows from
// the top, each WIDTH x 3 bytes of red, green and blue (ImageMagick: "convert in rgb:out.rgb").

#include "picture/png_rgb.h"
#include "tools/assets/asset_error.h"
#include "tools/assets/file_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

uint32_t ReadSide(const char* text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value == 0 || value > 65535)
        throw EAssetError(std::string("picture side must be 1 to 65535 pixels, not ") + text);
    return uint32_t(value);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_png WIDTH HEIGHT IN.rgb OUT.png\n");
        return 2;
    }
    try {
        const uint32_t width = ReadSide(argv[1]), height = ReadSide(argv[2]);
        const std::vector<uint8_t> rgb = ReadFileBytes(argv[3]);
        if (rgb.size() != uint64_t(width) * height * 3)
            throw EAssetError(std::string(argv[3]) + " holds " + std::to_string(rgb.size()) +
                              " bytes, not width x height x 3");
        std::vector<uint8_t> file;
        CreateRGBPNG(width, height, rgb.data())->SaveToStream(file);
        WriteFileBytes(argv[4], file);
    } catch (const Exception& e) {
        std::fprintf(stderr, "make_png: %s: %s\n", e.ClassName(), e.what());
        return 1;
    }
    return 0;
}
