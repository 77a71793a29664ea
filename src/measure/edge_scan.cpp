#include "measure/edge_scan.h"

#include <cstdlib>

int EdgeToleranceFrom(int32_t setting)
{
    return setting == EdgeToleranceLow || setting == EdgeToleranceHigh ? setting : EdgeToleranceExact;
}

bool SameColour(uint32_t a, uint32_t b, int tolerance)
{
    if ((a & OffMonitor) || (b & OffMonitor))
        return (a & OffMonitor) == (b & OffMonitor);
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance)
            return false;
    }
    return true;
}

int FindEdge(std::span<const uint32_t> line, int side, int opposite, int outward, EdgeKind kind, int tolerance)
{
    const int size = static_cast<int>(line.size());
    const auto inLine = [size](int i) { return i >= 0 && i < size; };
    if (!inLine(side))
        return side;
    const auto at = [&line](int i) { return line[static_cast<size_t>(i)]; };
    if (kind == EdgeKind::Shrink) {
        const int inward = -outward;
        // The ruler keeps its side's pixel when the opposite side is that pixel, or lies beyond it.
        if ((opposite - side) * inward <= 0)
            return side;
        const uint32_t reference = at(side);
        int stop = side + inward;
        while (stop != opposite && SameColour(at(stop), reference, tolerance))
            stop += inward;
        // A side on no monitor comes in onto the first pixel of one; with none along the line nothing is known.
        return (reference & OffMonitor) && (at(stop) & OffMonitor) ? side : stop;
    }
    const auto canStep = [&](int i) { return inLine(i) && !(at(i) & OffMonitor); };
    if (!canStep(side + outward))
        return side;
    int stop = side + outward;
    const uint32_t reference = at(stop);
    while (canStep(stop + outward) && SameColour(at(stop + outward), reference, tolerance))
        stop += outward;
    return stop;
}
