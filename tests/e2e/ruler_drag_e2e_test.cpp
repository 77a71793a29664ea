// Dragging the ruler with the mouse: the press picks a move or a size by where it lands, and the ruler stops at the
// screen's edges and at its least size.
#include <gtest/gtest.h>

#include <vector>

#include "measure_support.h"

namespace {

constexpr auto StepTimeout = std::chrono::seconds(5);

// One mouse position of a drag, as an offset from the press, and the ruler the step must leave.
struct DragStep {
    int dx, dy;
    RulerBox expected;
};

// The system's move loop proposes on Windows the start rectangle plus the whole mouse movement, under Wine the last
// accepted rectangle plus the movement since the last step. Past a limit the steps only push further, so both give
// the same ruler. The panel is refreshed by each notification, which may come before the ruler takes its new place;
// so every case ends with a step that leaves the ruler where the one before put it, and then the panel must agree.
struct DragCase {
    const char* name;
    RulerBox start;
    POINT press; // in the ruler's client area
    std::vector<DragStep> steps;
    int mainX = 900; // the main window stays out of the ruler's way
};

// The screen these cases are written for: the tests skip on another.
constexpr int ScreenW = 1280, ScreenH = 1024;

class RulerDragTest : public testing::TestWithParam<DragCase> {
protected:
    void SetUp() override
    {
        if (ScreenWidth() != ScreenW || ScreenHeight() != ScreenH)
            GTEST_SKIP() << "the cases are laid out for a 1280 x 1024 screen, this one is " << ScreenWidth() << " x "
                         << ScreenHeight();
    }

    void RunDrag(const DragCase& c)
    {
        StartPlaces places;
        places.ruler = c.start;
        places.mainX = c.mainX;
        ASSERT_TRUE(program.Start(places)) << program.StartProblem();
        POINT press = c.press;
        ClientToScreen(program.RulerWindowHandle(), &press);
        ASSERT_TRUE(program.GrabRuler(c.press.x, c.press.y))
            << "the press at " << c.press.x << "," << c.press.y << " started no move or size loop of the system";
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const DragStep& step = c.steps[i];
            SCOPED_TRACE(testing::Message() << "step " << i << ": mouse moved by " << step.dx << "," << step.dy);
            MoveMouseTo(press.x + step.dx, press.y + step.dy);
            EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == step.expected; }, StepTimeout))
                << "expected " << Describe(step.expected) << ", the ruler is at " << Describe(program.RulerWindowBox());
        }
        EXPECT_TRUE(program.ReleaseRuler()) << "the move or size loop did not end with the button";
        const RulerBox last = c.steps.back().expected;
        EXPECT_TRUE(WaitUntil([&] { return program.PanelAgrees(last); }, StepTimeout))
            << "the panel should show " << Describe(last) << ": " << program.PanelTexts();
        EXPECT_EQ(program.RulerWindowBox(), last) << Describe(program.RulerWindowBox());
    }

    MeasuredProgram program;
};

TEST_P(RulerDragTest, Drag)
{
    RunDrag(GetParam());
}

