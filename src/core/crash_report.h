#pragma once

// Shows the report of a fault that nothing handled, puts its facts on the clipboard and ends the program.
void ShowCrashReport();
