// The values the program remembers between runs, and their file.
#pragma once

#include <cstdint>

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
    // The edge searches' tolerance as the menu sets it: 0, 8 or 32 (anything else is read as 0, EdgeToleranceFrom).
    int32_t EdgeTolerance = 0;
};

// Reads the settings file in the settings folder; a missing file or key gives the defaults. Places and sizes that
// would hide a window on the monitors of the toolkit's monitor table are repaired (RepairSettings).
void LoadSettings();
void RepairSettings();
// Writes the settings file anew with every key.
void SaveSettings();
