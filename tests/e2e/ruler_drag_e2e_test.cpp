// Dragging the ruler with the mouse: the press picks a move or a size by where it lands, and the ruler stops at the
// screen's edges and at its least size.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/object_ids.h"
#include "measure_support.h"
#include "monitor_layout.h"
#include "wine.h"

namespace {

// Generous: a loaded machine may keep the program busy for seconds, and a wait that ends early costs nothing.
constexpr auto StepTimeout = std::chrono::seconds(20);

// One mouse position of a drag, as an offset from the press, and the ruler the step must leave; the monitors change
// to the given ones, while the button is held, before the mouse moves.
struct DragStep {
    int dx, dy;
    RulerBox expected;
    const MonitorLayout* monitorsBefore = nullptr;
};

// A window of one colour under the place where the drag leaves the ruler's measuring corner, and the text the colour
// field must then show.
struct ColourSpot {
    RECT place;
    COLORREF colour;
    const char* rgb;
};

// The system's move loop proposes on Windows the start rectangle plus the whole mouse movement, under Wine the last
// accepted rectangle plus the movement since the last step. Past a limit the steps only push further, so both give
// the same ruler. With the bottom-right corner selected, after the release and with no further input the panel, the
// ruler's labels, scales and peephole must show the ruler's last place, and the colour field the pixel there. The
// bottom-right corner is selected unless a case names another.
struct DragCase {
    const char* name;
    RulerBox start;
    POINT press; // in the ruler's client area
    std::vector<DragStep> steps;
    int mainX = 900; // the main window stays out of the ruler's way
    const ColourSpot* spot = nullptr;
    // Off: "show window contents while dragging" is switched off, and Windows moves the ruler only at the end (Wine
    // at every step all the same).
    bool contentsShown = true;
    // Several monitors, on the display of the several-monitor prefix; none: the one 1280 x 1024 screen.
    const MonitorLayout* monitors = nullptr;
    int corner = CornerBottomRightOption;
};

// Where the peephole stands in a ruler of the box's size with the corner option selected.
POINT PeepholeIn(const RulerBox& box, int corner)
{
    const bool right = corner == CornerTopRightOption || corner == CornerBottomRightOption;
    const bool bottom = corner == CornerBottomLeftOption || corner == CornerBottomRightOption;
    return {right ? box.w - 1 : 0, bottom ? box.h - 1 : 0};
}

// The one screen of the cases without monitors of their own: the tests skip on another.
constexpr int ScreenW = 1280, ScreenH = 1024;

// Switches "show window contents while dragging" for the programs started while it lives, as the user's setting.
class DragContentsSetting {
public:
    explicit DragContentsSetting(bool shown)
    {
        SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &before, 0);
        Set(shown);
    }
    ~DragContentsSetting() { Set(before != FALSE); }
    DragContentsSetting(const DragContentsSetting&) = delete;
    DragContentsSetting& operator=(const DragContentsSetting&) = delete;

private:
    static void Set(bool shown)
    {
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, shown ? TRUE : FALSE, nullptr,
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }
    BOOL before = TRUE;
};

class RulerDragTest : public testing::TestWithParam<DragCase> {
protected:
    void SetUp() override
    {
        if (const MonitorLayout* monitors = GetParam().monitors) {
            if (!CanSplitDisplay())
                GTEST_SKIP()
                    << "several monitors need the display of the several-monitor prefix (ctest -R e2e.Monitors)";
            ASSERT_TRUE(UseMonitors(*monitors))
                << "the display was not split as asked; Wine sees " << DescribeMonitors();
            return;
        }
        if (ScreenWidth() != ScreenW || ScreenHeight() != ScreenH)
            GTEST_SKIP() << "the cases are laid out for a 1280 x 1024 screen, this one is " << ScreenWidth() << " x "
                         << ScreenHeight();
    }

    // The panel, the ruler's own controls and, over a known colour, the colour field and the window fields all show
    // the box.
    bool AllShow(const RulerBox& box, const ColourSpot* spot) const
    {
        return program.PanelAgrees(box) &&
               program.RulerControlsMisfit(box, PeepholeIn(box, GetParam().corner)).empty() &&
               (!spot || (program.Field(RgbValueField) == spot->rgb && program.Field(WindowNameField) == "spot" &&
                          program.Field(WindowClassField) == SpotClass));
    }

    std::string Shown(const RulerBox& box) const
    {
        return "panel " + program.PanelTexts() + "; ruler " +
               program.RulerControlsMisfit(box, PeepholeIn(box, GetParam().corner)) + "; colour " +
               program.Field(RgbValueField) + " window \"" + program.Field(WindowNameField) + "\" " +
               program.Field(WindowClassField);
    }

