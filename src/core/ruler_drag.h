// Moving and sizing the ruler with the mouse, and what a drag remembers between its steps and frames.
#pragma once

#include <windows.h>

#include <cstdint>

#include "measure/corner_geometry.h"

// The state of the ruler's drag. Written only by core/ruler_drag.cpp; the rest of the program asks it through the
// procedures below.
struct RulerDragState {
    bool running = false; // the system's move or size loop drags the ruler
    bool nudging = false; // a nudge moves the ruler and notifies it: the notification measures, not the move
    ProbeCorner corner = ProbeCorner::None; // selected when the drag began
    unsigned frameInterval = 17;            // milliseconds, read from the display when the drag begins
    bool framePending = false;              // the next frame's timer runs
    uint64_t frameArmed = 0;                // since when (GetTickCount64)
    bool settledProbePending = false;       // the probe after the drag's end is still to come
    bool clickThrough = false;              // made click-through by the drag, for the drag's time
    // The window whose class, process and task the fields show, read during this drag (0: none yet).
    uintptr_t factsWindow = 0;
};

// Hands a left-button press on the ruler to the system's move or size loop.
void StartRulerDrag();
// The ruler window's callback: holds a dragged ruler on the monitors, lays it out and measures it once the system
// has applied each step, and once more after the drag.
LRESULT RulerWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A nudge moves or sizes the ruler between these two calls and then sends it its notification: the move itself
// does not measure, the notification does, once.
void BeginRulerNudge();
void EndRulerNudge();
// Whether a frame of a drag, or the probe after its end, is still to come.
bool RulerProbeDue();
// A drag passes over the same window frame after frame: its class, process and task, which stay as they are while
// the window lives, need reading once. True when they were read for this window during the running drag; otherwise
// the window is noted as the one whose facts the fields now show.
bool DragKnowsWindowFacts(uintptr_t window);
