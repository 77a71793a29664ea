// The pixel pitch of each monitor, and of the one the ruler stands on: from the user's calibration, else the
// monitor's EDID, else the size the system reports for it.
#pragma once

#include <string>

#include "measure/physical_units.h"

// Reads the name (for calibrations) and the pitch of every monitor in AppState::monitors, from its device.
void ReadMonitorPitches();
// The monitor that holds most of the ruler, -1 when none is known.
int RulerMonitor();
// The name a calibration of the monitor is kept under; empty for no monitor.
std::string MonitorName(int monitor);
// The monitor's pitch: calibrated, else from its EDID, else as the system reports it; unknown for no monitor.
PixelPitch MonitorPitch(int monitor);
