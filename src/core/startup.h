#pragma once

#include <string>

// The program's entry: fills the application state, builds the windows and runs the event loop. Never returns.
[[noreturn]] void StartUp();
// Shuts the toolkit down and ends the process with exit code 0.
[[noreturn]] void EndProgram();
// The scale number and ruler label fonts: the first face of the preferred ones that the system has, else the
// system's message font face, at the size asked for; never 0.
void LoadProgramFonts();
// The file-system path of a shell folder, ending in exactly one backslash; empty when it cannot be resolved.
std::string SpecialFolderPath(int folderId);
