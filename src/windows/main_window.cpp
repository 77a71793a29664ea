#include "windows/main_window.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/panel_colours.h"
#include "windows/window_placement.h"

namespace {

constexpr int MainInnerWidth = 270;
constexpr int MainInnerHeight = 466;
constexpr uint32_t MainWindowFlags = TkTitleBar | TkSystemMenu | TkMinimiseBox | TkInvisible;

enum class Kind { Frame, Image, Option, IconButton, Text };

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

// The upper panel: magnifier, corner options, the twelve nudge buttons and the ruler's edges and size.
// The two range labels are written separately, as their texts depend on the screen.
const ControlSpec upperPanel[] = {
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
};

const ControlSpec edgeFields[] = {
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
};

// The lower panel: the probed colour and the window under the probe point.
const ControlSpec lowerPanel[] = {
    {RgbCaption, Kind::Text, 20, 270, 75, 15, "RGB:", 0, LowerPanelGrey, -1, nullptr},
    {RgbValueField, Kind::Text, 20, 285, 75, 15, "", Click, LowerPanelGrey, -1, nullptr},
    {HslCaption, Kind::Text, 20, 303, 75, 15, "HSL:", 0, LowerPanelGrey, -1, nullptr},
    {HslValueField, Kind::Text, 20, 317, 75, 15, "", Click, LowerPanelGrey, -1, nullptr},
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

void CreateControl(const ControlSpec& c)
{
    AppState& app = App();
    switch (c.kind) {
    case Kind::Frame: TkFrame(c.id, c.x, c.y, c.w, c.h, c.text, 2); break;
    case Kind::Image: TkImageControl(c.id, c.x, c.y, c.w, c.h, TkImageHandle(app.MagnifierPicture)); break;
    case Kind::Option: TkOptionButton(c.id, c.x, c.y, c.w, c.h, c.text); break;
    case Kind::IconButton: TkImageButton(c.id, c.x, c.y, c.w, c.h, TkImageHandle(app.*c.icon)); break;
    case Kind::Text: TkTextControl(c.id, c.x, c.y, c.w, c.h, c.text, c.style); break;
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

// The two range labels side by side above the upper panel: each 125 x 15, the size label from x = 140.
constexpr struct {
    int x, y, w, h, sizeX;
} RangeRow{5, 4, 125, 15, 140};
// Between the two labels when the position range needs more than its box.
constexpr int RangeGap = 6;

// The ranges of the ruler's place and size: the box around all monitors, its right edge shown inclusively. On one
// monitor the place starts at 0 and the size ends at the screen's right edge.
std::string PositionRangeText()
{
    const AppState& app = App();
    return "Linealposition " + TkIntToText(app.screenLeft) + " - " + TkIntToText(app.screenRight - 1);
}

std::string SizeRangeText()
{
    return "Linealgrösse 1 - " + TkIntToText(App().screenWidth);
}

void SetBackground(HWND window)
{
    const AppState& app = App();
    HANDLE picture = app.MainBackgroundImage ? TkImageHandle(app.MainBackgroundImage) : nullptr;
    // The window class owns the brush from here on: unregistering the class when the window closes deletes it.
    HBRUSH brush = picture ? CreatePatternBrush(static_cast<HBITMAP>(picture)) : nullptr;
    if (brush) {
        SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
        InvalidateRect(window, nullptr, TRUE);
    } else {
        TkSetWindowColor(MainWindow, PanelGrey);
    }
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
    CreateMenu(window);
    TkFrame(TopSeparator, 0, 0, 300, 2, "", 2);
    TkSetMenuItemMark(MainMenu, MenuAlwaysOnTop, settings.MainWindowOnTop != 0);
    TkSetMenuItemMark(MainMenu, MenuShowTooltips, settings.ShowTooltips != 0);
    SetBackground(window);

    for (const ControlSpec& c : upperPanel)
        CreateControl(c);
    TkTextControl(PositionRangeLabel, RangeRow.x, RangeRow.y, RangeRow.w, RangeRow.h, "", TkTextRight);
    TkTextControl(SizeRangeLabel, RangeRow.sizeX, RangeRow.y, RangeRow.w, RangeRow.h, "", 0);
    ShowScreenRanges();
    TkSetControlColor(PositionRangeLabel, TkBackColour, PanelGrey);
    TkSetControlColor(SizeRangeLabel, TkBackColour, PanelGrey);
    TkSetControlColor(PositionRangeLabel, TkTextColour, LabelTextGrey);
    for (const ControlSpec& c : edgeFields)
        CreateControl(c);

    TkContainer(ColourSwatch, 101, 267, 63, 63, 0);
    TkSetControlColor(ColourSwatch, TkBackColour, SwatchStartColour);
    TkEndContainer();
    for (const ControlSpec& c : lowerPanel)
        CreateControl(c);

    if (settings.ShowTooltips != 0)
        for (const ToolTipSpec& t : toolTips)
            TkSetToolTip(t.control, t.text);

    ShowWindow(window, SW_SHOW);
    TkSetWindowTopmost(MainWindow, settings.MainWindowOnTop != 0);
    AddRulerShortcuts(MainWindow);
}

void ShowScreenRanges()
{
    const std::string position = PositionRangeText(), size = SizeRangeText();
    // A static control breaks a text too long for its box onto a second line, which its height cuts off: a monitor
    // left of the primary one lengthens the position range past its box, which then grows to the right and pushes
    // the size label along.
    const int positionWidth = std::max(RangeRow.w, TkControlTextWidth(PositionRangeLabel, position));
    const int sizeX = std::max(RangeRow.sizeX, RangeRow.x + positionWidth + RangeGap);
    const int sizeWidth = std::max(RangeRow.w, TkControlTextWidth(SizeRangeLabel, size));
    TkResizeControl(PositionRangeLabel, RangeRow.x, RangeRow.y, positionWidth, RangeRow.h);
    TkResizeControl(SizeRangeLabel, sizeX, RangeRow.y, sizeWidth, RangeRow.h);
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
