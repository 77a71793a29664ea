#include "windows/calibration_window.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "measure/monitor_pitch.h"
#include "measure/physical_units.h"
#include "toolkit/tk_windows.h"
#include "windows/ruler_window.h"
#include "windows/scaled_window.h"
#include "windows/settings_keys.h"
#include "windows/window_placement.h"

namespace {

constexpr uint32_t CalibrationWindowFlags = TkTitleBar | TkSystemMenu | TkCentred | TkScaled;

constexpr ControlSpec calibrationControls[] = {
    {CalibrationHelpText, ControlKind::Text, 10, 10, 340, 80, CalibrationHelp},
    {CalibrationLengthCaption, ControlKind::Text, 10, 103, 110, 20, CalibrationLengthText},
    {CalibrationLengthField, ControlKind::Edit, 125, 100, 80, 22, CalibrationStartLength},
    {CalibrationOkButton, ControlKind::Button, 10, 140, 105, 25, "OK"},
    {CalibrationResetButton, ControlKind::Button, 127, 140, 105, 25, CalibrationResetText},
    {CalibrationCancelButton, ControlKind::Button, 245, 140, 105, 25, CalibrationCancelText},
};

bool NoPictures(int)
{
    return false;
}

// The ruler shows its length anew for the pitch it now has.
void CloseAndRemeasure()
{
    TkCloseWindow(CalibrationWindow);
    LayoutRuler();
}

} // namespace

const ScaledWindow CalibrationLayout{CalibrationWindow, calibrationControls, NoPictures, nullptr, nullptr};

void OpenCalibrationWindow()
{
    if (TkWindowExists(CalibrationWindow)) {
        SetForegroundWindow(TkWindowHandle(CalibrationWindow));
        return;
    }
    if (!TkOpenWindow(CalibrationWindow, 10, 10, 360, 175, CalibrationTitle, CalibrationWindowFlags))
        return;
    BuildScaledControls(CalibrationLayout);
    if (HWND ok = TkControlHandle(CalibrationOkButton))
        SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    TkAddShortcut(CalibrationWindow, VK_RETURN, CmdStoreCalibration);
    TkAddShortcut(CalibrationWindow, VK_ESCAPE, CmdCloseCalibration);
    // The ruler is fitted with the keys from here as from the panel.
    AddRulerShortcuts(CalibrationWindow);
    TkSetWindowCallback(FollowDisplayScale, CalibrationWindow);
    TkSetWindowTopmost(CalibrationWindow, 1);
}

void CloseCalibrationWindow()
{
    if (TkWindowExists(CalibrationWindow))
        TkCloseWindow(CalibrationWindow);
}

void StoreCalibration()
{
    const double mm = MillimetresFromText(TkGetControlText(CalibrationLengthField));
    const int width = TkWindowWidth(RulerWindow);
    const PixelPitch pitch = PitchFromSize(width, width, mm, mm, PitchSource::Calibration);
    const std::string monitor = MonitorName(RulerMonitor());
    if (!PitchKnown(pitch) || monitor.empty()) {
        TkMessageBox(ProgramTitle, CalibrationWrongLength, MB_OK | MB_ICONWARNING);
        return;
    }
    SetCalibratedPitch(App().settings, monitor, pitch.xPerMm);
    CloseAndRemeasure();
}

void ForgetCalibration()
{
    SetCalibratedPitch(App().settings, MonitorName(RulerMonitor()), 0);
    CloseAndRemeasure();
}
