// Message texts of the processor exception codes, as the crash report shows them.
#pragma once

#include <cstdint>
#include <string_view>

// The English message for an exception code, or "Unknown error code" for a code outside the table. The texts are
// part of what users paste into their reports, quirks included ("to great", the blank after "Division by zero").
std::string_view TkFaultMessageFor(uint32_t code);
