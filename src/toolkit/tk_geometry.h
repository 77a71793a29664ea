// Small value types for positions and rectangles in platform-free code (right and bottom exclusive).
#pragma once

#include <cstdint>

struct TkPoint {
    int32_t x = 0, y = 0;
    bool operator==(const TkPoint&) const = default;
};

struct TkRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const TkRect&) const = default;
};
