#include "toolkit/tk_fault_messages.h"
#include "toolkit/tk_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

TEST(TkTextToInt, ReadsEveryNotationAndStopsAtTheFirstForeignCharacter)
{
    struct Case {
        std::string_view text;
        int64_t expected;
    };
    const Case cases[] = {
        {" -12abc", -12},
        {"$1F", 31},
        {"$1f", 31},
        {"%101", 5},
        {"%1012", 5},
        {"abc", 0},
        {"", 0},
        {"12px", 12},
        {"007", 7},
        {"-$10", -16},
        {"-%11", -3},
        {"\t \t+42", 42},
        {"-", 0},
        {"+", 0},
        {"$", 0},
        {"$G1", 0},
        {"%2", 0},
        {"- 5", 0},
        {"--5", 0},
        {"1 2", 1},
        {"\r5", 0},
        {"1\0"
         "2"sv,
         1},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(TkTextToInt(c.text), c.expected);
    }
}

TEST(TkTextToInt, OverlongNumbersWrapInSixtyFourBitsInsteadOfSaturating)
{
    struct Case {
        std::string_view text;
        int64_t expected64;
        int32_t expected32;
    };
    const Case cases[] = {
        {"123456789012345678901234567890", -4362896299872285998, 1312754386},
        {"999999999999999999999999999999", 5076944270305263615, 1073741823},
        {"-123456789012345678901234567890", 4362896299872285998, -1312754386},
        {"$FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", -1, -1},
        {"9223372036854775808", INT64_MIN, 0},
        {"4294967296", 4294967296, 0},
        {"2147483648", 2147483648, INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        const int64_t value = TkTextToInt(c.text);
        EXPECT_EQ(value, c.expected64);
        EXPECT_EQ(TkCutTo32(value), c.expected32);
    }
}

TEST(TkCutTo8, EightBitFlagsKeepOnlyTheLowByte)
{
    struct Case {
        int64_t value;
        int8_t expected;
    };
    const Case cases[] = {{256, 0}, {257, 1}, {2, 2}, {255, -1}, {128, -128}, {-1, -1}, {-256, 0}, {INT64_MIN, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TkCutTo8(c.value), c.expected);
    }
}

TEST(TkIntToText, ExtremesAndSignsSurviveTheRoundTripThroughTextToInt)
{
    struct Case {
        int64_t value;
        std::string_view text;
    };
    const Case cases[] = {
        {0, "0"},
        {-1, "-1"},
        {1000, "1000"},
        {-1920, "-1920"},
        {INT32_MIN, "-2147483648"},
        {INT64_MAX, "9223372036854775807"},
        {INT64_MIN, "-9223372036854775808"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(TkIntToText(c.value), c.text);
        EXPECT_EQ(TkTextToInt(TkIntToText(c.value)), c.value);
    }
}

TEST(TkIntToHex, NegativeValuesAreShownAsUnsignedSixtyFourBit)
{
    struct Case {
        int64_t value;
        std::string_view text;
    };
    const Case cases[] = {
        {0, "0"},
        {255, "FF"},
        {0x10, "10"},
        {0xABCDEF, "ABCDEF"},
        {-1, "FFFFFFFFFFFFFFFF"},
        {INT64_MIN, "8000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(TkIntToHex(c.value), c.text);
    }
}

TEST(TkPadLeft, LongTextKeepsItsFirstCharactersAndNonPositiveWidthIsEmpty)
{
    struct Case {
        std::string_view text;
        int width;
        char fill;
        std::string_view expected;
    };
    const Case cases[] = {
        {"F", 2, '0', "0F"}, {"ABC", 2, '0', "AB"}, {"AB", 2, '0', "AB"},  {"", 3, ' ', "   "},
        {"AB", 0, '0', ""},  {"AB", -5, '0', ""},   {"7", 4, '*', "***7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " width " + std::to_string(c.width));
        EXPECT_EQ(TkPadLeft(c.text, c.width, c.fill), c.expected);
    }
}

TEST(TkRightChars, CountOutsideTheTextIsClampedNotOutOfRange)
{
    struct Case {
        std::string_view text;
        int count;
        std::string_view expected;
    };
    const Case cases[] = {
        {"abc", 2, "bc"}, {"abc", 3, "abc"}, {"abc", 5, "abc"}, {"abc", 0, ""}, {"abc", -1, ""}, {"", 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " count " + std::to_string(c.count));
        EXPECT_EQ(TkRightChars(c.text, c.count), c.expected);
    }
}

TEST(TkSpaces, NegativeCountGivesEmptyInsteadOfAHugeAllocation)
{
    EXPECT_EQ(TkSpaces(3), "   ");
    EXPECT_EQ(TkSpaces(0), "");
    EXPECT_EQ(TkSpaces(-2), "");
}

TEST(TkTextLength, CountsUpToTheFirstZeroAndToleratesNull)
{
    const char embedded[] = "ab\0cd";
    EXPECT_EQ(TkTextLength("abc"), 3);
    EXPECT_EQ(TkTextLength(""), 0);
    EXPECT_EQ(TkTextLength(embedded), 2);
    EXPECT_EQ(TkTextLength(nullptr), 0);
}

TEST(TkTruncToInt, RoundsTowardZeroAndSaturatesWhereTheCastWouldBeUndefined)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int64_t expected;
    };
    const Case cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.5, 0},
        {-0.5, 0},
        {-0.0, 0},
        {std::nan(""), 0},
        {1e300, INT64_MAX},
        {-1e300, INT64_MIN},
        {kInf, INT64_MAX},
        {-kInf, INT64_MIN},
        {9223372036854775808.0, INT64_MAX},
        {-9223372036854775808.0, INT64_MIN},
        {9223372036854774784.0, 9223372036854774784},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TkTruncToInt(c.value), c.expected);
    }
}

