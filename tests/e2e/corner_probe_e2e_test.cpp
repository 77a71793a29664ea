// The corner probe as the user sees it: the selected corner's pixel in the swatch, the four colour texts and the
// magnifier, the facts about the window there, the copies to the clipboard, and the corner selection itself.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/object_ids.h"
#include "measure_support.h"
#include "monitor_layout.h"
#include "wine.h"

namespace {

// Generous: a loaded machine may keep the program busy for seconds, and a wait that ends early costs nothing.
constexpr auto FieldTimeout = std::chrono::seconds(20);
constexpr COLORREF Backdrop = RGB(90, 90, 90);
constexpr COLORREF CentreMarkRed = RGB(255, 0, 0);

struct ColourTexts {
    COLORREF colour;
    const char* rgb;
    const char* hsl;
    const char* html;
    const char* dec;
};

// Channels that differ from each other, so that a swapped channel order shows; the degree sign is byte 0xB0.
const ColourTexts Orange = {RGB(200, 100, 50), "200,100,50", "20\xB0,60%,49%", "#C86432", "3302600"};
const ColourTexts SteelBlue = {RGB(51, 102, 153), "51,102,153", "209\xB0,50%,40%", "#336699", "10053171"};
const ColourTexts Amber = {RGB(255, 128, 0), "255,128,0", "30\xB0,100%,50%", "#FF8000", "33023"};
const ColourTexts Magenta = {RGB(255, 0, 255), "255,0,255", "299\xB0,100%,50%", "#FF00FF", "16711935"};
// A pixel that cannot be read: white, but -1 as its decimal value.
const ColourTexts Unreadable = {CLR_INVALID, "255,255,255", "0\xB0,0%,100%", "#FFFFFF", "-1"};

struct Corner {
    const char* name;
    int option;
    bool right, bottom;
    const ColourTexts* texts;
};

const Corner corners[] = {
    {"TopLeft", CornerTopLeftOption, false, false, &Orange},
    {"TopRight", CornerTopRightOption, true, false, &SteelBlue},
    {"BottomRight", CornerBottomRightOption, true, true, &Amber},
    {"BottomLeft", CornerBottomLeftOption, false, true, &Magenta},
};

POINT CornerPixel(const RulerBox& box, const Corner& corner)
{
    return {corner.right ? box.x + box.w - 1 : box.x, corner.bottom ? box.y + box.h - 1 : box.y};
}

RECT PixelRect(POINT p)
{
    return {p.x, p.y, p.x + 1, p.y + 1};
}

class CornerProbeTest : public testing::Test {
protected:
    static constexpr RulerBox Ruler{200, 200, 300, 150};

    void SetUp() override
    {
        StartPlaces places;
        places.ruler = Ruler;
        ASSERT_TRUE(program.Start(places)) << program.StartProblem();
    }

    // A backdrop below the ruler and one pixel window of its own colour on each corner pixel of the box.
    void LayCornerPixels(const RulerBox& box = Ruler)
    {
        backdrop = std::make_unique<ColourWindow>("backdrop", Backdrop,
                                                  RECT{box.x - 40, box.y - 40, box.x + box.w + 40, box.y + box.h + 40});
        for (const Corner& c : corners)
            pixels.push_back(std::make_unique<ColourWindow>(c.name, c.texts->colour, PixelRect(CornerPixel(box, c))));
    }

    void SelectCorner(const Corner& c) { program.ClickControl(c.option); }

    bool ColourFieldsShow(const ColourTexts& t) const
    {
        return program.Field(RgbValueField) == t.rgb && program.Field(HslValueField) == t.hsl &&
               program.Field(HtmlValueField) == t.html && program.Field(DecValueField) == t.dec;
    }

    std::string WindowFieldTexts() const
    {
        return program.Field(WindowNameField) + " | " + program.Field(WindowClassField) + " | " +
               program.Field(WindowHandleField) + " | " + program.Field(ProcessIdField) + " | " +
               program.Field(TaskField);
    }

    std::string ColourFieldTexts() const
    {
        return program.Field(RgbValueField) + " | " + program.Field(HslValueField) + " | " +
               program.Field(HtmlValueField) + " | " + program.Field(DecValueField);
    }

