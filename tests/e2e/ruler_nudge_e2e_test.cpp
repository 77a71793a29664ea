// The one-pixel steps of the arrow keys and of the twelve buttons: each moves or sizes exactly one side, they act on
// the main window and on the ruler, and nothing holds them to the screen or to the ruler's least size.
#include <gtest/gtest.h>

#include "core/object_ids.h"
#include "measure_support.h"

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

} // namespace
