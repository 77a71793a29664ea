#include <gtest/gtest.h>

#include "measure/corner_geometry.h"

TEST(ProbeCorner, FirstSelectedOptionDecidesAndThePeepholeSitsOnTheProbePoint)
{
    EXPECT_EQ(FirstSelectedCorner(false, false, false, false), ProbeCorner::None);
    EXPECT_EQ(FirstSelectedCorner(false, true, true, true), ProbeCorner::TopRight);
    EXPECT_EQ(FirstSelectedCorner(false, false, true, true), ProbeCorner::BottomLeft);

    struct Case {
        ProbeCorner corner;
        TkPoint screen, peephole;
    } cases[] = {
        {ProbeCorner::TopLeft, {100, 50}, {0, 0}},
        {ProbeCorner::TopRight, {299, 50}, {199, 0}},
        {ProbeCorner::BottomLeft, {100, 129}, {0, 79}},
        {ProbeCorner::BottomRight, {299, 129}, {199, 79}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.corner));
        EXPECT_EQ(CornerOnScreen(c.corner, 100, 50, 200, 80), c.screen);
        EXPECT_EQ(CornerInRuler(c.corner, 200, 80), c.peephole);
    }
}
