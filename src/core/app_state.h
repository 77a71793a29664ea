// The one record of the program's state, touched only by the program's thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ruler_drag.h"
#include "measure/physical_units.h"
#include "toolkit/tk_geometry.h"
#include "windows/settings.h"

struct NudgeRectangle {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The panel's background and button icons as made for a scale the panel has left: image numbers in the order of
// the panel's pictures, 0 where that picture was not replaced.
struct KeptPanelPictures {
    int dpi = 0;
    std::vector<int> images;
};

struct AppState {
    // Folders and instance.
    std::string settingsFolder;
    std::string modulePath;
    std::string programFolder;
    HANDLE instanceMutex = nullptr;

    // Screen: the box around all monitors, measured at start-up and again whenever monitors come, go or change.
    int32_t screenLeft = 0, screenTop = 0, screenRight = 0, screenBottom = 0;
    int32_t screenWidth = 0, screenHeight = 0;
    // The monitors' rectangles on the desktop, the primary monitor first.
    std::vector<TkRect> monitors;
    // For each monitor: its display device, the name a calibration keeps for it and its pitch from its EDID or the
    // system (MonitorPitch adds the calibration).
    std::vector<std::string> monitorDevices;
    std::vector<std::string> monitorNames;
    std::vector<PixelPitch> monitorPitches;

    // Cursors and fonts (font numbers of the toolkit).
    HCURSOR CopyCursor = nullptr;
    HCURSOR ArrowCursor = nullptr;
    intptr_t ScaleNumberFont = 0;
    intptr_t RulerLabelFont = 0;

    // Pictures: toolkit image numbers, 0 when a picture could not be decoded.
    int RulerCentreBitmap = 0;
    int MainBackgroundImage = 0;
    int GuideBitmap = 0;
    int MoveUpIcon = 0, MoveDownIcon = 0, MoveLeftIcon = 0, MoveRightIcon = 0;
    int GrowIcon = 0, ShrinkIcon = 0;
    int MagnifierPicture = 0;
    int MagnifierZoom = 0;
    int MagnifierCapture = 0;
    int rulerCentreWidth = 0, rulerCentreHeight = 0;
    int guideBitmapWidth = 0, guideBitmapHeight = 0;
    int magnifierWidth = 0, magnifierHeight = 0;
    int captureWidth = 0, captureHeight = 0;
    // The resolution the panel's and the guide's pictures are made for now; -1 before the first window is built.
    int panelPictureDpi = -1, guidePictureDpi = -1;
    // Pictures replaced for a new scale that controls may still show; freed once they show the new ones.
    std::vector<int> retiredPictures;
    // The panel's pictures for the scales it stood on before, the most recently left last, so that dragging it back
    // onto a monitor of such a scale neither decodes nor averages them again.
    std::vector<KeptPanelPictures> keptPanelPictures;
    // The magnifier shows a copy of the screen rather than its start picture.
    bool magnifierShowsCapture = false;

    // The four scale pictures, drawn for the whole screen in the unit and pitch they were drawn for: in pixels once,
    // in millimetres or inches again when the ruler comes onto a monitor of another pitch.
    int TopScaleBitmap = 0, BottomScaleBitmap = 0, LeftScaleBitmap = 0, RightScaleBitmap = 0;
    MeasureUnit scalesUnit = MeasureUnit::Pixel;
    PixelPitch scalesPitch;

    Settings settings;

    // The current event of the event loop.
    int32_t eventCode = 0;
    int32_t eventWindow = 0;
    int32_t eventControl = 0;

    // Filled by the one-pixel nudges and sent with their notification.
    NudgeRectangle NudgeRect;
    // The ruler's drag: written only by core/ruler_drag.cpp.
    RulerDragState rulerDrag;
};

AppState& App();
