#pragma once

// The program's one event loop: runs until the user quits, then ends the program through ExitSequence.
[[noreturn]] void RunEventLoop();
