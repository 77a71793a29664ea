// Toolkit services over Win32: the settings file, clipboard, directories, monitors, delay and fault capture.
// The text and number conversions they build on are platform-free and live in tk_text.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/tk_fault_marker.h"
#include "toolkit/tk_text.h"

// --- Settings file: at most one is open at a time -----------------------------------------------------------------

// Starts a new, empty settings file at path. Nonzero when the file can be created. The file on disk is replaced
// only when it is closed, and then atomically: a crash before or during the save leaves the old file whole.
int TkCreatePreferences(std::string_view path);
// Reads the whole file; nonzero when it was read. When it was not, every read returns its default.
int TkOpenPreferences(std::string_view path);
void TkWritePreference(std::string_view key, std::string_view value);
std::string TkReadPreference(std::string_view key, std::string_view defaultText);
// Writes the file when it was created or keys were written, then releases it. Nonzero when nothing had to be
// written or the new text is safely in place; 0 when the save failed, in which case the old file is untouched.
int TkClosePreferences();

// --- Clipboard -------------------------------------------------------------------------------------------------------

// Puts text on the clipboard as CF_TEXT; nonzero on success.
int TkSetClipboardText(std::string_view text);

// --- Directories -----------------------------------------------------------------------------------------------------

// Creates one directory after cutting trailing blanks, "/" and "\"; nonzero when it was created.
int TkCreateDirectory(std::string_view path);

// --- Monitors --------------------------------------------------------------------------------------------------------

struct TkMonitor {
    std::string deviceName;
    int32_t left = 0; // of the monitor on the desktop; the primary monitor's top-left corner is (0, 0)
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t refreshRate = 0;
};

// Fills the monitor table (the primary monitor first) and returns the number of monitors, 0 when none can be read.
int TkExamineMonitors();
int TkMonitorCount();
const TkMonitor* TkMonitorAt(int index);
// The refresh rate of the monitor that shows most of the window, in Hz; 60 when the system does not say.
int TkWindowRefreshRate(int window);

// --- Timing ----------------------------------------------------------------------------------------------------------

void TkDelay(int milliseconds);

// --- Fault capture ---------------------------------------------------------------------------------------------------

using TkFaultProcedure = void (*)();

// Installs the toolkit's top-level exception filter, which fills the fault record, calls procedure on the faulting
// thread and then ends the process with exit code 0. mainModule is the name TkFaultModule gives the main module.
void TkInstallFaultHandler(TkFaultProcedure procedure, std::string_view mainModule);
// Puts back the filter that was there before TkInstallFaultHandler (part of the toolkit's shutdown).
void TkRemoveFaultHandler();

uint32_t TkFaultCode();
uint64_t TkFaultAddress();      // the full code address of this 64-bit build
uint64_t TkFaultAccessTarget(); // the data address of an invalid memory access, else 0
std::string TkFaultMessage();
std::string TkFaultModule();
int32_t TkFaultLine();

struct TkFaultRegisters {
    uint64_t rax, rbx, rcx, rdx, rbp, rsi, rdi, rsp, rip, flags;
};
const TkFaultRegisters& TkFaultRegisterValues();
