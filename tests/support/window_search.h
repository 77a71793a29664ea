// Finding top-level windows by process, title and class, as a user's window tools do.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string WindowTitle(HWND window);
std::string WindowClass(HWND window);
// A child window's rectangle relative to the client area of its parent.
RECT RectInParent(HWND child);
// Every top-level window of the process with that class (empty: any), visible or not, in the system's order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::string& className = "");
// A visible top-level window of the process with that title and class (empty: any), or null.
HWND FindProgramWindow(DWORD processId, const std::string& title, const std::string& className = "");
// The visible top-level windows of the process, as "class 'title'" lines, for failure messages.
std::string DescribeWindowsOf(DWORD processId);
