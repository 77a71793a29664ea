#include <gtest/gtest.h>

#include "core/drag_zones.h"

TEST(RulerHit, ZonesAreFifteenPixelsLeftAndTopFourteenRightAndBottom)
{
    struct Case {
        int x, y, w, h;
        RulerHit hit;
    } cases[] = {
        {14, 14, 300, 150, HitTopLeft},      {15, 14, 300, 150, HitTop},          {15, 15, 300, 150, HitCaption},
        {285, 75, 300, 150, HitCaption},     {286, 75, 300, 150, HitRight},       {299, 0, 300, 150, HitTopRight},
        {299, 149, 300, 150, HitBottomRight}, {0, 136, 300, 150, HitBottomLeft},  {100, 136, 300, 150, HitBottom},
        {100, 135, 300, 150, HitCaption},    {0, 75, 300, 150, HitLeft},
        // In a narrow ruler the left and top zones win, as they are tested first.
        {14, 75, 25, 150, HitLeft},          {20, 75, 25, 150, HitRight},         {12, 12, 25, 25, HitTopLeft},
        {20, 12, 25, 25, HitTopRight},
        // ...except that the bottom-right corner is tested before the bottom-left one.
        {12, 20, 25, 25, HitBottomRight},    {5, 20, 25, 25, HitBottomLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "press at " << c.x << "," << c.y << " in " << c.w << "x" << c.h);
        EXPECT_EQ(RulerHitAt(c.x, c.y, c.w, c.h), c.hit);
    }
}

TEST(RulerDrag, SizingIsHeldToTheScreenAndTheLeastSize)
{
    constexpr int right = 1920, bottom = 1080;
    struct Case {
        const char* what;
        TkRect proposed;
        int edge;
        TkRect held;
    } cases[] = {
        {"past the right edge", {1800, 10, 1950, 160}, EdgeRight, {1800, 10, 1920, 160}},
        {"past the bottom edge", {100, 1000, 400, 1100}, EdgeBottomRight, {100, 1000, 400, 1080}},
        {"left edge too far right keeps the right edge", {390, 10, 400, 160}, EdgeLeft, {377, 10, 400, 160}},
        {"right edge too far left keeps the left edge", {100, 10, 110, 160}, EdgeTopRight, {100, 10, 123, 160}},
        {"top edge alone leaves a narrow width", {100, 10, 110, 160}, EdgeTop, {100, 10, 110, 160}},
        {"top edge too low keeps the bottom", {100, 150, 400, 160}, EdgeTopLeft, {100, 137, 400, 160}},
        {"bottom edge too high keeps the top", {100, 10, 400, 20}, EdgeBottom, {100, 10, 400, 33}},
        {"left and top are not limited", {-50, -40, 100, 100}, EdgeTopLeft, {-50, -40, 100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TkRect rect = c.proposed;
        ConstrainSizing(rect, c.edge, right, bottom);
        EXPECT_EQ(rect, c.held) << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    }
}

TEST(RulerDrag, MovingStopsFlushAtTheEdgesAndKeepsTheSize)
{
    constexpr int right = 1920, bottom = 1080;
    struct Case {
        const char* what;
        TkRect proposed;
        TkRect held;
    } cases[] = {
        {"inside", {100, 10, 400, 160}, {100, 10, 400, 160}},
        {"onto a display on the left", {-300, 10, 0, 160}, {0, 10, 300, 160}},
        {"above the top", {100, -5, 400, 145}, {100, 0, 400, 150}},
        {"past the right edge", {1700, 10, 2000, 160}, {1620, 10, 1920, 160}},
        {"flush right counts as past", {1620, 10, 1920, 160}, {1620, 10, 1920, 160}},
        {"past the bottom right corner", {1800, 1000, 2100, 1150}, {1620, 930, 1920, 1080}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TkRect rect = c.proposed;
        ConstrainMoving(rect, right, bottom);
        EXPECT_EQ(rect, c.held) << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    }
}

TEST(RulerLayout, ControlsFollowTheSizeWithTruncatedHalves)
{
    const RulerLayout standard = ComputeRulerLayout(300, 150, 19, 19);
    EXPECT_EQ(standard.centreImage, (TkPoint{141, 66}));
    EXPECT_EQ(standard.widthLabelX, 255);
    EXPECT_EQ(standard.heightLabelY, 121);
    EXPECT_EQ(standard.bottomScaleY, 135);
    EXPECT_EQ(standard.rightScaleX, 285);
    EXPECT_TRUE(standard.labelsShown);
    EXPECT_EQ(ComputeRulerLayout(301, 150, 19, 19).centreImage.x, 141);

    struct Case {
        int w, h;
        bool shown;
    } cases[] = {{55, 55, true}, {54, 100, false}, {100, 54, false}, {0, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(ComputeRulerLayout(c.w, c.h, 19, 19).labelsShown, c.shown);
    }
}

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
