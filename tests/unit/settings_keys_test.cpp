#include <gtest/gtest.h>

#include "measure/edge_scan.h"
#include "measure/physical_units.h"
#include "toolkit/tk_prefs_list.h"
#include "windows/settings_keys.h"

namespace {

// Reads a settings file's text the way the program does at start.
Settings ReadSettings(std::string_view fileText)
{
    const TkPrefsList list = TkParsePrefsText(fileText);
    Settings settings;
    ReadAllSettings(settings, [&](std::string_view key, std::string_view defaultText) {
        return TkLookupPref(list, key, defaultText);
    });
    return settings;
}

// Writes the settings the way the program does at exit.
std::string WriteSettings(const Settings& settings)
{
    TkPrefsList list;
    WriteAllSettings(settings, [&](std::string_view key, std::string_view value) { TkSetPref(list, key, value); });
    return TkFormatPrefsText(list);
}

const std::string FirstVersionFile =
    "ShowShortGuide = 1\r\nMainWindowOnTop = 1\r\nShowTooltips = 1\r\nMainWindowPosX = 500\r\n"
    "MainWindowPosY = 10\r\nRulerWindowPosX = 100\r\nRulerWindowPosY = 10\r\n"
    "RulerWindowWidth = 300\r\nRulerWindowHeight = 150\r\n";
const std::string DefaultFile = FirstVersionFile + "MeasureUnit = 0\r\nEdgeTolerance = 0\r\n";
const std::string NineKeysThenHigh = FirstVersionFile + "EdgeTolerance = 32\r\n";

} // namespace

TEST(Settings, MissingFileGivesTheDefaultsAndWritesTheNineLinesInOrderThenTheUnitAndTheEdgeTolerance)
{
    EXPECT_EQ(WriteSettings(ReadSettings("")), DefaultFile);
}

TEST(Settings, FilesOfTheFirstVersionAndOfThisOneReadEachOther)
{
    Settings first = ReadSettings(FirstVersionFile);
    EXPECT_EQ(MeasureUnitOf(first.MeasureUnit), MeasureUnit::Pixel);
    EXPECT_TRUE(first.calibrations.empty());

    first.MeasureUnit = 2;
    first.EdgeTolerance = 8;
    SetCalibratedPitch(first, "DEL-A0F4-4C4F4A41", 6.43219);
    SetCalibratedPitch(first, "\\\\.\\DISPLAY2", 3.5);
    SetCalibratedPitch(first, "GONE", 4);
    SetCalibratedPitch(first, "GONE", 0);
    const std::string written = WriteSettings(first);
    EXPECT_EQ(written, FirstVersionFile +
                           "MeasureUnit = 2\r\nEdgeTolerance = 8\r\nMonitorCalibration1 = DEL-A0F4-4C4F4A41 6.4322\r\n"
                           "MonitorCalibration2 = \\\\.\\DISPLAY2 3.5000\r\n");
    // A reader of the nine keys alone finds them as the first version wrote them.
    const TkPrefsList list = TkParsePrefsText(written);
    const TkPrefsList old = TkParsePrefsText(FirstVersionFile);
    for (const SettingKey& key : SettingKeys().first(9))
        EXPECT_EQ(TkLookupPref(list, key.key, "?"), TkLookupPref(old, key.key, "!")) << key.key;

    const Settings again = ReadSettings(written);
    EXPECT_EQ(again.MeasureUnit, 2);
    EXPECT_EQ(again.EdgeTolerance, 8);
    EXPECT_NEAR(CalibratedPitch(again, "DEL-A0F4-4C4F4A41"), 6.4322, 1e-9);
    EXPECT_NEAR(CalibratedPitch(again, "\\\\.\\DISPLAY2"), 3.5, 1e-9);
    EXPECT_EQ(CalibratedPitch(again, "GONE"), 0);

    const Settings handEdited = ReadSettings("MonitorCalibration3 = A 4.5\nMonitorCalibration1 = B 3,5\n"
                                             "MonitorCalibration2 = 7.0\nMonitorCalibration4 = A 5.0\n");
    ASSERT_EQ(handEdited.calibrations.size(), 1u) << "a comma, no name, the same monitor twice: the first stays";
    EXPECT_EQ(handEdited.calibrations[0].monitor, "A");
    EXPECT_NEAR(handEdited.calibrations[0].pixelsPerMm, 4.5, 1e-9);
}

TEST(Settings, HandEditedValuesAreReadByTheFileRules)
{
    const struct {
        const char* what;
        const char* file;
        int32_t width;
        int8_t onTop, tooltips;
        int32_t posX;
        MeasureUnit unit = MeasureUnit::Pixel;
        int tolerance = 0;
    } cases[] = {
        {"millimetres", "MeasureUnit = 1", 300, 1, 1, 500, MeasureUnit::Millimetre},
        {"inches in hexadecimal", "measureunit=$2", 300, 1, 1, 500, MeasureUnit::Inch},
        {"an unknown unit means pixels", "MeasureUnit = 3", 300, 1, 1, 500, MeasureUnit::Pixel},
        {"a unit is cut to 32 bits like every value", "MeasureUnit = 4294967298", 300, 1, 1, 500, MeasureUnit::Inch},
        {"tolerance low", "edgetolerance = 8\r\n", 300, 1, 1, 500, MeasureUnit::Pixel, 8},
        {"tolerance high after the nine keys", NineKeysThenHigh.c_str(), 300, 1, 1, 500, MeasureUnit::Pixel, 32},
        {"tolerance of another value is exact", "EdgeTolerance = 16\r\n", 300, 1, 1, 500},
        {"tolerance of a negative value is exact", "EdgeTolerance = -8\r\n", 300, 1, 1, 500},
        {"tolerance of no number is exact", "EdgeTolerance = Hoch\r\n", 300, 1, 1, 500},
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings settings = ReadSettings(c.file);
        EXPECT_EQ(settings.RulerWindowWidth, c.width);
        EXPECT_EQ(settings.MainWindowOnTop, c.onTop);
        EXPECT_EQ(settings.ShowTooltips, c.tooltips);
        EXPECT_EQ(settings.MainWindowPosX, c.posX);
        EXPECT_EQ(MeasureUnitOf(settings.MeasureUnit), c.unit);
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
