#include "measure_support.h"

#include <charconv>
#include <cstdio>

#include "core/object_ids.h"

namespace {

// Generous: a wait that ends early costs nothing, and a loaded machine may keep the program or Wine busy for seconds.
constexpr auto InputTimeout = std::chrono::seconds(20);

// Asks a ColourWindow's thread for a control; lParam points to the ControlRequest, the result is its handle.
constexpr UINT AddControlMessage = WM_APP + 1;

struct ControlRequest {
    const char* controlClass;
    const char* text;
    DWORD style;
    RECT place;
};

} // namespace

std::string Describe(const RulerBox& box)
{
    char text[96];
    std::snprintf(text, sizeof(text), "X %d Y %d W %d H %d", box.x, box.y, box.w, box.h);
    return text;
}

std::string Describe(COLORREF colour)
{
    if (colour == CLR_INVALID)
        return "invalid";
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour));
}

bool WriteSettingsFile(const StartPlaces& places)
{
    return WriteSettingsFile(SettingsFileText(
        0, 1, places.tooltips ? 1 : 0, RECT{places.mainX, places.mainY, 0, 0},
        RECT{places.ruler.x, places.ruler.y, places.ruler.x + places.ruler.w, places.ruler.y + places.ruler.h}));
}

MeasuredProgram::~MeasuredProgram()
{
    StopProgram(program);
    StopAllTessaros();
}

bool MeasuredProgram::Start(const StartPlaces& places)
{
    StopAllTessaros();
    WriteSettingsFile(places);
    program = StartProgram(TESSARO_EXE);
    if (!program.process)
        problem = "the program could not be started, error " + std::to_string(GetLastError());
    else if (!FindWindowsAgain())
        problem = "the main window or the ruler did not appear";
    else if (!WaitUntil([&] { return PanelAgrees(places.ruler); }))
        problem = "the panel does not show the ruler's start place: " + PanelTexts();
    else if (!ActivateMainWindow())
        problem = "clicks on the main window did not make it the active window";
    else
        problem.clear();
    return problem.empty();
}

bool MeasuredProgram::FindWindowsAgain()
{
    mainWindow = rulerWindow = nullptr;
    return WaitUntil([&] {
        mainWindow = MainWindowOf(program.processId);
        rulerWindow = RulerWindowOf(program.processId);
        return mainWindow && rulerWindow && GetDlgItem(mainWindow, TaskField);
    });
}

RulerBox MeasuredProgram::RulerWindowBox() const
{
    const RECT r = WindowRect(rulerWindow);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RulerBox MeasuredProgram::PanelBox() const
{
    // Plain decimal text only: a "-" for negative values, no blanks, no leading zeros.
    const auto number = [&](int control) {
        const std::string text = Field(control);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool plain = error == std::errc() && end == text.data() + text.size() && !text.empty() &&
                           (text == "0" || text[text[0] == '-' ? 1 : 0] != '0');
        return plain ? value : -99999;
    };
    const bool same = Field(LeftEdgeTopField) == Field(LeftEdgeBottomField) &&
                      Field(RightEdgeTopField) == Field(RightEdgeBottomField) &&
                      Field(TopEdgeLeftField) == Field(TopEdgeRightField) &&
                      Field(BottomEdgeLeftField) == Field(BottomEdgeRightField);
    const RulerBox box{number(LeftEdgeTopField), number(TopEdgeLeftField), number(RulerWidthField),
                       number(RulerHeightField)};
    // The right and bottom edges are shown inclusively.
    const bool consistent =
        number(RightEdgeTopField) == box.x + box.w - 1 && number(BottomEdgeLeftField) == box.y + box.h - 1;
    return same && consistent ? box : RulerBox{-99999, -99999, 0, 0};
}

std::string MeasuredProgram::PanelTexts() const
{
    std::string text;
    const struct {
        const char* name;
        int control;
    } fields[] = {
        {"left", LeftEdgeTopField},       {"left2", LeftEdgeBottomField},    {"right", RightEdgeTopField},
        {"right2", RightEdgeBottomField}, {"top", TopEdgeLeftField},         {"top2", TopEdgeRightField},
        {"bottom", BottomEdgeLeftField},  {"bottom2", BottomEdgeRightField}, {"W", RulerWidthField},
        {"H", RulerHeightField},
    };
    for (const auto& f : fields)
        text += std::string(f.name) + "=" + Field(f.control) + " ";
    return text + "| window " + Describe(RulerWindowBox());
}

std::string MeasuredProgram::RulerControlsMisfit(const RulerBox& box, POINT peephole) const
{
    std::string misfit;
    const auto check = [&](const char* what, const std::string& shown, const std::string& expected) {
        if (shown != expected)
            misfit += std::string(what) + " " + shown + " instead of " + expected + "; ";
    };
    const auto place = [&](const char* what, int shown, int expected) {
        check(what, std::to_string(shown), std::to_string(expected));
    };
    check("width label", ControlText(rulerWindow, RulerWidthLabel), std::to_string(box.w));
    check("height label", ControlText(rulerWindow, RulerHeightLabel), std::to_string(box.h));
    place("width label x", ControlRect(rulerWindow, RulerWidthLabel).left, box.w - 45);
    place("height label y", ControlRect(rulerWindow, RulerHeightLabel).top, box.h - 29);
    place("right scale x", ControlRect(rulerWindow, RightScaleImage).left, box.w - 15);
    place("bottom scale y", ControlRect(rulerWindow, BottomScaleImage).top, box.h - 15);
    const RECT hole = ControlRect(rulerWindow, MagnifierPeephole);
    place("peephole x", hole.left, peephole.x);
    place("peephole y", hole.top, peephole.y);
    return misfit;
}

bool MeasuredProgram::ActivateMainWindow() const
{
    // A point of the background between the upper and the lower panel, where no control lies.
    POINT point{262, 250};
    ClientToScreen(mainWindow, &point);
    // The display shows a new window a little after the system has it: a click before that reaches nothing, so the
    // click is repeated (a click on the background does nothing else) until the window is the active one.
    return WaitUntil(
        [&] {
            ClickAt(point);
            return WaitUntil([&] { return GetForegroundWindow() == mainWindow; }, std::chrono::seconds(2));
        },
        InputTimeout);
}

bool MeasuredProgram::ActivateRuler() const
{
    // A press inside the body starts a move of the ruler; a key pressed before the system's move loop has ended
    // would go to that loop, so the click waits for its end.
    const RulerBox box = RulerWindowBox();
    if (!GrabRuler(box.w / 4, box.h / 2) || !ReleaseRuler())
        return false;
    return WaitUntil([&] { return GetForegroundWindow() == rulerWindow; }, InputTimeout);
}

bool MeasuredProgram::GrabRuler(int clientX, int clientY) const
{
    POINT point{clientX, clientY};
    ClientToScreen(rulerWindow, &point);
    for (int attempt = 0; attempt < 3; ++attempt) {
        MoveMouseTo(point);
        HoldMouseButton(true);
        if (WaitUntil([&] { return InMoveSizeLoop(); }, std::chrono::seconds(2)))
            return true;
        HoldMouseButton(false);
    }
    return false;
}

bool MeasuredProgram::ReleaseRuler() const
{
    HoldMouseButton(false);
    return WaitUntil([&] { return !InMoveSizeLoop(); }, InputTimeout);
}

bool MeasuredProgram::InMoveSizeLoop() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(rulerWindow, nullptr), &info) && (info.flags & GUI_INMOVESIZE) &&
           info.hwndMoveSize == rulerWindow;
}

