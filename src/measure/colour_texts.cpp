#include "measure/colour_texts.h"

#include <cmath>

#include "toolkit/tk_text.h"

namespace {

int Channel(uint32_t colour, int shift)
{
    return static_cast<int>((colour >> shift) & 0xFF);
}

std::string TwoHexDigits(int value)
{
    return TkPadLeft(TkIntToHex(value), 2, '0');
}

} // namespace

std::string RgbText(int red, int green, int blue)
{
    return TkIntToText(red) + "," + TkIntToText(green) + "," + TkIntToText(blue);
}

std::string HslText(int red, int green, int blue)
{
    // Every intermediate is stored in single precision on purpose: the shown values depend on it (magenta reads
    // 299 degrees, not 300), and users compare them with what they saw before.
    const float r = static_cast<float>(red / 255.0);
    const float g = static_cast<float>(green / 255.0);
    const float b = static_cast<float>(blue / 255.0);
    float m = r;
    if (g < m)
        m = g;
    if (b < m)
        m = b;
    float M = r;
    if (g > M)
        M = g;
    if (b > M)
        M = b;
    const float D = static_cast<float>(static_cast<double>(M) - m);
    const float L = static_cast<float>((static_cast<double>(M) + m) / 2);
    float H = 0, S = 0;
    if (D != 0) {
        if (L < 0.5f)
            S = static_cast<float>(static_cast<double>(D) / (static_cast<double>(M) + m));
        else
            S = static_cast<float>(static_cast<double>(D) / (2.0 - M - m));
        const auto distance = [&](float channel) {
            return static_cast<float>(((static_cast<double>(M) - channel) / 6 + static_cast<double>(D) / 2) / D);
        };
        const float dR = distance(r), dG = distance(g), dB = distance(b);
        constexpr float oneThird = 1.0f / 3.0f;
        constexpr float twoThirds = 2.0f / 3.0f;
        if (r == M)
            H = static_cast<float>(static_cast<double>(dB) - dG);
        else if (g == M)
            H = static_cast<float>((static_cast<double>(dR) - dB) + oneThird);
        else
            H = static_cast<float>((static_cast<double>(dG) - dR) + twoThirds);
        if (H < 0)
            H = static_cast<float>(static_cast<double>(H) + 1);
        if (H > 1)
            H = static_cast<float>(static_cast<double>(H) - 1);
    }
    const int64_t hue = TkTruncToInt(static_cast<double>(H) * 360);
    const int64_t saturation = TkTruncToInt(static_cast<double>(S) * 100);
    const int64_t lightness = TkTruncToInt(static_cast<double>(L) * 100);
    return TkIntToText(hue) + "\xB0," + TkIntToText(saturation) + "%," + TkIntToText(lightness) + "%";
}

std::string HtmlText(uint32_t colour)
{
    return "#" + TwoHexDigits(Channel(colour, 0)) + TwoHexDigits(Channel(colour, 8)) +
           TwoHexDigits(Channel(colour, 16));
}

std::string DecText(uint32_t colour)
{
    return TkIntToText(static_cast<int32_t>(colour));
}
