#include "measure/scale_ticks.h"

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

ScaleNumber Number(ScaleSide side, int d)
{
    switch (side) {
    case ScaleSide::Top: return {d + 1, 6, d, false};
    case ScaleSide::Bottom: return {d + 1, -2, d, false};
    case ScaleSide::Left: return {18, d + 1, d, true};
    case ScaleSide::Right: return {10, d + 1, d, true};
    }
    return {};
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
        plan.numbers.push_back(Number(side, d));
    }
    return plan;
}
