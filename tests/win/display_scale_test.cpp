// The control panel and the short guide laid out for the resolution of the display they stand on: the one of the
// test's Wine prefix (run once per prefix at 96, 120, 144, 192, 240 and 288 dpi) and another one sent as WM_DPICHANGED.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "measure/magnifier_view.h"
#include "program_windows.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/short_guide.h"
#include "windows/window_placement.h"

namespace {

struct TableBox {
    int control;
    int x, y, w, h; // at 96 dpi
};

// Rows of the layout tables: every kind of control, both panels, neighbours that meet.
const TableBox panelRows[] = {
    {PositionRangeLabel, 5, 4, 125, 15},
    {SizeRangeLabel, 140, 4, 125, 15},
    {OriginLabel, 4, 26, 10, 15},
    {RulerWidthField, 187, 52, 30, 15},
    {CornerBottomRightOption, 171, 166, 14, 15},
    {GrowLeftButton, 47, 116, 20, 20},
    {ShrinkLeftButton, 68, 116, 20, 20},
    {ColourSwatch, 101, 267, 63, 63},
    {HtmlValueField, 175, 285, 72, 17},
    {WindowNameCaption, 20, 356, 39, 15},
    {TaskField, 60, 420, 195, 15},
};
const TableBox guideRows[] = {
    {GuideImage, 10, 10, 680, 450}, {ShowGuideAtStartCheck, 10, 470, 400, 20}, {GuideOkButton, 600, 465, 90, 25}};

class DisplayScaleTest : public testing::Test {
protected:
    void SetUp() override
    {
        BuildProgramWindows({1, 0, 0, 20, 20, 500, 300, 300, 150, 0, 0, {}});
        OpenShortGuide();
        PumpMessages();
    }
    void TearDown() override { TkShutdown(); }
};

TkRect BoxInParent(int control)
{
    HWND handle = TkControlHandle(control);
    RECT r{};
    GetWindowRect(handle, &r);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

std::string Text(const TkRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

SIZE ClientSize(int window)
{
    RECT client{};
    GetClientRect(TkWindowHandle(window), &client);
    return {client.right, client.bottom};
}

SIZE BitmapSize(HANDLE image)
{
    BITMAP bitmap{};
    ICONINFO icon{};
    if (GetObjectType(image) != OBJ_BITMAP && GetIconInfo(static_cast<HICON>(image), &icon)) {
        GetObjectA(icon.hbmColor, sizeof(bitmap), &bitmap);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    } else {
        GetObjectA(image, sizeof(bitmap), &bitmap);
    }
    return {bitmap.bmWidth, bitmap.bmHeight};
}

COLORREF ImagePixel(int image, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, TkImageHandle(image));
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return pixel;
}

LOGFONTA ControlFont(int control)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(TkControlHandle(control), WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

// Places and sizes of the controls, the windows' inner sizes, the fonts and the pictures for a resolution.
void ExpectLaidOutFor(int dpi)
{
    SCOPED_TRACE(testing::Message() << dpi << " dpi");
    EXPECT_EQ(TkWindowDpi(MainWindow), dpi);
    EXPECT_EQ(ClientSize(MainWindow).cx, TkScaleLength(270, dpi));
    EXPECT_EQ(TkWindowHeight(MainWindow), TkScaleLength(466, dpi)) << "the inner height, menu bar included";
    EXPECT_EQ(ClientSize(ShortGuideWindow).cx, TkScaleLength(700, dpi));
    EXPECT_EQ(ClientSize(ShortGuideWindow).cy, TkScaleLength(500, dpi));
    auto expectRows = [dpi](const TableBox* begin, const TableBox* end) {
        for (const TableBox* b = begin; b != end; ++b)
            EXPECT_EQ(Text(BoxInParent(b->control)), Text(TkScaleBox(b->x, b->y, b->w, b->h, dpi)))
                << "control " << b->control;
    };
    expectRows(std::begin(panelRows), std::end(panelRows));
    expectRows(std::begin(guideRows) + 1, std::end(guideRows)); // the picture below, by the picture's scale
    const MagnifierPlaces magnifier = PlaceMagnifier(dpi, App().captureWidth);
    EXPECT_EQ(Text(BoxInParent(MagnifierFrame)), Text(magnifier.frame));
    EXPECT_EQ(Text(BoxInParent(MagnifierView)), Text(magnifier.view));
    EXPECT_EQ(ControlFont(RgbCaption).lfHeight, -MulDiv(8, dpi, 72));
    EXPECT_EQ(ControlFont(GuideOkButton).lfHeight, -MulDiv(8, dpi, 72));

    // Every picture is made for this resolution, drawn for it or averaged from a larger set: the icons and the
    // background their 96-dpi size times the scale, the magnifier's start picture whole blocks, the guide its box.
    const AppState& app = App();
    for (const int icon : {app.GrowIcon, app.MoveLeftIcon}) {
        EXPECT_EQ(BitmapSize(TkImageHandle(icon)).cx, TkScaleLength(16, dpi));
        EXPECT_EQ(BitmapSize(TkImageHandle(icon)).cy, TkScaleLength(16, dpi));
    }
    // The buttons show them (back on a scale it stood on before, the panel takes the pictures it kept for it).
    EXPECT_EQ(reinterpret_cast<HANDLE>(SendMessageA(TkControlHandle(GrowRightButton), BM_GETIMAGE, IMAGE_ICON, 0)),
              TkImageHandle(app.GrowIcon));
    EXPECT_EQ(TkImageWidth(app.MagnifierPicture), magnifier.view.Width());
    EXPECT_EQ(TkImageHeight(app.MagnifierPicture), magnifier.view.Height());
    const TkRect guide = TkScaleBox(10, 10, 680, 450, dpi);
    EXPECT_EQ(TkImageWidth(app.GuideBitmap), guide.Width());
    EXPECT_EQ(TkImageHeight(app.GuideBitmap), guide.Height());
    EXPECT_EQ(Text(BoxInParent(GuideImage)), Text({guide.left, guide.top, guide.right, guide.bottom}));
    EXPECT_EQ(TkImageWidth(app.MainBackgroundImage), TkScaleLength(272, dpi));
    EXPECT_EQ(TkImageHeight(app.MainBackgroundImage), TkScaleLength(452, dpi));
    EXPECT_GE(TkImageWidth(app.MainBackgroundImage), ClientSize(MainWindow).cx);
    // The menu bar is as high as the display's scale makes it (a WM_DPICHANGED sent under Wine leaves it as it was).
    EXPECT_GE(TkImageHeight(app.MainBackgroundImage),
              TkScaleLength(466, dpi) - GetSystemMetricsForDpi(SM_CYMENU, static_cast<UINT>(dpi)));
    // The background's drawing meets the controls: its lower grey begins where the lower panel does, below the
    // light line that closes the upper one (a picture of another scale tiled or left at its size would not).
    const int lower = TkScaleLength(254, dpi), line = std::max(1, TkScaleLength(1, dpi));
    const int x = TkScaleLength(4, dpi);
    EXPECT_NEAR(GetRValue(ImagePixel(app.MainBackgroundImage, x, lower - line - 2)), 219, 4) << "the upper grey";
    EXPECT_NEAR(GetRValue(ImagePixel(app.MainBackgroundImage, x, lower - line / 2 - 1)), 206, 16) << "its line";
    EXPECT_NEAR(GetRValue(ImagePixel(app.MainBackgroundImage, x, lower + 1)), 162, 4) << "the lower grey";
}

// What the system sends the panel and the guide when they are moved onto a display of that resolution, with the
// places it suggests.
void MoveOntoDisplayOf(int dpi, RECT mainPlace, RECT guidePlace)
{
    SendMessageA(TkWindowHandle(MainWindow), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&mainPlace));
    SendMessageA(TkWindowHandle(ShortGuideWindow), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&guidePlace));
    PumpMessages();
}

// The magnifier shows a copy of the screen in blocks of the resolution's size, the red mark on the middle one's edge
// (its start picture has no mark).
void ExpectMagnifierShowsACopyAt(int dpi)
{
    const int block = MagnifierBlock(dpi), picture = App().MagnifierPicture;
    EXPECT_EQ(ImagePixel(picture, 10 * block, 10 * block), RGB(255, 0, 0));
    EXPECT_EQ(ImagePixel(picture, 11 * block - 1, 11 * block - 1), RGB(255, 0, 0));
    EXPECT_NE(ImagePixel(picture, 10 * block + 1, 10 * block + 1), RGB(255, 0, 0)) << "the measured pixel shows";
}

} // namespace

