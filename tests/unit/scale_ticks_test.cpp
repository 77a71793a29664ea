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

TEST(ScalePlan, PhysicalScalesMarkWhatARealRulerMarks)
{
    const double perMm96Dpi = 96 / 25.4;
    const ScalePlan mm = PlanPhysicalScale(ScaleSide::Top, 1920, 1080, perMm96Dpi, MeasureUnit::Millimetre);
    // 1 mm ends on pixel 4 (3,78 rounded), 5 mm on pixel 19, 1 cm on pixel 38: each tick on the last pixel it spans.
    EXPECT_EQ(mm.shortTicks.front(), (ScaleLine{3, 0, 1, 3}));
    EXPECT_EQ(mm.mediumTicks.front(), (ScaleLine{18, 0, 1, 6}));
    EXPECT_EQ(mm.mediumTicks[1], (ScaleLine{37, 0, 1, 6}));
    EXPECT_EQ(mm.longPieces.front(), (ScaleLine{37, 6, 1, 9}));
    EXPECT_EQ(mm.numbers.front(), (ScaleNumber{39, 6, 1, false}));
    EXPECT_EQ(mm.numbers.back().value, 50) << "508 mm: the 50th centimetre is the last";
    EXPECT_EQ(mm.shortTicks.size() + mm.mediumTicks.size(), 508u);

    const ScalePlan inch = PlanPhysicalScale(ScaleSide::Left, 1920, 1080, perMm96Dpi, MeasureUnit::Inch);
    // Sixteenths every 6 pixels, of four lengths, the inch itself long and numbered.
    const ScaleLine start[] = {{0, 5, 2, 1}, {0, 11, 4, 1}, {0, 17, 2, 1}, {0, 23, 5, 1}};
    for (size_t i = 0; i < std::size(start); ++i)
        EXPECT_EQ(inch.shortTicks[i], start[i]);
    EXPECT_EQ(inch.mediumTicks.front(), (ScaleLine{0, 47, 6, 1})) << "half an inch";
    EXPECT_EQ(inch.longPieces.front(), (ScaleLine{6, 95, 9, 1}));
    EXPECT_EQ(inch.numbers.front(), (ScaleNumber{18, 97, 1, true}));
    EXPECT_EQ(inch.numbers.size(), 11u) << "1080 pixels are 11,25 inches";

    // A large TV: millimetres 1,2 pixels apart would run together; the half centimetres stay and every second
    // centimetre is numbered.
    const ScalePlan tv = PlanPhysicalScale(ScaleSide::Top, 1920, 1080, 1.2, MeasureUnit::Millimetre);
    EXPECT_TRUE(tv.shortTicks.empty());
    EXPECT_EQ(tv.mediumTicks.front(), (ScaleLine{5, 0, 1, 6}));
    EXPECT_EQ(tv.numbers.front().value, 5) << "12 pixels a centimetre: numbers every 5 cm, 60 pixels apart";
    for (const ScaleLine& t : tv.mediumTicks)
        EXPECT_LT(t.x, 1920);

    EXPECT_EQ(PlanPhysicalScale(ScaleSide::Top, 800, 600, 0, MeasureUnit::Inch).numbers,
              PlanScale(ScaleSide::Top, 800, 600).numbers)
        << "without a pitch the scale stays in pixels";
}
