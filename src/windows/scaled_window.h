// Windows laid out for the scale of the display they stand on from a table of controls placed for 96 dpi: the
// control panel and the short guide.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "core/app_state.h"

enum class ControlKind { Frame, Image, Option, IconButton, Text, Swatch, Check, Button, Edit };

struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, w, h; // at 96 dpi
    const char* text;
    uint32_t style = 0;               // text controls: TkTextNotify, TkTextRight
    int32_t back = -1;                // -1: none
    int32_t fore = -1;                // -1: default
    int AppState::*picture = nullptr; // image controls and icon buttons
};

struct ScaledWindow {
    int window;
    std::span<const ControlSpec> controls;
    // Puts the window's pictures as drawn for the resolution into their image numbers; true when one was replaced.
    bool (*usePictures)(int dpi);
    // A control's box at the resolution where it is not its table box scaled; nullptr when there is none such.
    TkRect (*box)(const ControlSpec& c, int dpi);
    // What follows a new scale once the controls stand at their new places; nullptr for nothing.
    void (*followScale)(bool newPictures);
};

// The scaled windows (main_window.cpp, short_guide.cpp, calibration_window.cpp).
extern const ScaledWindow MainWindowLayout;
extern const ScaledWindow ShortGuideLayout;
extern const ScaledWindow CalibrationLayout;

// Makes the window's controls in the order of its table, at their boxes for the window's resolution, with the
// pictures drawn for it.
void BuildScaledControls(const ScaledWindow& layout);
// The box of one control of the table at the resolution; an empty box for a control the table does not hold.
TkRect ScaledControlBox(const ScaledWindow& layout, int control, int dpi);
// The callback of the scaled windows: moved onto a display of another scale, where the toolkit has given the window its
// frame and fonts, its controls and pictures follow.
LRESULT FollowDisplayScale(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
