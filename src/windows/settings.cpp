#include "windows/settings.h"

#include "core/app_state.h"
#include "toolkit/tk_services.h"
#include "windows/main_window.h"
#include "windows/settings_keys.h"
#include "windows/settings_repair.h"

namespace {

std::string SettingsFilePath()
{
    return App().settingsFolder + "Tessaro.prefs";
}

} // namespace

void LoadSettings()
{
    Settings& settings = App().settings;
    TkOpenPreferences(SettingsFilePath());
    for (const SettingKey& key : SettingKeys())
        SetSettingFromText(settings, key, TkReadPreference(key.key, key.defaultText));
    TkClosePreferences();
    RepairSettings();
}

void RepairSettings()
{
    const AppState& app = App();
    PlaceLimits limits{app.monitors, app.screenWidth, app.screenHeight};
    MainWindowFrame(limits.mainWidth, limits.mainTitleHeight);
    RepairPlaces(App().settings, limits);
}

void SaveSettings()
{
    const Settings& settings = App().settings;
    if (!TkCreatePreferences(SettingsFilePath()))
        return;
    for (const SettingKey& key : SettingKeys())
        TkWritePreference(key.key, SettingAsText(settings, key));
    TkClosePreferences();
}