    COLORREF SwatchColour() const
    {
        const POINT centre = program.ControlCentre(ColourSwatch);
        return ScreenPixel(centre);
    }

    // The screen position of a pixel of the magnifier's picture.
    POINT ViewPixel(int x, int y) const
    {
        POINT p{x, y};
        ClientToScreen(GetDlgItem(program.MainWindowHandle(), MagnifierView), &p);
        return p;
    }

    MeasuredProgram program;
    std::unique_ptr<ColourWindow> backdrop;
    std::vector<std::unique_ptr<ColourWindow>> pixels;
};

// A wrong corner, a corner one pixel off, a swapped channel order or a wrong text of the colour.
TEST_F(CornerProbeTest, EachCornerOptionShowsItsOwnCornerPixel)
{
    LayCornerPixels();
    for (const Corner& c : corners) {
        SCOPED_TRACE(c.name);
        SelectCorner(c);
        EXPECT_TRUE(WaitUntil([&] { return ColourFieldsShow(*c.texts); }, FieldTimeout))
            << "expected " << c.texts->rgb << " | " << c.texts->hsl << " | " << c.texts->html << " | " << c.texts->dec
            << ", shown: " << ColourFieldTexts();
        EXPECT_TRUE(WaitUntil([&] { return SwatchColour() == c.texts->colour; }, FieldTimeout))
            << "the swatch shows " << Describe(SwatchColour());
        EXPECT_EQ(program.OptionCheck(c.option), BST_CHECKED);
        EXPECT_EQ(program.RulerWindowBox(), Ruler) << "a corner click must leave the ruler where it is";
        EXPECT_TRUE(program.PanelAgrees(Ruler)) << program.PanelTexts();
    }
}

// The magnifier is the 21 x 21 pixels around the corner, each three times as large, with the corner pixel in the
// middle framed in red: a wrong origin, factor or smoothing shows against the screen's own copy of the same area.
TEST_F(CornerProbeTest, MagnifierShowsTheAreaAroundTheCornerThreeTimesEnlarged)
{
    LayCornerPixels();
    for (const Corner& c : corners) {
        SCOPED_TRACE(c.name);
        SelectCorner(c);
        ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(*c.texts); }, FieldTimeout)) << ColourFieldTexts();
        const POINT p = CornerPixel(Ruler, c);
        const ScreenArea screen(p.x - 10, p.y - 10, 21, 21);
        const POINT origin = ViewPixel(0, 0);
        // The first view pixel that differs from the enlarged copy, empty when none does.
        const auto firstDifference = [&]() -> std::string {
            const ScreenArea view(origin.x, origin.y, 63, 63);
            for (int y = 0; y < 63; ++y)
                for (int x = 0; x < 63; ++x) {
                    const bool frame = x >= 30 && x <= 32 && y >= 30 && y <= 32 && !(x == 31 && y == 31);
                    const COLORREF expected = frame ? CentreMarkRed : screen.At(x / 3, y / 3);
                    if (view.At(x, y) != expected)
                        return "view pixel " + std::to_string(x) + "," + std::to_string(y) + " shows " +
                               Describe(view.At(x, y)) + " instead of " + Describe(expected);
                }
            return "";
        };
        EXPECT_TRUE(WaitUntil([&] { return firstDifference().empty(); }, FieldTimeout)) << firstDifference();
        const ScreenArea view(origin.x, origin.y, 63, 63);
        EXPECT_EQ(view.At(31, 31), c.texts->colour) << "the centre shows " << Describe(view.At(31, 31));
        EXPECT_EQ(view.At(30, 30), CentreMarkRed) << Describe(view.At(30, 30));
        EXPECT_EQ(view.At(32, 32), CentreMarkRed) << Describe(view.At(32, 32));
    }
}

