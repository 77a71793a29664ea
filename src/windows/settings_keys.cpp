#include "windows/settings_keys.h"

#include <algorithm>

#include "measure/physical_units.h"
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
    {"MeasureUnit", "0", &Settings::MeasureUnit, nullptr},
    {"EdgeTolerance", "0", &Settings::EdgeTolerance, nullptr},
};

std::string CalibrationKey(int n)
{
    return "MonitorCalibration" + TkIntToText(n);
}

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

std::string CalibrationAsText(const MonitorCalibration& calibration)
{
    return calibration.monitor + " " + PitchText(calibration.pixelsPerMm);
}

std::optional<MonitorCalibration> CalibrationFromText(std::string_view text)
{
    const size_t blank = text.rfind(' ');
    if (blank == std::string_view::npos || blank == 0)
        return std::nullopt;
    const double pitch = PitchFromText(std::string(text.substr(blank + 1)));
    if (pitch == 0)
        return std::nullopt;
    return MonitorCalibration{std::string(text.substr(0, blank)), pitch};
}

void ReadAllSettings(Settings& settings, const ReadSettingText& read)
{
    for (const SettingKey& key : SettingKeys())
        SetSettingFromText(settings, key, read(key.key, key.defaultText));
    settings.calibrations.clear();
    for (int n = 1; n <= MostCalibrations; ++n)
        if (const auto calibration = CalibrationFromText(read(CalibrationKey(n), "")))
            if (CalibratedPitch(settings, calibration->monitor) == 0)
                settings.calibrations.push_back(*calibration);
}

void WriteAllSettings(const Settings& settings, const WriteSettingText& write)
{
    for (const SettingKey& key : SettingKeys())
        write(key.key, SettingAsText(settings, key));
    const size_t count = std::min(settings.calibrations.size(), static_cast<size_t>(MostCalibrations));
    for (size_t i = 0; i < count; ++i)
        write(CalibrationKey(static_cast<int>(i) + 1), CalibrationAsText(settings.calibrations[i]));
}

double CalibratedPitch(const Settings& settings, std::string_view monitor)
{
    for (const MonitorCalibration& c : settings.calibrations)
        if (c.monitor == monitor)
            return c.pixelsPerMm;
    return 0;
}

void SetCalibratedPitch(Settings& settings, std::string_view monitor, double pixelsPerMm)
{
    std::erase_if(settings.calibrations, [&](const MonitorCalibration& c) { return c.monitor == monitor; });
    if (pixelsPerMm > 0)
        settings.calibrations.push_back({std::string(monitor), pixelsPerMm});
    // The file keeps the latest ones.
    if (settings.calibrations.size() > static_cast<size_t>(MostCalibrations))
        settings.calibrations.erase(settings.calibrations.begin());
}
