// The ruler: a borderless, semi-transparent, always-on-top window with a scale along each inner edge.
#pragma once

#include <cstdint>

// Magenta pixels of the ruler are fully transparent; all others are drawn at 192/255.
constexpr int32_t KeyColour = 255 | (0 << 8) | (255 << 16);
constexpr int32_t RulerGrey = 212 | (212 << 8) | (212 << 16);
constexpr int RulerAlpha = 192;

// Builds the ruler window at the place and size of the settings.
void BuildRulerWindow();
// Places the size-dependent controls for the ruler's current size and writes its length labels in the unit of the
// settings, for the monitor that holds most of the ruler; draws the scales anew when that monitor's pitch or the unit
// is not what they show.
void LayoutRuler();
// Hands the scale controls their pictures after the pictures were drawn again, and lays the ruler out.
void ShowRulerScales();
