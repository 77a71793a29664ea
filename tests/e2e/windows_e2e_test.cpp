// The three windows as the program builds them: the main window, the ruler and the short guide, looked at from
// outside after a start without settings file (or with a few settings), as a user's window tools see them.
#include "e2e_driver.h"

#include <commctrl.h>

#include <cstdlib>

#include "core/object_ids.h"

namespace {

class WindowsAtStartTest : public ProgramTest {
protected:
    // The guide opens last; once the program takes input, it stands complete.
    HWND WaitForGuide() { return WaitUntilTakingInput() ? ShortGuideOf(program.processId) : nullptr; }
};

LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

LONG_PTR ExtendedStyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_EXSTYLE);
}

// The frame that a window of that style needs around an inner area of that size, without a menu bar.
SIZE FrameSizeFor(HWND window, int innerWidth, int innerHeight)
{
    RECT rect{0, 0, innerWidth, innerHeight};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(StyleOf(window)), FALSE, static_cast<DWORD>(ExtendedStyleOf(window)));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

struct ControlPlace {
    int control;
    const char* name;
    RECT rect;
};

void ExpectControlPlaces(HWND window, std::initializer_list<ControlPlace> places)
{
    for (const ControlPlace& place : places) {
        SCOPED_TRACE(place.name);
        EXPECT_EQ(RectText(ControlRect(window, place.control)), RectText(place.rect));
    }
}

// A text control as another program's inspection tool reads it: a static of that alignment (SS_LEFT, SS_RIGHT),
// clickable (SS_NOTIFY) or not, with SS_NOPREFIX.
void ExpectTextStatic(HWND window, int control, LONG_PTR style)
{
    HWND handle = GetDlgItem(window, control);
    char className[16] = {};
    GetClassNameA(handle, className, sizeof(className));
    EXPECT_STREQ(className, "Static");
    EXPECT_EQ(StyleOf(handle) & (SS_TYPEMASK | SS_NOTIFY | SS_NOPREFIX), style | SS_NOPREFIX)
        << "style 0x" << std::hex << StyleOf(handle);
}

bool ColourNear(COLORREF colour, int red, int green, int blue, int tolerance)
{
    return std::abs(GetRValue(colour) - red) <= tolerance && std::abs(GetGValue(colour) - green) <= tolerance &&
           std::abs(GetBValue(colour) - blue) <= tolerance;
}

std::string ColourText(COLORREF colour)
{
    return "RGB(" + std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour)) + ")";
}

POINT ClientPoint(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

} // namespace

TEST_F(WindowsAtStartTest, FirstStartOpensTheGuideCheckedCentredAndAboveOtherWindows)
{
    ASSERT_TRUE(Start());
    HWND guide = WaitForGuide();
    ASSERT_NE(guide, nullptr) << "no short guide at the first start";

    EXPECT_TRUE(IsChecked(guide, ShowGuideAtStartCheck)) << "the box must show the default ShowShortGuide = 1";
    EXPECT_EQ(ControlText(guide, ShowGuideAtStartCheck), "Diese Information bei Programmstart anzeigen");
    EXPECT_EQ(ControlText(guide, GuideOkButton), "OK");
    ExpectControlPlaces(guide, {{GuideImage, "picture", {10, 10, 690, 460}},
                                {ShowGuideAtStartCheck, "check box", {10, 470, 410, 490}},
                                {GuideOkButton, "OK button", {600, 465, 690, 490}}});

    const RECT client = ClientRectOnScreen(guide);
    EXPECT_EQ(Width(client), 700);
    EXPECT_EQ(Height(client), 500);
    // Centred by its frame on the primary screen; a frame larger than the screen starts at its edge.
    const RECT frame = WindowRect(guide);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(frame.left, Width(frame) > screenWidth ? 0 : (screenWidth - Width(frame)) / 2) << RectText(frame);
    EXPECT_EQ(frame.top, Height(frame) > screenHeight ? 0 : (screenHeight - Height(frame)) / 2) << RectText(frame);

    EXPECT_TRUE(IsTopmost(guide));
    const LONG_PTR style = StyleOf(guide);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0)
        << "the guide is neither sized nor minimised";
}

