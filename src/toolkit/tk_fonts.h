// Fonts of the toolkit, named by numbers it hands out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "toolkit/tk_scale.h"

// Style bits of TkLoadFont: weight 700 instead of 400; and the face the system offers for the name, a proportional
// sans-serif substitute when the face itself is missing.
constexpr int TkFontBold = 0x100;
constexpr int TkFontNearestFace = 0x200;

// Creates the font face at points size on the screen's resolution. font -1 hands out a new number and returns it;
// any other number is (re)used and the native handle returned. 0 when the face does not exist on this system: a
// substitute face is taken for the one asked for only with TkFontNearestFace.
intptr_t TkLoadFont(int font, std::string_view name, int points, int style);
// As TkLoadFont, at pixelsPerInch instead of the screen's resolution: 96 gives a font the same pixel size on every
// display, whatever its scale.
intptr_t TkLoadFontAtDpi(int font, std::string_view name, int points, int style, int pixelsPerInch);
// The font the controls of a window laid out for a resolution start with: the default GUI font's face at its
// 96-dpi size scaled to dpi. The toolkit keeps it until it shuts down.
HFONT TkControlFont(int dpi);
// The native handle, nullptr for a number that names no font.
HFONT TkFontHandle(int font);
