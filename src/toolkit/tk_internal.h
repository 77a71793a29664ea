// State shared by the toolkit's own Win32 files; never included by the program's logic.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "toolkit/tk_windows.h"

// Built-in focus shortcuts of every window: Tab and Shift+Tab. Handled inside the toolkit, never returned.
constexpr int TkFocusNextId = 64001;
constexpr int TkFocusPreviousId = 64002;

// Posted to the message window whenever an event is queued, so that a GetMessageA blocked while another thread's
// SendMessage queued the event returns. TkWaitEvent swallows it.
constexpr UINT TkWakeMessage = WM_APP + 0x2C;

struct TkShortcut {
    BYTE modifiers = 0; // FVIRTKEY plus FSHIFT, FCONTROL, FALT
    WORD key = 0;
    int eventId = 0;
};

struct TkWindowRecord {
    HWND handle = nullptr;
    std::vector<TkShortcut> shortcuts;
    HACCEL accelerators = nullptr;
    int32_t backColour = -1;
    HBRUSH backBrush = nullptr;
    TkWindowCallback callback = nullptr;
    bool wasMinimisedOrMaximised = false;
    // Opened with TkScaled: its inner size was given for 96 dpi and stands at the resolution of its display.
    bool scaled = false;
    int dpi = 96;
    int baseWidth = 0, baseHeight = 0;
};

enum class TkControlKind { Text, Image, ImageButton, OptionButton, Frame, Container, Button, CheckBox, EditField };

struct TkControlRecord {
    HWND handle = nullptr;
    TkControlKind kind = TkControlKind::Text;
    int window = -1; // the window that holds it, directly or inside containers
    int32_t textColour = -1;
    int32_t backColour = -1;
    HBRUSH backBrush = nullptr;
    HANDLE image = nullptr;
    // The text TkSetControlText gave the control last (our controls take no typed text).
    std::string lastText;
    bool textSet = false;
    // Changed while painting was held and not painted since; a text (lastText) not yet given to the control.
    bool unpainted = false;
    bool textPending = false;
    // Shows the default font of its window, which follows the window's resolution.
    bool defaultFont = true;
    HFONT font = nullptr;
    // A text control is painted by the toolkit (its static's painting taken over): its DrawText alignment and
    // wrapping.
    UINT textFormat = 0;
};

struct TkMenuRecord {
    HMENU bar = nullptr;
    HWND window = nullptr;
};

struct TkEvent {
    int code = 0;
    int window = -1;
    int object = 0;
    int type = 0;
};

struct TkShared {
    // The hidden window that receives the toolkit's queued events; also the clipboard's owner.
    HWND messageWindow = nullptr;
    std::string containerClass, messageClass;
    HWND toolTipWindow = nullptr;
    HICON programIcon = nullptr;
    HCURSOR arrowCursor = nullptr;

    std::map<int, TkWindowRecord> windows;
    std::map<int, TkControlRecord> controls;
    std::map<int, TkMenuRecord> menus;

    // Current control list: the window opened last, or the innermost open container.
    int currentWindow = -1;
    std::vector<int> containerStack;
    int lastCreatedControl = -1;

    // Where TkMenuTitle, TkMenuItem and TkMenuSeparator add; the drop-down of the last title, to which TkEndSubmenu
    // returns.
    HMENU currentMenuBar = nullptr;
    HMENU currentPopup = nullptr;
    HMENU titlePopup = nullptr;
    HWND currentMenuWindow = nullptr;

    std::deque<TkEvent> events;
    bool wakePosted = false;
    // A message fetched while events that happened before it were still queued; handled by a later TkWaitEvent.
    MSG heldMessage{};
    bool holdingMessage = false;
    int lastWindow = -1;
    int lastObject = 0;
    int lastType = -1;

    // TkBeginControlMoves: the moves gathered so far, placed at once by TkEndControlMoves.
    HDWP controlMoves = nullptr;
    HWND movedParent = nullptr;

    // TkHoldControlPainting: how many holds are open, and the controls changed under them, not yet painted.
    int paintHolds = 0;
    std::vector<int> unpaintedControls;
};

TkShared& TkSharedState();

