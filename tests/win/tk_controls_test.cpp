#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "core/object_ids.h"
#include "tk_test_support.h"
#include "windows/ruler_window.h"

namespace {

constexpr uint32_t HiddenTitled = TkTitleBar | TkSystemMenu | TkInvisible;

// Controls of the tests' own, beside the program's.
constexpr int InnerOption = 20;
constexpr int AfterContainerOption = 21;
constexpr int GroupLabel = 30;
constexpr int InnerBox = 67;

constexpr COLORREF DarkBlue = RGB(0, 0, 128);

HBITMAP Bitmap(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

struct StaticColours {
    COLORREF text, back;
    HBRUSH brush;
};

// What the parent answers when the static asks for its colours, asked with a DC of marked colours.
StaticColours AskStaticColours(HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    const StaticColours colours{GetTextColor(dc), GetBkColor(dc), brush};
    DeleteDC(dc);
    return colours;
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH logBrush{};
    return GetObjectA(brush, sizeof(logBrush), &logBrush) ? logBrush.lbColor : CLR_INVALID;
}

COLORREF ErasedColour(HWND window)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = Bitmap(4, 4);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const COLORREF colour = GetPixel(dc, 0, 0);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
}

} // namespace

using Controls = ToolkitTest;

TEST_F(Controls, OptionsGroupOnlyDirectlyAfterOneAnotherAndSelectionClearsOnlyTheirGroup)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkOptionButton(CornerTopLeftOption, 10, 10, 80, 16, "oben links");
    TkOptionButton(CornerTopRightOption, 10, 30, 80, 16, "oben rechts");
    TkTextControl(GroupLabel, 10, 50, 80, 16, "Ecke", 0);
    TkOptionButton(CornerBottomRightOption, 10, 70, 80, 16, "unten rechts");
    TkOptionButton(CornerBottomLeftOption, 10, 90, 80, 16, "unten links");
    TkContainer(InnerBox, 100, 10, 100, 100, 0);
    TkOptionButton(InnerOption, 0, 0, 80, 16, "innen");
    TkEndContainer();
    TkOptionButton(AfterContainerOption, 100, 120, 80, 16, "danach");
    for (int option : {CornerTopLeftOption, CornerTopRightOption, CornerBottomRightOption, CornerBottomLeftOption,
                       InnerOption, AfterContainerOption}) {
        SCOPED_TRACE(option);
        const bool startsGroup = option != CornerTopRightOption && option != CornerBottomLeftOption;
        EXPECT_EQ((GetWindowLongPtrA(TkControlHandle(option), GWL_STYLE) & WS_GROUP) != 0, startsGroup);
    }

    SendMessageA(TkControlHandle(CornerTopLeftOption), BM_CLICK, 0, 0);
    SendMessageA(TkControlHandle(CornerBottomRightOption), BM_CLICK, 0, 0);
    SendMessageA(TkControlHandle(CornerTopRightOption), BM_CLICK, 0, 0);
    TkHideControl(CornerTopRightOption, 1); // hidden options of the group are cleared too
    constexpr int NoChange = 0;
    struct Step {
        const char* name;
        int control, state;
        int expect[4]; // top left, top right, bottom right, bottom left
    } steps[] = {
        {"after the clicks", NoChange, 0, {0, 1, 1, 0}},
        {"top left selected", CornerTopLeftOption, 1, {1, 0, 1, 0}},
        {"bottom left selected", CornerBottomLeftOption, 1, {1, 0, 0, 1}},
        {"bottom left cleared", CornerBottomLeftOption, 0, {1, 0, 0, 0}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.control != NoChange)
            TkSetControlState(step.control, step.state);
        const int options[] = {CornerTopLeftOption, CornerTopRightOption, CornerBottomRightOption,
                               CornerBottomLeftOption};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(TkGetControlState(options[i]), step.expect[i]) << "option " << options[i];
    }
}

