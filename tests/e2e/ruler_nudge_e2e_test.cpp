// The one-pixel steps of the arrow keys and of the twelve buttons: each moves or sizes exactly one side, they act on
// the main window and on the ruler, and nothing holds them to the screen or to the ruler's least size. With Alt they
// search for the next change of the screen's colour instead, and stop at the monitors' edge.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/object_ids.h"
#include "measure_support.h"
#include "monitor_layout.h"

namespace {

// Generous: a loaded machine may keep the program busy for seconds, and a wait that ends early costs nothing.
constexpr auto StepTimeout = std::chrono::seconds(20);

struct Nudge {
    const char* name;
    WORD key, modifier;
    int button;
    int dx, dy, dw, dh;
};

// Arrow: move; Shift: that side outward (grow); Ctrl: that side inward (shrink).
const Nudge nudges[] = {
    {"Up", VK_UP, 0, MoveUpButton, 0, -1, 0, 0},
    {"Down", VK_DOWN, 0, MoveDownButton, 0, 1, 0, 0},
    {"Left", VK_LEFT, 0, MoveLeftButton, -1, 0, 0, 0},
    {"Right", VK_RIGHT, 0, MoveRightButton, 1, 0, 0, 0},
    {"Shift+Up", VK_UP, VK_SHIFT, GrowTopButton, 0, -1, 0, 1},
    {"Shift+Down", VK_DOWN, VK_SHIFT, GrowBottomButton, 0, 0, 0, 1},
    {"Shift+Left", VK_LEFT, VK_SHIFT, GrowLeftButton, -1, 0, 1, 0},
    {"Shift+Right", VK_RIGHT, VK_SHIFT, GrowRightButton, 0, 0, 1, 0},
    {"Ctrl+Up", VK_UP, VK_CONTROL, ShrinkTopButton, 0, 1, 0, -1},
    {"Ctrl+Down", VK_DOWN, VK_CONTROL, ShrinkBottomButton, 0, 0, 0, -1},
    {"Ctrl+Left", VK_LEFT, VK_CONTROL, ShrinkLeftButton, 1, 0, -1, 0},
    {"Ctrl+Right", VK_RIGHT, VK_CONTROL, ShrinkRightButton, 0, 0, -1, 0},
};

RulerBox After(const RulerBox& box, const Nudge& n)
{
    return {box.x + n.dx, box.y + n.dy, box.w + n.dw, box.h + n.dh};
}

enum class Source { MainWindowKeys, RulerWindowKeys, Buttons };

class RulerNudgeTest : public testing::TestWithParam<Source> {
protected:
    MeasuredProgram program;
};

std::string SourceName(const testing::TestParamInfo<Source>& info)
{
    switch (info.param) {
    case Source::MainWindowKeys: return "KeysOnMainWindow";
    case Source::RulerWindowKeys: return "KeysOnRuler";
    case Source::Buttons: return "Buttons";
    }
    return "";
}

// A step that moves the wrong side, by the wrong amount or not at all, or that leaves the panel behind.
TEST_P(RulerNudgeTest, EachStepMovesOneSideByOnePixel)
{
    StartPlaces places;
    places.ruler = {400, 10, 300, 150};
    ASSERT_TRUE(program.Start(places)) << program.StartProblem();
    if (GetParam() == Source::MainWindowKeys) {
        ASSERT_TRUE(program.ActivateMainWindow()) << "a click did not make the main window active";
    } else if (GetParam() == Source::RulerWindowKeys) {
        ASSERT_TRUE(program.ActivateRuler()) << "a click did not make the ruler active";
    }
    ASSERT_EQ(program.RulerWindowBox(), places.ruler) << "the click moved the ruler";

    for (const Nudge& n : nudges) {
        SCOPED_TRACE(n.name);
        const RulerBox before = program.RulerWindowBox();
        const RulerBox expected = After(before, n);
        if (GetParam() == Source::Buttons)
            program.ClickControl(n.button);
        else
            PressKey(n.key, {n.modifier});
        EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == expected && program.PanelAgrees(expected); },
                              StepTimeout))
            << "from " << Describe(before) << " expected " << Describe(expected) << ": " << program.PanelTexts();
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, RulerNudgeTest,
                         testing::Values(Source::MainWindowKeys, Source::RulerWindowKeys, Source::Buttons), SourceName);

