#include "measure/screen_line.h"

#include <windows.h>

#include <algorithm>

#include "core/app_state.h"
#include "measure/edge_scan.h"

namespace {

// The part of the line [first, first + count) at across that lies on the rectangle, as indices of the line.
struct Span {
    int from = 0, to = 0; // to exclusive
};

Span SpanOn(const TkRect& r, bool horizontal, int across, int first, int count)
{
    const int low = horizontal ? r.left : r.top, high = horizontal ? r.right : r.bottom;
    const int crossLow = horizontal ? r.top : r.left, crossHigh = horizontal ? r.bottom : r.right;
    if (across < crossLow || across >= crossHigh)
        return {};
    const int64_t from = std::max<int64_t>(low, first) - first;
    const int64_t to = std::min<int64_t>(high, static_cast<int64_t>(first) + count) - first;
    return to > from ? Span{static_cast<int>(from), static_cast<int>(to)} : Span{};
}

} // namespace

std::vector<uint32_t> ReadScreenLine(bool horizontal, int across, int first, int count)
{
    std::vector<uint32_t> line(static_cast<size_t>(std::max(count, 0)), OffMonitor);
    if (count <= 0)
        return line;
    const AppState& app = App();
    std::vector<TkRect> monitors = app.monitors;
    if (monitors.empty())
        monitors.push_back({app.screenLeft, app.screenTop, app.screenRight, app.screenBottom});

    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = horizontal ? count : 1;
    info.bmiHeader.biHeight = -(horizontal ? 1 : count); // top-down: index i is pixel i
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP strip = copy ? CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (strip && bits) {
        HGDIOBJ was = SelectObject(copy, strip);
        const auto* pixels = static_cast<const uint32_t*>(bits);
        for (const TkRect& m : monitors) {
            const Span span = SpanOn(m, horizontal, across, first, count);
            const int length = span.to - span.from;
            if (length <= 0)
                continue;
            // No CAPTUREBLT: the ruler, a layered window, stays out of the copy where the system can leave it out.
            const bool copied = horizontal
                                    ? BitBlt(copy, span.from, 0, length, 1, screen, first + span.from, across, SRCCOPY)
                                    : BitBlt(copy, 0, span.from, 1, length, screen, across, first + span.from, SRCCOPY);
            if (!copied)
                continue;
            GdiFlush();
            for (int i = span.from; i < span.to; ++i) {
                const uint32_t p = pixels[i]; // blue, green, red, unused
                line[static_cast<size_t>(i)] = ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
            }
        }
        SelectObject(copy, was);
    }
    if (strip)
        DeleteObject(strip);
    if (copy)
        DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return line;
}