TEST_F(Controls, ControlsGoIntoTheOpenContainerAndReportToTheirWindow)
{
    HWND window = TkOpenWindow(RulerWindow, 10, 10, 300, 200, "Lineal", TkBorderless | TkInvisible);
    HWND outer = TkContainer(MagnifierPeephole, 100, 50, 150, 120, 0);
    HWND inner = TkContainer(InnerBox, 10, 20, 100, 80, 0);
    HWND deepest = TkButton(GrowTopButton, 3, 4, 20, 20, "+");
    TkEndContainer();
    HWND middle = TkButton(ShrinkTopButton, 5, 6, 20, 20, "-");
    TkEndContainer();
    HWND top = TkTextControl(RgbValueField, 7, 8, 40, 16, "", 0);
    struct Case {
        const char* name;
        HWND control, parent;
        int x, y;
    } cases[] = {
        {"button inside both", deepest, inner, 3, 4},
        {"button after the inner end", middle, outer, 5, 6},
        {"label after both ends", top, window, 7, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetParent(c.control), c.parent);
        EXPECT_EQ(RectInParent(c.control).left, c.x);
        EXPECT_EQ(RectInParent(c.control).top, c.y);
    }

    TkResizeControl(GrowTopButton, TkKeep, 9, TkKeep, TkKeep);
    const RECT moved = RectInParent(deepest);
    EXPECT_EQ(moved.left, 3) << "kept values are relative to the parent";
    EXPECT_EQ(moved.top, 9);
    EXPECT_EQ(moved.right - moved.left, 20);

    DrainPosted();
    SendMessageA(deepest, BM_CLICK, 0, 0);
    const SeenEvent& click = Find(DrainPosted(), EventControl);
    EXPECT_EQ(click.control, GrowTopButton);
    EXPECT_EQ(click.window, RulerWindow);
}

TEST_F(Controls, StaticColoursFollowTheColourRules)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkSetWindowColor(MainWindow, RGB(200, 0, 0));
    const StaticColours defaults = AskStaticColours(TkTextControl(HslValueField, 10, 40, 80, 16, "never set", 0));
    TkContainer(MagnifierPeephole, 100, 10, 150, 100, 0);
    HWND label = TkTextControl(RgbValueField, 10, 10, 80, 16, "150", 0);
    TkEndContainer();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        int32_t text, back;
        StaticColours expect;
    } cases[] = {
        {"background only", -1, RulerGrey, {RGB(1, 2, 3), RulerGrey, nullptr}},
        {"both", DarkBlue, RulerGrey, {DarkBlue, RulerGrey, nullptr}},
        {"text only: the button face, not the window's colour", DarkBlue, -1, {DarkBlue, face, nullptr}},
        {"both back to the default", -1, -1, defaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkSetControlColor(RgbValueField, TkTextColour, c.text);
        TkSetControlColor(RgbValueField, TkBackColour, c.back);
        const StaticColours seen = AskStaticColours(label);
        EXPECT_EQ(seen.text, c.expect.text);
        EXPECT_EQ(seen.back, c.expect.back);
        if (c.expect.brush) {
            EXPECT_EQ(seen.brush, c.expect.brush);
        } else {
            EXPECT_EQ(BrushColour(seen.brush), c.expect.back);
        }
    }
}

TEST_F(Controls, WindowsAndContainersEraseWithTheirBackgroundColour)
{
    HWND window = TkOpenWindow(RulerWindow, 10, 10, 300, 200, "Lineal", TkBorderless | TkInvisible);
    HWND peephole = TkContainer(MagnifierPeephole, 1, 1, 1, 1, 0);
    TkEndContainer();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        int32_t windowColour, containerColour;
        COLORREF expectWindow, expectContainer;
    } cases[] = {
        {"ruler grey, key colour", int32_t(RulerGrey), int32_t(KeyColour), RulerGrey, KeyColour},
        {"back to the defaults", -1, -1, face, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkSetWindowColor(RulerWindow, c.windowColour);
        TkSetControlColor(MagnifierPeephole, TkBackColour, c.containerColour);
        EXPECT_EQ(ErasedColour(window), c.expectWindow);
        EXPECT_EQ(ErasedColour(peephole), c.expectContainer);
    }
}

TEST_F(Controls, SecondToolTipReplacesTheFirstAndTheToolTipWindowOutlivesTheWindows)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND grow = TkButton(GrowTopButton, 10, 10, 20, 20, "+");
    TkButton(ShrinkTopButton, 40, 10, 20, 20, "-");
    TkSetToolTip(GrowTopButton, "alt");
    TkSetToolTip(GrowTopButton, "Lineal oben vergr\xF6\xDF"
                                "ern");
    TkSetToolTip(ShrinkTopButton, "Lineal oben verkleinern");

    HWND toolTip = FindThreadWindowOfClass(TOOLTIPS_CLASSA);
    ASSERT_NE(toolTip, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(toolTip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 2);
    char text[128] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = GetParent(grow);
    tool.uId = reinterpret_cast<UINT_PTR>(grow);
    tool.lpszText = text;
    SendMessageA(toolTip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(text), "Lineal oben vergr\xF6\xDF"
                                 "ern");

    TkCloseWindow(MainWindow);
    EXPECT_TRUE(IsWindow(toolTip));
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 0) << "the closed controls' tools are gone";
}
