#include <windows.h>

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "measure/window_at_point.h"
#include "program_windows.h"
#include "screen_area.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
#include "window_search.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"
#include "windows/window_placement.h"

namespace {

class RulerWindowTest : public testing::Test {
protected:
    void SetUp() override { BuildProgramWindows({0, 0, 0, 700, 10, 100, 100, 300, 150, 0, 0, {}}); }
    void TearDown() override { TkShutdown(); }
};

constexpr COLORREF RulerGreyColour = RGB(212, 212, 212);

// The colour the ruler window itself paints at a point of its client area.
COLORREF RulerPixel(int x, int y)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    HDC dc = GetDC(ruler);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(ruler, dc);
    return colour;
}

} // namespace

// The corner pixel is read through the peephole; were a scale painted over it, the probe would read the ruler. It
// must be open at the ruler's first size and after the ruler has grown: the part by which a window grows is painted
// with the window's background, over a peephole moved there.
TEST_F(RulerWindowTest, PeepholeShowsAboveTheScalesAtEveryCorner)
{
    for (const int growth : {0, 1, 40}) {
        ResizeRulerSide(RulerWindow, SideRight, growth);
        ResizeRulerSide(RulerWindow, SideBottom, growth);
        const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
        struct Case {
            int option;
            int x, y;
        } cases[] = {
            {CornerTopLeftOption, 0, 0},
            {CornerTopRightOption, w - 1, 0},
            {CornerBottomRightOption, w - 1, h - 1},
            {CornerBottomLeftOption, 0, h - 1},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "ruler " << w << " x " << h << ", corner " << c.x << "," << c.y);
            TkSetControlState(c.option, 1);
            ProbeRulerCorner();
            PumpMessages();
            EXPECT_EQ(RulerPixel(c.x, c.y), static_cast<COLORREF>(KeyColour));
            // The neighbour inside the ruler is scale or ruler grey, never the key colour.
            EXPECT_NE(RulerPixel(c.x == 0 ? 1 : c.x - 1, c.y), static_cast<COLORREF>(KeyColour));
        }
    }
}

// A static control breaks a text too long for its box onto a second line, which the box's height cuts off: the range
// labels must hold their whole texts on one line, side by side inside the window, with monitors left of the primary
// one too. On one monitor they keep the boxes of the layout.
TEST_F(RulerWindowTest, RangeLabelsHoldTheirWholeTextsOnOneLine)
{
    struct Case {
        int left, right;
        const char* position;
        const char* size;
    } cases[] = {
        {0, 1920, "Linealposition 0 - 1919", "Linealgr\xF6sse 1 - 1920"},
        {-1280, 1920, "Linealposition -1280 - 1919", "Linealgr\xF6sse 1 - 3200"},
        {-3840, 7680, "Linealposition -3840 - 7679", "Linealgr\xF6sse 1 - 11520"},
    };
    AppState& app = App();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        app.screenLeft = c.left;
        app.screenRight = c.right;
        app.screenWidth = c.right - c.left;
        ShowScreenRanges();
        EXPECT_EQ(TkGetControlText(PositionRangeLabel), c.position);
        EXPECT_EQ(TkGetControlText(SizeRangeLabel), c.size);
        RECT boxes[2];
        for (int i = 0; i < 2; ++i) {
            const int label = i == 0 ? PositionRangeLabel : SizeRangeLabel;
            HWND handle = TkControlHandle(label);
            boxes[i] = RectInParent(handle);
            HDC dc = GetDC(handle);
            const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(handle, WM_GETFONT, 0, 0)));
            RECT text{0, 0, boxes[i].right - boxes[i].left, 0};
            const std::string shown = TkGetControlText(label);
            DrawTextA(dc, shown.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc, &metrics);
            SelectObject(dc, old);
            ReleaseDC(handle, dc);
            EXPECT_EQ(text.bottom, metrics.tmHeight) << shown << " takes more than one line in its box";
        }
        EXPECT_LE(boxes[0].right, boxes[1].left);
        EXPECT_LE(boxes[1].left + TkControlTextWidth(SizeRangeLabel, c.size), TkWindowWidth(MainWindow));
        const int dpi = TkWindowDpi(MainWindow);
        const TkRect layout[2] = {TkScaleBox(5, 4, 125, 15, dpi), TkScaleBox(140, 4, 125, 15, dpi)};
        for (int i = 0; i < 2 && c.left == 0; ++i) {
            const RECT expected{layout[i].left, layout[i].top, layout[i].right, layout[i].bottom};
            EXPECT_TRUE(EqualRect(&boxes[i], &expected)) << boxes[i].left << "," << boxes[i].right;
        }
    }
}

