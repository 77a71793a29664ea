// Colour values in the Windows colour-reference layout: red in the low byte, green in the second, blue in the third
// and, for colours made with an alpha value, the alpha in the fourth. Platform-free.
#pragma once

#include <cstdint>

// The parts are added without masking, so an out-of-range part carries into the next byte, exactly as the sum says.
// The arithmetic is unsigned so that an alpha of 128 or more wraps into the sign bit instead of overflowing.
constexpr int32_t TkRGB(int red, int green, int blue)
{
    return static_cast<int32_t>(static_cast<uint32_t>(red) + static_cast<uint32_t>(green) * 256u +
                                static_cast<uint32_t>(blue) * 65536u);
}

constexpr int32_t TkRGBA(int red, int green, int blue, int alpha)
{
    return static_cast<int32_t>(static_cast<uint32_t>(TkRGB(red, green, blue)) +
                                static_cast<uint32_t>(alpha) * 16777216u);
}

constexpr int TkRed(int32_t colour)
{
    return static_cast<int>(static_cast<uint32_t>(colour) & 0xFFu);
}

constexpr int TkGreen(int32_t colour)
{
    return static_cast<int>((static_cast<uint32_t>(colour) >> 8) & 0xFFu);
}

constexpr int TkBlue(int32_t colour)
{
    return static_cast<int>((static_cast<uint32_t>(colour) >> 16) & 0xFFu);
}

constexpr int TkAlpha(int32_t colour)
{
    return static_cast<int>(static_cast<uint32_t>(colour) >> 24);
}
