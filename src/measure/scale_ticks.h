// What the four scale pictures of the ruler carry, as lines and text positions in the picture's own coordinates: in
// pixels, tick marks every 5, 10 and 50 pixels and the numbers at every 50th pixel; in millimetres or inches, the
// marks of a real ruler.
#pragma once

#include <vector>

#include "measure/physical_units.h"

enum class ScaleSide { Top, Bottom, Left, Right };

// A tick as the toolkit's line: from (x, y) over width x height pixels.
struct ScaleLine {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ScaleLine&) const = default;
};

// A number: the top-left corner of its text cell, or for rotated numbers the point the text turns about.
struct ScaleNumber {
    int x = 0, y = 0;
    int value = 0;
    bool rotated = false;
    bool operator==(const ScaleNumber&) const = default;
};

struct ScalePlan {
    int width = 0, height = 0; // the picture's size
    std::vector<ScaleLine> shortTicks;
    std::vector<ScaleLine> mediumTicks;
    std::vector<ScaleLine> longPieces; // the part of a long tick beyond the medium one
    std::vector<ScaleNumber> numbers;  // in pixels, one after each long piece; elsewhere fewer where units are narrow
};

// Depth of the scale strips along the ruler's edges, and so of the pictures.
constexpr int ScaleThickness = 15;
// Numbers on the vertical scales are turned a quarter turn clockwise, so that they read from top to bottom.
constexpr int ScaleNumberAngle = -90;

ScalePlan PlanScale(ScaleSide side, int screenWidth, int screenHeight);

// A scale in millimetres (millimetre, half-centimetre and numbered centimetre marks) or inches (sixteenths, eighths,
// quarters, halves and numbered inches) for a monitor of the given pitch; marks that would stand closer than three
// pixels are left out. In pixels, or without a pitch, the pixel scale.
ScalePlan PlanPhysicalScale(ScaleSide side, int screenWidth, int screenHeight, double pixelsPerMm, MeasureUnit unit);
