// The current-line marker: the program notes where its logic is, so that a crash report can say so.
#pragma once

#include <cstdint>
#include <source_location>

// Low 24 bits: the line of the source text; high 8 bits: the source module (0 = the main module).
extern volatile int32_t CurrentLine;

inline void TkMarkLine(int module, std::source_location here = std::source_location::current())
{
    CurrentLine = static_cast<int32_t>((static_cast<uint32_t>(module) << 24) | (here.line() & 0xFFFFFFu));
}