void PrintTo(const DragCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string CaseName(const testing::TestParamInfo<DragCase>& info)
{
    return info.param.name;
}

// A press 15 pixels or more inside the left and top edges and more than 14 inside the right and bottom edges moves
// the ruler; the presses lie on those boundaries. A moved ruler stops flush at the screen's right and bottom edges and
// at 0, and keeps its size.
const DragCase moveCases[] = {
    {"StopsAtZeroOnTheLeft",
     {100, 300, 300, 150},
     {15, 15},
     {{-50, 0, {50, 300, 300, 150}}, {-110, 0, {0, 300, 300, 150}}, {-114, 0, {0, 300, 300, 150}}}},
    {"StopsAtZeroAtTheTop",
     {300, 100, 300, 150},
     {285, 135},
     {{0, -45, {300, 55, 300, 150}}, {0, -135, {300, 0, 300, 150}}, {0, -230, {300, 0, 300, 150}}}},
    {"StopsFlushAtTheScreensRight",
     {700, 300, 300, 150},
     {150, 75},
     {{50, 0, {750, 300, 300, 150}}, {350, 0, {980, 300, 300, 150}}, {410, 0, {980, 300, 300, 150}}}},
    {"StopsFlushAtTheScreensBottom",
     {100, 700, 300, 150},
     {150, 75},
     {{0, 25, {100, 725, 300, 150}}, {0, 175, {100, 874, 300, 150}}, {0, 235, {100, 874, 300, 150}}}},
};

INSTANTIATE_TEST_SUITE_P(Move, RulerDragTest, testing::ValuesIn(moveCases), CaseName);

// Each edge and corner, pressed on the innermost pixel of its zone. Sizing holds the right and bottom edges at the
// screen's edges and keeps 23 pixels of width and height, taken from the side being dragged; the left and top edges
// are not held at 0.
const DragCase sizeCases[] = {
    {"LeftEdgeKeepsTheLeastWidthLeftOfTheRightEdge",
     {400, 300, 300, 150},
     {14, 75},
     {{95, 0, {495, 300, 205, 150}}, {285, 0, {677, 300, 23, 150}}, {290, 0, {677, 300, 23, 150}}}},
    {"RightEdgeKeepsTheLeastWidth",
     {400, 300, 300, 150},
     {286, 75},
     {{-95, 0, {400, 300, 205, 150}}, {-285, 0, {400, 300, 23, 150}}, {-290, 0, {400, 300, 23, 150}}}},
    {"TopEdgeKeepsTheLeastHeightAboveTheBottomEdge",
     {400, 300, 300, 150},
     {150, 14},
     {{0, 45, {400, 345, 300, 105}}, {0, 135, {400, 427, 300, 23}}, {0, 140, {400, 427, 300, 23}}}},
    {"BottomEdgeKeepsTheLeastHeight",
     {400, 300, 300, 150},
     {150, 136},
     {{0, -45, {400, 300, 300, 105}}, {0, -135, {400, 300, 300, 23}}, {0, -140, {400, 300, 300, 23}}}},
    {"TopLeftCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {14, 14},
     {{95, 45, {495, 345, 205, 105}}, {285, 135, {677, 427, 23, 23}}, {290, 140, {677, 427, 23, 23}}}},
    {"TopRightCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {286, 14},
     {{-95, 45, {400, 345, 205, 105}}, {-285, 135, {400, 427, 23, 23}}, {-290, 140, {400, 427, 23, 23}}}},
    {"BottomRightCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {286, 136},
     {{-95, -45, {400, 300, 205, 105}}, {-285, -135, {400, 300, 23, 23}}, {-290, -140, {400, 300, 23, 23}}}},
    {"BottomLeftCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {14, 136},
     {{95, -45, {495, 300, 205, 105}}, {285, -135, {677, 300, 23, 23}}, {290, -140, {677, 300, 23, 23}}}},
    {"RightEdgeStopsAtTheScreensRight",
     {900, 300, 300, 150},
     {286, 75},
     {{25, 0, {900, 300, 325, 150}}, {93, 0, {900, 300, 380, 150}}, {93, 10, {900, 300, 380, 150}}},
     20},
    {"BottomEdgeStopsAtTheScreensBottom",
     {100, 800, 300, 150},
     {150, 136},
     {{0, 25, {100, 800, 300, 175}}, {0, 87, {100, 800, 300, 224}}, {10, 87, {100, 800, 300, 224}}}},
    {"BottomRightCornerStopsAtTheScreensCorner",
     {900, 800, 300, 150},
     {286, 136},
     {{25, 25, {900, 800, 325, 175}}, {84, 82, {900, 800, 380, 224}}, {93, 87, {900, 800, 380, 224}}},
     20},
    {"LeftEdgeIsNotHeldAtZero",
     {10, 300, 300, 150},
     {14, 75},
     {{-10, 0, {0, 300, 310, 150}}, {-24, 0, {-14, 300, 324, 150}}, {-24, 10, {-14, 300, 324, 150}}}},
    {"TopEdgeIsNotHeldAtZero",
     {300, 10, 300, 150},
     {150, 14},
     {{0, -10, {300, 0, 300, 160}}, {0, -24, {300, -14, 300, 174}}, {10, -24, {300, -14, 300, 174}}}},
};

INSTANTIATE_TEST_SUITE_P(Size, RulerDragTest, testing::ValuesIn(sizeCases), CaseName);

} // namespace
