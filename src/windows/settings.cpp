#include "windows/settings.h"

#include "core/app_state.h"
#include "toolkit/tk_services.h"

namespace {

// The keys in the order of the file, with their defaults. The two flags keep only the low 8 bits of what is read.
struct SettingKey {
    const char* key;
    const char* defaultText;
    int32_t Settings::*wide;
    int8_t Settings::*flag;
};

const SettingKey settingKeys[] = {
    {"ShowShortGuide", "1", &Settings::ShowShortGuide, nullptr},
    {"MainWindowOnTop", "1", nullptr, &Settings::MainWindowOnTop},
    {"ShowTooltips", "1", nullptr, &Settings::ShowTooltips},
    {"MainWindowPosX", "500", &Settings::MainWindowPosX, nullptr},
    {"MainWindowPosY", "10", &Settings::MainWindowPosY, nullptr},
    {"RulerWindowPosX", "100", &Settings::RulerWindowPosX, nullptr},
    {"RulerWindowPosY", "10", &Settings::RulerWindowPosY, nullptr},
    {"RulerWindowWidth", "300", &Settings::RulerWindowWidth, nullptr},
    {"RulerWindowHeight", "150", &Settings::RulerWindowHeight, nullptr},
};

std::string SettingsFilePath()
{
    return App().settingsFolder + "Tessaro.prefs";
}

} // namespace

void LoadSettings()
{
    Settings& settings = App().settings;
    TkOpenPreferences(SettingsFilePath());
    for (const SettingKey& k : settingKeys) {
        const int64_t value = TkTextToInt(TkReadPreference(k.key, k.defaultText));
        if (k.flag)
            settings.*k.flag = TkCutTo8(value);
        else
            settings.*k.wide = TkCutTo32(value);
    }
    TkClosePreferences();
}

void SaveSettings()
{
    const Settings& settings = App().settings;
    if (!TkCreatePreferences(SettingsFilePath()))
        return;
    for (const SettingKey& k : settingKeys)
        TkWritePreference(k.key, TkIntToText(k.flag ? settings.*k.flag : settings.*k.wide));
    TkClosePreferences();
}