// With "show window contents while dragging" off the system sends the notifications while the ruler stands still and
// moves it once when the drag ends (Wine sends WM_EXITSIZEMOVE before that move): the move itself must lay the ruler
// out and measure it.
TEST_F(RulerWindowTest, MeasuresTheMoveThatEndsADragWithoutItsContentsShown)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    TkSetControlState(CornerBottomRightOption, 1);
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    RECT proposed{120, 110, 480, 300};
    SendMessageA(ruler, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    SetWindowPos(ruler, nullptr, 120, 110, 360, 190, SWP_NOZORDER | SWP_NOACTIVATE);
    // Read before any message is pumped: nothing but the move can have measured.
    EXPECT_EQ(TkGetControlText(RulerWidthField), "360");
    EXPECT_EQ(TkGetControlText(LeftEdgeTopField), "120");
    EXPECT_EQ(TkGetControlText(BottomEdgeLeftField), "299");
    EXPECT_EQ(TkGetControlText(RulerHeightLabel), "190");
    RECT hole{};
    GetWindowRect(GetDlgItem(ruler, MagnifierPeephole), &hole);
    EXPECT_EQ(hole.left, 120 + 359);
    EXPECT_EQ(hole.top, 110 + 189);
}

// A drag step shows the ruler's edges at once and leaves the screen probe and the painting to the next frame, which
// comes without further input and shows the corner's last place.
TEST_F(RulerWindowTest, DragStepShowsItsEdgesAtOnceAndTheScreenWithTheNextFrame)
{
    // A black patch under the corner where the drag starts, a white one where it ends.
    const auto patch = [](DWORD style, int x) {
        return CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE | style, x, 90, 15, 20, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    HWND black = patch(SS_BLACKRECT, 90), white = patch(SS_WHITERECT, 105);
    HWND ruler = TkWindowHandle(RulerWindow);
    SetWindowPos(ruler, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TkSetControlState(CornerTopLeftOption, 1);
    PumpMessages();
    ProbeRulerCorner();
    const std::string startColour = TkGetControlText(RgbValueField);

    // A probe still due from a drag that has just ended would measure inside the next one.
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(RulerProbeDue());
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_FALSE(RulerProbeDue()) << "the probe after the last drag is still due";
    const auto dragStart = std::chrono::steady_clock::now();
    // A step shows a frame itself once the frame is two of the display's frames late: the steps before then leave
    // the screen to the next frame. The system's tick count may step by up to 16 ms.
    const auto frameDue = dragStart + std::chrono::milliseconds(2 * 1000 / TkWindowRefreshRate(RulerWindow) - 16);
    for (int x = 101; x <= 110; ++x) {
        SetWindowPos(ruler, nullptr, x, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Read before any message is pumped: the step itself wrote the edges and read nothing from the screen.
        EXPECT_EQ(TkGetControlText(LeftEdgeTopField), std::to_string(x));
        EXPECT_EQ(TkGetControlText(RightEdgeBottomField), std::to_string(x + 299));
        if (std::chrono::steady_clock::now() < frameDue) {
            EXPECT_EQ(TkGetControlText(RgbValueField), startColour);
        }
    }
    EXPECT_TRUE(WaitUntil(
        [] {
            PumpMessages();
            return !RulerProbeDue();
        },
        std::chrono::seconds(5)));
    EXPECT_NE(TkGetControlText(RgbValueField), startColour) << "the frame after the last step reads its place";
    // The frame painted the changed fields itself: they stand as the system's own painting of the panel draws them.
    HWND panel = TkWindowHandle(MainWindow);
    RECT client;
    GetClientRect(panel, &client);
    const ScreenArea framePainted(0, 0, client.right, client.bottom, panel);
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const ScreenArea systemPainted(0, 0, client.right, client.bottom, panel);
    ASSERT_TRUE(framePainted.valid && systemPainted.valid);
    EXPECT_TRUE(framePainted.pixels == systemPainted.pixels);
    // The texts reached the fields' windows too, where other programs read them.
    char native[16] = {};
    GetWindowTextA(TkControlHandle(LeftEdgeTopField), native, sizeof(native));
    EXPECT_STREQ(native, "110");

    // Steps that keep coming leave the frame's timer no turn (no message is pumped here): a frame two frames late is
    // shown by a step.
    const std::string whiteColour = TkGetControlText(RgbValueField);
    int x = 91;
    EXPECT_TRUE(WaitUntil(
        [&] {
            x = x == 90 ? 91 : 90; // over the black patch
            SetWindowPos(ruler, nullptr, x, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return TkGetControlText(RgbValueField) != whiteColour;
        },
        std::chrono::seconds(5)))
        << "no frame while the steps kept coming";
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(GetWindowLongPtrA(ruler, GWL_EXSTYLE) & WS_EX_TRANSPARENT) << "the ruler takes the mouse again";
    DestroyWindow(black);
    DestroyWindow(white);
}

// At the screen's edge the magnifier shows the screen's part of its area, the corner's colour in the middle, and
// black beyond the edge.
TEST_F(RulerWindowTest, MagnifierAtTheScreensEdgeShowsTheCornerAndBlackBeyond)
{
    const int right = App().screenRight;
    HWND white = CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, right - 20, 90,
                                 20, 20, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND ruler = TkWindowHandle(RulerWindow);
    SetWindowPos(ruler, HWND_TOPMOST, right - 300, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    TkSetControlState(CornerTopRightOption, 1);
    PumpMessages();
    ProbeRulerCorner();
    EXPECT_EQ(TkGetControlText(RgbValueField), "255,255,255");
    EXPECT_EQ(TkGetControlText(DecValueField), "16777215") << "white, not the unreadable pixel";
    const AppState& app = App();
    const int block = app.magnifierWidth / app.captureWidth, middle = block * (app.captureWidth / 2) + block / 2;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, TkImageHandle(app.MagnifierPicture));
    EXPECT_EQ(GetPixel(dc, middle, middle), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, app.magnifierWidth - 1, middle), RGB(0, 0, 0));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DestroyWindow(white);
}

// The scale pictures are transparent between their marks; there the ruler's grey shows, not a control face.
TEST_F(RulerWindowTest, ScaleStripsShowTheRulerGreyBetweenTheirMarks)
{
    RedrawWindow(TkWindowHandle(RulerWindow), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    struct Case {
        const char* strip;
        int x, y;
        COLORREF colour;
    } cases[] = {
        {"top", 32, 10, RulerGreyColour},  {"top tick", 29, 1, RGB(0, 0, 0)},   {"bottom", 32, 139, RulerGreyColour},
        {"left", 10, 32, RulerGreyColour}, {"right", 289, 32, RulerGreyColour}, {"body", 100, 50, RulerGreyColour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.strip << " " << c.x << "," << c.y);
        EXPECT_EQ(RulerPixel(c.x, c.y), c.colour);
    }
}

// Dragged onto a display of another scale, the ruler keeps its size in pixels: it measures physical pixels.
TEST_F(RulerWindowTest, KeepsItsPixelSizeWhenTheDisplayScaleChanges)
{
    SIZE proposed{0, 0};
    const LRESULT answer =
        SendMessageA(TkWindowHandle(RulerWindow), WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(answer, TRUE);
    EXPECT_EQ(proposed.cx, 300);
    EXPECT_EQ(proposed.cy, 150);
}

// The window under the ruler is found without touching the ruler: its style, its layered colour key and alpha, its
// place, and nothing to repaint. A window of this process is never the answer.
TEST_F(RulerWindowTest, FindingTheWindowUnderTheRulerLeavesTheRulerAsItWas)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    PumpMessages();
    const LONG_PTR style = GetWindowLongPtrA(ruler, GWL_EXSTYLE);
    COLORREF key = 0, keyAfter = 0;
    BYTE alpha = 0, alphaAfter = 0;
    DWORD flags = 0, flagsAfter = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(ruler, &key, &alpha, &flags));
    RECT place, placeAfter;
    GetWindowRect(ruler, &place);

    HWND found = ForeignWindowAt(POINT{place.left, place.top});
    DWORD process = 0;
    GetWindowThreadProcessId(found, &process);
    EXPECT_NE(process, GetCurrentProcessId());
    EXPECT_EQ(GetWindowLongPtrA(ruler, GWL_EXSTYLE), style);
    ASSERT_TRUE(GetLayeredWindowAttributes(ruler, &keyAfter, &alphaAfter, &flagsAfter));
    EXPECT_EQ(keyAfter, key);
    EXPECT_EQ(alphaAfter, alpha);
    EXPECT_EQ(flagsAfter, flags);
    GetWindowRect(ruler, &placeAfter);
    EXPECT_TRUE(EqualRect(&place, &placeAfter));
    EXPECT_FALSE(GetUpdateRect(ruler, nullptr, FALSE)) << "the ruler has something to repaint";
}

// Where the system puts a frame asked to stand at (x, y); it holds coordinates to a range of its own.
POINT SystemPlace(int x, int y)
{
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(plain, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{};
    GetWindowRect(plain, &frame);
    DestroyWindow(plain);
    return {frame.left, frame.top};
}

// The toolkit's keep value read from the settings is a place like any other: the windows are put there, not where
// the system puts new windows.
TEST(WindowPlaces, CoordinateEqualToTheKeepValueIsTakenAsAPlace)
{
    BuildProgramWindows({0, 0, 0, TkKeep, 10, 20, TkKeep, 300, 150, 0, 0, {}});
    const POINT main = SystemPlace(TkKeep, 10), ruler = SystemPlace(20, TkKeep);
    EXPECT_EQ(TkWindowX(MainWindow), main.x);
    EXPECT_EQ(TkWindowY(MainWindow), main.y);
    EXPECT_EQ(TkWindowX(RulerWindow), ruler.x);
    EXPECT_EQ(TkWindowY(RulerWindow), ruler.y);
    TkShutdown();
}