// The peephole must make the corner pixel show what lies behind the ruler while the rest of the ruler stays tinted.
// Windows' copy of the screen (GetPixel, BitBlt with CAPTUREBLT) holds the layered ruler. Wine draws layered windows
// outside the screen it copies: there the copy shows what lies beneath the whole ruler, peephole or not, and the
// ruler's own device context reads black from another process, so only the peephole's place can be checked.
TEST_F(CornerProbeTest, RulerIsSeeThroughOnlyAtThePeephole)
{
    LayCornerPixels();
    const Corner& c = corners[0];
    SelectCorner(c);
    ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(*c.texts); }, FieldTimeout)) << ColourFieldTexts();
    EXPECT_EQ(program.RulerControlsMisfit(Ruler, {0, 0}), "") << "the peephole must lie on the corner pixel";
    const POINT p = CornerPixel(Ruler, c);
    const ScreenArea screen(p.x, p.y, 40, 40);
    EXPECT_EQ(screen.At(0, 0), c.texts->colour) << Describe(screen.At(0, 0));
    if (RunningUnderWine()) {
        EXPECT_EQ(screen.At(1, 0), Backdrop)
            << "Wine's copy of the screen now holds the layered ruler: " << Describe(screen.At(1, 0));
        EXPECT_EQ(screen.At(20, 20), Backdrop)
            << "Wine's copy of the screen now holds the layered ruler: " << Describe(screen.At(20, 20));
    } else {
        EXPECT_NE(screen.At(1, 0), Backdrop) << "the ruler must be see-through at the peephole only";
        EXPECT_NE(screen.At(20, 20), Backdrop) << "the ruler must be tinted away from the peephole";
    }
}

// The five window fields as the probe writes them for a window of this test process: title and class cut to 34
// characters, the handle as signed decimal, the process id and the executable's file name.
std::string WindowFacts(const std::string& title, const std::string& className, HWND window, DWORD processId,
                        const std::string& task)
{
    const int32_t handle = static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)));
    return title.substr(0, 34) + " | " + className.substr(0, 34) + " | " + std::to_string(handle) + " | " +
           std::to_string(processId) + " | " + task;
}

std::string TestWindowFacts(const std::string& title, const std::string& className, HWND window)
{
    return WindowFacts(title, className, window, GetCurrentProcessId(), "tessaro_e2e_tests.exe");
}

// Whether one top-level window lies above another in Z-order.
bool Above(HWND upper, HWND lower)
{
    for (HWND window = GetWindow(lower, GW_HWNDPREV); window; window = GetWindow(window, GW_HWNDPREV))
        if (window == upper)
            return true;
    return false;
}

// The window fields name the window at the corner, here a topmost one.
TEST_F(CornerProbeTest, WindowFieldsNameTheWindowAtTheCorner)
{
    const std::string title = "A window title of more than thirty-four characters";
    const std::string className = "TessaroMeasureWindowClassOfMoreThanThirtyFourCharacters";
    const POINT p{Ruler.x, Ruler.y};
    // Topmost like the ruler: which of the two lies above may change while the test runs (Wine restacks the ruler
    // now and then), and the fields must name this window either way.
    ColourWindow over(title, Orange.colour, RECT{p.x - 5, p.y - 5, p.x + 5, p.y + 5}, true, className);

    SelectCorner(corners[0]);
    const std::string expected = TestWindowFacts(title, className, over.Handle());
    EXPECT_TRUE(WaitUntil([&] { return WindowFieldTexts() == expected; }, FieldTimeout))
        << "expected " << expected << ", shown: " << WindowFieldTexts();
    EXPECT_TRUE(ColourFieldsShow(Orange)) << ColourFieldTexts();
}

