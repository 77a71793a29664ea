#include "core/desktop_geometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/drag_zones.h"

namespace {

// A 1920 x 1080 primary monitor alone, with a shorter one to its right, or with one to its left.
const TkRect primary{0, 0, 1920, 1080};
const std::vector<TkRect> single{primary};
const std::vector<TkRect> shorterRight{primary, {1920, 0, 3200, 720}};
const std::vector<TkRect> left{primary, {-1280, 0, 0, 1024}};
const std::vector<TkRect> above{primary, {0, -1080, 1920, 0}};

std::string Text(const TkRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

} // namespace

TEST(RulerDrag, MovingAndSizingAreHeldToTheMonitorsTheRulerStandsOn)
{
    struct Case {
        const char* what;
        const std::vector<TkRect>* monitors;
        TkRect proposed;
        int edge; // 0: moving
        TkRect held;
    } cases[] = {
        {"one monitor: left edge at 0", &single, {-300, 10, 0, 160}, 0, {0, 10, 300, 160}},
        {"one monitor: a rectangle beyond every edge", &single, {2000, 1100, 2300, 1250}, 0, {1620, 930, 1920, 1080}},
        {"across onto the monitor to the right", &shorterRight, {1800, 100, 2100, 250}, 0, {1800, 100, 2100, 250}},
        {"flush at the outer right edge", &shorterRight, {3000, 100, 3300, 250}, 0, {2900, 100, 3200, 250}},
        {"down on the shorter monitor stops at its bottom",
         &shorterRight,
         {2000, 650, 2300, 800},
         0,
         {2000, 570, 2300, 720}},
        {"out of the gap below the shorter monitor", &shorterRight, {2000, 800, 2300, 950}, 0, {2000, 570, 2300, 720}},
        {"below the shorter monitor's bottom it stops at the primary's right edge",
         &shorterRight,
         {1800, 900, 2100, 1050},
         0,
         {1620, 900, 1920, 1050}},
        {"across both it passes below the shorter monitor's bottom",
         &shorterRight,
         {1800, 700, 2100, 850},
         0,
         {1800, 700, 2100, 850}},
        {"onto the monitor to the left", &left, {-300, 10, 0, 160}, 0, {-300, 10, 0, 160}},
        {"flush at the left monitor's left edge", &left, {-1400, 10, -1100, 160}, 0, {-1280, 10, -980, 160}},
        {"down on the left monitor stops at its bottom", &left, {-600, 950, -300, 1100}, 0, {-600, 874, -300, 1024}},
        {"onto the monitor above", &above, {100, -200, 400, -50}, 0, {100, -200, 400, -50}},
        {"flush at the top edge of the monitor above", &above, {100, -1200, 400, -1050}, 0, {100, -1080, 400, -930}},
        {"sizing down on the shorter monitor",
         &shorterRight,
         {2000, 500, 2300, 800},
         EdgeBottom,
         {2000, 500, 2300, 720}},
        {"sizing right below the shorter monitor",
         &shorterRight,
         {1800, 900, 1950, 1050},
         EdgeRight,
         {1800, 900, 1920, 1050}},
        {"sizing right across both", &shorterRight, {1800, 100, 3300, 250}, EdgeRight, {1800, 100, 3200, 250}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TkRect rect = c.proposed;
        const TkRect limits = DragLimits(rect, *c.monitors, MonitorsBox(*c.monitors));
        if (c.edge)
            ConstrainSizing(rect, c.edge, limits.right, limits.bottom);
        else
            ConstrainMoving(rect, limits);
        EXPECT_EQ(rect, c.held) << Text(rect);
    }
}

TEST(DesktopGeometry, WindowsOnNoMonitorComeBackTheShortestWay)
{
    struct Case {
        const char* what;
        const std::vector<TkRect>* monitors;
        GrabPart part;
        TkPoint place;
    } cases[] = {
        {"on a monitor that went", &single, {2000, 100, 300, 150}, {1620, 100}},
        {"title bar on a monitor that went", &single, {-900, 300, 278, 30}, {0, 300}},
        {"enough of it still shown", &single, {1900, -20, 278, 30}, {1900, -20}},
        {"too little shown", &single, {1913, 500, 278, 30}, {1642, 500}},
        {"in the gap below the shorter monitor", &shorterRight, {2500, 900, 300, 150}, {2500, 570}},
        {"larger than the nearest monitor", &single, {5000, 100, 2500, 150}, {0, 100}},
        {"at the ends of the 32-bit range", &left, {2147483647, -2147483647 - 1, 300, 150}, {1620, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TkPoint place = PlaceToTake(c.part, *c.monitors);
        EXPECT_EQ(place, c.place) << place.x << "," << place.y;
    }
    EXPECT_EQ(MonitorsBox(left), (TkRect{-1280, 0, 1920, 1080}));
}

TEST(DesktopGeometry, TheRulerStandsOnTheMonitorHoldingMostOfIt)
{
    EXPECT_EQ(MostCoveringMonitor({1800, 100, 2100, 250}, shorterRight), 1) << "120 of 300 pixels on the primary";
    EXPECT_EQ(MostCoveringMonitor({1770, 100, 2070, 250}, shorterRight), 0) << "half and half: the first";
    EXPECT_EQ(MostCoveringMonitor({2000, 800, 2300, 950}, shorterRight), 1) << "in the gap below the right monitor";
    EXPECT_EQ(MostCoveringMonitor({-200, 10, 100, 160}, left), 1);
    EXPECT_EQ(MostCoveringMonitor({0, 0, 10, 10}, {}), -1);
}
