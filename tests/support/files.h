// Whole files as bytes, for the tests of every build (header only: the native unit tests include it too).
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A file's bytes as a string or a byte vector; empty when it cannot be read.
template <typename Bytes = std::string> Bytes ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

#ifdef TESSARO_TEST_DATA_DIR
#include <gtest/gtest.h>

// A file of tests/data; a failure of the test when it is missing or empty.
template <typename Bytes = std::vector<uint8_t>> Bytes TestDataFile(const std::string& name)
{
    Bytes bytes = ReadBytes<Bytes>(std::string(TESSARO_TEST_DATA_DIR) + "/" + name);
    EXPECT_FALSE(bytes.empty()) << "missing test file " << name;
    return bytes;
}
#endif

#ifdef _WIN32
#include <windows.h>

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
#endif
