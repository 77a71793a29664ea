#include <gtest/gtest.h>

#include "core/program_texts.h"

// The program's texts must reach Windows as code page 1252 bytes, whatever the source file's encoding.
TEST(ProgramTexts, GermanTextsAreCodePage1252Bytes)
{
    struct Case {
        const char* text;
        const char* bytes;
    } cases[] = {
        {AlreadyRunningText, "Das Programm l\xE4uft bereits."},
        {NoDisplayText, "Die Angaben \xFC"
                        "ber den Bildschirm k\xF6nnen nicht gelesen werden."},
        {MenuAboutText, "&\xDC"
                        "ber ..."},
        {MenuMeasureUnitTitle, "&Ma\xDF"
                               "einheit"},
        {MenuMeasureMonitorText, "&Bildschirm vermessen \x85"},
        {CalibrationResetText, "Zur\xFC"
                               "cksetzen"},
        {CalibrationLengthText, "L\xE4nge in mm:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(std::string(c.text), std::string(c.bytes));
    }
}
