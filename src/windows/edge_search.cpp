#include "windows/edge_search.h"

#include <cstdlib>
#include <vector>

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/drag_zones.h"
#include "core/object_ids.h"
#include "measure/corner_geometry.h"
#include "measure/corner_probe.h"
#include "measure/screen_line.h"
#include "toolkit/tk_windows.h"
#include "windows/window_placement.h"

namespace {

// The toggle bit GetKeyState gave Alt during the last search made with Alt held; -1 when there is none to end. The bit
// changes with every press, so a later press of Alt alone still opens the menu bar.
int altPressOfSearch = -1;

void NoteAltPress()
{
    const SHORT state = GetKeyState(VK_MENU);
    altPressOfSearch = state < 0 ? state & 1 : -1;
}

// Reads the line across the ruler's own body, where a system that copies layered windows into its screen copy (Wine
// does) would give the ruler's picture: for the copy, the one-pixel peephole is stretched along the line, its key
// colour making the ruler see-through there, and put back after.
std::vector<uint32_t> ReadBeneathRuler(bool horizontal, int across, int first, int count)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    HWND peephole = TkControlHandle(MagnifierPeephole);
    RECT was{};
    GetWindowRect(peephole, &was);
    MapWindowPoints(nullptr, ruler, reinterpret_cast<POINT*>(&was), 2);
    const int x = TkWindowX(RulerWindow), y = TkWindowY(RulerWindow);
    if (horizontal)
        TkResizeControl(MagnifierPeephole, 0, across - y, TkWindowWidth(RulerWindow), 1);
    else
        TkResizeControl(MagnifierPeephole, across - x, 0, 1, TkWindowHeight(RulerWindow));
    RedrawWindow(ruler, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine hands a window's picture, and with it the shape its key colour cuts, to the display when the thread waits;
    // the windows beneath then put back what the ruler covered, each in its own time. So the line is read until
    // three copies a few milliseconds apart agree (on Windows, whose copy never held the ruler, the first three do),
    // for at most a quarter of a second.
    std::vector<uint32_t> line = ReadScreenLine(horizontal, across, first, count);
    const ULONGLONG start = GetTickCount64();
    ULONGLONG read = start;
    for (int agreeing = 1; agreeing < 3 && GetTickCount64() - start < 250;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        if (GetTickCount64() - read < 5)
            continue;
        read = GetTickCount64();
        std::vector<uint32_t> again = ReadScreenLine(horizontal, across, first, count);
        agreeing = again == line ? agreeing + 1 : 1;
        line.swap(again);
    }
    TkResizeControl(MagnifierPeephole, was.left, was.top, was.right - was.left, was.bottom - was.top);
    return line;
}

} // namespace

void SearchEdge(int side, EdgeKind kind)
{
    NoteAltPress();
    const AppState& app = App();
    const int x = TkWindowX(RulerWindow), y = TkWindowY(RulerWindow);
    const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
    if (w <= 0 || h <= 0)
        return;
    const bool horizontal = side == SideLeft || side == SideRight;
    const bool outwardHigh = side == SideRight || side == SideBottom;
    // The line: through the measuring corner, or the middle of the side.
    const ProbeCorner corner = SelectedCorner();
    const TkPoint p = corner != ProbeCorner::None ? CornerOnScreen(corner, x, y, w, h) : TkPoint{x + w / 2, y + h / 2};
    const int across = horizontal ? p.y : p.x;
    const int low = horizontal ? x : y, high = low + (horizontal ? w : h) - 1;
    const int sidePixel = outwardHigh ? high : low, oppositePixel = outwardHigh ? low : high;

    int first = low, last = high;
    if (kind != EdgeKind::Shrink) {
        // From the side out to the far edge of the monitors.
        const TkRect screen{app.screenLeft, app.screenTop, app.screenRight, app.screenBottom};
        const TkRect box = app.monitors.empty() ? screen : MonitorsBox(app.monitors);
        first = outwardHigh ? sidePixel : std::min(sidePixel, horizontal ? box.left : box.top);
        last = outwardHigh ? std::max(sidePixel, (horizontal ? box.right : box.bottom) - 1) : sidePixel;
    }
    const int count = last - first + 1;
    const std::vector<uint32_t> line = kind == EdgeKind::Shrink ? ReadBeneathRuler(horizontal, across, first, count)
                                                                : ReadScreenLine(horizontal, across, first, count);
    const int stop = first + FindEdge(line, sidePixel - first, oppositePixel - first, outwardHigh ? 1 : -1, kind,
                                      EdgeToleranceFrom(app.settings.EdgeTolerance));
    const int amount = std::abs(stop - sidePixel);
    if (kind == EdgeKind::Move)
        MoveRulerStep(RulerWindow, side, amount);
    else
        ResizeRulerSide(RulerWindow, side, kind == EdgeKind::Grow ? amount : -amount);
}

void ShowEdgeTolerance()
{
    const int tolerance = EdgeToleranceFrom(App().settings.EdgeTolerance);
    const int item = tolerance == EdgeToleranceHigh  ? MenuToleranceHigh
                     : tolerance == EdgeToleranceLow ? MenuToleranceLow
                                                     : MenuToleranceExact;
    TkSetMenuRadio(MainMenu, MenuToleranceExact, MenuToleranceHigh, item);
}

void ChooseEdgeTolerance(int item)
{
    App().settings.EdgeTolerance = item == MenuToleranceHigh  ? EdgeToleranceHigh
                                   : item == MenuToleranceLow ? EdgeToleranceLow
                                                              : EdgeToleranceExact;
    ShowEdgeTolerance();
}

bool SwallowsAltRelease(WPARAM command, LPARAM key)
{
    // SC_KEYMENU with no character: Alt pressed and let go alone (as far as the system saw: the search's arrow key
    // was taken as a shortcut, the click by a button).
    if ((command & 0xFFF0) != SC_KEYMENU || key != 0 || altPressOfSearch < 0)
        return false;
    const bool samePress = (GetKeyState(VK_MENU) & 1) == altPressOfSearch;
    altPressOfSearch = -1;
    return samePress;
}
