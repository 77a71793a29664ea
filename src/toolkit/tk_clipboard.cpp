#include <windows.h>

#include <cstring>

#include "toolkit/tk_internal.h"
#include "toolkit/tk_services.h"

int TkSetClipboardText(std::string_view text)
{
    // SetClipboardData after OpenClipboard(NULL) fails on Windows once the clipboard is emptied, so the toolkit's
    // hidden window owns it whenever that window exists. Another program (a clipboard manager) may hold the
    // clipboard for a moment; a few short retries ride that out.
    const HWND owner = TkSharedState().messageWindow;
    bool opened = false;
    for (int attempt = 0; attempt < 5 && !opened; ++attempt) {
        opened = OpenClipboard(owner) != 0;
        if (!opened)
            Sleep(10);
    }
    if (!opened)
        return 0;

    int result = 0;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory) {
        if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
            std::memcpy(bytes, text.data(), text.size());
            bytes[text.size()] = '\0';
            GlobalUnlock(memory);
            EmptyClipboard();
            if (SetClipboardData(CF_TEXT, memory))
                result = 1; // the memory belongs to the system now
        }
        if (!result)
            GlobalFree(memory);
    }
    CloseClipboard();
    return result;
}