// Every text control of the panel with its text at the start, and as other programs' tools read it: a static of its
// alignment, clickable or not, showing "&" as it is.
TEST_F(WindowsAtStartTest, MainWindowShowsTheRulerEdgesInclusivelyAndTheScreenRange)
{
    ASSERT_TRUE(Start());
    const int screenRight = GetSystemMetrics(SM_CXSCREEN);
    constexpr LONG_PTR Label = SS_LEFT, Field = SS_NOTIFY | SS_LEFT, RightField = SS_NOTIFY | SS_RIGHT;
    const struct {
        int control;
        const char* name;
        std::string text;
        LONG_PTR style;
    } fields[] = {
        {PositionRangeLabel, "position range", "Linealposition 0 - " + std::to_string(screenRight - 1), SS_RIGHT},
        {SizeRangeLabel, "size range", "Linealgr\xF6sse 1 - " + std::to_string(screenRight), Label},
        {LeftEdgeTopField, "left, top", "100", Field},
        {LeftEdgeBottomField, "left, bottom", "100", Field},
        {RightEdgeTopField, "right, top", "399", RightField},
        {RightEdgeBottomField, "right, bottom", "399", RightField},
        {TopEdgeLeftField, "top, left", "10", RightField},
        {TopEdgeRightField, "top, right", "10", Field},
        {BottomEdgeLeftField, "bottom, left", "159", RightField},
        {BottomEdgeRightField, "bottom, right", "159", Field},
        {RulerWidthField, "width", "300", RightField},
        {RulerHeightField, "height", "150", Field},
        {SizeOriginLabel, "size origin", "1", Label},
        {OriginLabel, "position origin", "0", Label},
        {RgbCaption, "RGB caption", "RGB:", Label},
        {RgbValueField, "RGB", "", Field},
        {HslCaption, "HSL caption", "HSL:", Label},
        {HslValueField, "HSL", "", Field},
        {HtmlCaption, "HTML caption", "HTML:", Label},
        {HtmlValueField, "HTML", "", Field},
        {DecCaption, "DEC caption", "DEC:", Label},
        {DecValueField, "DEC", "", Field},
        {WindowNameCaption, "name caption", "Name:", Label},
        {WindowNameField, "name", "", Field},
        {WindowClassCaption, "class caption", "Class:", Label},
        {WindowClassField, "class", "", Field},
        {WindowHandleCaption, "handle caption", "HWnd:", Label},
        {WindowHandleField, "handle", "", Field},
        {ProcessIdCaption, "process caption", "PID:", Label},
        {ProcessIdField, "process", "", Field},
        {TaskCaption, "task caption", "Task:", Label},
        {TaskField, "task", "", Field},
    };
    for (const auto& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(ControlText(main, field.control), field.text);
        ExpectTextStatic(main, field.control, field.style);
    }

    for (int option : {CornerTopLeftOption, CornerTopRightOption, CornerBottomRightOption, CornerBottomLeftOption}) {
        SCOPED_TRACE(option);
        EXPECT_FALSE(IsChecked(main, option)) << "no corner is selected before the user picks one";
    }
}

TEST_F(WindowsAtStartTest, MainWindowFrameFitsItsInnerAreaAndOffersOnlyMinimising)
{
    ASSERT_TRUE(Start());
    const LONG_PTR style = StyleOf(main);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << "the panel has a fixed size";
    EXPECT_TRUE(IsTopmost(main)) << "MainWindowOnTop defaults to 1";
    EXPECT_EQ(WindowRect(main).left, 500) << "the default place is 500, 10";
    EXPECT_EQ(WindowRect(main).top, 10) << "the default place is 500, 10";

    // The frame is made for 270 x 466; the menu bar then takes its height from the top of that area.
    const SIZE frame = FrameSizeFor(main, 270, 466);
    EXPECT_EQ(Width(WindowRect(main)), frame.cx);
    EXPECT_EQ(Height(WindowRect(main)), frame.cy);
    const RECT client = ClientRectOnScreen(main);
    EXPECT_EQ(Width(client), 270);
    EXPECT_LT(Height(client), 466) << "the menu bar must come out of the inner area";

    // Control places count from the top-left corner of the area below the menu bar.
    ExpectControlPlaces(main, {{MagnifierView, "magnifier view", {101, 96, 164, 159}},
                               {RulerWidthField, "width field", {187, 52, 217, 67}},
                               {ColourSwatch, "colour swatch", {101, 267, 164, 330}},
                               {TaskField, "task field", {60, 420, 255, 435}}});
}

