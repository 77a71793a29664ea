#include <gtest/gtest.h>

#include <vector>

#include "e2e_support.h"
#include "tessaro_version.h"

namespace {

std::string ResourceText(HMODULE module, LPCSTR type, LPCSTR name)
{
    HRSRC resource = FindResourceA(module, name, type);
    if (!resource)
        return {};
    HGLOBAL data = LoadResource(module, resource);
    const char* bytes = static_cast<const char*>(LockResource(data));
    return bytes ? std::string(bytes, SizeofResource(module, resource)) : std::string();
}

std::string VersionString(const std::vector<char>& info, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040704E4\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return value;
}

} // namespace

TEST(Executable, CarriesIconVersionAndAManifestForCommonControlsAndPerMonitorDpi)
{
    HMODULE exe = LoadLibraryExA(TESSARO_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    EXPECT_NE(FindResourceA(exe, MAKEINTRESOURCEA(1), RT_GROUP_ICON), nullptr) << "icon 1 is missing";

    const std::string manifest = ResourceText(exe, RT_MANIFEST, MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << "the older fallback for Windows before 10 1607";
    EXPECT_NE(manifest.find("name=\"Tessaro\" version=\"" TESSARO_VERSION_TEXT ".0.0\""), std::string::npos);
    FreeLibrary(exe);

    const DWORD size = GetFileVersionInfoSizeA(TESSARO_EXE, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(TESSARO_EXE, 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(TESSARO_VERSION_MINOR, TESSARO_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(TESSARO_VERSION_MINOR, TESSARO_VERSION_MAJOR));
    EXPECT_EQ(VersionString(info, "ProductName"), "Tessaro");
    EXPECT_EQ(VersionString(info, "ProductVersion"), TESSARO_VERSION_TEXT);
    EXPECT_EQ(VersionString(info, "FileVersion"), TESSARO_VERSION_TEXT);
}
