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
    ReadAllSettings(settings, TkReadPreference);
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
    WriteAllSettings(settings, TkWritePreference);
    TkClosePreferences();
}
