#pragma once
// Resolving colour values to RGB for drawing: system colours follow the current scheme.

#include <windows.h>

#include "base/colors.h"

inline COLORREF ColorToRGB(TColor c) {
    if (IsSystemColor(c))
        return GetSysColor(SystemColorIndex(c));
    return COLORREF(uint32_t(c) & 0xFFFFFFu);
}
