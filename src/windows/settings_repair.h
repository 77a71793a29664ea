// Sound values for a settings file edited by hand or written on a computer with other monitors: no window may be
// saved into a place or size where the user cannot see it or take hold of it.
#pragma once

#include <span>

#include "toolkit/tk_geometry.h"
#include "windows/settings.h"

struct PlaceLimits {
    std::span<const TkRect> monitors;
    int screenWidth = 0, screenHeight = 0; // the ruler's largest size
    int mainWidth = 0;                     // the main window's outer width
    int mainTitleHeight = 0;               // the height of its frame above the client area: the title bar
};

// Clamps the ruler's size to the least size and the screen, and puts a window whose grab-able part (the whole
// ruler; the main window's title bar) lies on no monitor at its default place. Every other value stays, a window
// partly off the screen too.
void RepairPlaces(Settings& settings, const PlaceLimits& limits);