    void RunDrag(const DragCase& c)
    {
        std::optional<DragContentsSetting> contents;
        if (!c.contentsShown) {
            contents.emplace(false);
            BOOL shown = TRUE;
            ASSERT_TRUE(SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &shown, 0));
            ASSERT_FALSE(shown) << "\"show window contents while dragging\" did not switch off";
        }
        StartPlaces places;
        places.ruler = c.start;
        places.mainX = c.mainX;
        ASSERT_TRUE(program.Start(places)) << program.StartProblem();
        std::unique_ptr<ColourWindow> spotWindow;
        if (c.spot)
            spotWindow = std::make_unique<ColourWindow>("spot", c.spot->colour, c.spot->place, false, SpotClass);
        program.ClickControl(c.corner);
        ASSERT_TRUE(WaitUntil([&] { return AllShow(c.start, nullptr); }, StepTimeout)) << Shown(c.start);
        POINT press = c.press;
        ClientToScreen(program.RulerWindowHandle(), &press);
        ASSERT_TRUE(program.GrabRuler(c.press.x, c.press.y))
            << "the press at " << c.press.x << "," << c.press.y << " started no move or size loop of the system";
        // Without the contents shown Windows leaves the ruler where it is until the release. Wine drags every
        // top-level window with its contents whatever the setting says (it draws the outline for child windows only),
        // so there the ruler follows each step as it does with the contents shown.
        const bool followsSteps = c.contentsShown || RunningUnderWine();
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const DragStep& step = c.steps[i];
            SCOPED_TRACE(testing::Message() << "step " << i << ": mouse moved by " << step.dx << "," << step.dy);
            if (step.monitorsBefore) {
                ASSERT_TRUE(UseMonitors(*step.monitorsBefore)) << "Wine sees " << DescribeMonitors();
            }
            MoveMouseTo({press.x + step.dx, press.y + step.dy});
            if (!followsSteps) {
                EXPECT_TRUE(program.RulerWindowBox() == c.start)
                    << "the system moved the ruler to " << Describe(program.RulerWindowBox())
                    << " while it was dragged with the contents not shown";
                continue;
            }
            // After monitors changed, the step's mouse position may have come before the program took them: the mouse
            // goes a pixel off and back until the ruler stands where the new limits let it.
            EXPECT_TRUE(WaitUntil(
                [&] {
                    if (program.RulerWindowBox() == step.expected)
                        return true;
                    if (step.monitorsBefore) {
                        MoveMouseTo({press.x + step.dx - 1, press.y + step.dy - 1});
                        MoveMouseTo({press.x + step.dx, press.y + step.dy});
                    }
                    return false;
                },
                StepTimeout))
                << "expected " << Describe(step.expected) << ", the ruler is at " << Describe(program.RulerWindowBox());
            // The frame after the last step reads the screen there while the button is still held.
            const ColourSpot* spot = i + 1 == c.steps.size() ? c.spot : nullptr;
            EXPECT_TRUE(WaitUntil([&] { return AllShow(step.expected, spot); }, StepTimeout)) << Shown(step.expected);
        }
        EXPECT_TRUE(program.ReleaseRuler()) << "the move or size loop did not end with the button";
        const RulerBox last = c.steps.back().expected;
        EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == last; }, StepTimeout))
            << "expected " << Describe(last) << ", the ruler is at " << Describe(program.RulerWindowBox());
        EXPECT_TRUE(WaitUntil([&] { return AllShow(last, c.spot); }, StepTimeout)) << Shown(last);
    }

    static constexpr const char* SpotClass = "TessaroDragSpot";
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

const ColourSpot orangeAtTheRight = {{1200, 400, 1280, 500}, RGB(200, 100, 50), "200,100,50"};
const ColourSpot blueAtTheShrunkCorner = {{620, 390, 660, 430}, RGB(51, 102, 153), "51,102,153"};
const ColourSpot greenNearTheLeastSize = {{410, 310, 440, 340}, RGB(30, 160, 90), "30,160,90"};
const ColourSpot greenInTheMiddle = {{760, 480, 820, 540}, RGB(30, 160, 90), "30,160,90"};
// Under corners that the drag takes beyond the size the ruler's window was made with.
const ColourSpot amberAtTheGrownRight = {{1250, 430, 1280, 470}, RGB(255, 128, 0), "255,128,0"};
const ColourSpot blueAtTheGrownBottomLeft = {{80, 1000, 130, 1024}, RGB(51, 102, 153), "51,102,153"};
const ColourSpot orangeAtTheGrownTopRight = {{1250, 780, 1280, 820}, RGB(200, 100, 50), "200,100,50"};
const ColourSpot greenAtTheGrownBottom = {{2470, 690, 2510, 720}, RGB(30, 160, 90), "30,160,90"};

