// The current-line marker of the program's logic: the crash report names the last marked line, in the one module
// "Tessaro".
#pragma once

#include "toolkit/tk_fault_marker.h"

inline void MarkLine(std::source_location here = std::source_location::current())
{
    TkMarkLine(0, here);
}
