// The keys of the settings file, their defaults and how their texts become the values of Settings and back.
//
// The file holds the nine keys of the first version in their order, then MeasureUnit, then the calibrated monitors,
// one key each: MonitorCalibration1, MonitorCalibration2 ... (at most MostCalibrations), whose value is the monitor's
// name, a blank and its pixels per millimetre as a decimal text with a point, e.g. "DEL-A0F4-4C4F4A41 6.4322". A
// reader of an older version passes over the keys it does not know.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "windows/settings.h"

struct SettingKey {
    const char* key;
    const char* defaultText;
    int32_t Settings::*wide; // a 32-bit value, or
    int8_t Settings::*flag;  // an 8-bit flag, which keeps only the low 8 bits of what is read
};

// In the order of the file.
std::span<const SettingKey> SettingKeys();

// Reads the value text by the file's number rules and cuts it to the field's width.
void SetSettingFromText(Settings& settings, const SettingKey& key, std::string_view text);
// The field as decimal text; the 8-bit flags sign-extended.
std::string SettingAsText(const Settings& settings, const SettingKey& key);

constexpr int MostCalibrations = 32;
// A calibration's value text, and back: nothing for a text without a name or with a pitch out of reason.
std::string CalibrationAsText(const MonitorCalibration& calibration);
std::optional<MonitorCalibration> CalibrationFromText(std::string_view text);

// Every setting through the file's reader (key, default text) or writer (key, value text), in the file's order.
using ReadSettingText = std::function<std::string(std::string_view key, std::string_view defaultText)>;
using WriteSettingText = std::function<void(std::string_view key, std::string_view value)>;
void ReadAllSettings(Settings& settings, const ReadSettingText& read);
void WriteAllSettings(const Settings& settings, const WriteSettingText& write);

// The pixels per millimetre the user measured for the monitor, 0 when none; setting 0 forgets them. The latest
// MostCalibrations are kept.
double CalibratedPitch(const Settings& settings, std::string_view monitor);
void SetCalibratedPitch(Settings& settings, std::string_view monitor, double pixelsPerMm);
