// The desktop as its monitors, each a rectangle in screen pixels (right and bottom exclusive): the box around them,
// the monitor nearest to a place, the limits a dragged ruler is held to and the places where a window can still be
// taken hold of.
#pragma once

#include <cstdint>
#include <span>

#include "toolkit/tk_geometry.h"

// A window needs this many pixels of its grab-able part in each direction on one monitor (fewer when the part
// itself is smaller) for the user to take hold of it.
constexpr int GrabPixels = 8;

// The part of a window the user takes it by (the whole ruler; a title bar). In 64 bits, as a place read from a
// settings file may lie anywhere in the 32-bit range and its far edge beyond it.
struct GrabPart {
    int64_t x = 0, y = 0, width = 0, height = 0;
};

// The smallest rectangle around all monitors; an empty one at (0, 0) when there are none.
TkRect MonitorsBox(std::span<const TkRect> monitors);
// The index of the monitor that the part reaches with the shortest move that brings it wholly inside (or, when it is
// larger, flush with the monitor's left and top edges); -1 when there are no monitors.
int NearestMonitor(const GrabPart& part, std::span<const TkRect> monitors);
// The monitor that holds most of the rectangle, the first of equals; the nearest one when it lies on none; -1 when
// there are no monitors.
int MostCoveringMonitor(const TkRect& rect, std::span<const TkRect> monitors);
// Whether the part shows at least GrabPixels of itself in each direction on one monitor.
bool CanBeTaken(const GrabPart& part, std::span<const TkRect> monitors);
// Where the part's top-left corner goes so that the part stands on the nearest monitor: unchanged when it can be
// taken where it is, else moved the shortest way inside that monitor, flush with its left and top edges when larger.
TkPoint PlaceToTake(const GrabPart& part, std::span<const TkRect> monitors);
// The box a ruler dragged to the proposed rectangle is held to: around the monitors the rectangle overlaps, so that
// it can pass from one monitor to another but stops at an edge that borders on no monitor; the nearest monitor when
// it overlaps none (it would end in a gap between monitors of different sizes, or beyond them). The fallback, the
// screen as one box, when no monitor is known.
TkRect DragLimits(const TkRect& proposed, std::span<const TkRect> monitors, const TkRect& fallback);
// Whether a point lies on a monitor (not beyond them, not in a gap between them); on the fallback, the screen as one
// box, when no monitor is known.
bool OnAMonitor(TkPoint p, std::span<const TkRect> monitors, const TkRect& fallback);
