#include "windows/settings_repair.h"

#include <algorithm>
#include <cstdint>

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

// Whether a part at (x, y) of this size shows enough of itself on one monitor to be taken hold of. In 64 bits, as
// a hand-edited place may lie anywhere in the 32-bit range.
bool Reachable(int64_t x, int64_t y, int64_t width, int64_t height, std::span<const TkRect> monitors)
{
    const int64_t needX = std::min<int64_t>(GrabPixels, width), needY = std::min<int64_t>(GrabPixels, height);
    for (const TkRect& m : monitors) {
        const int64_t shownX = std::min<int64_t>(x + width, m.right) - std::max<int64_t>(x, m.left);
        const int64_t shownY = std::min<int64_t>(y + height, m.bottom) - std::max<int64_t>(y, m.top);
        if (shownX >= needX && shownY >= needY && needX > 0 && needY > 0)
            return true;
    }
    return false;
}

void PlaceAtDefaultUnlessReachable(Settings& settings, int32_t Settings::*x, int32_t Settings::*y, int width,
                                   int height, std::span<const TkRect> monitors)
{
    if (Reachable(settings.*x, settings.*y, width, height, monitors))
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