struct EdgeNudge {
    const char* name;
    RulerBox start;
    WORD key, modifier;
    RulerBox expected;
};

// The screen is 1280 x 1024 in these cases; they are skipped on another.
const EdgeNudge edgeNudges[] = {
    {"LeftAtZeroGoesToMinusOne", {0, 300, 300, 150}, VK_LEFT, 0, {-1, 300, 300, 150}},
    {"UpAtZeroGoesToMinusOne", {300, 0, 300, 150}, VK_UP, 0, {300, -1, 300, 150}},
    {"RightAtTheScreensRightPassesIt", {980, 300, 300, 150}, VK_RIGHT, 0, {981, 300, 300, 150}},
    {"DownAtTheScreensBottomPassesIt", {300, 874, 300, 150}, VK_DOWN, 0, {300, 875, 300, 150}},
    {"ShiftRightAtTheScreensRightGrowsPastIt", {980, 300, 300, 150}, VK_RIGHT, VK_SHIFT, {980, 300, 301, 150}},
    {"ShiftDownAtTheScreensBottomGrowsPastIt", {300, 874, 300, 150}, VK_DOWN, VK_SHIFT, {300, 874, 300, 151}},
    {"ShiftLeftAtZeroGrowsPastIt", {0, 300, 300, 150}, VK_LEFT, VK_SHIFT, {-1, 300, 301, 150}},
    {"CtrlLeftShrinksBelowTheLeastWidth", {400, 300, 23, 150}, VK_LEFT, VK_CONTROL, {401, 300, 22, 150}},
    {"CtrlRightShrinksBelowTheLeastWidth", {400, 300, 23, 150}, VK_RIGHT, VK_CONTROL, {400, 300, 22, 150}},
    {"CtrlUpShrinksBelowTheLeastHeight", {400, 300, 300, 23}, VK_UP, VK_CONTROL, {400, 301, 300, 22}},
    {"CtrlDownShrinksBelowTheLeastHeight", {400, 300, 300, 23}, VK_DOWN, VK_CONTROL, {400, 300, 300, 22}},
};

class RulerNudgeLimitTest : public testing::TestWithParam<EdgeNudge> {
protected:
    MeasuredProgram program;
};

// The limits of a mouse drag must not act on a step: a held step would leave the ruler where it was.
TEST_P(RulerNudgeLimitTest, StepIsNotHeldByTheDragLimits)
{
    if (ScreenWidth() != 1280 || ScreenHeight() != 1024)
        GTEST_SKIP() << "the cases are laid out for a 1280 x 1024 screen";
    const EdgeNudge& c = GetParam();
    StartPlaces places;
    places.ruler = c.start;
    ASSERT_TRUE(program.Start(places)) << program.StartProblem();
    ASSERT_TRUE(program.ActivateMainWindow());
    PressKey(c.key, {c.modifier});
    EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == c.expected && program.PanelAgrees(c.expected); },
                          StepTimeout))
        << "expected " << Describe(c.expected) << ": " << program.PanelTexts();
}

void PrintTo(const EdgeNudge& c, std::ostream* out)
{
    *out << c.name;
}

std::string EdgeNudgeName(const testing::TestParamInfo<EdgeNudge>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, RulerNudgeLimitTest, testing::ValuesIn(edgeNudges), EdgeNudgeName);

// Plain windows of known colour beneath the ruler, which lies above them all.
struct Patch {
    RECT place;
    COLORREF colour;
};
constexpr COLORREF Field = RGB(30, 90, 160), Wall = RGB(200, 60, 40), Box = RGB(60, 160, 60);

