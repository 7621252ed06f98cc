#pragma once
// Rectangles and points in pixels, with right and bottom edges exclusive.

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint& a, const TPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    // The right and bottom edges lie outside, as the platform's rectangles have them.
    constexpr bool Contains(TPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr TRect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    constexpr TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // The part shared with another rectangle; empty (IsEmpty) when they do not meet.
    constexpr TRect Intersected(const TRect& o) const {
        return {left > o.left ? left : o.left, top > o.top ? top : o.top, right < o.right ? right : o.right,
                bottom < o.bottom ? bottom : o.bottom};
    }
    friend bool operator==(const TRect& a, const TRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

constexpr TRect BoundsRect(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// Top-left corner that centres a box of the given size on a screen; the divisions truncate
// toward zero, so a box larger than the screen gets a negative position rounded toward zero.
constexpr TPoint CenteredPosition(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}
