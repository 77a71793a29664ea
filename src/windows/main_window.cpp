#include "windows/main_window.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "core/app_state.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "measure/corner_probe.h"
#include "measure/magnifier_view.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/panel_colours.h"
#include "windows/window_placement.h"

namespace {

constexpr int MainInnerWidth = 270;
constexpr int MainInnerHeight = 466;
constexpr uint32_t MainWindowFlags = TkTitleBar | TkSystemMenu | TkMinimiseBox | TkInvisible | TkScaled;

enum class Kind { Frame, Image, Option, IconButton, Text, Swatch };

struct ControlSpec {
    int id;
    Kind kind;
    int x, y, w, h;
    const char* text;
    uint32_t style;      // text controls: TkTextNotify, TkTextRight
    int32_t back;        // -1: none
    int32_t fore;        // -1: default
    int AppState::*icon; // icon buttons
};

constexpr uint32_t Click = TkTextNotify;
constexpr uint32_t ClickRight = TkTextNotify | TkTextRight;

// Every control in the order it is made, places and sizes for 96 dpi. The range labels' texts depend on the screen.
const ControlSpec panelControls[] = {
    {TopSeparator, Kind::Frame, 0, 0, 300, 2, "", 0, -1, -1, nullptr},
    // The upper panel: magnifier, corner options, the twelve nudge buttons and the ruler's edges and size.
    {MagnifierFrame, Kind::Frame, 100, 95, 65, 65, "", 0, -1, -1, nullptr},
    {MagnifierView, Kind::Image, 101, 96, 63, 63, "", 0, -1, -1, nullptr},
    {CornerTopLeftOption, Kind::Option, 80, 75, 14, 15, "", 0, -1, -1, nullptr},
    {CornerTopRightOption, Kind::Option, 171, 75, 14, 15, "", 0, -1, -1, nullptr},
    {CornerBottomRightOption, Kind::Option, 171, 166, 14, 15, "", 0, -1, -1, nullptr},
    {CornerBottomLeftOption, Kind::Option, 80, 166, 14, 15, "", 0, -1, -1, nullptr},
    {GrowTopButton, Kind::IconButton, 122, 51, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowRightButton, Kind::IconButton, 198, 116, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowBottomButton, Kind::IconButton, 122, 185, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {GrowLeftButton, Kind::IconButton, 47, 116, 20, 20, "", 0, -1, -1, &AppState::GrowIcon},
    {ShrinkTopButton, Kind::IconButton, 122, 72, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkRightButton, Kind::IconButton, 177, 116, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkBottomButton, Kind::IconButton, 122, 164, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {ShrinkLeftButton, Kind::IconButton, 68, 116, 20, 20, "", 0, -1, -1, &AppState::ShrinkIcon},
    {MoveUpButton, Kind::IconButton, 122, 21, 20, 20, "", 0, -1, -1, &AppState::MoveUpIcon},
    {MoveRightButton, Kind::IconButton, 229, 116, 20, 20, "", 0, -1, -1, &AppState::MoveRightIcon},
    {MoveDownButton, Kind::IconButton, 122, 216, 20, 20, "", 0, -1, -1, &AppState::MoveDownIcon},
    {MoveLeftButton, Kind::IconButton, 16, 116, 20, 20, "", 0, -1, -1, &AppState::MoveLeftIcon},
    {PositionRangeLabel, Kind::Text, 5, 4, 125, 15, nullptr, TkTextRight, PanelGrey, LabelTextGrey, nullptr},
    {SizeRangeLabel, Kind::Text, 140, 4, 125, 15, nullptr, 0, PanelGrey, -1, nullptr},
    {OriginLabel, Kind::Text, 4, 26, 10, 15, "0", 0, PanelGrey, LabelTextGrey, nullptr},
    {LeftEdgeTopField, Kind::Text, 47, 26, 30, 15, "0", Click, PanelGrey, LabelTextGrey, nullptr},
    {RightEdgeTopField, Kind::Text, 187, 26, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey, nullptr},
    {RightEdgeBottomField, Kind::Text, 187, 218, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey, nullptr},
    {LeftEdgeBottomField, Kind::Text, 47, 218, 30, 15, "0", Click, PanelGrey, LabelTextGrey, nullptr},
    {BottomEdgeLeftField, Kind::Text, 4, 191, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey, nullptr},
    {TopEdgeLeftField, Kind::Text, 4, 52, 30, 15, "0", ClickRight, PanelGrey, LabelTextGrey, nullptr},
    {TopEdgeRightField, Kind::Text, 230, 52, 30, 15, "0", Click, PanelGrey, LabelTextGrey, nullptr},
    {BottomEdgeRightField, Kind::Text, 230, 191, 30, 15, "0", Click, PanelGrey, LabelTextGrey, nullptr},
    {SizeOriginLabel, Kind::Text, 47, 52, 30, 15, "0", 0, PanelGrey, -1, nullptr},
    {RulerHeightField, Kind::Text, 47, 191, 30, 15, "0", Click, PanelGrey, -1, nullptr},
    {RulerWidthField, Kind::Text, 187, 52, 30, 15, "0", ClickRight, PanelGrey, -1, nullptr},
    // The lower panel: the probed colour and the window under the probe point.
    {ColourSwatch, Kind::Swatch, 101, 267, 63, 63, "", 0, SwatchStartColour, -1, nullptr},
    {RgbCaption, Kind::Text, 20, 270, 75, 15, "RGB:", 0, LowerPanelGrey, -1, nullptr},
    {RgbValueField, Kind::Text, 20, 285, 75, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {HslCaption, Kind::Text, 20, 303, 75, 15, "HSL:", 0, LowerPanelGrey, -1, nullptr},
    {HslValueField, Kind::Text, 20, 317, 80, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {HtmlCaption, Kind::Text, 175, 270, 75, 15, "HTML:", 0, LowerPanelGrey, -1, nullptr},
    {HtmlValueField, Kind::Text, 175, 285, 72, 17, "", Click, LowerPanelGrey, -1, nullptr},
    {DecCaption, Kind::Text, 175, 303, 75, 15, "DEC:", 0, LowerPanelGrey, -1, nullptr},
    {DecValueField, Kind::Text, 175, 317, 72, 17, "", Click, LowerPanelGrey, -1, nullptr},
    {WindowNameCaption, Kind::Text, 20, 356, 39, 15, "Name:", 0, LowerPanelGrey, -1, nullptr},
    {WindowNameField, Kind::Text, 60, 356, 195, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {WindowClassCaption, Kind::Text, 20, 372, 39, 15, "Class:", 0, LowerPanelGrey, -1, nullptr},
    {WindowClassField, Kind::Text, 60, 372, 195, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {WindowHandleCaption, Kind::Text, 20, 388, 39, 15, "HWnd:", 0, LowerPanelGrey, -1, nullptr},
    {WindowHandleField, Kind::Text, 60, 388, 195, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {ProcessIdCaption, Kind::Text, 20, 404, 39, 15, "PID:", 0, LowerPanelGrey, -1, nullptr},
    {ProcessIdField, Kind::Text, 60, 404, 195, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {TaskCaption, Kind::Text, 20, 420, 39, 15, "Task:", 0, LowerPanelGrey, -1, nullptr},
    {TaskField, Kind::Text, 60, 420, 195, 15, "", Click, LowerPanelGrey, -1, nullptr},
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

// The control's box at the resolution. The magnifier keeps every screen pixel an equal square block, so its frame
// and view are sized by whole blocks rather than by the scale.
TkRect PanelBox(const ControlSpec& c, int dpi)
{
    const int captureSide = App().captureWidth > 0 ? App().captureWidth : 21;
    if (c.id == MagnifierFrame)
        return PlaceMagnifier(dpi, captureSide).frame;
    if (c.id == MagnifierView)
        return PlaceMagnifier(dpi, captureSide).view;
    return TkScaleBox(c.x, c.y, c.w, c.h, dpi);
}

// The picture a control shows, nullptr for none.
HANDLE PanelPicture(const ControlSpec& c)
{
    const AppState& app = App();
    if (c.kind == Kind::Image)
        return TkImageHandle(app.MagnifierPicture);
    if (c.kind == Kind::IconButton)
        return TkImageHandle(app.*c.icon);
    return nullptr;
}

void CreateControl(const ControlSpec& c, int dpi)
{
    const TkRect b = PanelBox(c, dpi);
    const int x = b.left, y = b.top, w = b.Width(), h = b.Height();
    switch (c.kind) {
    case Kind::Frame: TkFrame(c.id, x, y, w, h, c.text, 2); break;
    case Kind::Image: TkImageControl(c.id, x, y, w, h, PanelPicture(c)); break;
    case Kind::Option: TkOptionButton(c.id, x, y, w, h, c.text); break;
    case Kind::IconButton: TkImageButton(c.id, x, y, w, h, PanelPicture(c)); break;
    case Kind::Text: TkTextControl(c.id, x, y, w, h, c.text ? c.text : RangeText(c.id), c.style); break;
    case Kind::Swatch:
        TkContainer(c.id, x, y, w, h, 0);
        TkEndContainer();
        break;
    }
    if (c.back != -1)
        TkSetControlColor(c.id, TkBackColour, c.back);
    if (c.fore != -1)
        TkSetControlColor(c.id, TkTextColour, c.fore);
}

void CreateMenu(HWND window)
{
    if (!TkCreateMenuBar(MainMenu, window))
        return;
    TkMenuTitle(MenuFileTitle);
    TkMenuItem(MenuQuit, MenuQuitText);
    TkMenuTitle(MenuSettingsTitle);
    TkMenuItem(MenuAlwaysOnTop, MenuAlwaysOnTopText);
    TkMenuItem(MenuShowTooltips, MenuShowTooltipsText);
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

// Moved onto a display of another scale: the panel is laid out anew there, in the place the system suggests.
LRESULT MainWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DPICHANGED || window != TkWindowHandle(MainWindow))
        return CallbackDefault;
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    RescaleMainWindow(HIWORD(wParam), suggested->left, suggested->top);
    return 0;
}

} // namespace

void BuildMainWindow()
{
    AppState& app = App();
    const Settings& settings = app.settings;
    HWND window = TkOpenWindow(MainWindow, settings.MainWindowPosX, settings.MainWindowPosY, MainInnerWidth,
                               MainInnerHeight, ProgramTitle, MainWindowFlags);
    if (!window)
        return;
    TkPlaceKeepValue(MainWindow, settings.MainWindowPosX, settings.MainWindowPosY);
    const int dpi = TkWindowDpi(MainWindow);
    UsePanelPictures(dpi);
    CreateMenu(window);
    TkSetMenuItemMark(MainMenu, MenuAlwaysOnTop, settings.MainWindowOnTop != 0);
    TkSetMenuItemMark(MainMenu, MenuShowTooltips, settings.ShowTooltips != 0);
    SetBackground(window);
    for (const ControlSpec& c : panelControls)
        CreateControl(c, dpi);
    ShowScreenRanges();

    if (settings.ShowTooltips != 0)
        for (const ToolTipSpec& t : toolTips)
            TkSetToolTip(t.control, t.text);

    ShowWindow(window, SW_SHOW);
    TkSetWindowTopmost(MainWindow, settings.MainWindowOnTop != 0);
    AddRulerShortcuts(MainWindow);
    TkSetWindowCallback(MainWindowCallback, MainWindow);
}

void RescaleMainWindow(int dpi, int x, int y)
{
    if (!TkWindowExists(MainWindow))
        return;
    TkRescaleWindow(MainWindow, dpi, x, y);
    const bool newPictures = UsePanelPictures(dpi);
    if (newPictures)
        SetBackground(TkWindowHandle(MainWindow));
    for (const ControlSpec& c : panelControls) {
        const TkRect b = PanelBox(c, dpi);
        TkResizeControl(c.id, b.left, b.top, b.Width(), b.Height());
        if (newPictures && PanelPicture(c))
            TkSetControlState(c.id, reinterpret_cast<intptr_t>(PanelPicture(c)));
    }
    ShowScreenRanges();
    // The magnifier's picture now has the new block size: with a corner chosen it shows that corner again.
    if (SelectedCorner() != ProbeCorner::None)
        MoveRulerStep(RulerWindow, SideLeft, 0);
}

void ShowScreenRanges()
{
    if (!TkWindowExists(MainWindow))
        return;
    const int dpi = TkWindowDpi(MainWindow);
    const std::string position = RangeText(PositionRangeLabel), size = RangeText(SizeRangeLabel);
    TkRect positionBox{}, sizeBox{};
    for (const ControlSpec& c : panelControls) {
        if (c.id == PositionRangeLabel)
            positionBox = PanelBox(c, dpi);
        else if (c.id == SizeRangeLabel)
            sizeBox = PanelBox(c, dpi);
    }
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
