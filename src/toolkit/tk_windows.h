// Toolkit windows, menus, shortcuts, controls, tooltips, events and the message box over Win32.
// Windows and controls are named by small numbers the program chooses; an operation given a number that names no
// open object does nothing and returns 0 (-1 for the mouse position, an empty text for texts).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// A position or size of this value stays as it is.
constexpr int TkKeep = -65535;

// Returned by a window callback to let the toolkit go on with its own handling of the message.
constexpr LRESULT CallbackDefault = static_cast<LRESULT>(0xE0E0E0E1u);

using TkWindowCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Flags of TkOpenWindow.
constexpr uint32_t TkTitleBar = 0x00C00000;    // WS_CAPTION; also used when no style bit is given at all
constexpr uint32_t TkSystemMenu = 0x00080000;  // WS_SYSMENU
constexpr uint32_t TkMinimiseBox = 0x00020000; // WS_MINIMIZEBOX
constexpr uint32_t TkBorderless = 0x80000000;  // WS_POPUP
constexpr uint32_t TkCentred = 0x00000001;     // placed in the middle of the screen after creation
constexpr uint32_t TkInvisible = 0x10000000;   // created hidden
// WS_CLIPCHILDREN: the window's own painting leaves its controls' places alone. Without it, under Wine, a control
// moved into the part by which the window has just grown is painted over by the window's background and not again.
constexpr uint32_t TkClipChildren = 0x02000000;
// The inner size is given for 96 dpi and scaled to the resolution of the display the window stands on; its controls
// start with the default font at that resolution. The program places the controls for TkWindowDpi itself: moved onto
// a display of another scale, the window takes its new frame and fonts before its callback sees WM_DPICHANGED.
constexpr uint32_t TkScaled = 0x00000002;
// x and y place the frame even where one equals TkKeep, which otherwise lets the system choose the place: a place
// read back from a file may be that value, on a monitor far to the left or above.
constexpr uint32_t TkExactPlace = 0x00000004;

// Window states.
constexpr int TkStateNormal = 0;
constexpr int TkStateMaximised = 0x1000000;
constexpr int TkStateMinimised = 0x20000000;

// Modifier bits of TkAddShortcut; the low 16 bits are the virtual-key code.
constexpr int TkShiftKey = 0x10000;
constexpr int TkControlKey = 0x20000;
constexpr int TkAltKey = 0x40000;

// Style bits of TkTextControl.
constexpr uint32_t TkTextNotify = 0x100; // SS_NOTIFY: a click produces EventControl
constexpr uint32_t TkTextRight = 0x002;  // SS_RIGHT

// Which colour TkSetControlColor sets.
constexpr int TkTextColour = 1;
constexpr int TkBackColour = 2;

// TkSetControlFont with this value selects the default GUI font.
constexpr intptr_t TkDefaultFont = -1;

// Event codes returned by TkWaitEvent besides raw message numbers.
constexpr int EventControl = 0x332C;
constexpr int EventMenu = 0x332D;
constexpr int EventMinimized = 0x3333;
constexpr int EventRestored = 0x3335;
constexpr int EventLeftDoubleClick = 0x3339;
constexpr int EventCloseWindow = 0x333C;
// Further window events; the program ignores them, but they renew TkEventWindow (a press on a window that has just
// been activated by that press finds the window there).
constexpr int EventActivateWindow = 0x3330;
constexpr int EventMoveWindow = 0x3336;
constexpr int EventSizeWindow = 0x3337;
// Monitors came, went or changed their size or scale (WM_DISPLAYCHANGE, WM_DPICHANGED). One event stands for every
// top-level window that was told; it belongs to no window and, like a raw message, leaves TkEventWindow and
// TkEventControl as they were.
constexpr int EventDisplayChange = 0x3340;

// --- Start and end ---------------------------------------------------------------------------------------------------
// The program's name prefixes the toolkit's own window classes (its containers, its hidden message window).
void TkStartup(std::string_view programName);
void TkShutdown();

