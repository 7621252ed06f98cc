// Fuzz target over the stored picture value: reading it must either fail with the named kind's
// own error (PNG, bitmap or icon) or std::bad_alloc when memory runs out, or give a picture that writes back
// and reads again to the same pixels (a PNG picture also draws; an icon keeps its bytes). Anything else (a
// crash, a sanitizer report, another exception, a changed picture) is a finding.

#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/icon_graphic.h"
#include "picture/picture.h"
#include "picture/png_errors.h"
#include "picture/png_object.h"
#include "picture/transparent_draw.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckSameImage(const TDecodedImage& ia, const TDecodedImage& ib) {
    Check(ia.Width() == ib.Width() && ia.Height() == ib.Height() && ia.HasAlpha() == ib.HasAlpha());
    for (uint32_t y = 0; y < ia.Height(); ++y)
        for (uint32_t x = 0; x < ia.Width(); ++x)
            Check(ia.Pixel(x, y) == ib.Pixel(x, y) && ia.Alpha(x, y) == ib.Alpha(x, y));
}

// The same kind with the same pixels.
void CheckSamePicture(const TGraphic& a, const TGraphic& b) {
    if (const auto* png = dynamic_cast<const TPNGObject*>(&a)) {
        const auto* other = dynamic_cast<const TPNGObject*>(&b);
        Check(other && png->TransparencyMode() == other->TransparencyMode());
        CheckSameImage(png->Image(), other->Image());
        return;
    }
    if (dynamic_cast<const TIconGraphic*>(&a)) {
        Check(dynamic_cast<const TIconGraphic*>(&b) != nullptr);
        std::vector<uint8_t> sa, sb;
        a.SaveToStream(sa);
        b.SaveToStream(sb);
        Check(sa == sb);
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmapGraphic*>(&a);
    const auto* other = dynamic_cast<const TBitmapGraphic*>(&b);
    Check(bitmap && other);
    CheckSameImage(bitmap->Image(), other->Image());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPicture picture;
    try {
        picture.ReadData(data, size);
    } catch (const EPngError&) {
        return 0;
    } catch (const EBitmapError&) {
        return 0;
    } catch (const EIconError&) {
        return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (picture.Empty())
        return 0;
    if (const auto* png = dynamic_cast<const TPNGObject*>(picture.Graphic())) {
        uint8_t pixels[8 * 8 * 4] = {};
        TBgrxSurface surface = {pixels, 8, 8, 32};
        DrawOnSurface(png->Image(), png->TransparencyMode(), {-3, 1, 11, 6}, surface);
    }

    std::vector<uint8_t> value;
    picture.WriteData(value);
    TPicture again;
    again.ReadData(value.data(), value.size());
    Check(!again.Empty());
    CheckSamePicture(*picture.Graphic(), *again.Graphic());
    return 0;
}
