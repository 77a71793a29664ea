#include "windows/settings_repair.h"

#include <algorithm>
#include <cstdint>

#include "core/desktop_geometry.h"
#include "core/drag_zones.h"
#include "windows/settings_keys.h"

namespace {

int32_t DefaultOf(int32_t Settings::*field)
{
    Settings defaults;
    for (const SettingKey& key : SettingKeys())
        if (key.wide == field)
            SetSettingFromText(defaults, key, key.defaultText);
    return defaults.*field;
}

void PlaceAtDefaultUnlessReachable(Settings& settings, int32_t Settings::*x, int32_t Settings::*y, int width,
                                   int height, std::span<const TkRect> monitors)
{
    if (CanBeTaken({settings.*x, settings.*y, width, height}, monitors))
        return;
    settings.*x = DefaultOf(x);
    settings.*y = DefaultOf(y);
}

} // namespace

void RepairPlaces(Settings& settings, const PlaceLimits& limits)
{
    settings.RulerWindowWidth =
        std::clamp(settings.RulerWindowWidth, MinRulerSize, std::max(MinRulerSize, limits.screenWidth));
    settings.RulerWindowHeight =
        std::clamp(settings.RulerWindowHeight, MinRulerSize, std::max(MinRulerSize, limits.screenHeight));
    PlaceAtDefaultUnlessReachable(settings, &Settings::RulerWindowPosX, &Settings::RulerWindowPosY,
                                  settings.RulerWindowWidth, settings.RulerWindowHeight, limits.monitors);
    PlaceAtDefaultUnlessReachable(settings, &Settings::MainWindowPosX, &Settings::MainWindowPosY, limits.mainWidth,
                                  limits.mainTitleHeight, limits.monitors);
}