// Below the ruler, and below the control panel too, the fields name the window the system finds there once the
// program's own windows are left out: the window the user sees through the peephole, never the program itself. A
// group box is passed over for the control beneath it, as a user pointing into a dialog means that control; it is
// named only where nothing lies beneath it.
TEST_F(CornerProbeTest, WindowFieldsBehindTheRulerShowTheWindowTheSystemFindsThere)
{
    const std::string title = "Behind the ruler";
    const std::string className = "TessaroMeasureBehindTheRuler";
    const POINT p{Ruler.x + Ruler.w - 1, Ruler.y + Ruler.h - 1};
    // A dialog's controls, clear of the window's centre: a group box over a list and an edit field (made first,
    // it lies above them in Z-order), and a group box with nothing beneath.
    ColourWindow behind(title, Amber.colour, RECT{p.x - 100, p.y - 60, p.x + 100, p.y + 60}, false, className);
    const std::string emptyGroup = "Nothing beneath";
    behind.AddControl("BUTTON", "Settings", BS_GROUPBOX, RECT{5, 5, 90, 115});
    HWND list = behind.AddControl("LISTBOX", "", WS_BORDER, RECT{15, 25, 80, 60});
    HWND edit = behind.AddControl("EDIT", "", WS_BORDER, RECT{15, 70, 80, 95});
    HWND group = behind.AddControl("BUTTON", emptyGroup, BS_GROUPBOX, RECT{110, 5, 195, 115});
    ASSERT_TRUE(list && edit && group);
    ASSERT_TRUE(Above(program.RulerWindowHandle(), behind.Handle())) << "the ruler does not lie over the window";
    const struct Target {
        const char* what;
        POINT at; // in the window, put on the corner
        HWND window;
        std::string title, className;
    } targets[] = {
        {"the window itself", {100, 60}, behind.Handle(), title, className},
        {"a list box under a group box", {47, 42}, list, "", "ListBox"},
        {"an edit field under a group box", {47, 82}, edit, "", "Edit"},
        {"a group box with nothing beneath", {152, 60}, group, emptyGroup, "Button"},
    };

    for (const bool panelOver : {false, true}) {
        SCOPED_TRACE(panelOver ? "the ruler and the control panel over the window" : "the ruler over the window");
        if (panelOver) {
            // The panel's frame over the corner, its corner options clear of the ruler.
            SetWindowPos(program.MainWindowHandle(), nullptr, p.x - 20, p.y - 20, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ASSERT_TRUE(WaitUntil(
                [&] {
                    const RECT panel = WindowRect(program.MainWindowHandle());
                    return PtInRect(&panel, p) != 0;
                },
                FieldTimeout));
            ASSERT_TRUE(Above(program.MainWindowHandle(), behind.Handle()));
        }
        for (const Target& target : targets) {
            SCOPED_TRACE(target.what);
            SetWindowPos(behind.Handle(), nullptr, p.x - target.at.x, p.y - target.at.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const std::string expected = TestWindowFacts(target.title, target.className, target.window);
            // Another corner first, so that the fields show the next measurement.
            SelectCorner(corners[0]);
            ASSERT_TRUE(WaitUntil([&] { return WindowFieldTexts() != expected; }, FieldTimeout));
            SelectCorner(corners[2]);
            EXPECT_TRUE(WaitUntil([&] { return WindowFieldTexts() == expected; }, FieldTimeout))
                << "expected " << expected << ", shown: " << WindowFieldTexts();
            // The panel's own pixel is what the screen shows there; the window is where it was made.
            if (!panelOver && target.window == behind.Handle()) {
                EXPECT_TRUE(ColourFieldsShow(Amber)) << ColourFieldTexts();
            }
        }
    }
}

// Where no window lies (the corner off every screen) the fields name nothing: no title, class or task, handle and
// process id 0; neither leftovers of the last window nor the program itself.
TEST_F(CornerProbeTest, WindowFieldsAreEmptyWhereNoWindowLies)
{
    const POINT p{Ruler.x, Ruler.y};
    ColourWindow under("under the corner", Orange.colour, RECT{p.x - 5, p.y - 5, p.x + 5, p.y + 5});
    SelectCorner(corners[0]);
    ASSERT_TRUE(WaitUntil([&] { return program.Field(TaskField) == "tessaro_e2e_tests.exe"; }, FieldTimeout))
        << WindowFieldTexts();

    // The right edge past the screen's: the top-right corner lies off the screen.
    const RulerBox off{ScreenWidth() - Ruler.w / 2, Ruler.y, Ruler.w, Ruler.h};
    SetWindowPos(program.RulerWindowHandle(), nullptr, off.x, off.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return program.RulerWindowBox() == off; }, FieldTimeout));
    SelectCorner(corners[1]);
    EXPECT_TRUE(WaitUntil([&] { return WindowFieldTexts() == WindowFacts("", "", nullptr, 0, ""); }, FieldTimeout))
        << "shown: " << WindowFieldTexts();
    EXPECT_TRUE(program.PanelAgrees(off)) << program.PanelTexts();
}

