// Starting the real program and looking at it from outside, as a user's tools do.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "clipboard.h"
#include "files.h"
#include "waits.h"
#include "window_search.h"

struct RunningProgram {
    HANDLE process = nullptr;
    DWORD processId = 0;
};

// Starts an executable with extra environment variables ("NAME=value", empty for none).
RunningProgram StartProgram(const std::string& exe, const std::string& environment = "");
// Waits for the program to end; returns its exit code, or STILL_ACTIVE after the time-out.
DWORD WaitForExit(RunningProgram& program, std::chrono::milliseconds timeout = std::chrono::seconds(20));
// Ends the program if it still runs and releases its handle.
void StopProgram(RunningProgram& program);
// Ends every running Tessaro, left over from an earlier test, so that each test starts alone.
void StopAllTessaros();

// The message text of a message box.
std::string MessageBoxText(HWND box);
// Presses the message box button with that id (IDOK, IDYES, IDNO).
void PressMessageBoxButton(HWND box, int buttonId);

// The user's application-data folder with a trailing backslash.
std::string AppDataFolder();
