#include "measure/scale_ticks.h"

#include <cmath>
#include <cstdint>
#include <span>

namespace {

constexpr int ShortTick = 3;
constexpr int MediumTick = 6;
constexpr int LongPiece = 9; // from 6 to 14 pixels away from the outer edge

// A tick of the given length at index i, starting `from` pixels away from the outer edge.
ScaleLine Tick(ScaleSide side, int i, int from, int length)
{
    switch (side) {
    case ScaleSide::Top: return {i, from, 1, length};
    case ScaleSide::Bottom: return {i, ScaleThickness - from - length, 1, length};
    case ScaleSide::Left: return {from, i, length, 1};
    case ScaleSide::Right: return {ScaleThickness - from - length, i, length, 1};
    }
    return {};
}

// The number of a long tick at index i: two pixels on from the tick.
ScaleNumber Number(ScaleSide side, int i, int value)
{
    switch (side) {
    case ScaleSide::Top: return {i + 2, 6, value, false};
    case ScaleSide::Bottom: return {i + 2, -2, value, false};
    case ScaleSide::Left: return {18, i + 2, value, true};
    case ScaleSide::Right: return {10, i + 2, value, true};
    }
    return {};
}

// Ticks closer than this are left out, a finer kind before a coarser one: they would run into a black bar.
constexpr double LeastTickGap = 3;
// Numbers stand at least this far apart: every unit, or every 2nd, 5th, 10th, 20th ... where units are narrow.
constexpr double LeastNumberGap = 30;

// The kinds of marks of one unit, coarsest first: how many of each lie in the unit and how long they are. The
// unit's own mark is a long tick with its number.
struct MarkKind {
    int perUnit;
    int length;
};
constexpr MarkKind millimetreMarks[] = {{2, MediumTick}, {10, ShortTick}};
constexpr MarkKind inchMarks[] = {{2, MediumTick}, {4, 5}, {8, 4}, {16, 2}};

int NumberStep(double unitPixels)
{
    for (int step = 1;; step *= 10)
        for (int factor : {1, 2, 5})
            if (step * factor * unitPixels >= LeastNumberGap || step > 100000000)
                return step * factor;
}

} // namespace

ScalePlan PlanScale(ScaleSide side, int screenWidth, int screenHeight)
{
    ScalePlan plan;
    const bool horizontal = side == ScaleSide::Top || side == ScaleSide::Bottom;
    plan.width = horizontal ? screenWidth : ScaleThickness;
    plan.height = horizontal ? ScaleThickness : screenHeight;
    const int length = horizontal ? plan.width : plan.height;
    // The scale counts pixels from 1: the tick of value d stands on pixel index d - 1.
    for (int d = 5; d <= length; d += 5)
        plan.shortTicks.push_back(Tick(side, d - 1, 0, ShortTick));
    for (int d = 10; d <= length; d += 10)
        plan.mediumTicks.push_back(Tick(side, d - 1, 0, MediumTick));
    for (int d = 50; d <= length; d += 50) {
        plan.longPieces.push_back(Tick(side, d - 1, MediumTick, LongPiece));
        plan.numbers.push_back(Number(side, d - 1, d));
    }
    return plan;
}

ScalePlan PlanPhysicalScale(ScaleSide side, int screenWidth, int screenHeight, double pixelsPerMm, MeasureUnit unit)
{
    if (unit == MeasureUnit::Pixel || !(pixelsPerMm > 0))
        return PlanScale(side, screenWidth, screenHeight);
    ScalePlan plan;
    const bool horizontal = side == ScaleSide::Top || side == ScaleSide::Bottom;
    plan.width = horizontal ? screenWidth : ScaleThickness;
    plan.height = horizontal ? ScaleThickness : screenHeight;
    const int length = horizontal ? plan.width : plan.height;
    const bool inch = unit == MeasureUnit::Inch;
    const double unitPixels = inch ? pixelsPerMm * MmPerInch : pixelsPerMm * 10;
    const std::span<const MarkKind> kinds = inch ? std::span<const MarkKind>(inchMarks) : millimetreMarks;
    // The finest kind whose marks stand far enough apart sets the step; each mark is the coarsest kind it belongs to.
    int perUnit = 1;
    for (const MarkKind& kind : kinds)
        if (unitPixels / kind.perUnit >= LeastTickGap)
            perUnit = kind.perUnit;
    const int numberStep = NumberStep(unitPixels);
    // A length of k marks ends on the pixel it reaches, rounded: a ruler that wide shows that length.
    for (int64_t k = 1;; ++k) {
        const int64_t end = std::llround(static_cast<double>(k) * unitPixels / perUnit);
        if (end > length)
            break;
        const int i = static_cast<int>(end) - 1;
        if (k % perUnit == 0) {
            const int value = static_cast<int>(k / perUnit);
            plan.mediumTicks.push_back(Tick(side, i, 0, MediumTick));
            plan.longPieces.push_back(Tick(side, i, MediumTick, LongPiece));
            if (value % numberStep == 0)
                plan.numbers.push_back(Number(side, i, value));
            continue;
        }
        for (const MarkKind& kind : kinds) {
            if ((k * kind.perUnit) % perUnit == 0) {
                (kind.length >= MediumTick ? plan.mediumTicks : plan.shortTicks)
                    .push_back(Tick(side, i, 0, kind.length));
                break;
            }
        }
    }
    return plan;
}
