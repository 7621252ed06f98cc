#pragma once
// The platform's RECT and the portable TRect, converted in one place.

#include <windows.h>

#include "base/geometry.h"

inline RECT ToRECT(const TRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

inline TRect ToTRect(const RECT& r) {
    return {int(r.left), int(r.top), int(r.right), int(r.bottom)};
}
