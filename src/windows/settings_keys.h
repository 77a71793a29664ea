// The keys of the settings file, their defaults and how their texts become the values of Settings and back.
#pragma once

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
