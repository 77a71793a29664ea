#include <gtest/gtest.h>

#include "core/drag_zones.h"

TEST(RulerHit, ZonesAreFifteenPixelsLeftAndTopFourteenRightAndBottom)
{
    struct Case {
        int x, y, w, h;
        RulerHit hit;
    } cases[] = {
        {14, 14, 300, 150, HitTopLeft},
        {15, 14, 300, 150, HitTop},
        {15, 15, 300, 150, HitCaption},
        {285, 75, 300, 150, HitCaption},
        {286, 75, 300, 150, HitRight},
        {299, 0, 300, 150, HitTopRight},
        {299, 149, 300, 150, HitBottomRight},
        {0, 136, 300, 150, HitBottomLeft},
        {100, 136, 300, 150, HitBottom},
        {100, 135, 300, 150, HitCaption},
        {0, 75, 300, 150, HitLeft},
        // In a narrow ruler the left and top zones win, as they are tested first.
        {14, 75, 25, 150, HitLeft},
        {20, 75, 25, 150, HitRight},
        {12, 12, 25, 25, HitTopLeft},
        {20, 12, 25, 25, HitTopRight},
        // ...except that the bottom-right corner is tested before the bottom-left one.
        {12, 20, 25, 25, HitBottomRight},
        {5, 20, 25, 25, HitBottomLeft},
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
        ConstrainMoving(rect, {0, 0, right, bottom});
        EXPECT_EQ(rect, c.held) << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    }
}
