// What the menu commands and the value fields do beyond moving the windows.
#pragma once

#include <string>

// Copies a control's text to the clipboard, with the copy cursor as feedback for a moment.
void CopyFieldToClipboard(int control);
void ShowAbout();
void ToggleAlwaysOnTop();
void ToggleTooltips();
// Marks the unit's menu item, keeps it in the settings and shows the ruler in it.
void ChooseMeasureUnit(int unit);
// Opens a file or web address with the shell's "open" verb; failures are not reported.
void OpenWithShell(const std::string& target);
// Opens the manual beside the program, or says where it was looked for when it is not there.
void OpenManual();
// Closes the windows, saves the settings, records the program folder and ends the program.
[[noreturn]] void ExitSequence();