// A press 15 pixels or more inside the left and top edges and more than 14 inside the right and bottom edges moves
// the ruler; the presses lie on those boundaries. A moved ruler stops flush at the screen's right and bottom edges and
// at 0, and keeps its size.
const DragCase moveCases[] = {
    {"StopsAtZeroOnTheLeft",
     {100, 300, 300, 150},
     {15, 15},
     {{-50, 0, {50, 300, 300, 150}}, {-110, 0, {0, 300, 300, 150}}}},
    {"StopsAtZeroAtTheTop",
     {300, 100, 300, 150},
     {285, 135},
     {{0, -45, {300, 55, 300, 150}}, {0, -135, {300, 0, 300, 150}}}},
    {"StopsFlushAtTheScreensRight",
     {700, 300, 300, 150},
     {150, 75},
     {{50, 0, {750, 300, 300, 150}}, {350, 0, {980, 300, 300, 150}}},
     900,
     &orangeAtTheRight},
    {"StopsFlushAtTheScreensBottom",
     {100, 700, 300, 150},
     {150, 75},
     {{0, 25, {100, 725, 300, 150}}, {0, 175, {100, 874, 300, 150}}}},
    {"WithoutContentsShownMovesAtTheRelease",
     {400, 300, 300, 150},
     {150, 75},
     {{40, 30, {440, 330, 300, 150}}, {90, 60, {490, 360, 300, 150}}},
     900,
     &greenInTheMiddle,
     false},
};

INSTANTIATE_TEST_SUITE_P(Move, RulerDragTest, testing::ValuesIn(moveCases), CaseName);

// Each edge and corner, pressed on the innermost pixel of its zone. Sizing holds the right and bottom edges at the
// screen's edges and keeps 23 pixels of width and height, taken from the side being dragged; the left and top edges
// are not held at 0.
const DragCase sizeCases[] = {
    {"LeftEdgeKeepsTheLeastWidthLeftOfTheRightEdge",
     {400, 300, 300, 150},
     {14, 75},
     {{95, 0, {495, 300, 205, 150}}, {285, 0, {677, 300, 23, 150}}}},
    {"RightEdgeKeepsTheLeastWidth",
     {400, 300, 300, 150},
     {286, 75},
     {{-95, 0, {400, 300, 205, 150}}, {-285, 0, {400, 300, 23, 150}}}},
    {"TopEdgeKeepsTheLeastHeightAboveTheBottomEdge",
     {400, 300, 300, 150},
     {150, 14},
     {{0, 45, {400, 345, 300, 105}}, {0, 135, {400, 427, 300, 23}}}},
    {"BottomEdgeKeepsTheLeastHeight",
     {400, 300, 300, 150},
     {150, 136},
     {{0, -45, {400, 300, 300, 105}}, {0, -135, {400, 300, 300, 23}}}},
    {"TopLeftCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {14, 14},
     {{95, 45, {495, 345, 205, 105}}, {285, 135, {677, 427, 23, 23}}}},
    {"TopRightCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {286, 14},
     {{-95, 45, {400, 345, 205, 105}}, {-285, 135, {400, 427, 23, 23}}}},
    {"BottomRightCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {286, 136},
     {{-95, -45, {400, 300, 205, 105}}, {-285, -135, {400, 300, 23, 23}}},
     900,
     &greenNearTheLeastSize},
    {"BottomLeftCornerKeepsTheLeastSize",
     {400, 300, 300, 150},
     {14, 136},
     {{95, -45, {495, 300, 205, 105}}, {285, -135, {677, 300, 23, 23}}}},
    {.name = "RightEdgeStopsAtTheScreensRight",
     .start = {900, 300, 300, 150},
     .press = {286, 75},
     .steps = {{25, 0, {900, 300, 325, 150}}, {93, 0, {900, 300, 380, 150}}},
     .mainX = 20,
     .spot = &amberAtTheGrownRight},
    {.name = "BottomEdgeStopsAtTheScreensBottom",
     .start = {100, 800, 300, 150},
     .press = {150, 136},
     .steps = {{0, 25, {100, 800, 300, 175}}, {0, 87, {100, 800, 300, 224}}},
     .spot = &blueAtTheGrownBottomLeft,
     .corner = CornerBottomLeftOption},
    {.name = "BottomRightCornerStopsAtTheScreensCorner",
     .start = {900, 800, 300, 150},
     .press = {286, 136},
     .steps = {{25, 25, {900, 800, 325, 175}}, {84, 82, {900, 800, 380, 224}}},
     .mainX = 20,
     .spot = &orangeAtTheGrownTopRight,
     .corner = CornerTopRightOption},
    {"WithoutContentsShownSizesAtTheRelease",
     {400, 300, 300, 150},
     {286, 136},
     {{-20, -10, {400, 300, 280, 140}}, {-60, -40, {400, 300, 240, 110}}},
     900,
     &blueAtTheShrunkCorner,
     false},
    {"LeftEdgeIsNotHeldAtZero",
     {10, 300, 300, 150},
     {14, 75},
     {{-10, 0, {0, 300, 310, 150}}, {-24, 0, {-14, 300, 324, 150}}}},
    {"TopEdgeIsNotHeldAtZero",
     {300, 10, 300, 150},
     {150, 14},
     {{0, -10, {300, 0, 300, 160}}, {0, -24, {300, -14, 300, 174}}}},
};

