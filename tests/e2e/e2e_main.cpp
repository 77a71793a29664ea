#include <gtest/gtest.h>

#include <cstring>

#include "monitor_layout.h"

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], ReReadDisplaysArgument) == 0)
        return ReReadDisplays();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
