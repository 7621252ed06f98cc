// The host's size as the control negotiates it: pixels for the host, HIMETRIC for the control.

#include "session/ole_control.h"

#include "session/himetric.h"

#include <algorithm>

namespace {

// The largest size of a control that is invisible at run time and not started yet.
constexpr int kInvisibleControlSize = 32;

} // namespace

void TOleControl::SetBounds(int left, int top, int width, int height) {
    if (InvisibleAtRunTime()) {
        width = Width();
        height = Height();
    } else if (oleObject_ && ((width != Width() && Width() > 0) || (height != Height() && Height() > 0))) {
        SIZEL extent{PixelsToHimetric(width), PixelsToHimetric(height)};
        if (oleObject_->SetExtent(DVASPECT_CONTENT, &extent) != S_OK) {
            width = Width();
            height = Height();
        }
    }
    TWinControl::SetBounds(left, top, width, height);
}

HRESULT TOleControl::RequestLayout() {
    if (!oleObject_)
        return E_UNEXPECTED;
    SIZEL extent{};
    const HRESULT hr = oleObject_->GetExtent(DVASPECT_CONTENT, &extent);
    if (FAILED(hr))
        return hr;
    int width = HimetricToPixels(extent.cx);
    int height = HimetricToPixels(extent.cy);
    if (InvisibleAtRunTime() && !Running()) {
        width = std::min(width, kInvisibleControlSize);
        height = std::min(height, kInvisibleControlSize);
    }
    TWinControl::SetBounds(Left(), Top(), width, height);
    return hr;
}
