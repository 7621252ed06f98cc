// Fuzz target over the stored picture value: reading it must either fail with a PNG error or give
// a picture that draws, writes back and reads again to the same pixels. Anything else (a crash, a
// sanitizer report, another exception, a changed picture) is a finding.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/picture.h"
#include "picture/png_errors.h"
#include "picture/png_object.h"
#include "picture/transparent_draw.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckSamePicture(const TPNGObject& a, const TPNGObject& b) {
    const TDecodedImage& ia = a.Image();
    const TDecodedImage& ib = b.Image();
    Check(ia.Width() == ib.Width() && ia.Height() == ib.Height());
    Check(a.TransparencyMode() == b.TransparencyMode() && ia.HasAlpha() == ib.HasAlpha());
    for (uint32_t y = 0; y < ia.Height(); ++y)
        for (uint32_t x = 0; x < ia.Width(); ++x)
            Check(ia.Pixel(x, y) == ib.Pixel(x, y) && ia.Alpha(x, y) == ib.Alpha(x, y));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPicture picture;
    try {
        picture.ReadData(data, size);
    } catch (const EPngError&) {
        return 0;
    }
    if (picture.Empty())
        return 0;
    const auto& png = static_cast<const TPNGObject&>(*picture.Graphic());

    uint8_t pixels[8 * 8 * 4] = {};
    TBgrxSurface surface = {pixels, 8, 8, 32};
    DrawOnSurface(png.Image(), png.TransparencyMode(), {-3, 1, 11, 6}, surface);

    std::vector<uint8_t> value;
    picture.WriteData(value);
    TPicture again;
    again.ReadData(value.data(), value.size());
    Check(!again.Empty());
    CheckSamePicture(png, static_cast<const TPNGObject&>(*again.Graphic()));
    return 0;
}