// --- Windows ---------------------------------------------------------------------------------------------------------
HWND TkOpenWindow(int window, int x, int y, int innerWidth, int innerHeight, std::string_view title, uint32_t flags);
void TkCloseWindow(int window);
void TkHideWindow(int window, int hidden);
void TkSetWindowState(int window, int state);
int TkGetWindowState(int window);
void TkResizeWindow(int window, int x, int y, int innerWidth, int innerHeight);
int TkWindowX(int window);
int TkWindowY(int window);
int TkWindowWidth(int window);
int TkWindowHeight(int window);
int TkWindowMouseX(int window);
int TkWindowMouseY(int window);
std::string TkGetWindowTitle(int window);
void TkSetWindowColor(int window, int32_t colour);
void TkSetWindowTopmost(int window, int on);
int TkWindowExists(int window);
HWND TkWindowHandle(int window);
// The resolution a window is laid out for: that of its display for a TkScaled window, else 96.
int TkWindowDpi(int window);
// The top-level window that another instance of the program opened under this number and title, or null.
HWND TkFindInstanceWindow(int window, std::string_view title);
void TkSetWindowCallback(TkWindowCallback procedure, int window);

// --- Menus -----------------------------------------------------------------------------------------------------------
int TkCreateMenuBar(int menu, HWND window);
void TkMenuTitle(std::string_view text);
void TkMenuItem(int item, std::string_view text);
void TkMenuSeparator();
// A submenu in the drop-down of the last title: the items that follow go into it until TkEndSubmenu.
void TkMenuSubmenu(std::string_view text);
void TkEndSubmenu();
void TkSetMenuItemMark(int menu, int item, int mark);
// Of the items first to last (by number, in one drop-down or submenu), item gets the round mark, the others none.
void TkSetMenuRadio(int menu, int first, int last, int item);
int TkMenuItemMark(int menu, int item);

// --- Keyboard shortcuts ----------------------------------------------------------------------------------------------
void TkAddShortcut(int window, int shortcut, int eventId);

// --- Controls --------------------------------------------------------------------------------------------------------
HWND TkTextControl(int control, int x, int y, int width, int height, std::string_view text, uint32_t style);
HWND TkImageControl(int control, int x, int y, int width, int height, HANDLE image);
HWND TkImageButton(int control, int x, int y, int width, int height, HANDLE image);
HWND TkOptionButton(int control, int x, int y, int width, int height, std::string_view text);
HWND TkFrame(int control, int x, int y, int width, int height, std::string_view text, int kind);
HWND TkContainer(int control, int x, int y, int width, int height, int borderFlags);
void TkEndContainer();
HWND TkButton(int control, int x, int y, int width, int height, std::string_view text);
HWND TkCheckBox(int control, int x, int y, int width, int height, std::string_view text);
// A one-line field the user types into; TkGetControlText reads it.
HWND TkEditField(int control, int x, int y, int width, int height, std::string_view text);

void TkSetControlText(int control, std::string_view text);
// While painting is held (holds nest), texts, colours and pictures given to visible controls are not painted at
// once: TkPaintChangedControls hands the controls changed since their texts and paints them together, and returns
// how many. Texts and pictures are painted directly (a text as its control draws it). Any other changed control a
// whole pass paints before it returns; a frame pass, for a move loop's frames, leaves it to the system's painting.
constexpr bool TkPaintWhole = true;
constexpr bool TkPaintFrame = false;
void TkHoldControlPainting(int held);
int TkPaintChangedControls(bool pass = TkPaintWhole);
// A text control's text is the one last given (the toolkit draws it); other controls' texts are read from them.
std::string TkGetControlText(int control);
// Option button, check box: 1 selected, 0 cleared. Image control: a native image handle shown at once.
void TkSetControlState(int control, intptr_t state);
int TkGetControlState(int control);
void TkSetControlColor(int control, int which, int32_t colour);
void TkSetControlFont(int control, intptr_t font);
void TkSetToolTip(int control, std::string_view text);
void TkResizeControl(int control, int x, int y, int width, int height);
// Between these, TkResizeControl gathers the moves, and the end places every control at once (one re-layout and
// one painting instead of one per control); count is how many are to come, a hint. Not nested.
void TkBeginControlMoves(int count);
void TkEndControlMoves();
// The width in pixels of a text in the control's font; 0 for a number that names no control.
int TkControlTextWidth(int control, std::string_view text);
void TkHideControl(int control, int hidden);
void TkDisableControl(int control, int disabled);
// Where sibling controls overlap: the control no longer paints over its siblings, and it goes above them all.
void TkClipControlSiblings(int control);
void TkRaiseControl(int control);
HWND TkControlHandle(int control);

// --- Events ----------------------------------------------------------------------------------------------------------
int TkWaitEvent();
int TkEventWindow();
int TkEventControl();
int TkEventMenuItem();
int TkEventType();

// --- Message box -----------------------------------------------------------------------------------------------------
int TkMessageBox(std::string_view title, std::string_view text, uint32_t type);
