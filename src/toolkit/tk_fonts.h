// Fonts of the toolkit, named by numbers it hands out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

// Style bits of TkLoadFont: weight 700 instead of 400; and the face the system offers for the name, a proportional
// sans-serif substitute when the face itself is missing.
constexpr int TkFontBold = 0x100;
constexpr int TkFontNearestFace = 0x200;

// Creates the font face at points size on the screen's resolution. font -1 hands out a new number and returns it;
// any other number is (re)used and the native handle returned. 0 when the face does not exist on this system: a
// substitute face is taken for the one asked for only with TkFontNearestFace.
intptr_t TkLoadFont(int font, std::string_view name, int points, int style);
// The native handle, nullptr for a number that names no font.
HFONT TkFontHandle(int font);
