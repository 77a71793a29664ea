#include <windows.h>

#include <gtest/gtest.h>

#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "program_windows.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_windows.h"
#include "windows/window_placement.h"

namespace {

struct Holdings {
    DWORD gdiObjects = 0, userObjects = 0; // the system's count; Wine answers 0
    int threadWindows = 0;                 // every window of the thread, controls and tooltips included
    TkObjectCounts toolkit;
};

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

Holdings Now()
{
    PumpMessages();
    Holdings holdings;
    holdings.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    holdings.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&holdings.threadWindows));
    holdings.toolkit = TkCountObjects();
    return holdings;
}

constexpr int cornerOptions[] = {CornerTopLeftOption, CornerTopRightOption, CornerBottomRightOption,
                                 CornerBottomLeftOption};

} // namespace

// The probe runs on every drag step and the windows are rebuilt whenever tooltips are switched: anything either
// of them keeps would pile up over a working day.
TEST(ProbeLeaks, TenThousandProbesAndAHundredRebuildsHoldNothingMore)
{
    BuildProgramWindows({0, 0, 1, 700, 10, 100, 100, 300, 150});
    TkSetControlState(CornerTopLeftOption, 1);
    ProbeRulerCorner();
    RebuildWindows();
    TkSetControlState(CornerTopLeftOption, 1);
    ProbeRulerCorner();
    const Holdings first = Now();
    ASSERT_GT(first.threadWindows, 60) << "the main and ruler windows with their controls must exist";

    constexpr int probes = 10000, rebuilds = 100;
    for (int i = 1; i <= probes; ++i) {
        if (i % 25 == 0)
            TkSetControlState(cornerOptions[(i / 25) % 4], 1);
        // Nudges move the ruler back and forth, so that fields, colours and the peephole really change.
        if (i % 3 == 0)
            MoveRulerStep(RulerWindow, (i / 3) % 2 ? SideRight : SideLeft, 1);
        else
            ProbeRulerCorner();
        if (i % (probes / rebuilds) == 0)
            RebuildWindows();
        if (i % 64 == 0)
            PumpMessages();
    }
    TkSetControlState(CornerTopLeftOption, 1);
    ProbeRulerCorner();
    const Holdings last = Now();

    EXPECT_EQ(last.threadWindows, first.threadWindows);
    EXPECT_EQ(last.toolkit.windows, first.toolkit.windows);
    EXPECT_EQ(last.toolkit.controls, first.toolkit.controls);
    EXPECT_EQ(last.toolkit.menus, first.toolkit.menus);
    EXPECT_EQ(last.toolkit.brushes, first.toolkit.brushes);
    EXPECT_EQ(last.toolkit.accelerators, first.toolkit.accelerators);
    EXPECT_EQ(last.toolkit.fonts, first.toolkit.fonts);
    EXPECT_EQ(last.toolkit.images, first.toolkit.images);
    EXPECT_EQ(last.gdiObjects, first.gdiObjects);
    EXPECT_EQ(last.userObjects, first.userObjects);
    TkShutdown();
}

// The leak test compares the system's own counts of GDI and USER objects too, but only where they exist.
TEST(ProbeLeaks, SystemCountsGuiObjects)
{
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const DWORD withBrush = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DeleteObject(brush);
    if (gdi == 0 && withBrush == 0)
        GTEST_SKIP() << "GetGuiResources answers 0 here (Wine): GDI objects made and freed outside the toolkit's "
                        "records are not counted by the leak test; the thread's windows and the toolkit's own "
                        "windows, controls, brushes, accelerators, fonts and images are";
    EXPECT_EQ(withBrush, gdi + 1);
}
