#include "base/picture_placement.h"

#include <cstdint>

TRect PlacePicture(const TRect& c, int pw, int ph, const PicturePlacement& how) {
    const bool fit = how.stretch || (how.proportional && (ph > c.Height() || pw > c.Width()));
    TRect r;
    if (!fit) {
        r = {c.left, c.top, c.left + pw, c.top + ph};
    } else if (how.proportional && pw > 0 && ph > 0) {
        // C.width / C.height >= P.width / P.height, compared without rounding.
        if (int64_t(c.Width()) * ph >= int64_t(pw) * c.Height())
            r = {c.left, c.top, c.left + int(int64_t(c.Height()) * pw / ph), c.bottom};
        else
            r = {c.left, c.top, c.right, c.top + int(int64_t(c.Width()) * ph / pw)};
    } else {
        r = c;
    }
    if (how.center)
        return r.Offset((c.Width() - r.Width()) / 2, (c.Height() - r.Height()) / 2);
    return r.Offset(-how.scroll.x, -how.scroll.y);
}
