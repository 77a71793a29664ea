// The image's load configuration: its one purpose is DependentLoadFlags. The DLLs the program imports, and those
// they import in turn, are loaded before any line of the program runs, so SetDefaultDllDirectories at the start
// cannot govern them; without this field the loader looks for a DLL that is not a known DLL (version.dll,
// uxtheme.dll, ...) in the program's folder first. Tessaro is run from wherever it was unpacked, often the downloads
// folder, where anyone may have dropped such a DLL. LOAD_LIBRARY_SEARCH_SYSTEM32 here is what Microsoft's linker
// writes for /DEPENDENTLOADFLAG:0x800: every load-time dependency from the system folder only. Windows 10 1607 and
// later honour it; older Windows versions and Wine 8 ignore the field.
//
// The loader finds the structure through the image's load configuration directory. GNU ld 2.40 does not set that
// entry from _load_config_used (the name Microsoft's and LLVM's linkers look for), so cmake/set_load_config.py writes
// it after the link, from the address in the linker's map.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace {

// IMAGE_LOAD_CONFIG_DIRECTORY64 up to SEHandlerCount, the layout every 64-bit Windows reads; the loader takes the
// fields its Size covers and reads those beyond it as zero.
struct LoadConfig64 {
    uint32_t size{};
    uint32_t timeDateStamp{};
    uint16_t majorVersion{}, minorVersion{};
    uint32_t globalFlagsClear{}, globalFlagsSet{};
    uint32_t criticalSectionDefaultTimeout{};
    uint64_t deCommitFreeBlockThreshold{}, deCommitTotalFreeThreshold{};
    uint64_t lockPrefixTable{};
    uint64_t maximumAllocationSize{}, virtualMemoryThreshold{};
    uint64_t processAffinityMask{};
    uint32_t processHeapFlags{};
    uint16_t csdVersion{};
    uint16_t dependentLoadFlags{};
    uint64_t editList{};
    // The address of the /GS cookie the loader randomises. MinGW-w64's runtime keeps none (GCC's stack protector
    // uses __stack_chk_guard), so there is none to name; cmake/set_load_config.py fails the build should a runtime
    // bring one.
    uint64_t securityCookie{};
    uint64_t seHandlerTable{}, seHandlerCount{};
};
static_assert(offsetof(LoadConfig64, dependentLoadFlags) == 0x4E, "where the PE format puts DependentLoadFlags");
static_assert(sizeof(LoadConfig64) == 0x70);

} // namespace

extern "C" __attribute__((used)) const LoadConfig64 _load_config_used = {
    .size = sizeof(LoadConfig64),
    .dependentLoadFlags = LOAD_LIBRARY_SEARCH_SYSTEM32,
};
