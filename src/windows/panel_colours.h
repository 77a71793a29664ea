// The greys of the control panel and the ruler, as colour references (red in the low byte).
#pragma once

#include <cstdint>

constexpr int32_t PanelGrey = 219 | (219 << 8) | (219 << 16);
constexpr int32_t LabelTextGrey = 128 | (128 << 8) | (128 << 16);
constexpr int32_t LowerPanelGrey = 162 | (162 << 8) | (162 << 16);
constexpr int32_t SwatchStartColour = 170 | (170 << 8) | (170 << 16);
