#include "window_search.h"

std::string WindowTitle(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string WindowClass(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

RECT RectInParent(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::string& className)
{
    struct Search {
        DWORD processId;
        const std::string& className;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && (s->className.empty() || WindowClass(window) == s->className))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProgramWindow(DWORD processId, const std::string& title, const std::string& className)
{
    for (HWND window : TopLevelWindowsOf(processId, className)) {
        if (IsWindowVisible(window) && WindowTitle(window) == title)
            return window;
    }
    return nullptr;
}

std::string DescribeWindowsOf(DWORD processId)
{
    std::string text;
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (IsWindowVisible(window))
            text += WindowClass(window) + " '" + WindowTitle(window) + "'\n";
    }
    return text;
}
