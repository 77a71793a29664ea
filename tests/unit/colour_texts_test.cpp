#include <gtest/gtest.h>

#include "measure/colour_texts.h"

namespace {

uint32_t Colour(int red, int green, int blue)
{
    return static_cast<uint32_t>(red | (green << 8) | (blue << 16));
}

} // namespace

TEST(ColourTexts, WorkedValuesIncludingSinglePrecisionHues)
{
    struct Case {
        int red, green, blue;
        const char *rgb, *hsl, *html, *dec;
    } cases[] = {
        {255, 0, 0, "255,0,0", "0\xB0,100%,50%", "#FF0000", "255"},
        {0, 255, 0, "0,255,0", "120\xB0,100%,50%", "#00FF00", "65280"},
        {0, 0, 255, "0,0,255", "240\xB0,100%,50%", "#0000FF", "16711680"},
        {255, 128, 0, "255,128,0", "30\xB0,100%,50%", "#FF8000", "33023"},
        {255, 0, 255, "255,0,255", "299\xB0,100%,50%", "#FF00FF", "16711935"},
        {51, 102, 153, "51,102,153", "209\xB0,50%,40%", "#336699", "10053171"},
        {200, 100, 50, "200,100,50", "20\xB0,60%,49%", "#C86432", "3302600"},
        {128, 128, 128, "128,128,128", "0\xB0,0%,50%", "#808080", "8421504"},
        {255, 255, 255, "255,255,255", "0\xB0,0%,100%", "#FFFFFF", "16777215"},
        {0, 0, 0, "0,0,0", "0\xB0,0%,0%", "#000000", "0"},
        {212, 212, 212, "212,212,212", "0\xB0,0%,83%", "#D4D4D4", "13948116"},
        // Reads 329, not 330: H is just below 11/12 in single precision, and the scaling truncates.
        {10, 0, 5, "10,0,5", "329\xB0,100%,1%", "#0A0005", "327690"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rgb);
        EXPECT_EQ(RgbText(c.red, c.green, c.blue), c.rgb);
        EXPECT_EQ(HslText(c.red, c.green, c.blue), c.hsl);
        EXPECT_EQ(HtmlText(Colour(c.red, c.green, c.blue)), c.html);
        EXPECT_EQ(DecText(Colour(c.red, c.green, c.blue)), c.dec);
    }
}

TEST(ColourTexts, UnreadablePixelReadsAsWhiteAndMinusOne)
{
    EXPECT_EQ(HtmlText(0xFFFFFFFFu), "#FFFFFF");
    EXPECT_EQ(DecText(0xFFFFFFFFu), "-1");
}

TEST(ColourTexts, HueNeverReaches360AndTextsHoldNoBlank)
{
    for (int red = 0; red < 256; red += 5)
        for (int green = 0; green < 256; green += 3)
            for (int blue = 0; blue < 256; blue += 7) {
                const std::string hsl = HslText(red, green, blue);
                const int hue = std::stoi(hsl);
                ASSERT_GE(hue, 0) << red << "," << green << "," << blue;
                ASSERT_LT(hue, 360) << red << "," << green << "," << blue;
                ASSERT_EQ(hsl.find(' '), std::string::npos) << hsl;
            }
}
