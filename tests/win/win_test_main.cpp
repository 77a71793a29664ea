#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"

std::string MakeTestFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // Wine hands out the same process ids again, and the folders of earlier runs stay: a folder is new only when
    // this call made it.
    static int counter = 0;
    for (;;) {
        std::string folder = std::string(temp) + "tessaro-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter) + "\\";
        if (CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS)
            return folder;
    }
}

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--fault-child")
        return RunFaultChild(argv[2], argv[3]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
