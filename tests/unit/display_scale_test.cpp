#include <gtest/gtest.h>

#include <cstdlib>

#include "measure/magnifier_view.h"
#include "toolkit/tk_scale.h"

TEST(DisplayScale, LengthsRoundHalfAwayFromZero)
{
    const struct {
        int value, dpi, scaled;
    } cases[] = {{3, 96, 3},    {3, 120, 4},   {3, 144, 5},     {3, 168, 5}, {3, 192, 6},
                 {-3, 144, -5}, {15, 120, 19}, {466, 144, 699}, {0, 192, 0}, {1, 72, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(TkScaleLength(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

// Boxes that meet at 96 dpi meet at every resolution, and no box is more than a pixel off its exact scaled size.
TEST(DisplayScale, NeighbouringBoxesStillMeet)
{
    for (int dpi = 72; dpi <= 300; ++dpi) {
        for (const int x : {0, 5, 20, 47, 101}) {
            for (const int w : {1, 14, 15, 17, 20, 63, 75}) {
                const TkRect box = TkScaleBox(x, x, w, w, dpi);
                const TkRect next = TkScaleBox(x + w, x + w, 20, 20, dpi);
                ASSERT_EQ(box.right, next.left) << x << "+" << w << " at " << dpi;
                ASSERT_EQ(box.bottom, next.top) << x << "+" << w << " at " << dpi;
                ASSERT_LE(std::abs(box.Width() * 96 - w * dpi), 96) << x << "+" << w << " at " << dpi;
            }
        }
    }
}

TEST(DisplayScale, PicturesAreChosenFromTheDrawnScales)
{
    const struct {
        int dpi, atMost, atLeast;
    } cases[] = {{72, 0, 0}, {96, 0, 0}, {97, 0, 1}, {120, 1, 1}, {143, 1, 2}, {168, 3, 3}, {192, 4, 4}, {288, 4, 4}};
    for (const auto& c : cases) {
        EXPECT_EQ(TkPictureScaleAtMost(c.dpi), c.atMost) << c.dpi;
        EXPECT_EQ(TkPictureScaleAtLeast(c.dpi), c.atLeast) << c.dpi;
    }
}

// Every screen pixel becomes an equal square block, also where 3 × the scale is no whole number; the frame stays
// one pixel round the view, centred where the 96-dpi frame stands, and the red mark lies on the middle block.
TEST(DisplayScale, MagnifierShowsEqualBlocksInItsFrame)
{
    const struct {
        int dpi, block;
    } cases[] = {{96, 3}, {120, 4}, {144, 5}, {168, 5}, {180, 6}, {192, 6}, {216, 7}, {240, 8}, {288, 9}, {336, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi");
        EXPECT_EQ(MagnifierBlock(c.dpi), c.block);
        const MagnifierPlaces places = PlaceMagnifier(c.dpi, 21);
        EXPECT_EQ(places.view.Width(), 21 * c.block);
        EXPECT_EQ(places.view.Height(), 21 * c.block);
        EXPECT_EQ(places.frame,
                  (TkRect{places.view.left - 1, places.view.top - 1, places.view.right + 1, places.view.bottom + 1}));
        const TkRect table = TkScaleBox(100, 95, 65, 65, c.dpi);
        EXPECT_LE(std::abs((places.frame.left + places.frame.right) - (table.left + table.right)), 1);
        EXPECT_LE(std::abs((places.frame.top + places.frame.bottom) - (table.top + table.bottom)), 1);
        EXPECT_EQ(MagnifierMark(c.block, 21), (TkRect{10 * c.block, 10 * c.block, 11 * c.block, 11 * c.block}));
    }
    EXPECT_EQ(PlaceMagnifier(96, 21).frame, (TkRect{100, 95, 165, 160}));
    EXPECT_EQ(PlaceMagnifier(96, 21).view, (TkRect{101, 96, 164, 159}));
}

// The magnifier copies only the screen's part of the area round the point: at an edge, in a corner of a screen that
// begins left of 0, and nothing far off it.
TEST(DisplayScale, MagnifierCopiesOnlyTheScreensPartOfItsArea)
{
    const TkRect screen{-1280, 0, 1920, 1080};
    EXPECT_EQ(MagnifierSource({100, 100}, 21, screen), (TkRect{90, 90, 111, 111}));
    EXPECT_EQ(MagnifierSource({1919, 500}, 21, screen), (TkRect{1909, 490, 1920, 511}));
    EXPECT_EQ(MagnifierSource({-1280, 1079}, 21, screen), (TkRect{-1280, 1069, -1269, 1080}));
    EXPECT_EQ(MagnifierSource({5000, 500}, 21, screen), TkRect{});
}
