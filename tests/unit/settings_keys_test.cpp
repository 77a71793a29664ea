#include <gtest/gtest.h>

#include "measure/edge_scan.h"
#include "toolkit/tk_prefs_list.h"
#include "windows/settings_keys.h"

namespace {

// Reads a settings file's text the way the program does at start.
Settings ReadSettings(std::string_view fileText)
{
    const TkPrefsList list = TkParsePrefsText(fileText);
    Settings settings;
    for (const SettingKey& key : SettingKeys())
        SetSettingFromText(settings, key, TkLookupPref(list, key.key, key.defaultText));
    return settings;
}

// Writes the settings the way the program does at exit.
std::string WriteSettings(const Settings& settings)
{
    TkPrefsList list;
    for (const SettingKey& key : SettingKeys())
        TkSetPref(list, key.key, SettingAsText(settings, key));
    return TkFormatPrefsText(list);
}

const std::string DefaultFile =
    "ShowShortGuide = 1\r\nMainWindowOnTop = 1\r\nShowTooltips = 1\r\nMainWindowPosX = 500\r\n"
    "MainWindowPosY = 10\r\nRulerWindowPosX = 100\r\nRulerWindowPosY = 10\r\n"
    "RulerWindowWidth = 300\r\nRulerWindowHeight = 150\r\n";
// What a version before the edge searches wrote, and the key that follows the nine now.
const std::string NineKeyFile = DefaultFile;
const std::string EdgeToleranceLine = "EdgeTolerance = 0\r\n";
const std::string NineKeysThenHigh = NineKeyFile + "EdgeTolerance = 32\r\n";

} // namespace

TEST(Settings, MissingFileGivesTheDefaultsAndWritesTheNineLinesInOrderThenTheEdgeTolerance)
{
    EXPECT_EQ(WriteSettings(ReadSettings("")), DefaultFile + EdgeToleranceLine);
    EXPECT_EQ(WriteSettings(ReadSettings(NineKeyFile)), NineKeyFile + EdgeToleranceLine)
        << "a file of the nine keys reads unchanged; the tolerance it lacks is exact";
}

TEST(Settings, HandEditedValuesAreReadByTheFileRules)
{
    const struct {
        const char* what;
        const char* file;
        int32_t width;
        int8_t onTop, tooltips;
        int32_t posX;
        int tolerance = 0;
    } cases[] = {
        {"lower case without blanks", "showtooltips=0\r\n", 300, 1, 0, 500},
        {"8-bit flag keeps the low byte", "MainWindowOnTop = 256\nShowTooltips = 2\n", 300, 0, 2, 500},
        {"hexadecimal width", "RulerWindowWidth = $1F4", 500, 1, 1, 500},
        {"digits before a unit", "RulerWindowWidth = 12px", 12, 1, 1, 500},
        {"empty value", "RulerWindowWidth =", 0, 1, 1, 500},
        {"negative position", "MainWindowPosX = -1280", 300, 1, 1, -1280},
        {"a group header hides all keys below", "[Tessaro]\r\nRulerWindowWidth = 640\r\nShowTooltips = 0\r\n", 300, 1,
         1, 500},
        {"first of two wins", "RulerWindowWidth = 640\nrulerwindowwidth = 10\n", 640, 1, 1, 500},
        {"30-digit number cut to 32 bits", "RulerWindowWidth = 123456789012345678901234567890", 1312754386, 1, 1, 500},
        {"tolerance low", "edgetolerance = 8\r\n", 300, 1, 1, 500, 8},
        {"tolerance high after the nine keys", NineKeysThenHigh.c_str(), 300, 1, 1, 500, 32},
        {"tolerance of another value is exact", "EdgeTolerance = 16\r\n", 300, 1, 1, 500, 0},
        {"tolerance of a negative value is exact", "EdgeTolerance = -8\r\n", 300, 1, 1, 500, 0},
        {"tolerance of no number is exact", "EdgeTolerance = Hoch\r\n", 300, 1, 1, 500, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings settings = ReadSettings(c.file);
        EXPECT_EQ(settings.RulerWindowWidth, c.width);
        EXPECT_EQ(settings.MainWindowOnTop, c.onTop);
        EXPECT_EQ(settings.ShowTooltips, c.tooltips);
        EXPECT_EQ(settings.MainWindowPosX, c.posX);
        EXPECT_EQ(EdgeToleranceFrom(settings.EdgeTolerance), c.tolerance);
    }
}

TEST(Settings, ValuesSurviveASaveAndCommentsAndStrangersDoNot)
{
    Settings settings = ReadSettings("; my comment\r\nShowTooltips = 2\r\nMainWindowPosX = -1280\r\nOther = 5\r\n");
    const std::string written = WriteSettings(settings);
    EXPECT_NE(written.find("ShowTooltips = 2\r\n"), std::string::npos) << "2 stays 2 unless the menu changes it";
    EXPECT_NE(written.find("MainWindowPosX = -1280\r\n"), std::string::npos);
    EXPECT_EQ(written.find("comment"), std::string::npos);
    EXPECT_EQ(written.find("Other"), std::string::npos);

    settings.ShowTooltips = -1; // a flag read as 255
    EXPECT_NE(WriteSettings(settings).find("ShowTooltips = -1\r\n"), std::string::npos) << "flags are sign-extended";
}