// On the 1280 x 1024 screen, for a ruler at (300, 300) of 200 x 100 (its middle row 350, middle column 400): a field
// from 100 to 799 across and down, a wall across it from x = 600, a band from y = 550, and a box inside the ruler
// from (350, 320) to (449, 379). Created in this order, each above the ones before.
const std::vector<Patch> fieldScene = {
    {{100, 100, 800, 700}, Field},
    {{600, 100, 650, 700}, Wall},
    {{100, 550, 800, 600}, Wall},
    {{350, 320, 450, 380}, Box},
};
// On a 1920 x 1080 monitor with a 1280 x 720 one to its right: a field on the right monitor reaching its right edge,
// one on the primary monitor beside the gap below the right one, and one across the two monitors.
const std::vector<Patch> monitorScene = {
    {{2400, 100, 3200, 600}, Field},
    {{1500, 750, 1920, 1000}, Field},
    {{1700, 250, 2300, 350}, Field},
};

struct EdgeSearch {
    const char* name;
    const std::vector<Patch>* scene;
    RulerBox start;
    WORD key, modifier; // with Alt; or with Alt held, a click on the button
    int button;
    RulerBox expected;
};

constexpr RulerBox InField{300, 300, 200, 100};

const EdgeSearch edgeSearches[] = {
    {"AltShiftRightGrowsToTheWall", &fieldScene, InField, VK_RIGHT, VK_SHIFT, 0, {300, 300, 300, 100}},
    {"AltShiftLeftGrowsToTheFieldsEdge", &fieldScene, InField, VK_LEFT, VK_SHIFT, 0, {100, 300, 400, 100}},
    {"AltShiftDownGrowsToTheBand", &fieldScene, InField, VK_DOWN, VK_SHIFT, 0, {300, 300, 200, 250}},
    {"AltShiftUpGrowsToTheFieldsEdge", &fieldScene, InField, VK_UP, VK_SHIFT, 0, {300, 100, 200, 300}},
    // Shrinking reads beneath the ruler: its own scales and labels must not count as edges.
    {"AltCtrlRightShrinksOntoTheBox", &fieldScene, InField, VK_RIGHT, VK_CONTROL, 0, {300, 300, 150, 100}},
    {"AltCtrlLeftShrinksOntoTheBox", &fieldScene, InField, VK_LEFT, VK_CONTROL, 0, {350, 300, 150, 100}},
    {"AltCtrlDownShrinksOntoTheBox", &fieldScene, InField, VK_DOWN, VK_CONTROL, 0, {300, 300, 200, 80}},
    {"AltCtrlUpShrinksOntoTheBox", &fieldScene, InField, VK_UP, VK_CONTROL, 0, {300, 320, 200, 80}},
    {"AltRightMovesToTheWall", &fieldScene, InField, VK_RIGHT, 0, 0, {400, 300, 200, 100}},
    {"AltLeftMovesToTheFieldsEdge", &fieldScene, InField, VK_LEFT, 0, 0, {100, 300, 200, 100}},
    {"AltDownMovesToTheBand", &fieldScene, InField, VK_DOWN, 0, 0, {300, 450, 200, 100}},
    {"AltUpMovesToTheFieldsEdge", &fieldScene, InField, VK_UP, 0, 0, {300, 100, 200, 100}},
    {"AltClickGrowRight", &fieldScene, InField, 0, 0, GrowRightButton, {300, 300, 300, 100}},
    {"AltClickShrinkTop", &fieldScene, InField, 0, 0, ShrinkTopButton, {300, 320, 200, 80}},
    {"AltClickMoveDown", &fieldScene, InField, 0, 0, MoveDownButton, {300, 450, 200, 100}},
};