INSTANTIATE_TEST_SUITE_P(Size, RulerDragTest, testing::ValuesIn(sizeCases), CaseName);

// Several monitors: the ruler passes from the primary monitor onto the others, stops flush at the outer edges of the
// box around them, at the bottom of a shorter monitor and at the edge of a monitor beside which no other one lies; on
// a monitor left of the primary one its place is negative.
const DragCase monitorCases[] = {
    {.name = "ReachesTheMonitorOnTheRight",
     .start = {1500, 300, 300, 150},
     .press = {150, 75},
     .steps = {{300, 0, {1800, 300, 300, 150}}, {700, 0, {2200, 300, 300, 150}}},
     .monitors = &ShorterMonitorRight},
    {.name = "StopsFlushAtTheOuterRightEdge",
     .start = {2700, 300, 300, 150},
     .press = {150, 75},
     .steps = {{100, 0, {2800, 300, 300, 150}}, {300, 0, {2900, 300, 300, 150}}},
     .monitors = &ShorterMonitorRight},
    {.name = "StopsAtTheShorterMonitorsBottom",
     .start = {2200, 400, 300, 150},
     .press = {150, 75},
     .steps = {{0, 100, {2200, 500, 300, 150}}, {0, 300, {2200, 570, 300, 150}}},
     .monitors = &ShorterMonitorRight},
    {.name = "SizingStopsAtTheShorterMonitorsBottom",
     .start = {2200, 400, 300, 150},
     .press = {150, 136},
     .steps = {{0, 100, {2200, 400, 300, 250}}, {0, 300, {2200, 400, 300, 320}}},
     .spot = &greenAtTheGrownBottom,
     .monitors = &ShorterMonitorRight},
    // Monitors that change while the button is held change the drag's limits at once. (The system's move loop keeps
    // the mouse inside the screen as it was when the drag began: a monitor beyond it is reached by the next drag.)
    {.name = "StopsAtTheEdgeOfAMonitorThatGoesDuringTheDrag",
     .start = {1500, 300, 300, 150},
     .press = {150, 75},
     .steps = {{300, 0, {1800, 300, 300, 150}}, {700, 0, {1620, 300, 300, 150}, &PrimaryAlone}},
     .monitors = &ShorterMonitorRight},
    {.name = "ReachesFurtherOnAMonitorThatGrowsDuringTheDrag",
     .start = {2200, 400, 300, 150},
     .press = {150, 75},
     .steps = {{0, 100, {2200, 500, 300, 150}}, {0, 500, {2200, 900, 300, 150}, &EvenMonitorRight}},
     .monitors = &ShorterMonitorRight},
    {.name = "ReachesTheMonitorOnTheLeft",
     .start = {100, 300, 300, 150},
     .press = {150, 75},
     .steps = {{-300, 0, {-200, 300, 300, 150}}, {-800, 0, {-700, 300, 300, 150}}},
     .monitors = &MonitorLeft},
    {.name = "StopsFlushAtTheLeftMonitorsLeftEdge",
     .start = {-1100, 300, 300, 150},
     .press = {150, 75},
     .steps = {{-100, 0, {-1200, 300, 300, 150}}, {-300, 0, {-1280, 300, 300, 150}}},
     .monitors = &MonitorLeft},
};

INSTANTIATE_TEST_SUITE_P(Monitors, RulerDragTest, testing::ValuesIn(monitorCases), CaseName);

} // namespace
