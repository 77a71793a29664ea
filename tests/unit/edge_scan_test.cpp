#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "measure/edge_scan.h"

namespace {

// A line of pixels written as letters: W white, K black, R red, B blue, '.' on no monitor, and the digits a grey
// ramp of 6 per step (an anti-aliased edge, a gradient) from 200 up.
std::vector<uint32_t> Line(const std::string& pixels)
{
    std::vector<uint32_t> line;
    for (char c : pixels) {
        switch (c) {
        case 'W': line.push_back(0xFFFFFF); break;
        case 'K': line.push_back(0x000000); break;
        case 'R': line.push_back(0x0000FF); break;
        case 'B': line.push_back(0xFF0000); break;
        case '.': line.push_back(OffMonitor); break;
        default: {
            const uint32_t grey = 200 + 6 * static_cast<uint32_t>(c - '0');
            line.push_back(grey | grey << 8 | grey << 16);
        }
        }
    }
    return line;
}

} // namespace

TEST(EdgeScan, SideStopsAtTheLastPixelBeforeTheColourChangesOrAtTheFirstPixelOfAnother)
{
    constexpr EdgeKind Grow = EdgeKind::Grow, Shrink = EdgeKind::Shrink, Move = EdgeKind::Move;
    const struct Case {
        const char* what;
        const char* line;
        int side, opposite, outward;
        EdgeKind kind;
        int tolerance, stop;
    } cases[] = {
        {"grows over a run of one colour", "RRRWWWWK", 2, 0, +1, Grow, 0, 6},
        {"grows to the left", "KWWWWRRR", 5, 7, -1, Grow, 0, 1},
        {"moves as its leading side grows", "RRRWWWWK", 2, 0, +1, Move, 0, 6},
        {"moves up (to lower indices)", "KBBBWW", 4, 5, -1, Move, 0, 1},
        {"the first step lands on another colour", "RRRWKKK", 2, 0, +1, Grow, 0, 3},
        {"a one-pixel line stops the growth on itself", "RRRKRRR", 2, 0, +1, Grow, 0, 3},
        {"no change: grows to the end of the line", "WWWWWWWW", 2, 0, +1, Grow, 0, 7},
        {"at the end of the line nothing moves", "WWW", 2, 0, +1, Grow, 0, 2},
        {"stops before a pixel on no monitor", "WWWW..WW", 1, 0, +1, Move, 0, 3},
        {"does not step from a monitor into a gap", "WWW..WW", 2, 0, +1, Grow, 32, 2},
        {"comes from beyond the monitors onto them", "..WWWK", 1, 0, +1, Grow, 0, 4},
        {"shrinks to the first pixel of another colour", "KWWWWWRR", 7, 0, +1, Shrink, 0, 5},
        {"shrinks from the left", "RRWWWK", 0, 5, -1, Shrink, 0, 2},
        {"shrinks at least one pixel", "KKKKWR", 5, 0, +1, Shrink, 0, 4},
        {"a one-pixel line stops the shrink on itself", "RRRRRKR", 6, 0, +1, Shrink, 0, 5},
        {"no change: shrinks to one pixel", "WWWWW", 4, 0, +1, Shrink, 0, 0},
        {"one pixel wide: nothing shrinks", "WWWWW", 3, 3, +1, Shrink, 0, 3},
        {"shrinks from beyond the monitors onto them", "WWK...", 5, 0, +1, Shrink, 0, 2},
        {"no monitor along the line: nothing shrinks", "......", 5, 0, +1, Shrink, 0, 5},
        {"exact: an anti-aliased edge stops at its first differing pixel", "K0123456789", 0, 0, +1, Grow, 0, 1},
        {"low tolerance: one ramp step counts as the same colour", "K0123456789", 0, 0, +1, Grow, 8, 2},
        {"high tolerance: five ramp steps count as the same colour", "K0123456789", 0, 0, +1, Grow, 32, 6},
        {"high tolerance shrinks over a gradient", "K0123456789", 10, 0, +1, Shrink, 32, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<uint32_t> line = Line(c.line);
        EXPECT_EQ(FindEdge(line, c.side, c.opposite, c.outward, c.kind, c.tolerance), c.stop);
    }
}

TEST(EdgeScan, ToleranceIsTheLargestDifferenceOfOneChannel)
{
    EXPECT_TRUE(SameColour(0x102030, 0x182838, 8));
    EXPECT_FALSE(SameColour(0x102030, 0x102039, 8)) << "red differs by 9";
    EXPECT_FALSE(SameColour(0x102030, 0x302030, 31)) << "blue differs by 32";
    EXPECT_TRUE(SameColour(0xFFFFFF, 0xDFDFDF, 32));
    EXPECT_FALSE(SameColour(OffMonitor, 0x000000, 255)) << "a pixel on no monitor is no colour";
    EXPECT_TRUE(SameColour(OffMonitor, OffMonitor, 0));

    for (const int32_t setting : {0, 8, 32})
        EXPECT_EQ(EdgeToleranceFrom(setting), setting);
    for (const int32_t setting : {1, 16, -8, 255, 2147483647})
        EXPECT_EQ(EdgeToleranceFrom(setting), EdgeToleranceExact) << setting;
}
