// Monitors that go and come back while the program runs: the windows that stood on a monitor that went come back
// onto the one that is left, the ruler's scales and the panel's ranges follow the new screen.
#include <gtest/gtest.h>

#include "core/object_ids.h"
#include "measure_support.h"
#include "monitor_layout.h"

namespace {

struct DisplayChangeCase {
    const char* name;
    const MonitorLayout* monitors; // at the start and again at the end; in between the primary monitor alone
    StartPlaces start;             // the ruler and the main window on the monitor that goes
    RulerBox rulerBack;            // the ruler when only the primary monitor is left
    const char* positionRange;     // the range labels at the start
    const char* sizeRange;
};

class DisplayChangeTest : public testing::TestWithParam<DisplayChangeCase> {
protected:
    void SetUp() override
    {
        if (!CanSplitDisplay())
            GTEST_SKIP() << "several monitors need the display of the several-monitor prefix (ctest -R e2e.Monitors)";
    }

    bool RangesRead(const std::string& position, const std::string& size) const
    {
        return program.Field(PositionRangeLabel) == position && program.Field(SizeRangeLabel) == size;
    }

    std::string Ranges() const
    {
        return "'" + program.Field(PositionRangeLabel) + "', '" + program.Field(SizeRangeLabel) + "'";
    }

    MeasuredProgram program;
};

TEST_P(DisplayChangeTest, WindowsComeBackWhenTheirMonitorGoes)
{
    const DisplayChangeCase& c = GetParam();
    ASSERT_TRUE(UseMonitors(*c.monitors)) << "Wine sees " << DescribeMonitors();
    ASSERT_TRUE(program.Start(c.start)) << program.StartProblem();
    program.ClickControl(CornerBottomRightOption);
    // The click has been taken when the peephole stands at the bottom-right corner.
    EXPECT_TRUE(WaitUntil([&] {
        const RulerBox box = program.RulerWindowBox();
        return program.RulerControlsMisfit(box, {box.w - 1, box.h - 1}).empty();
    }));
    EXPECT_TRUE(RangesRead(c.positionRange, c.sizeRange)) << Ranges();

    // Wine tells the programs with WM_DISPLAYCHANGE only when it reads the monitors again, which UseMonitors makes it.
    ASSERT_TRUE(UseMonitors(PrimaryAlone)) << "Wine sees " << DescribeMonitors();
    const RulerBox back = c.rulerBack;
    EXPECT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == back && program.PanelAgrees(back); }))
        << "expected " << Describe(back) << ", the panel shows " << program.PanelTexts();
    EXPECT_TRUE(RangesRead("Linealposition 0 - 1919", "Linealgr\xF6sse 1 - 1920")) << Ranges();
    EXPECT_EQ(program.RulerControlsMisfit(back, {back.w - 1, back.h - 1}), "");
    EXPECT_EQ(ControlRect(program.RulerWindowHandle(), TopScaleImage).right, 1920)
        << "the scales are drawn for the new screen's width";
    const RECT panel = WindowRect(program.MainWindowHandle());
    EXPECT_TRUE(panel.left >= 0 && panel.right <= 1920 && panel.top >= 0 && panel.top < 1080)
        << "the main window is not back on the primary monitor: " << RectText(panel);

    ASSERT_TRUE(UseMonitors(*c.monitors)) << "Wine sees " << DescribeMonitors();
    EXPECT_TRUE(WaitUntil([&] { return RangesRead(c.positionRange, c.sizeRange); })) << Ranges();
    EXPECT_TRUE(program.PanelAgrees(back)) << "the ruler stays where it was brought: " << program.PanelTexts();
}

void PrintTo(const DisplayChangeCase& c, std::ostream* out)
{
    *out << c.name;
}

const DisplayChangeCase displayChangeCases[] = {
    {"FromTheMonitorOnTheRight",
     &ShorterMonitorRight,
     {{2200, 300, 300, 150}, 2500, 100},
     {1620, 300, 300, 150},
     "Linealposition 0 - 3199",
     "Linealgr\xF6sse 1 - 3200"},
    {"FromTheMonitorOnTheLeft",
     &MonitorLeft,
     {{-600, 650, 300, 150}, -1000, 100},
     {0, 650, 300, 150},
     "Linealposition -1280 - 1919",
     "Linealgr\xF6sse 1 - 3200"},
};

INSTANTIATE_TEST_SUITE_P(Monitors, DisplayChangeTest, testing::ValuesIn(displayChangeCases),
                         [](const testing::TestParamInfo<DisplayChangeCase>& info) { return info.param.name; });

} // namespace
