#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "monitor_layout.h"

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], ReReadDisplaysArgument) == 0)
        return ReReadDisplays();
    // The driver reads places and pixels of the program, which counts physical pixels on scaled displays too: it
    // must not be handed coordinates the system scaled for a program that knows nothing of scales.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
