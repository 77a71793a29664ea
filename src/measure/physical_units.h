// Lengths in millimetres and inches: the unit the ruler measures in, a monitor's pixel pitch and where it comes from,
// and the texts of the ruler's labels. Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The values of the setting MeasureUnit.
enum class MeasureUnit { Pixel = 0, Millimetre = 1, Inch = 2 };

// Any value the settings file may hold: anything but 1 and 2 is Pixel.
MeasureUnit MeasureUnitOf(int32_t setting);

constexpr double MmPerInch = 25.4;

// Where a monitor's pitch came from, the most trusted first.
enum class PitchSource { Calibration, Edid, System };

// Pixels per millimetre along each axis of a monitor.
struct PixelPitch {
    double xPerMm = 0, yPerMm = 0;
    PitchSource source = PitchSource::System;
    bool operator==(const PixelPitch&) const = default;
};

// The pitch of a monitor whose picture of widthPixels x heightPixels is widthMm x heightMm large; nothing (both 0)
// when a side is not positive or the pitch is out of reason (below 0,5 or above 40 pixels per millimetre).
PixelPitch PitchFromSize(int widthPixels, int heightPixels, double widthMm, double heightMm, PitchSource source);
bool PitchKnown(const PixelPitch& pitch);

// A length of the given pixels as the ruler's label shows it: the pixels themselves, or millimetres with one
// decimal ("79,4 mm") or inches with two ("3,13 Zoll"), rounded half away from zero, with a decimal comma.
std::string LengthText(int pixels, double pixelsPerMm, MeasureUnit unit);

// A length the user typed in millimetres, with a decimal comma or point ("85,60"); 0 for anything else or a length
// below 1 mm or above 5 m.
double MillimetresFromText(std::string_view text);

// Pixels per millimetre as the settings file keeps them: a decimal text with a point and four decimals, and back.
// Reading gives 0 for a text that is no such number.
std::string PitchText(double pixelsPerMm);
double PitchFromText(const std::string& text);