// A click on an option measures again at once, with nothing moved: the colour under the corner changed meanwhile.
TEST_F(CornerProbeTest, CornerClickMeasuresAgainWithoutMovingTheRuler)
{
    const POINT p{Ruler.x, Ruler.y};
    ColourWindow under("under the corner", Orange.colour, RECT{p.x - 5, p.y - 5, p.x + 5, p.y + 5});
    SelectCorner(corners[0]);
    ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(Orange); }, FieldTimeout)) << ColourFieldTexts();

    under.Recolour(SteelBlue.colour);
    SelectCorner(corners[0]);
    EXPECT_TRUE(WaitUntil([&] { return ColourFieldsShow(SteelBlue); }, FieldTimeout)) << ColourFieldTexts();
    EXPECT_EQ(program.RulerWindowBox(), Ruler);
    EXPECT_TRUE(program.PanelAgrees(Ruler)) << program.PanelTexts();
}

// A click on the magnifier selects the top-left corner, also when another one was selected, and measures there.
TEST_F(CornerProbeTest, MagnifierClickSelectsTheTopLeftCorner)
{
    LayCornerPixels();
    SelectCorner(corners[2]);
    ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(Amber); }, FieldTimeout)) << ColourFieldTexts();

    program.ClickControl(MagnifierView);
    EXPECT_TRUE(WaitUntil([&] { return ColourFieldsShow(Orange); }, FieldTimeout)) << ColourFieldTexts();
    EXPECT_EQ(program.OptionCheck(CornerTopLeftOption), BST_CHECKED);
    for (int option : {CornerTopRightOption, CornerBottomRightOption, CornerBottomLeftOption})
        EXPECT_EQ(program.OptionCheck(option), BST_UNCHECKED) << "option " << option;
    EXPECT_EQ(program.RulerWindowBox(), Ruler);
}

// A step of the ruler measures again at the corner's new place.
TEST_F(CornerProbeTest, NudgeMeasuresAtTheCornersNewPlace)
{
    LayCornerPixels();
    SelectCorner(corners[0]);
    ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(Orange); }, FieldTimeout)) << ColourFieldTexts();
    const POINT beside{Ruler.x + 1, Ruler.y};
    ColourWindow next("beside the corner", SteelBlue.colour, PixelRect(beside));

    program.ClickControl(MoveRightButton);
    EXPECT_TRUE(WaitUntil([&] { return ColourFieldsShow(SteelBlue); }, FieldTimeout)) << ColourFieldTexts();
    EXPECT_TRUE(program.PanelAgrees({Ruler.x + 1, Ruler.y, Ruler.w, Ruler.h})) << program.PanelTexts();
}

// Each value field copies exactly the text it shows.
TEST_F(CornerProbeTest, ValueFieldClickCopiesExactlyItsText)
{
    const POINT p{Ruler.x, Ruler.y};
    ColourWindow over("A window title of more than thirty-four characters", Orange.colour,
                      RECT{p.x - 5, p.y - 5, p.x + 5, p.y + 5}, true);
    SelectCorner(corners[0]);
    ASSERT_TRUE(WaitUntil([&] { return program.Field(TaskField) == "tessaro_e2e_tests.exe"; }, FieldTimeout))
        << "the probe names " << WindowFieldTexts() << "; the test window is "
        << static_cast<uint32_t>(reinterpret_cast<uintptr_t>(over.Handle()));
    for (int field : {RgbValueField, HslValueField, HtmlValueField, DecValueField, WindowNameField, WindowClassField,
                      WindowHandleField, ProcessIdField, TaskField}) {
        const std::string text = program.Field(field);
        SCOPED_TRACE(testing::Message() << "field " << field << " '" << text << "'");
        ASSERT_FALSE(text.empty());
        ClearClipboard();
        program.ClickControl(field);
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; }, FieldTimeout))
            << "the clipboard holds '" << ClipboardText() << "'";
    }
}

// Before the first measurement the value fields are empty: a click puts the empty text on the clipboard all the same.
TEST_F(CornerProbeTest, EmptyValueFieldClickCopiesTheEmptyText)
{
    ASSERT_EQ(program.Field(RgbValueField), "") << "a corner was measured already";
    ClearClipboard();
    program.ClickControl(RgbValueField);
    EXPECT_TRUE(WaitUntil([] { return IsClipboardFormatAvailable(CF_TEXT) != 0; }, FieldTimeout))
        << "the click put no text on the clipboard";
    EXPECT_EQ(ClipboardText(), "");
}

