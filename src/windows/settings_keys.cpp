#include "windows/settings_keys.h"

#include "toolkit/tk_text.h"

namespace {

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
    // Keys of later versions follow the first nine, which an older version reads alone.
    {"EdgeTolerance", "0", &Settings::EdgeTolerance, nullptr},
};

} // namespace

std::span<const SettingKey> SettingKeys()
{
    return settingKeys;
}

void SetSettingFromText(Settings& settings, const SettingKey& key, std::string_view text)
{
    const int64_t value = TkTextToInt(text);
    if (key.flag)
        settings.*key.flag = TkCutTo8(value);
    else
        settings.*key.wide = TkCutTo32(value);
}

std::string SettingAsText(const Settings& settings, const SettingKey& key)
{
    return TkIntToText(key.flag ? settings.*key.flag : settings.*key.wide);
}
