// What the menu commands and the value fields do beyond moving the windows.
#pragma once

#include <string>

// Copies a control's text to the clipboard, with the copy cursor as feedback for a moment.
void CopyFieldToClipboard(int control);
void ShowAbout();
void ToggleAlwaysOnTop();
void ToggleTooltips();
// Opens a file or web address with the shell's "open" verb; failures are not reported.
void OpenWithShell(const std::string& target);
// Closes the windows, saves the settings, records the program folder and ends the program.
[[noreturn]] void ExitSequence();
