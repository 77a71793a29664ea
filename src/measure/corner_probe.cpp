#include "measure/corner_probe.h"

#include <windows.h>

#include <tlhelp32.h>

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/object_ids.h"
#include "core/ruler_drag.h"
#include "measure/colour_texts.h"
#include "measure/corner_geometry.h"
#include "measure/magnifier.h"
#include "measure/probe_bench_hooks.h"
#include "measure/window_at_point.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"

namespace {

// Titles and class names are cut to 34 characters, as much as the fields show.
std::string ShortText(int (*read)(HWND, char*, int), HWND window)
{
    char text[35] = {};
    read(window, text, sizeof(text));
    return text;
}

int ReadTitle(HWND window, char* text, int size)
{
    return GetWindowTextA(window, text, size);
}

int ReadClass(HWND window, char* text, int size)
{
    return GetClassNameA(window, text, size);
}

// The colour at p: as the magnifier's copy read it, read alone where no copy was made, and unreadable (all bits set)
// where p lies on no monitor, beyond the screen's edge or in a gap between monitors, where the copy shows black.
void ShowColour(TkPoint p, int32_t copied)
{
    const AppState& app = App();
    const TkRect screen{app.screenLeft, app.screenTop, app.screenRight, app.screenBottom};
    uint32_t colour = static_cast<uint32_t>(copied);
    if (!OnAMonitor(p, app.monitors, screen)) {
        colour = CLR_INVALID;
    } else if (copied < 0) {
        HDC desktop = GetDC(nullptr);
        colour = GetPixel(desktop, p.x, p.y);
        ReleaseDC(nullptr, desktop);
    }
    const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    TkSetControlColor(ColourSwatch, TkBackColour, static_cast<int32_t>(colour));
    TkSetControlText(RgbValueField, RgbText(red, green, blue));
    TkSetControlText(HslValueField, HslText(red, green, blue));
    TkSetControlText(HtmlValueField, HtmlText(colour));
    TkSetControlText(DecValueField, DecText(colour));
}

// The title of the window at p, which may change at any time; its class, handle, process and task, unless the drag
// has shown them for this window already.
void ShowWindowAt(TkPoint p)
{
    HWND window = ForeignWindowAt(POINT{p.x, p.y});
    // Nothing at the point: no texts to ask for (a null window would leave the buffer as it found it) and no
    // process, whose module list would otherwise name this program.
    TkSetControlText(WindowNameField, window ? ShortText(ReadTitle, window) : "");
    const auto handle = reinterpret_cast<uintptr_t>(window);
    if (DragKnowsWindowFacts(handle))
        return;
    DWORD processId = 0;
    if (window)
        GetWindowThreadProcessId(window, &processId);
    TkSetControlText(WindowClassField, window ? ShortText(ReadClass, window) : "");
    TkSetControlText(WindowHandleField, TkIntToText(static_cast<int32_t>(static_cast<uint32_t>(handle))));
    TkSetControlText(ProcessIdField, TkIntToText(processId));
    TkSetControlText(TaskField, processId ? TaskFileName(processId) : "");
}

} // namespace

std::string TaskFileNameFromModules(unsigned long processId)
{
    std::string path;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return path;
    MODULEENTRY32 module{};
    module.dwSize = sizeof(module);
    if (Module32First(snapshot, &module))
        path = module.szExePath;
    CloseHandle(snapshot);
    return TkFilePart(path);
}

std::string TaskFileName(unsigned long processId)
{
    // Listing a process's modules costs milliseconds on every drag step and fails for elevated processes; its
    // image path costs a fraction of that and names the same file.
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)) {
        char path[MAX_PATH * 2] = {};
        DWORD size = sizeof(path);
        const bool found = QueryFullProcessImageNameA(process, 0, path, &size);
        CloseHandle(process);
        if (found)
            return TkFilePart(path);
    }
    return TaskFileNameFromModules(processId);
}

ProbeCorner SelectedCorner()
{
    return FirstSelectedCorner(
        TkGetControlState(CornerTopLeftOption) != 0, TkGetControlState(CornerTopRightOption) != 0,
        TkGetControlState(CornerBottomLeftOption) != 0, TkGetControlState(CornerBottomRightOption) != 0);
}

void MeasureRulerGeometry(ProbeCorner corner)
{
    if (corner != ProbeCorner::None) {
        const TkPoint peephole = CornerInRuler(corner, TkWindowWidth(RulerWindow), TkWindowHeight(RulerWindow));
        TkResizeControl(MagnifierPeephole, peephole.x, peephole.y, TkKeep, TkKeep);
    }
    ShowRulerGeometry();
}

void ProbeRulerScreen(ProbeCorner corner)
{
    if (corner == ProbeCorner::None)
        return;
    // The peephole must stand on its new place on the screen before the screen is read through it.
    UpdateWindow(TkWindowHandle(RulerWindow));
    const TkPoint p = CornerOnScreen(corner, TkWindowX(RulerWindow), TkWindowY(RulerWindow), TkWindowWidth(RulerWindow),
                                     TkWindowHeight(RulerWindow));
    ShowColour(p, RefreshMagnifier(p));
    ShowWindowAt(p);
}

void ShowRulerFrame(ProbeCorner corner)
{
    TkHoldControlPainting(1);
    ProbeRulerScreen(corner);
    TkHoldControlPainting(0);
    // The painting follows as the next thing the thread does when no step is waiting: a step never waits for the
    // probe and the painting together.
    TkPaintChangedControls(TkPaintFrame);
}

void ProbeRulerCorner()
{
    const ProbeCorner corner = SelectedCorner();
    TkHoldControlPainting(1);
    MeasureRulerGeometry(corner);
    ProbeRulerScreen(corner);
    TkHoldControlPainting(0);
    TkPaintChangedControls();
}
