// The text of the crash report, built from what the fault capture recorded.
#pragma once

#include <cstdint>
#include <string>

struct CrashFacts {
    uint32_t code = 0;
    uint64_t address = 0;
    std::string message;
    std::string module;
    int32_t line = 0;
};

struct CrashReportText {
    std::string clipboard; // the facts, ending in a blank line
    std::string box;       // the facts, the request to send them and the question
};

CrashReportText BuildCrashReport(const CrashFacts& facts);