TEST(TkPathPart, QuotedAndUnseparatedPathsSplitAtTheLastSeparator)
{
    struct Case {
        std::string_view path;
        std::string_view expected;
    };
    const Case cases[] = {
        {"C:\\Tools\\Tessaro.exe", "C:\\Tools\\"},
        {"\"C:\\Program Files\\Tessaro\\Tessaro.exe\"", "C:\\Program Files\\Tessaro\\"},
        {"C:/a\\b/c.txt", "C:/a\\b/"},
        {"C:\\Tools\\", "C:\\Tools\\"},
        {"Tessaro.exe", ""},
        {"\"Tessaro.exe\"", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path));
        EXPECT_EQ(TkPathPart(c.path), c.expected);
    }
}

TEST(TkFilePart, NameEndsAtAQuoteAndAfterTheLastSeparator)
{
    struct Case {
        std::string_view path;
        std::string_view expected;
    };
    const Case cases[] = {
        {"C:\\Tools\\Tessaro.exe", "Tessaro.exe"},
        {"\"C:\\Program Files\\Tessaro\\Tessaro.exe\"", "Tessaro.exe"},
        {"\"C:\\Tools\\Tessaro.exe\" -x", "Tessaro.exe"},
        {"C:/a\\b/c.txt", "c.txt"},
        {"C:\\Tools\\", ""},
        {"Tessaro.exe", "Tessaro.exe"},
        {"\"Tessaro.exe\"", "Tessaro.exe"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path));
        EXPECT_EQ(TkFilePart(c.path), c.expected);
    }
}

// The crash report quotes these texts verbatim, so a tidied-up spelling or a trimmed blank is a visible change.
TEST(TkFaultMessageFor, TextsKeepTheirExactBytesIncludingTheTrailingBlank)
{
    struct Case {
        uint32_t code;
        std::string_view text;
    };
    const Case cases[] = {
        {0xC0000005u, "Invalid memory access"},
        {0xC0000094u, "Division by zero "},
        {0xC000008Eu, "Division by zero (floating-point)"},
        {0xC0000091u, "Floating-point overflow (exponent to great)"},
        {0xC0000093u, "Floating-point underflow (exponent too small)"},
        {0xC0000025u, "Exception handler tried to continue after non-continuable exception"},
        {0x80000003u, "Debugger breakpoint reached"},
        {0xC00000FDu, "Stack overflow"},
        {0xE06D7363u, "Unknown error code"},
        {0x00000000u, "Unknown error code"},
        {0xC0000097u, "Unknown error code"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TkIntToHex(c.code));
        EXPECT_EQ(TkFaultMessageFor(c.code), c.text);
    }
}

} // namespace
