#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "tk_test_support.h"

namespace {

constexpr int MainWindow = 0;
constexpr int RulerWindow = 1;
constexpr uint32_t HiddenTitled = TkTitleBar | TkSystemMenu | TkInvisible;

constexpr int TopLeftOption = 4;
constexpr int TopRightOption = 5;
constexpr int BottomRightOption = 6;
constexpr int BottomLeftOption = 7;
constexpr int InnerOption = 20;
constexpr int AfterContainerOption = 21;
constexpr int GroupLabel = 30;

constexpr int GrowButton = 8;
constexpr int ShrinkButton = 9;
constexpr int GuideCheckBox = 68;
constexpr int ValueField = 39;
constexpr int OtherField = 41;
constexpr int Peephole = 66;
constexpr int InnerBox = 67;
constexpr int CentreImage = 58;

constexpr COLORREF RulerGrey = RGB(212, 212, 212);
constexpr COLORREF KeyColour = RGB(255, 0, 255);
constexpr COLORREF DarkBlue = RGB(0, 0, 128);

bool HasGroupStyle(int control)
{
    return (GetWindowLongPtrA(TkControlHandle(control), GWL_STYLE) & WS_GROUP) != 0;
}

bool Checked(int control)
{
    return SendMessageA(TkControlHandle(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

RECT RectInParent(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A 32-bit top-down DIB section of the given size, filled with one colour.
HBITMAP SolidBitmap(int width, int height, int bitsPerPixel = 24)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

struct StaticColours {
    COLORREF text;
    COLORREF back;
    HBRUSH brush;
};

// What the parent answers when the static asks for its colours, starting from a DC with marked colours.
StaticColours AskStaticColours(HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    StaticColours colours{GetTextColor(dc), GetBkColor(dc), brush};
    DeleteDC(dc);
    return colours;
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH logBrush{};
    if (!brush || !GetObjectA(brush, sizeof(logBrush), &logBrush))
        return CLR_INVALID;
    return logBrush.lbColor;
}

// The colour a window or container paints its background with when asked to erase.
COLORREF ErasedColour(HWND window)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = SolidBitmap(4, 4, 32);
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

TEST_F(Controls, OptionButtonJoinsTheGroupOnlyDirectlyAfterAnotherOption)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkOptionButton(TopLeftOption, 10, 10, 80, 16, "oben links");
    TkOptionButton(TopRightOption, 10, 30, 80, 16, "oben rechts");
    TkTextControl(GroupLabel, 10, 50, 80, 16, "Ecke", 0);
    TkOptionButton(BottomRightOption, 10, 70, 80, 16, "unten rechts");
    TkOptionButton(BottomLeftOption, 10, 90, 80, 16, "unten links");
    TkContainer(InnerBox, 100, 10, 100, 100, 0);
    TkOptionButton(InnerOption, 0, 0, 80, 16, "innen");
    TkEndContainer();
    TkOptionButton(AfterContainerOption, 100, 120, 80, 16, "danach");

    struct Case {
        int control;
        bool startsGroup;
    } cases[] = {
        {TopLeftOption, true},      {TopRightOption, false}, {BottomRightOption, true},
        {BottomLeftOption, false},  {InnerOption, true},     {AfterContainerOption, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        EXPECT_EQ(HasGroupStyle(c.control), c.startsGroup);
    }
}

TEST_F(Controls, SelectingAnOptionClearsOnlyTheOthersOfItsGroup)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkOptionButton(TopLeftOption, 10, 10, 80, 16, "oben links");
    TkOptionButton(TopRightOption, 10, 30, 80, 16, "oben rechts");
    TkTextControl(GroupLabel, 10, 50, 80, 16, "Ecke", 0);
    TkOptionButton(BottomRightOption, 10, 70, 80, 16, "unten rechts");
    TkOptionButton(BottomLeftOption, 10, 90, 80, 16, "unten links");

    SendMessageA(TkControlHandle(TopLeftOption), BM_CLICK, 0, 0);
    SendMessageA(TkControlHandle(BottomRightOption), BM_CLICK, 0, 0);
    SendMessageA(TkControlHandle(TopRightOption), BM_CLICK, 0, 0);
    EXPECT_FALSE(Checked(TopLeftOption)) << "a click clears the other option of the group";
    EXPECT_TRUE(Checked(TopRightOption));
    EXPECT_TRUE(Checked(BottomRightOption)) << "the other group keeps its selection";

    // Programmatic selection; the hidden option of the group is cleared as well.
    TkHideControl(TopRightOption, 1);
    struct Step {
        int control;
        int state;
        int expectTopLeft, expectTopRight, expectBottomRight, expectBottomLeft;
    } steps[] = {
        {TopLeftOption, 1, 1, 0, 1, 0},
        {BottomLeftOption, 1, 1, 0, 0, 1},
        {BottomLeftOption, 0, 1, 0, 0, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.control);
        TkSetControlState(step.control, step.state);
        EXPECT_EQ(TkGetControlState(TopLeftOption), step.expectTopLeft);
        EXPECT_EQ(TkGetControlState(TopRightOption), step.expectTopRight);
        EXPECT_EQ(TkGetControlState(BottomRightOption), step.expectBottomRight);
        EXPECT_EQ(TkGetControlState(BottomLeftOption), step.expectBottomLeft);
    }
}

TEST_F(Controls, ClicksReportTheControlAndTheWindowAlsoFromInsideAContainer)
{
    TkOpenWindow(RulerWindow, 10, 10, 300, 200, "Lineal", TkBorderless | TkInvisible);
    TkCheckBox(GuideCheckBox, 10, 10, 120, 16, "beim Start zeigen");
    TkContainer(Peephole, 150, 10, 100, 100, 0);
    TkContainer(InnerBox, 5, 5, 80, 80, 0);
    TkButton(GrowButton, 2, 2, 20, 20, "+");
    TkEndContainer();
    TkEndContainer();
    DrainPostedMessages();

    struct Case {
        int control;
        int expectState;
    } cases[] = {{GuideCheckBox, 1}, {GrowButton, 0}, {GuideCheckBox, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        SendMessageA(TkControlHandle(c.control), BM_CLICK, 0, 0);
        const std::vector<SeenEvent> seen = DrainPostedMessages();
        ASSERT_EQ(CountCode(seen, EventControl), 1) << Describe(seen);
        const SeenEvent& event = seen[static_cast<size_t>(IndexOfCode(seen, EventControl))];
        EXPECT_EQ(event.control, c.control);
        EXPECT_EQ(event.window, RulerWindow);
        EXPECT_EQ(event.type, BN_CLICKED);
        EXPECT_EQ(TkGetControlState(c.control), c.expectState);
    }
}

TEST_F(Controls, ControlsGoIntoTheOpenContainerUntilItEnds)
{
    HWND window = TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND outer = TkContainer(Peephole, 100, 50, 150, 120, 0);
    HWND inner = TkContainer(InnerBox, 10, 20, 100, 80, 0);
    HWND deepest = TkButton(GrowButton, 3, 4, 20, 20, "+");
    TkEndContainer();
    HWND middle = TkButton(ShrinkButton, 5, 6, 20, 20, "-");
    TkEndContainer();
    HWND top = TkTextControl(ValueField, 7, 8, 40, 16, "", 0);

    struct Case {
        const char* name;
        HWND control, parent;
        int x, y;
    } cases[] = {
        {"outer container", outer, window, 100, 50}, {"inner container", inner, outer, 10, 20},
        {"button inside both", deepest, inner, 3, 4}, {"button after the inner end", middle, outer, 5, 6},
        {"label after both ends", top, window, 7, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(GetParent(c.control), c.parent);
        const RECT rect = RectInParent(c.control);
        EXPECT_EQ(rect.left, c.x);
        EXPECT_EQ(rect.top, c.y);
    }
}

TEST_F(Controls, ResizeKeepsTheValuesGivenAsKeepRelativeToTheParent)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkContainer(Peephole, 40, 30, 200, 150, 0);
    HWND label = TkTextControl(ValueField, 10, 20, 30, 12, "300", TkTextRight);
    TkEndContainer();
    struct Case {
        const char* name;
        int x, y, width, height;
        RECT expect;
    } cases[] = {
        {"all kept", TkKeep, TkKeep, TkKeep, TkKeep, {10, 20, 40, 32}},
        {"only x", 50, TkKeep, TkKeep, TkKeep, {50, 20, 80, 32}},
        {"only y", TkKeep, 5, TkKeep, TkKeep, {50, 5, 80, 17}},
        {"only the size", TkKeep, TkKeep, 28, 12, {50, 5, 78, 17}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkResizeControl(ValueField, c.x, c.y, c.width, c.height);
        const RECT rect = RectInParent(label);
        EXPECT_EQ(rect.left, c.expect.left);
        EXPECT_EQ(rect.top, c.expect.top);
        EXPECT_EQ(rect.right, c.expect.right);
        EXPECT_EQ(rect.bottom, c.expect.bottom);
    }
}

TEST_F(Controls, StaticColoursFollowTheColourRules)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkSetWindowColor(MainWindow, RGB(200, 0, 0));
    HWND reference = TkTextControl(OtherField, 10, 40, 80, 16, "never coloured", 0);
    TkContainer(Peephole, 100, 10, 150, 100, 0);
    HWND label = TkTextControl(ValueField, 10, 10, 80, 16, "150", 0);
    TkEndContainer();
    const StaticColours defaults = AskStaticColours(reference);

    struct Case {
        const char* name;
        int32_t text, back;
        COLORREF expectText, expectBack, expectBrush;
        bool systemDefault;
    } cases[] = {
        {"background only", -1, RulerGrey, RGB(1, 2, 3), RulerGrey, RulerGrey, false},
        {"both", DarkBlue, RulerGrey, DarkBlue, RulerGrey, RulerGrey, false},
        {"text only: the button face, not the window's colour", DarkBlue, -1, DarkBlue, GetSysColor(COLOR_BTNFACE),
         GetSysColor(COLOR_BTNFACE), false},
        {"both back to the default", -1, -1, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkSetControlColor(ValueField, TkTextColour, c.text);
        TkSetControlColor(ValueField, TkBackColour, c.back);
        const StaticColours seen = AskStaticColours(label);
        if (c.systemDefault) {
            EXPECT_EQ(seen.text, defaults.text);
            EXPECT_EQ(seen.back, defaults.back);
            EXPECT_EQ(seen.brush, defaults.brush);
        } else {
            EXPECT_EQ(seen.text, c.expectText);
            EXPECT_EQ(seen.back, c.expectBack);
            EXPECT_EQ(BrushColour(seen.brush), c.expectBrush);
        }
    }
}

namespace {

HBRUSH gCallbackBrush = nullptr;

LRESULT AnswerStaticColours(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_CTLCOLORSTATIC ? reinterpret_cast<LRESULT>(gCallbackBrush) : CallbackDefault;
}

} // namespace

TEST_F(Controls, WindowCallbackAnswersStaticColoursBeforeTheToolkit)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND label = TkTextControl(ValueField, 10, 10, 80, 16, "150", 0);
    TkSetControlColor(ValueField, TkBackColour, RulerGrey);
    gCallbackBrush = CreateSolidBrush(KeyColour);
    TkSetWindowCallback(AnswerStaticColours, MainWindow);
    EXPECT_EQ(AskStaticColours(label).brush, gCallbackBrush);
    TkSetWindowCallback(nullptr, MainWindow);
    EXPECT_EQ(BrushColour(AskStaticColours(label).brush), RulerGrey);
    DeleteObject(gCallbackBrush);
}

TEST_F(Controls, WindowsAndContainersEraseWithTheirBackgroundColour)
{
    HWND window = TkOpenWindow(RulerWindow, 10, 10, 300, 200, "Lineal", TkBorderless | TkInvisible);
    HWND peephole = TkContainer(Peephole, 1, 1, 1, 1, 0);
    TkEndContainer();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    struct Case {
        const char* name;
        int32_t windowColour, containerColour;
        COLORREF expectWindow, expectContainer;
    } cases[] = {
        {"defaults", -1, -1, face, face},
        {"ruler grey and the key colour", static_cast<int32_t>(RulerGrey), static_cast<int32_t>(KeyColour), RulerGrey,
         KeyColour},
        {"back to the defaults", -1, -1, face, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkSetWindowColor(RulerWindow, c.windowColour);
        TkSetControlColor(Peephole, TkBackColour, c.containerColour);
        EXPECT_EQ(ErasedColour(window), c.expectWindow);
        EXPECT_EQ(ErasedColour(peephole), c.expectContainer);
    }
}

TEST_F(Controls, ImageControlTakesThePictureSizeAndShowsANewPictureAtOnce)
{
    TkOpenWindow(RulerWindow, 10, 10, 300, 200, "Lineal", TkBorderless | TkInvisible);
    HBITMAP hand = SolidBitmap(19, 19);
    HBITMAP scale = SolidBitmap(1280, 15);
    HWND image = TkImageControl(CentreImage, 141, 66, 5, 5, hand);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(image, GWL_STYLE) & SS_NOTIFY);

    struct Case {
        const char* name;
        HBITMAP picture;
        int width, height;
    } cases[] = {{"created smaller than its picture", hand, 19, 19}, {"given a longer picture", scale, 1280, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.picture != hand)
            TkSetControlState(CentreImage, reinterpret_cast<intptr_t>(c.picture));
        const RECT rect = RectInParent(image);
        EXPECT_EQ(rect.left, 141) << "the place stays";
        EXPECT_EQ(rect.right - rect.left, c.width);
        EXPECT_EQ(rect.bottom - rect.top, c.height);
        EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(image, STM_GETIMAGE, IMAGE_BITMAP, 0)), c.picture);
    }
    TkCloseWindow(RulerWindow);
    DeleteObject(hand);
    DeleteObject(scale);
}

TEST_F(Controls, ImageButtonShowsAnIconInsteadOfText)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HICON icon = LoadIconA(nullptr, IDI_INFORMATION);
    HWND button = TkImageButton(GrowButton, 10, 10, 20, 20, icon);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(button, GWL_STYLE) & BS_ICON);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0)), icon);
    const RECT rect = RectInParent(button);
    EXPECT_EQ(rect.right - rect.left, 20) << "a button keeps its own size";
}

