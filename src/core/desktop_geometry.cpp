#include "core/desktop_geometry.h"

#include <algorithm>

namespace {

// The shortest move along one axis that brings [start, start + length) inside [low, high), or flush with low when
// it is longer.
int64_t ShiftInside(int64_t start, int64_t length, int64_t low, int64_t high)
{
    if (length >= high - low || start < low)
        return low - start;
    if (start + length > high)
        return high - (start + length);
    return 0;
}

bool Overlaps(const TkRect& a, const TkRect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

} // namespace

TkRect MonitorsBox(std::span<const TkRect> monitors)
{
    if (monitors.empty())
        return {};
    TkRect box = monitors.front();
    for (const TkRect& m : monitors) {
        box.left = std::min(box.left, m.left);
        box.top = std::min(box.top, m.top);
        box.right = std::max(box.right, m.right);
        box.bottom = std::max(box.bottom, m.bottom);
    }
    return box;
}

int NearestMonitor(const GrabPart& part, std::span<const TkRect> monitors)
{
    int nearest = -1;
    // A move may be as long as 2^33 pixels, too long for its square in 64 bits.
    double shortest = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const TkRect& m = monitors[i];
        const int64_t dx = ShiftInside(part.x, part.width, m.left, m.right);
        const int64_t dy = ShiftInside(part.y, part.height, m.top, m.bottom);
        const double length =
            static_cast<double>(dx) * static_cast<double>(dx) + static_cast<double>(dy) * static_cast<double>(dy);
        if (nearest < 0 || length < shortest) {
            nearest = static_cast<int>(i);
            shortest = length;
        }
    }
    return nearest;
}

bool CanBeTaken(const GrabPart& part, std::span<const TkRect> monitors)
{
    const int64_t needX = std::min<int64_t>(GrabPixels, part.width), needY = std::min<int64_t>(GrabPixels, part.height);
    if (needX <= 0 || needY <= 0)
        return false;
    for (const TkRect& m : monitors) {
        const int64_t shownX = std::min<int64_t>(part.x + part.width, m.right) - std::max<int64_t>(part.x, m.left);
        const int64_t shownY = std::min<int64_t>(part.y + part.height, m.bottom) - std::max<int64_t>(part.y, m.top);
        if (shownX >= needX && shownY >= needY)
            return true;
    }
    return false;
}

TkPoint PlaceToTake(const GrabPart& part, std::span<const TkRect> monitors)
{
    const int nearest = NearestMonitor(part, monitors);
    if (nearest < 0 || CanBeTaken(part, monitors))
        return {static_cast<int32_t>(part.x), static_cast<int32_t>(part.y)};
    const TkRect& m = monitors[static_cast<size_t>(nearest)];
    return {static_cast<int32_t>(part.x + ShiftInside(part.x, part.width, m.left, m.right)),
            static_cast<int32_t>(part.y + ShiftInside(part.y, part.height, m.top, m.bottom))};
}

TkRect DragLimits(const TkRect& proposed, std::span<const TkRect> monitors, const TkRect& fallback)
{
    if (monitors.empty())
        return fallback;
    TkRect box{};
    bool any = false;
    for (const TkRect& m : monitors) {
        if (!Overlaps(proposed, m))
            continue;
        const TkRect both[] = {box, m};
        box = any ? MonitorsBox(both) : m;
        any = true;
    }
    if (any)
        return box;
    const GrabPart part{proposed.left, proposed.top, proposed.Width(), proposed.Height()};
    return monitors[static_cast<size_t>(NearestMonitor(part, monitors))];
}

bool OnAMonitor(TkPoint p, std::span<const TkRect> monitors, const TkRect& fallback)
{
    const auto holds = [p](const TkRect& r) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    return monitors.empty() ? holds(fallback) : std::any_of(monitors.begin(), monitors.end(), holds);
}

int MostCoveringMonitor(const TkRect& rect, std::span<const TkRect> monitors)
{
    int best = -1;
    int64_t bestArea = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const TkRect& m = monitors[i];
        const int64_t w = std::min<int64_t>(rect.right, m.right) - std::max<int64_t>(rect.left, m.left);
        const int64_t h = std::min<int64_t>(rect.bottom, m.bottom) - std::max<int64_t>(rect.top, m.top);
        if (w > 0 && h > 0 && w * h > bestArea) {
            bestArea = w * h;
            best = static_cast<int>(i);
        }
    }
    if (best >= 0)
        return best;
    return NearestMonitor({rect.left, rect.top, int64_t{rect.right} - rect.left, int64_t{rect.bottom} - rect.top},
                          monitors);
}
