// Where a side of the ruler stops when it is fitted to what lies on the screen: along one line of pixels, grown out
// to the last pixel before the colour changes, shrunk in to the first pixel of another colour, or moved on with the
// whole ruler as far as it would grow.
#pragma once

#include <cstdint>
#include <span>

// A pixel of the line that lies on no monitor (beyond them or in a gap between them): a side never steps onto it from
// a monitor, as a dragged ruler stops at the monitors' edge. Colours are 0x00BBGGRR and never have these bits set.
constexpr uint32_t OffMonitor = 0xFF000000u;

enum class EdgeKind { Grow, Shrink, Move };

// The largest difference of one channel that still counts as the same colour: exact, for anti-aliased edges; low and
// high for gradients, shadows and photographs.
constexpr int EdgeToleranceExact = 0;
constexpr int EdgeToleranceLow = 8;
constexpr int EdgeToleranceHigh = 32;
// The remembered setting as a tolerance: one of the three, anything else is exact.
int EdgeToleranceFrom(int32_t setting);

// Whether b counts as a's colour: every channel within the tolerance. A pixel on no monitor matches only another such.
bool SameColour(uint32_t a, uint32_t b, int tolerance);

// One search along a line of pixels. side is the index of the ruler's outermost pixel on the side that moves (for a
// move, its leading side), opposite that of the other side along the line; outward is +1 when the side moves to
// higher indices to grow, -1 when to lower ones. Returns the index the side's pixel moves to:
// - grow and move: one pixel out, whose colour is the reference, and on while the next pixel has it;
// - shrink: one pixel in, the colour where the side started being the reference, and on until the side stands on a
//   pixel of another colour, never past the opposite side (the ruler keeps at least one pixel).
// Where the side cannot take a step (the end of the line, a pixel on no monitor) it stays where it is; a side on no
// monitor shrinks onto the first pixel of one, and stays where none lies along the line.
int FindEdge(std::span<const uint32_t> line, int side, int opposite, int outward, EdgeKind kind, int tolerance);
