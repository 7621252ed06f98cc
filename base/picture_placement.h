#pragma once
// Where a picture box draws its picture inside its content rectangle.

#include "base/geometry.h"

struct PicturePlacement {
    bool stretch = false;     // always scale to the content rectangle
    bool proportional = true; // shrink a picture that does not fit, keeping its aspect ratio
    bool center = true;       // centre in the content rectangle
    TPoint scroll;            // scroll position, used when not centred
};

// The rectangle the picture is drawn into. Divisions truncate toward zero, so a picture larger
// than the content rectangle moves left or up by half the excess when centred.
TRect PlacePicture(const TRect& content, int pictureWidth, int pictureHeight, const PicturePlacement& how);
