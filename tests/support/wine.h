// Where the tests run: Wine differs from Windows in a few things the tests look at, and they assert what each does.
#pragma once

#include <windows.h>

// Whether the tests run under Wine, whose ntdll exports wine_get_version (Windows' does not).
inline bool RunningUnderWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}
