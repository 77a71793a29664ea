#include <gtest/gtest.h>

#include "measure/scale_ticks.h"

TEST(ScalePlan, TopScaleOfA1920Screen)
{
    const ScalePlan plan = PlanScale(ScaleSide::Top, 1920, 1080);
    EXPECT_EQ(plan.width, 1920);
    EXPECT_EQ(plan.height, 15);
    ASSERT_EQ(plan.shortTicks.size(), 384u);
    EXPECT_EQ(plan.shortTicks.front(), (ScaleLine{4, 0, 1, 3}));
    EXPECT_EQ(plan.shortTicks.back(), (ScaleLine{1919, 0, 1, 3})) << "d = 1920 marks the last pixel";
    ASSERT_EQ(plan.mediumTicks.size(), 192u);
    EXPECT_EQ(plan.mediumTicks.front(), (ScaleLine{9, 0, 1, 6}));
    ASSERT_EQ(plan.longPieces.size(), 38u);
    EXPECT_EQ(plan.longPieces.front(), (ScaleLine{49, 6, 1, 9})) << "50 is marked on index 49, down to y = 14";
    ASSERT_EQ(plan.numbers.size(), 38u);
    EXPECT_EQ(plan.numbers.front(), (ScaleNumber{51, 6, 50, false}));
    EXPECT_EQ(plan.numbers.back().value, 1900);
}

TEST(ScalePlan, EachSideStartsItsTicksAtItsOuterEdge)
{
    struct Case {
        ScaleSide side;
        ScaleLine shortTick, mediumTick, longPiece;
        ScaleNumber number;
    } cases[] = {
        {ScaleSide::Top, {49, 0, 1, 3}, {49, 0, 1, 6}, {49, 6, 1, 9}, {51, 6, 50, false}},
        {ScaleSide::Bottom, {49, 12, 1, 3}, {49, 9, 1, 6}, {49, 0, 1, 9}, {51, -2, 50, false}},
        {ScaleSide::Left, {0, 49, 3, 1}, {0, 49, 6, 1}, {6, 49, 9, 1}, {18, 51, 50, true}},
        {ScaleSide::Right, {12, 49, 3, 1}, {9, 49, 6, 1}, {0, 49, 9, 1}, {10, 51, 50, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.side));
        const ScalePlan plan = PlanScale(c.side, 800, 600);
        ASSERT_GE(plan.shortTicks.size(), 10u);
        EXPECT_EQ(plan.shortTicks[9], c.shortTick);
        EXPECT_EQ(plan.mediumTicks[4], c.mediumTick);
        EXPECT_EQ(plan.longPieces[0], c.longPiece);
        EXPECT_EQ(plan.numbers[0], c.number);
    }
    EXPECT_EQ(PlanScale(ScaleSide::Left, 800, 600).height, 600) << "vertical scales run the screen's height";
}

TEST(ScalePlan, ShortScalesEndCleanly)
{
    struct Case {
        int length;
        size_t shortTicks, mediumTicks, numbers;
    } cases[] = {{49, 9, 4, 0}, {50, 10, 5, 1}, {4, 0, 0, 0}, {0, 0, 0, 0}, {105, 21, 10, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const ScalePlan plan = PlanScale(ScaleSide::Top, c.length, 100);
        EXPECT_EQ(plan.shortTicks.size(), c.shortTicks);
        EXPECT_EQ(plan.mediumTicks.size(), c.mediumTicks);
        EXPECT_EQ(plan.numbers.size(), c.numbers);
        EXPECT_EQ(plan.longPieces.size(), c.numbers);
        for (const ScaleLine& tick : plan.shortTicks)
            EXPECT_LT(tick.x, c.length) << "no tick beyond the picture";
    }
}
