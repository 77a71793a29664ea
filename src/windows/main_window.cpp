#include "windows/main_window.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "core/app_state.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "measure/corner_probe.h"
#include "measure/magnifier.h"
#include "measure/magnifier_view.h"
#include "measure/physical_units.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/edge_search.h"
#include "windows/panel_colours.h"
#include "windows/scaled_window.h"
#include "windows/window_placement.h"

namespace {

constexpr int MainInnerWidth = 270;
constexpr int MainInnerHeight = 466;
constexpr uint32_t MainWindowFlags = TkTitleBar | TkSystemMenu | TkMinimiseBox | TkInvisible | TkScaled | TkExactPlace;

constexpr uint32_t Click = TkTextNotify;
constexpr uint32_t ClickRight = TkTextNotify | TkTextRight;

// Every control in the order it is made. The range labels' texts depend on the screen (ShowScreenRanges).
constexpr ControlSpec panelControls[] = {
    {TopSeparator, ControlKind::Frame, 0, 0, 300, 2, ""},
    // The upper panel: magnifier, corner options, the twelve nudge buttons and the ruler's edges and size.
    {MagnifierFrame, ControlKind::Frame, 100, 95, 65, 65, ""},
    {MagnifierView, ControlKind::Image, 101, 96, 63, 63, "", 0, -1, -1, &AppState::MagnifierPicture},
    {CornerTopLeftOption, ControlKind::Option, 80, 75, 14, 15, ""},
    {CornerTopRightOption, ControlKind::Option, 171, 75, 14, 15, ""},
    {CornerBottomRightOption, ControlKind::Option, 171, 166, 14, 15, ""},
    {CornerBottomLeftOption, ControlKind::Option, 80, 166, 14, 15, ""},
    {GrowTopButton, ControlKind::IconButton, 122, 51, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowRightButton, ControlKind::IconButton, 198, 116, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowBottomButton, ControlKind::IconButton, 122, 185, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowLeftButton, ControlKind::IconButton, 47, 116, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {ShrinkTopButton, ControlKind::IconButton, 122, 72, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkRightButton, ControlKind::IconButton, 177, 116, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkBottomButton, ControlKind::IconButton, 122, 164, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkLeftButton, ControlKind::IconButton, 68, 116, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {MoveUpButton, ControlKind::IconButton, 122, 21, 20, 20, "", 0, -1, -1, &AppState::MoveUpIcon},
    {MoveRightButton, ControlKind::IconButton, 229, 116, 20, 20, "", 0, -1, -1, &AppState::MoveRightIcon},
    {MoveDownButton, ControlKind::IconButton, 122, 216, 20, 20, "", 0, -1, -1, &AppState::MoveDownIcon},
    {MoveLeftButton, ControlKind::IconButton, 16, 116, 20, 20, "", 0, -1, -1, &AppState::MoveLeftIcon},
    {PositionRangeLabel, ControlKind::Text, 5, 4, 125, 15, "", TkTextRight, PanelGrey, LabelTextGrey},
    {SizeRangeLabel, ControlKind::Text, 140, 4, 125, 15, "", 0, PanelGrey},
    {OriginLabel, ControlKind::Text, 4, 26, 10, 15, "0", 0, PanelGrey, LabelTextGrey},
    {LeftEdgeTopField, ControlKind::Text, 47, 26, 30, 15, "0", Click, PanelGrey, LabelTextGrey},
    {RightEdgeTopField, ControlKind::Text, 187, 26, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey},
    {RightEdgeBottomField, ControlKind::Text, 187, 218, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey},
    {LeftEdgeBottomField, ControlKind::Text, 47, 218, 30, 15, "0", Click, PanelGrey, LabelTextGrey},
    {BottomEdgeLeftField, ControlKind::Text, 4, 191, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey},
    {TopEdgeLeftField, ControlKind::Text, 4, 52, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey},
    {TopEdgeRightField, ControlKind::Text, 230, 52, 30, 15, "0", Click, PanelGrey, LabelTextGrey},
    {BottomEdgeRightField, ControlKind::Text, 230, 191, 30, 15, "0", Click, PanelGrey, LabelTextGrey},
    {SizeOriginLabel, ControlKind::Text, 47, 52, 30, 15, "0", 0, PanelGrey},
    {RulerHeightField, ControlKind::Text, 47, 191, 30, 15, "0", Click, PanelGrey},
    {RulerWidthField, ControlKind::Text, 187, 52, 30, 15, "0", ClickRight, PanelGrey},
    // The lower panel: the probed colour and the window under the probe point.
    {ColourSwatch, ControlKind::Swatch, 101, 267, 63, 63, "", 0, SwatchStartColour},
    {RgbCaption, ControlKind::Text, 20, 270, 75, 15, "RGB:", 0, LowerPanelGrey},
    {RgbValueField, ControlKind::Text, 20, 285, 75, 15, "", Click, LowerPanelGrey},
    {HslCaption, ControlKind::Text, 20, 303, 75, 15, "HSL:", 0, LowerPanelGrey},
    {HslValueField, ControlKind::Text, 20, 317, 80, 15, "", Click, LowerPanelGrey},
    {HtmlCaption, ControlKind::Text, 175, 270, 75, 15, "HTML:", 0, LowerPanelGrey},
    {HtmlValueField, ControlKind::Text, 175, 285, 72, 17, "", Click, LowerPanelGrey},
    {DecCaption, ControlKind::Text, 175, 303, 75, 15, "DEC:", 0, LowerPanelGrey},
    {DecValueField, ControlKind::Text, 175, 317, 72, 17, "", Click, LowerPanelGrey},
    {WindowNameCaption, ControlKind::Text, 20, 356, 39, 15, "Name:", 0, LowerPanelGrey},
    {WindowNameField, ControlKind::Text, 60, 356, 195, 15, "", Click, LowerPanelGrey},
    {WindowClassCaption, ControlKind::Text, 20, 372, 39, 15, "Class:", 0, LowerPanelGrey},
    {WindowClassField, ControlKind::Text, 60, 372, 195, 15, "", Click, LowerPanelGrey},
    {WindowHandleCaption, ControlKind::Text, 20, 388, 39, 15, "HWnd:", 0, LowerPanelGrey},
    {WindowHandleField, ControlKind::Text, 60, 388, 195, 15, "", Click, LowerPanelGrey},
    {ProcessIdCaption, ControlKind::Text, 20, 404, 39, 15, "PID:", 0, LowerPanelGrey},
    {ProcessIdField, ControlKind::Text, 60, 404, 195, 15, "", Click, LowerPanelGrey},
    {TaskCaption, ControlKind::Text, 20, 420, 39, 15, "Task:", 0, LowerPanelGrey},
    {TaskField, ControlKind::Text, 60, 420, 195, 15, "", Click, LowerPanelGrey},
};

struct ToolTipSpec {
    int control;
    const char* text;
};

const char* const CopyTip = "Klicken und in Zwischenablage kopieren";

// In the order they are attached.
const ToolTipSpec toolTips[] = {
    {CornerTopLeftOption, "Lupe für Ecke oben links aktivieren"},
    {CornerTopRightOption, "Lupe für Ecke oben rechts aktivieren"},
    {CornerBottomRightOption, "Lupe für Ecke unten rechts aktivieren"},
    {CornerBottomLeftOption, "Lupe für Ecke unten links aktivieren"},
    {GrowTopButton, "Lineal oben um 1 Pixel vergrössern (Shift + Cursortaste aufwärts)"},
    {GrowRightButton, "Lineal rechts um 1 Pixel vergrössern (Shift + Cursortaste rechts)"},
    {GrowBottomButton, "Lineal unten um 1 Pixel vergrössern (Shift + Cursortaste abwärts)"},
    {GrowLeftButton, "Lineal links um 1 Pixel vergrössern (Shift + Cursortaste links)"},
    {ShrinkTopButton, "Lineal oben um 1 Pixel verkleinern (Ctrl + Cursortaste aufwärts)"},
    {ShrinkRightButton, "Lineal rechts um 1 Pixel verkleinern (Ctrl + Cursortaste rechts)"},
    {ShrinkBottomButton, "Lineal unten um 1 Pixel verkleinern (Ctrl + Cursortaste abwärts)"},
    {ShrinkLeftButton, "Lineal links um 1 Pixel verkleinern (Ctrl + Cursortaste links)"},
    {MoveUpButton, "Lineal 1 Pixel nach oben verschieben (Cursortaste aufwärts)"},
    {MoveRightButton, "Lineal 1 Pixel nach rechts verschieben (Cursortaste rechts)"},
    {MoveDownButton, "Lineal 1 Pixel nach unten verschieben (Cursortaste abwärts)"},
    {MoveLeftButton, "Lineal 1 Pixel nach links verschieben (Cursortaste links)"},
    {LeftEdgeTopField, "Linealposition links"},
    {RightEdgeTopField, "Linealposition rechts"},
    {RightEdgeBottomField, "Linealposition rechts"},
    {LeftEdgeBottomField, "Linealposition links"},
    {BottomEdgeLeftField, "Linealposition unten"},
    {TopEdgeLeftField, "Linealposition oben"},
    {TopEdgeRightField, "Linealposition oben"},
    {BottomEdgeRightField, "Linealposition unten"},
    {RulerHeightField, "Höhe des Lineals"},
    {RulerWidthField, "Breite des Lineals"},
    {RgbValueField, CopyTip},
    {HslValueField, CopyTip},
    {HtmlValueField, CopyTip},
    {DecValueField, CopyTip},
    {WindowNameField, CopyTip},
    {WindowClassField, CopyTip},
    {WindowHandleField, CopyTip},
    {ProcessIdField, CopyTip},
    {TaskField, CopyTip},
};

// The ranges of the ruler's place and size: the box around all monitors, its right edge shown inclusively. On one
// monitor the place starts at 0 and the size ends at the screen's right edge.
std::string RangeText(int control)
{
    const AppState& app = App();
    if (control == PositionRangeLabel)
        return "Linealposition " + TkIntToText(app.screenLeft) + " - " + TkIntToText(app.screenRight - 1);
    return "Linealgrösse 1 - " + TkIntToText(app.screenWidth);
}

// The magnifier keeps every screen pixel an equal square block, so its frame and view are sized by whole blocks
// rather than by the scale.
TkRect PanelBox(const ControlSpec& c, int dpi)
{
    const int captureSide = App().captureWidth > 0 ? App().captureWidth : 21;
    if (c.id == MagnifierFrame)
        return PlaceMagnifier(dpi, captureSide).frame;
    if (c.id == MagnifierView)
        return PlaceMagnifier(dpi, captureSide).view;
    return TkScaleBox(c.x, c.y, c.w, c.h, dpi);
}

// The ruler's unit and the calibration of its monitor, in the settings menu after its switches.
void AddMeasureUnitItems()
{
    TkMenuSeparator();
    TkMenuSubmenu(MenuMeasureUnitTitle);
    TkMenuItem(MenuUnitPixel, MenuUnitPixelText);
    TkMenuItem(MenuUnitMillimetre, MenuUnitMillimetreText);
    TkMenuItem(MenuUnitInch, MenuUnitInchText);
    TkEndSubmenu();
    TkMenuItem(MenuMeasureMonitor, MenuMeasureMonitorText);
}

// The edge searches' tolerance: three radio items, the current one marked by ShowEdgeTolerance.
void AddToleranceMenu()
{
    TkMenuSeparator();
    TkMenuSubmenu(MenuToleranceTitle);
    TkMenuItem(MenuToleranceExact, MenuToleranceExactText);
    TkMenuItem(MenuToleranceLow, MenuToleranceLowText);
    TkMenuItem(MenuToleranceHigh, MenuToleranceHighText);
    TkEndSubmenu();
}

// Lets go of Alt after an edge search without the menu bar taking the keyboard (SwallowsAltRelease).
LRESULT MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && SwallowsAltRelease(wParam, lParam))
        return 0;
    return FollowDisplayScale(window, message, wParam, lParam);
}

void BuildMainMenu(HWND window)
{
    if (!TkCreateMenuBar(MainMenu, window))
        return;
    TkMenuTitle(MenuFileTitle);
    TkMenuItem(MenuQuit, MenuQuitText);
    TkMenuTitle(MenuSettingsTitle);
    TkMenuItem(MenuAlwaysOnTop, MenuAlwaysOnTopText);
    TkMenuItem(MenuShowTooltips, MenuShowTooltipsText);
    AddMeasureUnitItems();
    AddToleranceMenu();
    TkMenuTitle(MenuHelpTitle);
    TkMenuItem(MenuShortGuide, MenuShortGuideText);
    TkMenuItem(MenuManual, MenuManualText);
    TkMenuItem(MenuWebsite, MenuWebsiteText);
    TkMenuItem(MenuMoreTools, MenuMoreToolsText);
    TkMenuSeparator();
    TkMenuItem(MenuAbout, MenuAboutText);
}

// Between the two range labels, at 96 dpi, when the position range needs more than its box.
constexpr int RangeGap = 6;

void SetBackground(HWND window)
{
    const AppState& app = App();
    HANDLE picture = app.MainBackgroundImage ? TkImageHandle(app.MainBackgroundImage) : nullptr;
    // The window class owns the brush from here on: unregistering the class when the window closes deletes it. A
    // brush it held before (the picture of another scale) is ours to delete.
    HBRUSH brush = picture ? CreatePatternBrush(static_cast<HBITMAP>(picture)) : nullptr;
    if (brush) {
        const auto previous =
            reinterpret_cast<HGDIOBJ>(SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
        if (previous && GetObjectType(previous) == OBJ_BRUSH)
            DeleteObject(previous);
        InvalidateRect(window, nullptr, TRUE);
    } else {
        TkSetWindowColor(MainWindow, PanelGrey);
    }
}

// The pictures for the new scale are in place and the controls stand at their new places: the background and the
// range labels follow, and the magnifier shows its corner again in its new block size (with none chosen, the last
// copy of the screen it showed).
void FollowPanelScale(bool newPictures)
{
    if (newPictures)
        SetBackground(TkWindowHandle(MainWindow));
    ShowScreenRanges();
    if (SelectedCorner() != ProbeCorner::None)
        MoveRulerStep(RulerWindow, SideLeft, 0);
    else if (newPictures && App().magnifierShowsCapture)
        ShowMagnifierCapture();
}

} // namespace

const ScaledWindow MainWindowLayout{MainWindow, panelControls, UsePanelPictures, PanelBox, FollowPanelScale};

void BuildMainWindow()
{
    AppState& app = App();
    const Settings& settings = app.settings;
    HWND window = TkOpenWindow(MainWindow, settings.MainWindowPosX, settings.MainWindowPosY, MainInnerWidth,
                               MainInnerHeight, ProgramTitle, MainWindowFlags);
    if (!window)
        return;
    BuildMainMenu(window);
    TkSetMenuItemMark(MainMenu, MenuAlwaysOnTop, settings.MainWindowOnTop != 0);
    TkSetMenuItemMark(MainMenu, MenuShowTooltips, settings.ShowTooltips != 0);
    ShowEdgeTolerance();
    TkSetMenuRadio(MainMenu, MenuUnitPixel, MenuUnitInch,
                   MenuUnitPixel + static_cast<int>(MeasureUnitOf(settings.MeasureUnit)));
    BuildScaledControls(MainWindowLayout);
    SetBackground(window);
    ShowScreenRanges();

    if (settings.ShowTooltips != 0)
        for (const ToolTipSpec& t : toolTips)
            TkSetToolTip(t.control, t.text);

    ShowWindow(window, SW_SHOW);
    TkSetWindowTopmost(MainWindow, settings.MainWindowOnTop != 0);
    AddRulerShortcuts(MainWindow);
    TkSetWindowCallback(MainWindowCallback, MainWindow);
}

void ShowScreenRanges()
{
    if (!TkWindowExists(MainWindow))
        return;
    const int dpi = TkWindowDpi(MainWindow);
    const std::string position = RangeText(PositionRangeLabel), size = RangeText(SizeRangeLabel);
    const TkRect positionBox = ScaledControlBox(MainWindowLayout, PositionRangeLabel, dpi);
    const TkRect sizeBox = ScaledControlBox(MainWindowLayout, SizeRangeLabel, dpi);
    // A static control breaks a text too long for its box onto a second line, which its height cuts off: a monitor
    // left of the primary one lengthens the position range past its box, which then grows to the right and pushes
    // the size label along.
    const int positionWidth = std::max(positionBox.Width(), TkControlTextWidth(PositionRangeLabel, position));
    const int sizeX = std::max(sizeBox.left, positionBox.left + positionWidth + TkScaleLength(RangeGap, dpi));
    const int sizeWidth = std::max(sizeBox.Width(), TkControlTextWidth(SizeRangeLabel, size));
    TkResizeControl(PositionRangeLabel, positionBox.left, positionBox.top, positionWidth, positionBox.Height());
    TkResizeControl(SizeRangeLabel, sizeX, sizeBox.top, sizeWidth, sizeBox.Height());
    TkSetControlText(PositionRangeLabel, position);
    TkSetControlText(SizeRangeLabel, size);
}

void MainWindowFrame(int& outerWidth, int& titleHeight)
{
    RECT frame{0, 0, MainInnerWidth, MainInnerHeight};
    AdjustWindowRectEx(&frame, MainWindowFlags & ~TkInvisible, FALSE, 0);
    outerWidth = frame.right - frame.left;
    titleHeight = -frame.top;
}

void ShowRulerGeometry()
{
    const int x = TkWindowX(RulerWindow), y = TkWindowY(RulerWindow);
    const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
    const struct {
        int field;
        int value;
    } fields[] = {
        {RulerWidthField, w},
        {RulerHeightField, h},
        {LeftEdgeTopField, x},
        {LeftEdgeBottomField, x},
        {RightEdgeTopField, x + w - 1},
        {RightEdgeBottomField, x + w - 1},
        {TopEdgeLeftField, y},
        {TopEdgeRightField, y},
        {BottomEdgeLeftField, y + h - 1},
        {BottomEdgeRightField, y + h - 1},
    };
    for (const auto& f : fields)
        TkSetControlText(f.field, TkIntToText(f.value));
}
