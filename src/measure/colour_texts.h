// The four texts of a pixel colour shown in the info panel. Colours are 32-bit colour references: red in the low
// byte, green in the second, blue in the third; an unreadable pixel is all 32 bits set.
#pragma once

#include <cstdint>
#include <string>

std::string RgbText(int red, int green, int blue);
// Hue in degrees, saturation and lightness in percent, each truncated; the degree sign is the byte 0xB0.
std::string HslText(int red, int green, int blue);
// "#" and the upper-case hexadecimal of red, green and blue, two digits each.
std::string HtmlText(uint32_t colour);
// The colour as a signed 32-bit decimal number.
std::string DecText(uint32_t colour);