TEST_F(DisplayScaleTest, PanelAndGuideStandAtTheirTablePlacesTimesTheDisplayScale)
{
    const int dpi = static_cast<int>(GetDpiForWindow(TkWindowHandle(MainWindow)));
    if (const char* prefixDpi = std::getenv("TESSARO_DPI")) {
        ASSERT_EQ(dpi, std::atoi(prefixDpi)) << "the Wine prefix does not run at the resolution it was made for";
    }
    ExpectLaidOutFor(dpi);
}

// Every text of the panel, with wide values in its fields, and of the guide's check box and button lies whole inside
// its box in the control's own font: at every scale as at 96 dpi, the prefix's and 175 % (sent; no prefix of its own).
TEST_F(DisplayScaleTest, EveryTextFitsItsBox)
{
    const std::string widest = TkIntToText(App().screenRight);
    for (int field :
         {LeftEdgeTopField, RightEdgeTopField, RightEdgeBottomField, LeftEdgeBottomField, BottomEdgeLeftField,
          TopEdgeLeftField, TopEdgeRightField, BottomEdgeRightField, RulerHeightField, RulerWidthField})
        TkSetControlText(field, widest);
    TkSetControlText(RgbValueField, "255,255,255");
    TkSetControlText(HslValueField, "359\xB0,100%,50%");
    TkSetControlText(HtmlValueField, "#FFFFFF");
    TkSetControlText(DecValueField, "16777215");
    TkSetControlText(ProcessIdField, "4294967295");

    for (const int dpi : {TkWindowDpi(MainWindow), 168}) {
        if (dpi != TkWindowDpi(MainWindow))
            MoveOntoDisplayOf(dpi, RECT{0, 0, 500, 900}, RECT{10, 10, 1300, 900});
        const int checkMark = GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi));
        int texts = 0;
        for (int control = TopSeparator; control <= GuideOkButton; ++control) {
            HWND handle = TkControlHandle(control);
            char className[16] = {};
            // The ruler's labels keep their 96-dpi font and boxes (Fonts.ProgramFonts...).
            if (!handle || GetAncestor(handle, GA_ROOT) == TkWindowHandle(RulerWindow) ||
                !GetClassNameA(handle, className, sizeof(className)))
                continue;
            const LONG_PTR style = GetWindowLongPtrA(handle, GWL_STYLE);
            const bool label = lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
            const bool check = control == ShowGuideAtStartCheck, button = control == GuideOkButton;
            const std::string text = TkGetControlText(control);
            if (text.empty() || !(label || check || button))
                continue;
            SCOPED_TRACE(testing::Message() << "control " << control << " \"" << text << "\" at " << dpi << " dpi");
            HDC dc = GetDC(handle);
            const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(handle, WM_GETFONT, 0, 0)));
            SIZE extent{};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            TEXTMETRICA metrics{};
            GetTextMetricsA(dc, &metrics);
            SelectObject(dc, previous);
            ReleaseDC(handle, dc);
            RECT box{};
            GetClientRect(handle, &box);
            const int room = box.right - (check ? checkMark + TkScaleLength(4, dpi) : 0);
            EXPECT_LE(extent.cx, room);
            EXPECT_LE(metrics.tmHeight, box.bottom);
            ++texts;
        }
        EXPECT_GE(texts, 30) << "text controls looked at";
    }
}