TEST_F(Controls, SecondToolTipReplacesTheFirstAndOneTopmostWindowServesAll)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND grow = TkButton(GrowButton, 10, 10, 20, 20, "+");
    TkButton(ShrinkButton, 40, 10, 20, 20, "-");
    TkSetToolTip(GrowButton, "alt");
    TkSetToolTip(GrowButton, "Lineal oben vergr\xF6\xDF"
                             "ern");
    TkSetToolTip(ShrinkButton, "Lineal oben verkleinern");

    HWND toolTip = FindThreadWindowOfClass(TOOLTIPS_CLASSA);
    ASSERT_NE(toolTip, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(toolTip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtrA(toolTip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 2);

    char text[128] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = GetParent(grow);
    tool.uId = reinterpret_cast<UINT_PTR>(grow);
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(toolTip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
    SendMessageA(toolTip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(text), "Lineal oben vergr\xF6\xDF"
                                 "ern");

    // Rebuilding the windows keeps the one tooltip window, without the closed controls' tools.
    TkCloseWindow(MainWindow);
    EXPECT_TRUE(IsWindow(toolTip));
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 0);
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    TkButton(GrowButton, 10, 10, 20, 20, "+");
    TkSetToolTip(GrowButton, "neu");
    EXPECT_EQ(FindThreadWindowOfClass(TOOLTIPS_CLASSA), toolTip);
    EXPECT_EQ(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(Controls, NumbersAreReplacedWhenReusedAndForgottenWithTheirWindow)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND first = TkButton(GrowButton, 10, 10, 20, 20, "+");
    HWND second = TkTextControl(GrowButton, 10, 40, 80, 16, "H\xF6he", 0);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(TkControlHandle(GrowButton), second);
    EXPECT_EQ(TkGetControlText(GrowButton), "H\xF6he");
    TkSetControlText(GrowButton, "");
    EXPECT_EQ(TkGetControlText(GrowButton), "");

    TkCloseWindow(MainWindow);
    EXPECT_EQ(TkControlHandle(GrowButton), nullptr);
    EXPECT_EQ(TkGetControlText(GrowButton), "");
    TkSetControlText(GrowButton, "ignored");
    EXPECT_EQ(TkButton(ShrinkButton, 0, 0, 10, 10, "-"), nullptr) << "the current list was closed";
}

TEST_F(Controls, ControlsStartWithTheDefaultGuiFontAndCanReturnToIt)
{
    TkOpenWindow(MainWindow, 10, 10, 300, 200, "Tessaro", HiddenTitled);
    HWND label = TkTextControl(ValueField, 10, 10, 80, 16, "1", 0);
    const auto defaultFont = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HFONT other = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    struct Case {
        const char* name;
        intptr_t set;
        HFONT expect;
    } cases[] = {
        {"as created", 0, defaultFont},
        {"another font", reinterpret_cast<intptr_t>(other), other},
        {"back to the default", TkDefaultFont, defaultFont},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.set)
            TkSetControlFont(ValueField, c.set);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), c.expect);
    }
    TkCloseWindow(MainWindow);
    DeleteObject(other);
}
