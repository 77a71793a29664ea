#include "core/event_loop.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/commands.h"
#include "core/line_marker.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "core/ruler_drag.h"
#include "core/screen_measure.h"
#include "toolkit/tk_windows.h"
#include "windows/calibration_window.h"
#include "windows/edge_search.h"
#include "windows/short_guide.h"
#include "windows/window_placement.h"

namespace {

// Menu items and keyboard shortcuts. Returns false when the command ends the loop.
bool HandleMenuCommand(int item)
{
    switch (item) {
    case MenuQuit: return false;
    case MenuAlwaysOnTop: ToggleAlwaysOnTop(); break;
    case MenuShowTooltips: ToggleTooltips(); break;
    case MenuShortGuide: OpenShortGuide(); break;
    case MenuManual: OpenManual(); break;
    case MenuWebsite: OpenWithShell(WebsiteAddress); break;
    case MenuMoreTools: OpenWithShell(MoreToolsAddress); break;
    case MenuAbout: ShowAbout(); break;
    case MenuUnitPixel:
    case MenuUnitMillimetre:
    case MenuUnitInch: ChooseMeasureUnit(item - MenuUnitPixel); break;
    case CmdCloseGuide: CloseShortGuide(); break;
    case MenuToleranceExact:
    case MenuToleranceLow:
    case MenuToleranceHigh: ChooseEdgeTolerance(item); break;
    case MenuMeasureMonitor: OpenCalibrationWindow(); break;
    case CmdCloseCalibration: CloseCalibrationWindow(); break;
    case CmdStoreCalibration: StoreCalibration(); break;
    default: NudgeByCommand(item); break;
    }
    return true;
}

// Clicks and changes of the controls; the kind of notification is not looked at.
void HandleControlEvent(int control)
{
    switch (control) {
    case MagnifierView:
        TkSetControlState(CornerTopLeftOption, 1);
        MoveRulerStep(RulerWindow, SideLeft, 0);
        break;
    case CornerTopLeftOption:
    case CornerTopRightOption:
    case CornerBottomRightOption:
    case CornerBottomLeftOption: MoveRulerStep(RulerWindow, SideLeft, 0); break;
    case RgbValueField:
    case HslValueField:
    case HtmlValueField:
    case DecValueField:
    case WindowNameField:
    case WindowClassField:
    case WindowHandleField:
    case ProcessIdField:
    case TaskField: CopyFieldToClipboard(control); break;
    case GuideOkButton: CloseShortGuide(); break;
    case CalibrationOkButton: StoreCalibration(); break;
    case CalibrationResetButton: ForgetCalibration(); break;
    case CalibrationCancelButton: CloseCalibrationWindow(); break;
    case CalibrationLengthField: break;
    default: NudgeByButton(control); break;
    }
}

// Returns false when the event ends the loop.
bool HandleEvent(int code, int window, int control)
{
    switch (code) {
    case EventLeftDoubleClick:
        if (window == RulerWindow) {
            TkSetWindowState(MainWindow, TkStateMinimised);
            TkHideWindow(RulerWindow, 1);
        }
        break;
    case WM_LBUTTONDOWN: StartRulerDrag(); break;
    case EventMenu: return HandleMenuCommand(control);
    case EventControl: HandleControlEvent(control); break;
    case EventMinimized:
        if (window == MainWindow)
            TkHideWindow(RulerWindow, 1);
        break;
    case EventRestored:
        // The ruler comes back without taking the front from the restored panel (or from whatever is in front
        // now, such as the message of a second start).
        if (window == MainWindow)
            ShowWindow(TkWindowHandle(RulerWindow), SW_SHOWNA);
        break;
    case EventDisplayChange: FollowDisplayChange(); break;
    case EventCloseWindow:
        // A close request for the ruler window is ignored.
        if (window == MainWindow)
            return false;
        if (window == ShortGuideWindow)
            CloseShortGuide();
        if (window == CalibrationWindow)
            CloseCalibrationWindow();
        break;
    }
    return true;
}

} // namespace

void RunEventLoop()
{
    AppState& app = App();
    for (;;) {
        app.eventCode = TkWaitEvent();
        app.eventWindow = TkEventWindow();
        app.eventControl = TkEventControl();
        MarkLine();
        if (!HandleEvent(app.eventCode, app.eventWindow, app.eventControl))
            break;
    }
    ExitSequence();
}