int ScreenWidth()
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight()
{
    return GetSystemMetrics(SM_CYSCREEN);
}

ColourWindow::ColourWindow(const std::string& title, COLORREF colour, RECT place, bool topmost, const std::string& name)
    : className(name), colour(colour)
{
    static int count = 0;
    if (className.empty())
        className = "TessaroMeasureColour" + std::to_string(++count);
    ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    start = {title, place, topmost};
    // A thread of the system's own: the one of the C++ library may lose track of a finished thread under Wine.
    thread = CreateThread(
        nullptr, 0,
        [](void* self) -> DWORD {
            static_cast<ColourWindow*>(self)->Run();
            return 0;
        },
        this, 0, nullptr);
    WaitForSingleObject(ready, 10000);
    WaitUntilShown();
}

ColourWindow::~ColourWindow()
{
    if (handle)
        PostMessageA(handle, WM_CLOSE, 0, 0);
    if (thread) {
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
    }
    CloseHandle(ready);
}

void ColourWindow::Recolour(COLORREF newColour)
{
    colour = newColour;
    InvalidateRect(handle, nullptr, TRUE);
    WaitUntilShown();
}

HWND ColourWindow::AddControl(const char* controlClass, const std::string& text, DWORD style, RECT place)
{
    ControlRequest request{controlClass, text.c_str(), style, place};
    return reinterpret_cast<HWND>(SendMessageA(handle, AddControlMessage, 0, reinterpret_cast<LPARAM>(&request)));
}

void ColourWindow::WaitUntilShown() const
{
    // The window has painted itself some time before the display shows it (Wine hands a window's pixels to the X
    // server when its thread next waits), and the program reads the screen: a measurement in between would read
    // what lay there before. So the wait is for the screen's pixel at the window's centre.
    const RECT place = WindowRect(handle);
    const POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    WaitUntil([&] { return !GetUpdateRect(handle, nullptr, FALSE) && ScreenPixel(centre) == colour.load(); },
              InputTimeout);
}

void ColourWindow::Run()
{
    const auto& [title, place, topmost] = start;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_ERASEBKGND) {
            const auto* self = reinterpret_cast<const ColourWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            RECT client;
            GetClientRect(window, &client);
            HBRUSH brush = CreateSolidBrush(self ? self->colour.load() : RGB(0, 0, 0));
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            DeleteObject(brush);
            return 1;
        }
        if (message == AddControlMessage) {
            const auto& [controlClass, text, style, place] = *reinterpret_cast<const ControlRequest*>(lParam);
            HWND control = CreateWindowExA(0, controlClass, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                           place.right - place.left, place.bottom - place.top, window, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
            SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return reinterpret_cast<LRESULT>(control);
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className.c_str();
    RegisterClassA(&windowClass);
    handle = CreateWindowExA(WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0), className.c_str(), title.c_str(),
                             WS_POPUP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                             nullptr, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    UpdateWindow(handle);
    SetEvent(ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    UnregisterClassA(className.c_str(), windowClass.hInstance);
}
