// Driving the running program's ruler and reading its panel from outside, as a user's tools do.
#pragma once

#include <windows.h>

#include <atomic>
#include <ostream>
#include <string>

#include "e2e_driver.h"

// The ruler's place and size as the user sees them: X, Y of the top-left corner, inner width and height.
struct RulerBox {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const RulerBox&) const = default;
};
std::string Describe(const RulerBox& box);
inline void PrintTo(const RulerBox& box, std::ostream* out)
{
    *out << Describe(box);
}
// A colour as "r,g,b" for failure messages.
std::string Describe(COLORREF colour);

// Where the program's windows start: the settings file is written before the start.
struct StartPlaces {
    RulerBox ruler{100, 10, 300, 150};
    int mainX = 900, mainY = 480;
    bool tooltips = false;
};

// Writes the settings file with the short guide off, the main window on top and the given places.
bool WriteSettingsFile(const StartPlaces& places);

// One running program with its two windows found.
class MeasuredProgram {
public:
    MeasuredProgram() = default;
    MeasuredProgram(const MeasuredProgram&) = delete;
    MeasuredProgram& operator=(const MeasuredProgram&) = delete;
    ~MeasuredProgram();

    // Ends any other instance, writes the settings and starts the program; true when both windows appeared, the
    // panel shows the ruler's start geometry and a click made the main window active.
    bool Start(const StartPlaces& places = {});
    // What went wrong in the last start, for failure messages.
    const std::string& StartProblem() const { return problem; }

    HWND MainWindowHandle() const { return mainWindow; }
    HWND RulerWindowHandle() const { return rulerWindow; }
    DWORD ProcessId() const { return program.processId; }

    // The text of a control of the main window.
    std::string Field(int control) const { return ControlText(mainWindow, control); }
    // The ruler as its window rectangle gives it, and as the ten edge and size fields give it (X from the left
    // edge field, W from the width field; a box far off the screen when the fields disagree among themselves or a
    // text is not plain decimal).
    RulerBox RulerWindowBox() const;
    RulerBox PanelBox() const;
    bool PanelAgrees(const RulerBox& box) const { return PanelBox() == box; }
    // All ten fields, for failure messages.
    std::string PanelTexts() const;
    // What the ruler's own controls show that does not fit the box: the two size labels (texts and places), the
    // places of the right and bottom scales and of the peephole (at the given point of the ruler's client area).
    // Empty when everything fits.
    std::string RulerControlsMisfit(const RulerBox& box, POINT peephole) const;

    // A control of the main window: its centre on the screen, and a click on it.
    POINT ControlCentre(int control) const { return ::ControlCentre(mainWindow, control); }
    void ClickControl(int control) const { ::ClickControl(mainWindow, control); }
    // Clicks the main window's background so that it becomes the active window; true when it did.
    bool ActivateMainWindow() const;
    // Clicks the ruler's body (the click starts and ends a move of zero length); true when the ruler became the
    // active window.
    bool ActivateRuler() const;
    // The check state (BM_GETCHECK) of a corner option.
    int OptionCheck(int control) const
    {
        return static_cast<int>(SendMessageA(GetDlgItem(mainWindow, control), BM_GETCHECK, 0, 0));
    }

    // Presses the left button at a point of the ruler's client area and waits until the system's move or size loop
    // runs for the ruler; false when none started.
    bool GrabRuler(int clientX, int clientY) const;
    // Releases the button and waits until the loop has ended; false when it still runs.
    bool ReleaseRuler() const;
    bool InMoveSizeLoop() const;

    // Finds the two windows again after the program rebuilt them.
    bool FindWindowsAgain();

private:
    RunningProgram program;
    std::string problem;
    HWND mainWindow = nullptr;
    HWND rulerWindow = nullptr;
};

// A top-level window of this process, filled with one colour, whose own thread keeps it painted. It does not take
// the focus; a topmost one lies above the program's windows, the others below them. Made, it waits until the
// screen shows it (at its centre, which must not lie below another window of this process or the control panel).
class ColourWindow {
public:
    ColourWindow(const std::string& title, COLORREF colour, RECT place, bool topmost = false,
                 const std::string& className = "");
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Handle() const { return handle; }
    // Fills the window with another colour and waits until the screen shows it.
    void Recolour(COLORREF colour);
    // A visible control of a system class made inside the window by its thread, beneath the controls made before
    // it in Z-order, as a dialog lays out its controls; place in the window's coordinates.
    HWND AddControl(const char* controlClass, const std::string& text, DWORD style, RECT place);

private:
    void Run();
    void WaitUntilShown() const;
    struct StartValues {
        std::string title;
        RECT place;
        bool topmost;
    } start;
    HANDLE thread = nullptr;
    std::string className;
    std::atomic<COLORREF> colour;
    HWND handle = nullptr;
    HANDLE ready = nullptr;
};

// The screen's size as the program measures it.
int ScreenWidth();
int ScreenHeight();
