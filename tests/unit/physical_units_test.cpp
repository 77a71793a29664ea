#include <gtest/gtest.h>

#include "measure/physical_units.h"

TEST(PhysicalUnits, LengthTextsWithADecimalComma)
{
    const double perMm96Dpi = 96 / 25.4;
    const struct {
        int pixels;
        double perMm;
        MeasureUnit unit;
        const char* text;
    } cases[] = {
        {300, perMm96Dpi, MeasureUnit::Pixel, "300"},
        {300, perMm96Dpi, MeasureUnit::Millimetre, "79,4 mm"},
        {300, perMm96Dpi, MeasureUnit::Inch, "3,13 Zoll"},
        {96, perMm96Dpi, MeasureUnit::Inch, "1,00 Zoll"},
        {1920, 1920 / 508.0, MeasureUnit::Millimetre, "508,0 mm"},
        {1, 10, MeasureUnit::Millimetre, "0,1 mm"},
        {3, 10, MeasureUnit::Inch, "0,01 Zoll"},
        {0, 3, MeasureUnit::Millimetre, "0,0 mm"},
        {5, 10, MeasureUnit::Millimetre, "0,5 mm"},
        {1, 20, MeasureUnit::Millimetre, "0,1 mm"}, // 0,05 rounds up
        {1, 21, MeasureUnit::Millimetre, "0,0 mm"}, // 0,0476 rounds down
        {300, 0, MeasureUnit::Millimetre, "300"},   // no pitch: never a length made up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LengthText(c.pixels, c.perMm, c.unit), c.text);
    }
}

TEST(PhysicalUnits, UnitsPitchesAndTheirTexts)
{
    EXPECT_EQ(MeasureUnitOf(0), MeasureUnit::Pixel);
    EXPECT_EQ(MeasureUnitOf(1), MeasureUnit::Millimetre);
    EXPECT_EQ(MeasureUnitOf(2), MeasureUnit::Inch);
    EXPECT_EQ(MeasureUnitOf(3), MeasureUnit::Pixel);
    EXPECT_EQ(MeasureUnitOf(-1), MeasureUnit::Pixel);

    const PixelPitch uhd = PitchFromSize(3840, 2160, 597, 336, PitchSource::Edid);
    EXPECT_NEAR(uhd.xPerMm, 6.432, 0.001);
    EXPECT_NEAR(uhd.yPerMm, 6.429, 0.001);
    EXPECT_TRUE(PitchKnown(uhd));
    EXPECT_FALSE(PitchKnown(PitchFromSize(1920, 1080, 0, 0, PitchSource::System)));
    EXPECT_FALSE(PitchKnown(PitchFromSize(1920, 1080, 5000, 2800, PitchSource::Edid))) << "0,38 pixels per mm";

    EXPECT_NEAR(MillimetresFromText("85,60"), 85.6, 1e-9);
    EXPECT_NEAR(MillimetresFromText(" 85.6 "), 85.6, 1e-9);
    EXPECT_NEAR(MillimetresFromText("100"), 100, 1e-9);
    for (const char* wrong : {"", ",5", "0,5", "85,6 mm", "8.5.6", "-85", "6000", "1e3"})
        EXPECT_EQ(MillimetresFromText(wrong), 0) << wrong;

    EXPECT_EQ(PitchText(96 / 25.4), "3.7795");
    EXPECT_EQ(PitchText(12), "12.0000");
    EXPECT_NEAR(PitchFromText("3.7795"), 3.7795, 1e-9);
    EXPECT_NEAR(PitchFromText("12"), 12, 1e-9);
    for (const char* wrong : {"", "3,7795", "abc", "-3.7", "0.1", "99.0", ".5", "3.7x"})
        EXPECT_EQ(PitchFromText(wrong), 0) << wrong;
}