// Moved onto a display of another scale, the panel and the guide stand in the suggested place laid out for it, and
// show what they showed: the chosen corner, measured again for the magnifier, the fields, the topmost state, the
// check box.
TEST_F(DisplayScaleTest, MovedOntoAnotherScaleTheWindowsAreLaidOutAnewKeepingWhatTheyShow)
{
    const int dpi = TkWindowDpi(MainWindow), other = dpi == 168 ? 144 : 168;
    TkSetControlState(CornerBottomRightOption, 1);
    ProbeRulerCorner();
    TkSetWindowTopmost(MainWindow, 1);
    TkSetControlState(ShowGuideAtStartCheck, 0);
    const std::string right = TkGetControlText(RightEdgeTopField), height = TkGetControlText(RulerHeightField);
    ASSERT_FALSE(TkGetControlText(RgbValueField).empty());

    // Besides, an odd scale between the drawn ones and the largest Windows offers, where the screen holds the guide
    // at that scale (the system keeps a window within the screen's size).
    std::vector<int> scales{other};
    for (const int extra : {180, 336})
        if (TkScaleLength(720, extra) <= GetSystemMetrics(SM_CXSCREEN) &&
            TkScaleLength(560, extra) <= GetSystemMetrics(SM_CYSCREEN))
            scales.push_back(extra);
    scales.push_back(dpi);
    for (const int to : scales) {
        SCOPED_TRACE(testing::Message() << "to " << to << " dpi");
        const RECT mainPlace{40 + to, 30, 400, 700}, guidePlace{60, 50 + to, 900, 700};
        MoveOntoDisplayOf(to, mainPlace, guidePlace);
        ExpectLaidOutFor(to);
        EXPECT_EQ(TkWindowX(MainWindow), mainPlace.left);
        EXPECT_EQ(TkWindowY(MainWindow), mainPlace.top);
        EXPECT_EQ(TkWindowX(ShortGuideWindow), guidePlace.left);
        EXPECT_EQ(TkWindowY(ShortGuideWindow), guidePlace.top);
        EXPECT_EQ(TkGetControlState(CornerBottomRightOption), 1);
        EXPECT_EQ(TkGetControlState(ShowGuideAtStartCheck), 0);
        EXPECT_FALSE(TkGetControlText(RgbValueField).empty());
        EXPECT_EQ(TkGetControlText(RightEdgeTopField), right);
        EXPECT_EQ(TkGetControlText(RulerHeightField), height);
        EXPECT_TRUE(GetWindowLongPtrA(TkWindowHandle(MainWindow), GWL_EXSTYLE) & WS_EX_TOPMOST);

        ExpectMagnifierShowsACopyAt(to);
    }
    // With no corner chosen (a rebuild clears the choice) it keeps the last copy of the screen it showed.
    RebuildWindows();
    ASSERT_EQ(TkGetControlState(CornerBottomRightOption), 0);
    MoveOntoDisplayOf(other, RECT{40, 30, 400, 700}, RECT{60, 50, 900, 700});
    ExpectMagnifierShowsACopyAt(other);
}
