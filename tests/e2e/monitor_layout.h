// Several monitors on one virtual display: the X screen of the test display is split into RandR monitors, which Wine
// reads as its monitors through Xinerama (the prefix's X11 driver has UseXRandR=N).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A layout in Windows screen coordinates, the primary monitor first at (0, 0).
using MonitorLayout = std::vector<RECT>;

// A 1920 x 1080 primary monitor with a shorter 1280 x 720 one to its right, or a 1280 x 1024 one to its left.
extern const MonitorLayout ShorterMonitorRight;
extern const MonitorLayout EvenMonitorRight; // the one on the right as tall as the primary one
extern const MonitorLayout MonitorLeft;
extern const MonitorLayout PrimaryAlone;

// Whether this display can be split: the wide display of the several-monitor prefix.
bool CanSplitDisplay();
// Splits the display into the layout and makes Wine read it again, which tells every running program with
// WM_DISPLAYCHANGE; true when this process then sees exactly these monitors.
bool UseMonitors(const MonitorLayout& layout);
// The monitors this process sees, for failure messages.
std::string DescribeMonitors();

// What the e2e test program does when started with ReReadDisplaysArgument: resets the display settings, which makes
// Wine read the monitors of the X display again and tell every program. Only a process started after the X layout
// changed sees the new one: Wine reads Xinerama once, when a process starts.
constexpr const char* ReReadDisplaysArgument = "--re-read-displays";
int ReReadDisplays();
