#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/object_ids.h"
#include "core/ruler_drag.h"
#include "core/screen_measure.h"
#include "measure/corner_probe.h"
#include "program_windows.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_windows.h"
#include "win_test_support.h"
#include "windows/window_placement.h"
#include "wine.h"

namespace {

// Wine's GetGuiResources answers 0, so the test build counts GDI objects itself: the program calls gdi32 through
// its import table, whose slots for the functions that make and free objects are pointed at counting wrappers.
// An object counts as live while it is still valid and not freed by the program; a free that fails (the object is
// gone already) is counted apart.
struct GdiCounter {
    std::set<HGDIOBJ> made;
    int failedFrees = 0;
    int freedWhileShown = 0; // pictures freed while a control still showed them
};

GdiCounter gGdi;

HGDIOBJ Made(HGDIOBJ object)
{
    if (object)
        gGdi.made.insert(object);
    return object;
}

decltype(&CreateSolidBrush) gCreateSolidBrush;
decltype(&CreatePatternBrush) gCreatePatternBrush;
decltype(&CreateFontA) gCreateFontA;
decltype(&CreateFontIndirectA) gCreateFontIndirectA;
decltype(&CreateCompatibleDC) gCreateCompatibleDC;
decltype(&CreateDIBSection) gCreateDIBSection;
decltype(&DeleteObject) gDeleteObject;
decltype(&DeleteDC) gDeleteDC;

HBRUSH WINAPI CountedSolidBrush(COLORREF colour)
{
    return static_cast<HBRUSH>(Made(gCreateSolidBrush(colour)));
}
HBRUSH WINAPI CountedPatternBrush(HBITMAP bitmap)
{
    return static_cast<HBRUSH>(Made(gCreatePatternBrush(bitmap)));
}
HFONT WINAPI CountedFont(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD c, DWORD op, DWORD cp,
                         DWORD q, DWORD p, LPCSTR face)
{
    return static_cast<HFONT>(Made(gCreateFontA(h, w, e, o, weight, i, u, s, c, op, cp, q, p, face)));
}
HFONT WINAPI CountedFontIndirect(const LOGFONTA* description)
{
    return static_cast<HFONT>(Made(gCreateFontIndirectA(description)));
}
HDC WINAPI CountedDC(HDC dc)
{
    return static_cast<HDC>(Made(gCreateCompatibleDC(dc)));
}
HBITMAP WINAPI CountedDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset)
{
    return static_cast<HBITMAP>(Made(gCreateDIBSection(dc, info, usage, bits, section, offset)));
}
BOOL Freed(HGDIOBJ object, BOOL ok)
{
    if (ok)
        gGdi.made.erase(object);
    else if (object)
        ++gGdi.failedFrees;
    return ok;
}
// Whether one of the panel's picture controls shows the bitmap.
bool ShownByAControl(HGDIOBJ bitmap)
{
    for (int control : {MoveUpButton, MoveDownButton, MoveLeftButton, MoveRightButton, GrowTopButton, GrowBottomButton,
                        GrowLeftButton, GrowRightButton, ShrinkTopButton, ShrinkBottomButton, ShrinkLeftButton,
                        ShrinkRightButton, MagnifierView}) {
        const UINT ask = control == MagnifierView ? STM_GETIMAGE : BM_GETIMAGE;
        HWND handle = TkControlHandle(control);
        if (handle && reinterpret_cast<HGDIOBJ>(SendMessageA(handle, ask, IMAGE_BITMAP, 0)) == bitmap)
            return true;
    }
    return false;
}

BOOL WINAPI CountedDeleteObject(HGDIOBJ object)
{
    if (GetObjectType(object) == OBJ_BITMAP && ShownByAControl(object))
        ++gGdi.freedWhileShown;
    return Freed(object, gDeleteObject(object));
}
BOOL WINAPI CountedDeleteDC(HDC dc)
{
    return Freed(dc, gDeleteDC(dc));
}

void CountGdiObjects()
{
    static const bool redirected =
        RedirectImport("gdi32.dll", "CreateSolidBrush", &CountedSolidBrush, gCreateSolidBrush) &&
        RedirectImport("gdi32.dll", "CreatePatternBrush", &CountedPatternBrush, gCreatePatternBrush) &&
        RedirectImport("gdi32.dll", "CreateFontA", &CountedFont, gCreateFontA) &&
        RedirectImport("gdi32.dll", "CreateFontIndirectA", &CountedFontIndirect, gCreateFontIndirectA) &&
        RedirectImport("gdi32.dll", "CreateCompatibleDC", &CountedDC, gCreateCompatibleDC) &&
        RedirectImport("gdi32.dll", "CreateDIBSection", &CountedDIBSection, gCreateDIBSection) &&
        RedirectImport("gdi32.dll", "DeleteObject", &CountedDeleteObject, gDeleteObject) &&
        RedirectImport("gdi32.dll", "DeleteDC", &CountedDeleteDC, gDeleteDC);
    ASSERT_TRUE(redirected) << "a GDI function is not imported through the program's import table";
}

