#include "windows/settings_repair.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One 1920 x 1080 monitor, or that one with a 1280 x 1024 monitor to its left.
const TkRect primary{0, 0, 1920, 1080};
const std::vector<TkRect> single{primary};
const std::vector<TkRect> leftToo{primary, {-1280, 0, 0, 1024}};
const std::vector<TkRect> farLeft{primary, {-66000, 0, -64000, 1024}};

struct Case {
    const char* what;
    const std::vector<TkRect>* monitors;
    Settings read;     // the places and sizes read from the file
    Settings repaired; // what the windows open with and the exit saves
};

Settings Places(int mainX, int mainY, int rulerX, int rulerY, int rulerW, int rulerH)
{
    Settings s;
    s.MainWindowPosX = mainX;
    s.MainWindowPosY = mainY;
    s.RulerWindowPosX = rulerX;
    s.RulerWindowPosY = rulerY;
    s.RulerWindowWidth = rulerW;
    s.RulerWindowHeight = rulerH;
    return s;
}

const Case cases[] = {
    {"defaults", &single, Places(500, 10, 100, 10, 300, 150), Places(500, 10, 100, 10, 300, 150)},
    {"sizes below the least", &single, Places(500, 10, 100, 10, -100, 0), Places(500, 10, 100, 10, 23, 23)},
    {"least size", &single, Places(500, 10, 100, 10, 23, 23), Places(500, 10, 100, 10, 23, 23)},
    {"larger than the screen", &single, Places(500, 10, 0, 0, 5000, 3000), Places(500, 10, 0, 0, 1920, 1080)},
    {"on a monitor no longer there", &single, Places(2200, 2500, 2200, 2500, 300, 150),
     Places(500, 10, 100, 10, 300, 150)},
    {"on the monitor to the left", &leftToo, Places(-900, 300, -1280, 0, 1280, 1024),
     Places(-900, 300, -1280, 0, 1280, 1024)},
    {"partly off the screen, enough left to take", &single, Places(1900, -20, -292, -142, 300, 150),
     Places(1900, -20, -292, -142, 300, 150)},
    {"too little left to take", &single, Places(1913, 1073, -293, 1073, 300, 150), Places(500, 10, 100, 10, 300, 150)},
    {"main window's title bar above the screen", &single, Places(500, -30, 100, 10, 300, 150),
     Places(500, 10, 100, 10, 300, 150)},
    {"the toolkit's keep value on a monitor", &farLeft, Places(-65535, 10, -65535, 10, 300, 150),
     Places(-65535, 10, -65535, 10, 300, 150)},
    {"the toolkit's keep value on no monitor", &single, Places(-65535, -65535, -65535, 10, 300, 150),
     Places(500, 10, 100, 10, 300, 150)},
    {"the ends of the 32-bit range", &single, Places(2147483647, -2147483647 - 1, 2147483647, 0, 300, 150),
     Places(500, 10, 100, 10, 300, 150)},
};

} // namespace

TEST(SettingsRepair, HiddenWindowsGoToTheirDefaultsAndWorkingValuesStay)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings settings = c.read;
        settings.ShowShortGuide = 7;
        // The main window here: 278 wide outside, its title bar 30 high.
        RepairPlaces(settings, {*c.monitors, 1920, 1080, 278, 30});
        EXPECT_EQ(settings.MainWindowPosX, c.repaired.MainWindowPosX);
        EXPECT_EQ(settings.MainWindowPosY, c.repaired.MainWindowPosY);
        EXPECT_EQ(settings.RulerWindowPosX, c.repaired.RulerWindowPosX);
        EXPECT_EQ(settings.RulerWindowPosY, c.repaired.RulerWindowPosY);
        EXPECT_EQ(settings.RulerWindowWidth, c.repaired.RulerWindowWidth);
        EXPECT_EQ(settings.RulerWindowHeight, c.repaired.RulerWindowHeight);
        EXPECT_EQ(settings.ShowShortGuide, 7) << "only places and sizes are repaired";
    }
}
