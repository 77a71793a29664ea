// The values the program remembers between runs, and their file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A monitor the user measured: its name (EDID maker, product and serial, or the device name when it has no EDID)
// and its pixels per millimetre.
struct MonitorCalibration {
    std::string monitor;
    double pixelsPerMm = 0;
};

struct Settings {
    int32_t ShowShortGuide = 0;
    int8_t MainWindowOnTop = 0;
    int8_t ShowTooltips = 0;
    int32_t MainWindowPosX = 0;
    int32_t MainWindowPosY = 0;
    int32_t RulerWindowPosX = 0;
    int32_t RulerWindowPosY = 0;
    int32_t RulerWindowWidth = 0;
    int32_t RulerWindowHeight = 0;
    int32_t MeasureUnit = 0; // MeasureUnitOf reads it: 0 pixels, 1 millimetres, 2 inches
    // The edge searches' tolerance as the menu sets it: 0, 8 or 32 (anything else is read as 0, EdgeToleranceFrom).
    int32_t EdgeTolerance = 0;
    std::vector<MonitorCalibration> calibrations;
};

// Reads the settings file in the settings folder; a missing file or key gives the defaults. Places and sizes that
// would hide a window on the monitors of the toolkit's monitor table are repaired (RepairSettings).
void LoadSettings();
void RepairSettings();
// Writes the settings file anew: the keys of SettingKeys in their order, then one key per calibrated monitor.
void SaveSettings();