// The objects the program made that are still valid: those it freed and those the system freed (a window
// class's background brush) are not.
// How many live objects of each type (brush, font, bitmap, DC) the program made, for failure messages.
std::string LiveObjectTypes()
{
    int counts[OBJ_COLORSPACE + 1] = {};
    for (HGDIOBJ object : gGdi.made)
        if (const DWORD type = GetObjectType(object); type <= OBJ_COLORSPACE)
            ++counts[type];
    return "brushes " + std::to_string(counts[OBJ_BRUSH]) + ", fonts " + std::to_string(counts[OBJ_FONT]) +
           ", bitmaps " + std::to_string(counts[OBJ_BITMAP]) + ", memory DCs " + std::to_string(counts[OBJ_MEMDC]);
}

int LiveGdiObjects()
{
    int live = 0;
    for (HGDIOBJ object : gGdi.made)
        live += GetObjectType(object) != 0;
    return live;
}

struct Holdings {
    int liveGdiObjects = 0, failedGdiFrees = 0; // counted through the import table
    DWORD gdiObjects = 0, userObjects = 0;      // the system's count; Wine answers 0
    int threadWindows = 0;                      // every window of the thread, controls and tooltips included
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
    holdings.liveGdiObjects = LiveGdiObjects();
    holdings.failedGdiFrees = gGdi.failedFrees;
    holdings.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    holdings.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&holdings.threadWindows));
    holdings.toolkit = TkCountObjects();
    return holdings;
}

constexpr int cornerOptions[] = {CornerTopLeftOption, CornerTopRightOption, CornerBottomRightOption,
                                 CornerBottomLeftOption};

// A drag of a few steps, each frame shown, and the probe after it.
void DragRuler()
{
    HWND ruler = TkWindowHandle(RulerWindow);
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    for (int step = 1; step <= 4; ++step) {
        SetWindowPos(ruler, nullptr, TkWindowX(RulerWindow) + (step % 2 ? 1 : -1), TkWindowY(RulerWindow),
                     TkWindowWidth(RulerWindow) + 1, TkWindowHeight(RulerWindow), SWP_NOZORDER | SWP_NOACTIVATE);
        WaitUntil([] {
            PumpMessages();
            return !RulerProbeDue();
        });
    }
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    WaitUntil([] {
        PumpMessages();
        return !RulerProbeDue();
    });
}

// The panel moved onto a display of another resolution, as the system tells it.
void MovePanelOntoDisplayOf(int dpi)
{
    RECT place{TkWindowX(MainWindow), TkWindowY(MainWindow), TkWindowX(MainWindow) + 400, TkWindowY(MainWindow) + 700};
    SendMessageA(TkWindowHandle(MainWindow), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
}

} // namespace

// The probe runs on every drag step and the windows are rebuilt whenever tooltips are switched: anything either
// of them keeps would pile up over a working day. So would drags' frames, changes of the display's scale and
// display changes.
TEST(ProbeLeaks, TenThousandProbesAndAHundredRebuildsHoldNothingMore)
{
    CountGdiObjects();
    BuildProgramWindows({0, 0, 1, 700, 10, 100, 100, 300, 150, 0, 0, {}});
    TkSetControlState(CornerTopLeftOption, 1);
    ProbeRulerCorner();
    RebuildWindows();
    TkSetControlState(CornerTopLeftOption, 1);
    ProbeRulerCorner();
    // The toolkit keeps one control font per resolution it has met: the panel meets both before the count.
    const int dpi = TkWindowDpi(MainWindow);
    MovePanelOntoDisplayOf(144);
    MovePanelOntoDisplayOf(dpi);
    const Holdings first = Now();
    const std::string firstTypes = LiveObjectTypes();
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
        if (i % 250 == 0)
            DragRuler();
        if (i % 1000 == 0) {
            MovePanelOntoDisplayOf((i / 1000) % 2 ? 144 : dpi);
            FollowDisplayChange();
        }
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
    EXPECT_EQ(last.liveGdiObjects, first.liveGdiObjects)
        << "before: " << firstTypes << "; after: " << LiveObjectTypes();
    EXPECT_EQ(last.failedGdiFrees, first.failedGdiFrees) << "an object was freed twice";
    EXPECT_EQ(gGdi.freedWhileShown, 0) << "a picture was freed while a control showed it";
    EXPECT_EQ(last.gdiObjects, first.gdiObjects);
    EXPECT_EQ(last.userObjects, first.userObjects);
    TkShutdown();
}

// The leak test's own count sees an object made and freed by the program; it compares the system's own counts of
// GDI and USER objects too, which Windows keeps and Wine does not.
TEST(ProbeLeaks, GdiObjectsAreCounted)
{
    CountGdiObjects();
    const int live = LiveGdiObjects();
    HBRUSH counted = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjects(), live + 1);
    DeleteObject(counted);
    EXPECT_EQ(LiveGdiObjects(), live);
    const int failed = gGdi.failedFrees;
    DeleteObject(counted);
    EXPECT_EQ(gGdi.failedFrees, failed + 1) << "freeing an object twice is seen";

    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    SetLastError(0);
    const DWORD withBrush = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD error = GetLastError();
    DeleteObject(brush);
    if (RunningUnderWine()) {
        // Wine keeps no such count (a stub): the leak test counts GDI objects through the import table alone.
        EXPECT_EQ(gdi, 0u);
        EXPECT_EQ(withBrush, 0u);
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_CALL_NOT_IMPLEMENTED));
    } else {
        EXPECT_EQ(withBrush, gdi + 1);
    }
}