const EdgeSearch monitorSearches[] = {
    {"AltShiftRightStopsAtTheMonitorsEdge",
     &monitorScene,
     {2500, 200, 200, 100},
     VK_RIGHT,
     VK_SHIFT,
     0,
     {2500, 200, 700, 100}},
    {"AltRightStopsBeforeTheGap", &monitorScene, {1600, 850, 200, 100}, VK_RIGHT, 0, 0, {1720, 850, 200, 100}},
    {"AltShiftRightPassesOntoTheNextMonitor",
     &monitorScene,
     {1750, 280, 100, 40},
     VK_RIGHT,
     VK_SHIFT,
     0,
     {1750, 280, 550, 40}},
};

class RulerEdgeSearchTest : public testing::TestWithParam<EdgeSearch> {
protected:
    void SetUp() override
    {
        const EdgeSearch& c = GetParam();
        if (c.scene == &monitorScene) {
            if (!CanSplitDisplay())
                GTEST_SKIP()
                    << "several monitors need the display of the several-monitor prefix (ctest -R e2e.Monitors)";
            ASSERT_TRUE(UseMonitors(ShorterMonitorRight)) << "Wine sees " << DescribeMonitors();
        } else if (ScreenWidth() != 1280 || ScreenHeight() != 1024) {
            GTEST_SKIP() << "the scene is laid out for a 1280 x 1024 screen";
        }
        // The patches come first: each waits until the screen shows it, which the ruler above would hide.
        for (const Patch& patch : *c.scene)
            patches.push_back(std::make_unique<ColourWindow>("patch", patch.colour, patch.place));
        StartPlaces places;
        places.ruler = c.start;
        ASSERT_TRUE(program.Start(places)) << program.StartProblem();
    }

    MeasuredProgram program;
    std::vector<std::unique_ptr<ColourWindow>> patches;
};

// A search that stops short or runs on, that takes the ruler's own picture for an edge, or after which letting Alt go
// leaves the keyboard with the menu bar.
TEST_P(RulerEdgeSearchTest, SideStopsAtTheNextChangeOfColour)
{
    const EdgeSearch& c = GetParam();
    // A button's Alt is held, as a user holds it, until the ruler has moved. It goes down once the button is pressed:
    // Wine takes the modifiers' state from the X display when the press moves the keyboard focus, and the display
    // never saw this Alt.
    if (c.button) {
        MoveMouseTo(program.ControlCentre(c.button));
        HoldMouseButton(true);
        HWND button = GetDlgItem(program.MainWindowHandle(), c.button);
        ASSERT_TRUE(WaitUntil([&] { return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }))
            << "the press did not reach the button";
        SendInputs({KeyInput(VK_MENU, false)});
        HoldMouseButton(false);
    } else {
        PressKey(c.key, {VK_MENU, c.modifier});
    }
    const bool found = WaitUntil(
        [&] { return program.RulerWindowBox() == c.expected && program.PanelAgrees(c.expected); }, StepTimeout);
    if (c.button)
        SendInputs({KeyInput(VK_MENU, true)});
    ASSERT_TRUE(found) << "from " << Describe(c.start) << " expected " << Describe(c.expected) << ", the ruler is at "
                       << Describe(program.RulerWindowBox()) << ": " << program.PanelTexts();
    // With the menu bar holding the keyboard, the arrow would open a menu instead of moving the ruler.
    const RulerBox nudged{c.expected.x, c.expected.y + 1, c.expected.w, c.expected.h};
    PressKey(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == nudged; }, StepTimeout))
        << "letting Alt go left the keyboard with the menu bar";
}

void PrintTo(const EdgeSearch& c, std::ostream* out)
{
    *out << c.name;
}

std::string EdgeSearchName(const testing::TestParamInfo<EdgeSearch>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Searches, RulerEdgeSearchTest, testing::ValuesIn(edgeSearches), EdgeSearchName);
INSTANTIATE_TEST_SUITE_P(Monitors, RulerEdgeSearchTest, testing::ValuesIn(monitorSearches), EdgeSearchName);

} // namespace