// --- Object tables (tk_window_table.cpp) -----------------------------------------------------------------------
TkWindowRecord* TkFindWindow(int window);
// The toolkit window with this handle and its number; nullptr when the handle is no toolkit window.
TkWindowRecord* TkFindWindowByHandle(HWND handle, int* window = nullptr);
TkControlRecord* TkFindControl(int control);
TkControlRecord* TkFindControlByHandle(HWND handle, int* control = nullptr);
// Removes the control's record and destroys its native window and brush.
void TkDeleteControl(int control);
// Removes the records of a window already destroyed: its controls, menus, brush and accelerators.
void TkForgetWindow(int window);
// The native parent for a new control, nullptr when the current list names nothing open.
HWND TkCurrentParent();
// Records a new control of the current list, replacing any control of the same number.
TkControlRecord& TkAddControl(int control, HWND handle, TkControlKind kind);
void TkClearTables();

// --- Windows (tk_windows.cpp) ----------------------------------------------------------------------------------
// The font a new control of the window starts with: the default GUI font, at the window's resolution in a scaled
// window.
HFONT TkDefaultControlFont(int window);
// The outer size of a scaled window laid out for dpi inside a frame (title bar, borders) drawn for frameDpi.
SIZE TkScaledOuterSize(const TkWindowRecord& record, int dpi, int frameDpi);
// The resolution the system draws the window's frame and menu bar at.
int TkFrameDpi(HWND handle);
// Lays a TkScaled window out for another resolution (it was moved onto a display of another scale): its frame at
// (x, y) with its inner size scaled anew, and its controls that show the default font given that font at dpi.
// Paints nothing; TkPaintRescaledWindow has the whole window painted once its controls are placed as well.
void TkRescaleWindow(int window, int dpi, int x, int y);
void TkPaintRescaledWindow(HWND handle);
// The text of a native window or control: a window's title, a control's caption.
std::string TkNativeText(HWND handle);

// --- Controls (tk_controls.cpp) ------------------------------------------------------------------------------
// Hands a control its font (and keeps it in the record, where the toolkit's own drawing of a text finds it).
void TkGiveControlFont(TkControlRecord& record, HFONT font, bool redraw);
// Draws a text control whole into a device context of the control, as the static would: its parent's colours for a
// static (WM_CTLCOLORSTATIC), its text from the record. Its painting and the frame's direct painting are this one.
void TkDrawTextControl(const TkControlRecord& record, HDC dc);

// --- Window procedure (tk_window_proc.cpp) ---------------------------------------------------------------------
LRESULT CALLBACK TkWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
const char* TkContainerClassName();

// --- Events (tk_events.cpp) --------------------------------------------------------------------------------------
void TkQueueEvent(int code, int window, int object, int type);
// Whether an event with this code waits in the queue.
bool TkEventQueued(int code);
void TkClearEvents();

// --- Shortcuts (tk_shortcuts.cpp) --------------------------------------------------------------------------------
// Puts Tab and Shift+Tab into a new window's list and builds its accelerator table.
void TkInitShortcuts(TkWindowRecord& record);

// --- Tooltips (tk_tooltips.cpp) ----------------------------------------------------------------------------------
void TkRemoveToolTip(HWND control);
void TkDestroyToolTipWindow();

// --- Fonts (tk_fonts.cpp) ----------------------------------------------------------------------------------------
void TkReleaseFonts();
// tk_drawing.cpp: drops the digit glyphs rendered so far. Called whenever a font is deleted, since a font made later
// may get its handle.
void TkForgetDigitGlyphs();
void TkReleaseImages(); // tk_images.cpp: frees every image and ends an open drawing pass

// --- Bookkeeping (tk_window_table.cpp) ---------------------------------------------------------------------------
// What the toolkit holds at this moment; a count that grows over repeated work of the same kind is a leak.
struct TkObjectCounts {
    int windows = 0, controls = 0, menus = 0, brushes = 0, accelerators = 0, fonts = 0, images = 0;
    bool operator==(const TkObjectCounts&) const = default;
};
TkObjectCounts TkCountObjects();
int TkFontCount();
int TkImageCount();
