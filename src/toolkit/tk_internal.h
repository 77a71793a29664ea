// State shared by the toolkit's own Win32 files; never included by the program's logic.
#pragma once

#include <windows.h>

struct TkShared {
    // The hidden window that receives the toolkit's queued events; also the clipboard's owner.
    HWND messageWindow = nullptr;
};

TkShared& TkSharedState();