// Switching tooltips builds the windows again: the ruler keeps its place and size, no corner stays selected, and
// the measured values wait for the next measurement.
TEST_F(CornerProbeTest, SwitchingTooltipsKeepsTheRulerAndClearsTheCorner)
{
    LayCornerPixels();
    SelectCorner(corners[2]);
    ASSERT_TRUE(WaitUntil([&] { return ColourFieldsShow(Amber); }, FieldTimeout)) << ColourFieldTexts();
    program.ClickControl(GrowRightButton);
    const RulerBox grown{Ruler.x, Ruler.y, Ruler.w + 1, Ruler.h};
    ASSERT_TRUE(WaitUntil([&] { return program.PanelAgrees(grown); }, FieldTimeout)) << program.PanelTexts();

    const HWND oldMain = program.MainWindowHandle();
    ASSERT_TRUE(PickMenuItem(program.ProcessId(), oldMain, L'E', L'T', [&] { return !IsWindow(oldMain); }))
        << "the main window was not rebuilt";
    ASSERT_TRUE(program.FindWindowsAgain());

    EXPECT_TRUE(WaitUntil([&] { return program.PanelAgrees(grown); }, FieldTimeout)) << program.PanelTexts();
    EXPECT_EQ(program.RulerWindowBox(), grown);
    for (const Corner& c : corners)
        EXPECT_EQ(program.OptionCheck(c.option), BST_UNCHECKED) << c.name;
    EXPECT_EQ(program.Field(RgbValueField), "");
    EXPECT_EQ(program.Field(TaskField), "");
}

// A corner that lies on no monitor cannot be read: beyond any edge of the screen (where the magnifier shows black)
// or in a gap between monitors of different sizes.
struct OffScreenCorner {
    const char* name;
    RulerBox ruler;
    int corner;
    const MonitorLayout* monitors = nullptr; // none: the one screen of the test display
};

class UnreadableCornerTest : public testing::TestWithParam<OffScreenCorner> {
protected:
    MeasuredProgram program;
};

TEST_P(UnreadableCornerTest, ShowsTheUnreadablePixelNotBlack)
{
    const OffScreenCorner& c = GetParam();
    if (c.monitors) {
        if (!CanSplitDisplay())
            GTEST_SKIP() << "several monitors need the display of the several-monitor prefix (ctest -R e2e.Monitors)";
        ASSERT_TRUE(UseMonitors(*c.monitors)) << "Wine sees " << DescribeMonitors();
    }
    StartPlaces places;
    places.ruler = c.ruler;
    places.mainX = 600;
    places.mainY = 300;
    ASSERT_TRUE(program.Start(places)) << program.StartProblem();
    program.ClickControl(c.corner);
    const auto shows = [&] {
        return program.Field(RgbValueField) == Unreadable.rgb && program.Field(HslValueField) == Unreadable.hsl &&
               program.Field(HtmlValueField) == Unreadable.html && program.Field(DecValueField) == Unreadable.dec;
    };
    EXPECT_TRUE(WaitUntil(shows, FieldTimeout))
        << program.Field(RgbValueField) << " | " << program.Field(HslValueField) << " | "
        << program.Field(HtmlValueField) << " | " << program.Field(DecValueField);
}

void PrintTo(const OffScreenCorner& c, std::ostream* out)
{
    *out << c.name;
}

std::string OffScreenCornerName(const testing::TestParamInfo<OffScreenCorner>& info)
{
    return info.param.name;
}

const OffScreenCorner offScreenCorners[] = {
    {"JustLeftOfTheScreen", {-1, 300, 300, 150}, CornerTopLeftOption},
    {"AboveTheScreen", {300, -5, 300, 150}, CornerTopRightOption},
};

INSTANTIATE_TEST_SUITE_P(Edges, UnreadableCornerTest, testing::ValuesIn(offScreenCorners), OffScreenCornerName);

// The bottom-right corner below the shorter monitor on the right.
const OffScreenCorner gapCorners[] = {
    {"InTheGapBelowTheShorterMonitor", {1800, 100, 300, 900}, CornerBottomRightOption, &ShorterMonitorRight},
};

INSTANTIATE_TEST_SUITE_P(Monitors, UnreadableCornerTest, testing::ValuesIn(gapCorners), OffScreenCornerName);

} // namespace
