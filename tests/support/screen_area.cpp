#include "screen_area.h"

#include <cstring>

#include "files.h"

ScreenArea::ScreenArea(int x, int y, int w, int h, HWND window)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    valid = bits && BitBlt(memory, 0, 0, w, h, screen, x, y, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    GdiFlush();
    if (valid)
        std::memcpy(pixels.data(), bits, pixels.size() * sizeof(pixels[0]));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}

COLORREF ScreenArea::At(int x, int y) const
{
    const uint32_t bgra = pixels[static_cast<size_t>(y) * width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool ScreenArea::Save(const std::string& path) const
{
    BITMAPINFOHEADER header = {sizeof(header), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size() * sizeof(pixels[0]));
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes.append(reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof(pixels[0]));
    return valid && WriteBytes(path, bytes);
}
