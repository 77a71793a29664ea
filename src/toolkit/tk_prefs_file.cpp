// The settings file on disk. The whole file is held in memory while it is open (see tk_prefs_list.h); a save
// writes a temporary file beside the target and moves it over the target in one step, so that a crash or a power
// cut during the save can never leave a half-written settings file behind.
#include <windows.h>

#include <optional>
#include <string>

#include "toolkit/tk_prefs_list.h"
#include "toolkit/tk_services.h"

namespace {

struct OpenPrefs {
    std::string path;
    TkPrefsList list;
    // A created file replaces the old one even when no key was written, as creating a file always truncates it.
    bool replaceOnClose = false;
};

std::optional<OpenPrefs> gPrefs;

std::string TempPathFor(const std::string& path)
{
    return path + ".tmp";
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.size() <= MAXDWORD &&
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    return ok;
}

bool ReadWhole(const std::string& path, std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < (1LL << 31);
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = bytes.empty() ||
             (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

} // namespace

int TkCreatePreferences(std::string_view path)
{
    TkClosePreferences();
    OpenPrefs prefs{std::string(path), {}, true};
    // Creating the temporary file now tells the caller at once whether the folder can be written at all.
    const std::string temp = TempPathFor(prefs.path);
    if (!WriteWhole(temp, {}))
        return 0;
    gPrefs = std::move(prefs);
    return 1;
}

int TkOpenPreferences(std::string_view path)
{
    TkClosePreferences();
    std::string bytes;
    if (!ReadWhole(std::string(path), bytes))
        return 0;
    gPrefs = OpenPrefs{std::string(path), TkParsePrefsText(bytes), false};
    return 1;
}

void TkWritePreference(std::string_view key, std::string_view value)
{
    if (gPrefs)
        TkSetPref(gPrefs->list, key, value);
}

std::string TkReadPreference(std::string_view key, std::string_view defaultText)
{
    if (!gPrefs)
        return std::string(defaultText);
    return TkLookupPref(gPrefs->list, key, defaultText);
}

int TkClosePreferences()
{
    if (!gPrefs)
        return 1;
    OpenPrefs prefs = std::move(*gPrefs);
    gPrefs.reset();
    if (!prefs.replaceOnClose && !prefs.list.modified)
        return 1;
    const std::string temp = TempPathFor(prefs.path);
    if (!WriteWhole(temp, TkFormatPrefsText(prefs.list)) ||
        !MoveFileExA(temp.c_str(), prefs.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return 0;
    }
    return 1;
}
