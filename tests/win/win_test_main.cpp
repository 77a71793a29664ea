#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"

std::string MakeTestFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    std::string folder = std::string(temp) + "tessaro-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++counter) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--fault-child")
        return RunFaultChild(argv[2], argv[3]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