TEST_F(WindowsAtStartTest, RulerIsABorderlessTranslucentToolWindowAboveOtherWindows)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(RectText(WindowRect(ruler)), "(100,10)-(400,160)");
    EXPECT_EQ(RectText(ClientRectOnScreen(ruler)), "(100,10)-(400,160)") << "a borderless window is all client";

    const LONG_PTR style = StyleOf(ruler);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU), 0);
    const LONG_PTR extended = ExtendedStyleOf(ruler);
    EXPECT_EQ(extended & ~static_cast<LONG_PTR>(WS_EX_TOPMOST), WS_EX_LAYERED | WS_EX_TOOLWINDOW)
        << "extended style 0x" << std::hex << extended;
    EXPECT_TRUE(IsTopmost(ruler));

    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(ruler, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(255, 0, 255));
    EXPECT_EQ(alpha, 192);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));

    const struct {
        int control;
        const char* text;
        LONG_PTR style;
    } labels[] = {
        {RulerOriginLabel, "1", SS_LEFT}, {RulerWidthLabel, "300", SS_RIGHT}, {RulerHeightLabel, "150", SS_LEFT}};
    for (const auto& label : labels) {
        SCOPED_TRACE(label.text);
        EXPECT_EQ(ControlText(ruler, label.control), label.text);
        ExpectTextStatic(ruler, label.control, label.style);
    }
    ExpectControlPlaces(ruler, {{RulerCentreImage, "centre symbol", {141, 66, 160, 85}},
                                {RulerOriginLabel, "origin label", {17, 17, 23, 29}},
                                {RulerWidthLabel, "width label", {255, 17, 283, 29}},
                                {RulerHeightLabel, "height label", {17, 121, 45, 133}}});
    EXPECT_EQ(ControlRect(ruler, BottomScaleImage).top, 135);
    EXPECT_EQ(ControlRect(ruler, RightScaleImage).left, 285);
}

// The ruler has no close box; a close request from elsewhere (another program, the task list) leaves it standing.
TEST_F(WindowsAtStartTest, RulerStaysWhenAskedToClose)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    PostMessageA(ruler, WM_CLOSE, 0, 0);
    // The menu opens only once the program has handled what came before it, the request included.
    ASSERT_TRUE(WaitUntilTakingInput());
    EXPECT_TRUE(IsWindow(ruler) && IsWindowVisible(ruler)) << "the ruler closed";
    EXPECT_EQ(WaitForExit(program, std::chrono::milliseconds(0)), static_cast<DWORD>(STILL_ACTIVE))
        << "the request ended the program";
}

TEST_F(WindowsAtStartTest, DoubleClickOnTheRulerMinimisesThePanelAndHidesTheRulerUntilThePanelIsRestored)
{
    ASSERT_TRUE(WriteSettingsFile("ShowShortGuide = 0\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    // The body, away from the scales, the labels and the centre symbol.
    DoubleClickAt({rulerFrame.left + 75, rulerFrame.top + 75});
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main); })) << "the double-click did not minimise the main window";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(ruler); })) << "the ruler must hide with the main window";

    // The task bar's button restores a minimised window with this command.
    PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(main); })) << "the main window was not restored";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(ruler); })) << "the ruler must come back with the main window";
    EXPECT_EQ(RectText(WindowRect(ruler)), RectText(rulerFrame));
    EXPECT_EQ(RectText(WindowRect(main)), RectText(mainFrame));
}

