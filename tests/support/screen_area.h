// Copies of what stands painted on the screen or in a window, for the tests that look at pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// An area of the screen as the screen's own copy gives it (layered windows included where the platform can), or of a
// window's client area when a window is given, as it stands painted now.
struct ScreenArea {
    ScreenArea(int x, int y, int w, int h, HWND window = nullptr);
    COLORREF At(int x, int y) const;
    // Writes the copy as a 32-bit BMP file; false when the capture or the writing failed.
    bool Save(const std::string& path) const;

    int width, height;
    bool valid = false;
    std::vector<uint32_t> pixels; // top-down, blue, green, red and a fourth byte
};
