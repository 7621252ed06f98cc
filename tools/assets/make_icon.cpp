// make_icon OUT.ico WxH:IMAGE.rgba...
// Writes a Windows icon file with one 32-bit bitmap image per argument, in argument order. Each
// image file holds raw RGBA samples, top row first (ImageMagick: "convert in.png rgba:out.rgba").

#include "tools/assets/asset_error.h"
#include "tools/assets/file_bytes.h"
#include "tools/assets/icon_file.h"

#include <cstdio>
#include <string>

namespace {

RgbaImage ReadImageArgument(const std::string& arg) {
    int width = 0, height = 0, consumed = 0;
    if (std::sscanf(arg.c_str(), "%dx%d:%n", &width, &height, &consumed) != 2 || consumed == 0)
        throw EAssetError("expected WIDTHxHEIGHT:FILE, got " + arg);
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.rgba = ReadFileBytes(arg.substr(size_t(consumed)));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icon OUT.ico WIDTHxHEIGHT:IMAGE.rgba...\n");
        return 2;
    }
    try {
        std::vector<RgbaImage> images;
        for (int i = 2; i < argc; ++i)
            images.push_back(ReadImageArgument(argv[i]));
        WriteFileBytes(argv[1], BuildIconFile(images));
    } catch (const Exception& e) {
        std::fprintf(stderr, "make_icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
