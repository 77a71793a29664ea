#pragma once

#include <string>

// A test binary that is started again as a child process with "--fault-child KIND OUTFILE" runs this instead of
// the tests: it provokes the fault KIND and reports what the toolkit captured into OUTFILE.
int RunFaultChild(const std::string& kind, const std::string& outFile);

// A fresh, empty folder for one test, with a trailing backslash.
std::string MakeTestFolder();
