#include "measure/physical_units.h"

#include <cmath>

#include "toolkit/tk_text.h"

namespace {

constexpr double LeastPitch = 0.5;
constexpr double MostPitch = 40;

bool PitchInReason(double perMm)
{
    return perMm >= LeastPitch && perMm <= MostPitch;
}

// value / 10^decimals with a decimal comma, e.g. (794, 1) as "79,4".
std::string DecimalCommaText(int64_t value, int decimals)
{
    const bool negative = value < 0;
    std::string digits = TkIntToText(negative ? -value : value);
    if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(decimals), 1, ',');
    return negative ? "-" + digits : digits;
}

} // namespace

MeasureUnit MeasureUnitOf(int32_t setting)
{
    if (setting == static_cast<int32_t>(MeasureUnit::Millimetre))
        return MeasureUnit::Millimetre;
    if (setting == static_cast<int32_t>(MeasureUnit::Inch))
        return MeasureUnit::Inch;
    return MeasureUnit::Pixel;
}

PixelPitch PitchFromSize(int widthPixels, int heightPixels, double widthMm, double heightMm, PitchSource source)
{
    if (widthPixels <= 0 || heightPixels <= 0 || !(widthMm > 0) || !(heightMm > 0))
        return {};
    const double x = widthPixels / widthMm, y = heightPixels / heightMm;
    if (!PitchInReason(x) || !PitchInReason(y))
        return {};
    return {x, y, source};
}

bool PitchKnown(const PixelPitch& pitch)
{
    return pitch.xPerMm > 0 && pitch.yPerMm > 0;
}

std::string LengthText(int pixels, double pixelsPerMm, MeasureUnit unit)
{
    if (unit == MeasureUnit::Pixel || !(pixelsPerMm > 0))
        return TkIntToText(pixels);
    if (unit == MeasureUnit::Millimetre)
        return DecimalCommaText(std::llround(pixels * 10.0 / pixelsPerMm), 1) + " mm";
    return DecimalCommaText(std::llround(pixels * 100.0 / (pixelsPerMm * MmPerInch)), 2) + " Zoll";
}

double MillimetresFromText(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string pointed(text);
    const size_t comma = pointed.find(',');
    if (comma != std::string::npos)
        pointed[comma] = '.';
    const size_t point = pointed.find('.');
    if (pointed.empty() || pointed.front() == '.' || pointed.size() > 12)
        return 0;
    double value = 0, place = 0;
    for (size_t i = 0; i < pointed.size(); ++i) {
        const char c = pointed[i];
        if (i == point)
            place = 0.1;
        else if (c < '0' || c > '9')
            return 0;
        else if (place == 0)
            value = value * 10 + (c - '0');
        else {
            value += (c - '0') * place;
            place /= 10;
        }
    }
    return value >= 1 && value <= 5000 ? value : 0;
}

std::string PitchText(double pixelsPerMm)
{
    const std::string text = DecimalCommaText(std::llround(pixelsPerMm * 10000), 4);
    return text.substr(0, text.size() - 5) + "." + text.substr(text.size() - 4);
}

double PitchFromText(const std::string& text)
{
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (whole.empty() || whole.size() > 6 || fraction.size() > 9)
        return 0;
    for (const std::string* part : {&whole, &fraction})
        for (char c : *part)
            if (c < '0' || c > '9')
                return 0;
    double value = static_cast<double>(TkTextToInt(whole));
    double place = 0.1;
    for (char c : fraction) {
        value += (c - '0') * place;
        place /= 10;
    }
    return PitchInReason(value) ? value : 0;
}