// ShowTooltips is an 8-bit flag: only the low byte of the number counts.
class TooltipSettingTest : public WindowsAtStartTest,
                           public testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(TooltipSettingTest, ControlsCarryTheirTooltipsOnlyWhenTheFlagsLowByteIsSet)
{
    const auto& [value, expectedTools] = GetParam();
    ASSERT_TRUE(WriteSettingsFile(std::string("ShowTooltips = ") + value + "\r\n"));
    ASSERT_TRUE(Start());
    // The tooltips are attached before the main window is shown.
    EXPECT_EQ(ToolTipCount(program.processId), expectedTools) << "ShowTooltips = " << value;
    for (HWND toolTip : TopLevelWindowsOf(program.processId, "tooltips_class32")) {
        if (SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0) == 0)
            continue;
        EXPECT_TRUE(IsTopmost(toolTip));
        EXPECT_EQ(StyleOf(toolTip) & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, TooltipSettingTest,
                         testing::Values(std::make_pair("0", 0), std::make_pair("1", 35), std::make_pair("7", 35),
                                         std::make_pair("256", 0)),
                         [](const auto& info) { return std::string("ShowTooltips") + info.param.first; });

TEST_F(WindowsAtStartTest, ScreenShowsThePanelPictureAndTheGuidePicture)
{
    // The main window at the right edge of the screen, clear of the centred guide, so that both can be seen whole.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    ASSERT_TRUE(WriteSettingsFile("MainWindowPosX = " + std::to_string(screenWidth - 280) + "\r\n"));
    ASSERT_TRUE(Start());
    HWND guide = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        guide = ShortGuideOf(program.processId);
        return guide && GetDlgItem(guide, GuideOkButton) && IsTopmost(guide);
    })) << "the guide did not open";
    RECT overlap{};
    const RECT mainFrame = WindowRect(main), guideFrame = WindowRect(guide);
    if (IntersectRect(&overlap, &mainFrame, &guideFrame))
        GTEST_SKIP() << "the screen is too narrow to show the main window beside the guide";

    // Spots that no control covers: the upper panel's grey and the lower panel's grey of the background picture,
    // and the white of the guide's picture; and the colour swatch, a control, in its start colour. The windows paint
    // themselves once the program waits for input.
    const POINT upperSpot = ClientPoint(main, 262, 150), lowerSpot = ClientPoint(main, 4, 440);
    const POINT guideSpot = ClientPoint(guide, 10 + 675, 10 + 440);
    const POINT swatchSpot = ClientPoint(main, 130, 300);
    WaitUntil([&] {
        return ColourNear(ScreenPixel(upperSpot), 219, 219, 219, 4) &&
               ColourNear(ScreenPixel(lowerSpot), 162, 162, 162, 4) &&
               ColourNear(ScreenPixel(guideSpot), 255, 255, 255, 4) &&
               ColourNear(ScreenPixel(swatchSpot), 170, 170, 170, 2);
    });
    WaitForStillScreen();
    const std::string shot = ArtifactFolder() + "windows-at-start.bmp";
    EXPECT_TRUE(SaveScreenBitmap(shot)) << "the screen could not be captured";
    const COLORREF upper = ScreenPixel(upperSpot), lower = ScreenPixel(lowerSpot), picture = ScreenPixel(guideSpot);
    const COLORREF swatch = ScreenPixel(swatchSpot);
    EXPECT_TRUE(ColourNear(upper, 219, 219, 219, 4)) << ColourText(upper) << ", see " << shot;
    EXPECT_TRUE(ColourNear(lower, 162, 162, 162, 4)) << ColourText(lower) << ", see " << shot;
    EXPECT_TRUE(ColourNear(picture, 255, 255, 255, 4)) << ColourText(picture) << ", see " << shot;
    EXPECT_TRUE(ColourNear(swatch, 170, 170, 170, 2)) << "the swatch's start colour: " << ColourText(swatch);
}

// The labels' texts lie whole inside their boxes at the display's scale (this test runs at 96 dpi and once more in a
// prefix of 144 dpi): the text's ink is there, and none of it reaches the box's last column or last row, where a
// text too large for its box is cut off.
TEST_F(WindowsAtStartTest, PanelLabelsShowWhollyInsideTheirBoxes)
{
    ASSERT_TRUE(WriteSettingsFile("ShowShortGuide = 0\r\nMainWindowPosX = 10\r\nMainWindowPosY = 10\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    const UINT dpi = GetDpiForWindow(main);
    const struct {
        int control;
        int red, green, blue; // the label's background
    } labels[] = {{SizeRangeLabel, 219, 219, 219}, {RgbCaption, 162, 162, 162}, {WindowHandleCaption, 162, 162, 162}};
    RECT first{};
    GetWindowRect(GetDlgItem(main, labels[0].control), &first);
    const POINT spot{first.right - 1, first.bottom - 1};
    WaitUntil([&] { return ColourNear(ScreenPixel(spot), 219, 219, 219, 4); });
    WaitForStillScreen();
    const std::string shot = ArtifactFolder() + "panel-at-" + std::to_string(dpi) + "-dpi.bmp";
    EXPECT_TRUE(SaveScreenBitmap(shot)) << "the screen could not be captured";
    for (const auto& label : labels) {
        SCOPED_TRACE(testing::Message() << "control " << label.control << " at " << dpi << " dpi, see " << shot);
        RECT box{};
        GetWindowRect(GetDlgItem(main, label.control), &box);
        const ScreenArea area(box.left, box.top, box.right - box.left, box.bottom - box.top);
        ASSERT_TRUE(area.valid);
        int ink = 0, inkAtEdge = 0;
        for (int y = 0; y < area.height; ++y) {
            for (int x = 0; x < area.width; ++x) {
                if (ColourNear(area.At(x, y), label.red, label.green, label.blue, 60))
                    continue;
                ++ink;
                inkAtEdge += x == area.width - 1 || y == area.height - 1;
            }
        }
        EXPECT_GT(ink, 10) << "no text in the box";
        EXPECT_EQ(inkAtEdge, 0) << "the text reaches the box's right or bottom edge";
    }
}
