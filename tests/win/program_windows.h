#pragma once

// Brings the program's state and windows up as start-up does, without the single-instance check and the event
// loop, for tests that drive the program's procedures inside one process.
void BuildProgramWindows();
// Lets the windows handle what is queued for them.
void PumpMessages();
