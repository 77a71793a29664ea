#include "toolkit/tk_prefs_list.h"
#include "toolkit/tk_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace std::string_view_literals;

// Escapes control and non-ASCII bytes so that a failing case shows which line end or mark it carried.
std::string Visible(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

TEST(TkParsePrefsText, HandEditedFilesReadAsTheSettingsLoaderExpects)
{
    struct Case {
        std::string_view name;
        std::string_view file;
        std::string_view key;
        std::string_view defaultText;
        std::string_view expectedText;
        int32_t expectedNumber;
    };
    const Case cases[] = {
        {"lower case without blanks", "showtooltips=0\r\n", "ShowTooltips", "1", "0", 0},
        {"leading tabs", "\t\t RulerWindowWidth = 640\r\n", "RulerWindowWidth", "300", "640", 640},
        {"CR line ends", "A = 1\rRulerWindowWidth = 2\rB = 3\r", "RulerWindowWidth", "300", "2", 2},
        {"LF line ends", "A = 1\nRulerWindowWidth = 2\nB = 3\n", "RulerWindowWidth", "300", "2", 2},
        {"CRLF line ends", "A = 1\r\nRulerWindowWidth = 2\r\nB = 3\r\n", "RulerWindowWidth", "300", "2", 2},
        {"LF CR and blank lines", "\n\r\n\r   \t\r\nRulerWindowWidth = 2\n\r", "RulerWindowWidth", "300", "2", 2},
        {"commented-out key", ";RulerWindowWidth = 5\r\nRulerWindowWidth = 7\r\n", "RulerWindowWidth", "300", "7", 7},
        {"indented comment", "  ; RulerWindowWidth = 5\r\n", "RulerWindowWidth", "300", "300", 300},
        {"group above keys", "[Main]\r\nRulerWindowWidth = 7\r\n", "RulerWindowWidth", "300", "300", 300},
        {"group without bracket", "[Main\r\nRulerWindowWidth = 7\r\n", "RulerWindowWidth", "300", "300", 300},
        {"key below group", "RulerWindowWidth = 7\r\n[G]\r\nRulerWindowHeight = 9\r\n", "RulerWindowHeight", "150",
         "150", 150},
        {"key above group", "RulerWindowWidth = 7\r\n[G]\r\nRulerWindowWidth = 9\r\n", "RulerWindowWidth", "300", "7",
         7},
        {"duplicate key", "RulerWindowWidth = 1\r\nrulerwindowwidth = 2\r\n", "RulerWindowWidth", "300", "1", 1},
        {"UTF-8 mark", "\xEF\xBB\xBFRulerWindowWidth = 640\r\n", "RulerWindowWidth", "300", "640", 640},
        {"mark on an empty file", "\xEF\xBB\xBF", "RulerWindowWidth", "300", "300", 300},
        {"hexadecimal", "RulerWindowWidth = $1F4\r\n", "RulerWindowWidth", "300", "$1F4", 500},
        {"binary", "RulerWindowWidth = %101\r\n", "RulerWindowWidth", "300", "%101", 5},
        {"unit suffix", "RulerWindowWidth = 12px\r\n", "RulerWindowWidth", "300", "12px", 12},
        {"empty value", "RulerWindowWidth =\r\n", "RulerWindowWidth", "300", "", 0},
        {"line without equals", "RulerWindowWidth\r\n", "RulerWindowWidth", "300", "", 0},
        {"blank instead of equals", "RulerWindowWidth 640\r\n", "RulerWindowWidth", "300", "300", 300},
        {"last line without end", "A = 1\r\nRulerWindowWidth = 640", "RulerWindowWidth", "300", "640", 640},
        {"blanks and tabs round equals", "RulerWindowWidth \t=\t 640 \t\r\n", "RulerWindowWidth", "300", "640", 640},
        {"equals inside value", "RulerWindowWidth = 5 = 6\r\n", "RulerWindowWidth", "300", "5 = 6", 5},
        {"negative", "MainWindowPosX = -1920\r\n", "MainWindowPosX", "500", "-1920", -1920},
        {"NUL before the key", "A = \0\r\nRulerWindowWidth = 640"sv, "RulerWindowWidth", "300", "640", 640},
        {"NUL inside value",
         "RulerWindowWidth = 6\0"
         "4\r\n"sv,
         "RulerWindowWidth", "300",
         "6\0"
         "4"sv,
         6},
        {"empty file", "", "RulerWindowWidth", "300", "300", 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + Visible(c.file));
        const TkPrefsList list = TkParsePrefsText(c.file);
        const std::string text = TkLookupPref(list, c.key, c.defaultText);
        EXPECT_EQ(Visible(text), Visible(c.expectedText));
        EXPECT_EQ(TkCutTo32(TkTextToInt(text)), c.expectedNumber);
        EXPECT_FALSE(list.modified);
    }
}

TEST(TkParsePrefsText, CommentsAndGroupNamesAreStoredWithoutTheirMarkers)
{
    const TkPrefsList list = TkParsePrefsText("; note = x\r\n\t[Main] tail]\r\n[Open\r\nKey\r\n=v\r\n"sv);
    using Kind = TkPrefsEntry::Kind;
    struct Expected {
        Kind kind;
        std::string_view key;
        std::string_view value;
        std::string_view text;
    };
    const Expected expected[] = {
        {Kind::Comment, "", "", " note = x"}, {Kind::Group, "", "", "Main"}, {Kind::Group, "", "", "Open"},
        {Kind::Key, "Key", "", ""},           {Kind::Key, "", "v", ""},
    };
    ASSERT_EQ(list.entries.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.entries[i].kind, expected[i].kind);
        EXPECT_EQ(list.entries[i].key, expected[i].key);
        EXPECT_EQ(list.entries[i].value, expected[i].value);
        EXPECT_EQ(list.entries[i].text, expected[i].text);
    }
}

// The mark is only recognised at the very start; two marks leave the second in the first key.
TEST(TkParsePrefsText, OnlyTheFirstByteOrderMarkIsSkipped)
{
    const TkPrefsList list = TkParsePrefsText("\xEF\xBB\xBF\xEF\xBB\xBFShowTooltips = 0\r\n");
    EXPECT_EQ(TkLookupPref(list, "ShowTooltips", "1"), "1");
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].key, "\xEF\xBB\xBFShowTooltips");
}

TEST(TkSetPref, ExistingKeyIsUpdatedInPlaceWhateverItsCase)
{
    TkPrefsList list = TkParsePrefsText("; c\r\nshowtooltips=0\r\nMainWindowOnTop = 1\r\n");
    TkSetPref(list, "ShowTooltips", "1");
    EXPECT_TRUE(list.modified);
    EXPECT_EQ(Visible(TkFormatPrefsText(list)), Visible("; c\r\nshowtooltips = 1\r\nMainWindowOnTop = 1\r\n"));
}

TEST(TkSetPref, NewKeyLandsBeforeTheFirstGroupWhereLookUpCanFindIt)
{
    struct Case {
        std::string_view name;
        std::string_view file;
        std::string_view expected;
    };
    const Case cases[] = {
        {"no group", "A = 1\r\n", "A = 1\r\nRulerWindowWidth = 640\r\n"},
        {"empty list", "", "RulerWindowWidth = 640\r\n"},
        {"group after a key", "A = 1\r\n[G]\r\nB = 2\r\n", "A = 1\r\nRulerWindowWidth = 640\r\n[G]\r\nB = 2\r\n"},
        {"group first", "[G]\r\nB = 2\r\n", "RulerWindowWidth = 640\r\n[G]\r\nB = 2\r\n"},
        {"same key only inside the group", "[G]\r\nrulerwindowwidth = 2\r\n",
         "RulerWindowWidth = 640\r\n[G]\r\nrulerwindowwidth = 2\r\n"},
        {"duplicate key", "RULERWINDOWWIDTH = 1\r\nRulerWindowWidth = 2\r\n",
         "RULERWINDOWWIDTH = 640\r\nRulerWindowWidth = 2\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkPrefsList list = TkParsePrefsText(c.file);
        TkSetPref(list, "RulerWindowWidth", "640");
        EXPECT_TRUE(list.modified);
        EXPECT_EQ(Visible(TkFormatPrefsText(list)), Visible(c.expected));
        EXPECT_EQ(TkLookupPref(list, "RulerWindowWidth", "300"), "640");
    }
}

TEST(TkFormatPrefsText, DefaultSettingsFileHasExactBytesWithoutMark)
{
    TkPrefsList list;
    const std::pair<std::string_view, int64_t> settings[] = {
        {"ShowShortGuide", 1},   {"MainWindowOnTop", 1},    {"ShowTooltips", 1},
        {"MainWindowPosX", 500}, {"MainWindowPosY", 10},    {"RulerWindowPosX", 100},
        {"RulerWindowPosY", 10}, {"RulerWindowWidth", 300}, {"RulerWindowHeight", 150},
    };
    for (const auto& [key, value] : settings) {
        TkSetPref(list, key, TkIntToText(value));
    }
    EXPECT_EQ(TkFormatPrefsText(list), "ShowShortGuide = 1\r\n"
                                       "MainWindowOnTop = 1\r\n"
                                       "ShowTooltips = 1\r\n"
                                       "MainWindowPosX = 500\r\n"
                                       "MainWindowPosY = 10\r\n"
                                       "RulerWindowPosX = 100\r\n"
                                       "RulerWindowPosY = 10\r\n"
                                       "RulerWindowWidth = 300\r\n"
                                       "RulerWindowHeight = 150\r\n");
}

TEST(TkFormatPrefsText, CommentsAndGroupsGetTheirMarkersBack)
{
    const TkPrefsList list = TkParsePrefsText("\xEF\xBB\xBF;note\n[Main]\nKey=\n");
    EXPECT_EQ(Visible(TkFormatPrefsText(list)), Visible(";note\r\n[Main]\r\nKey = \r\n"));
}

TEST(TkFormatPrefsText, WrittenValuesReadBackUnchangedIncludingNegatives)
{
    const std::pair<std::string_view, int64_t> settings[] = {
        {"ShowShortGuide", 0},          {"MainWindowOnTop", -1}, {"ShowTooltips", 2},
        {"MainWindowPosX", -1920},      {"MainWindowPosY", -8},  {"RulerWindowPosX", INT32_MIN},
        {"RulerWindowPosY", INT32_MAX}, {"RulerWindowWidth", 0}, {"RulerWindowHeight", -150},
    };
    TkPrefsList written;
    for (const auto& [key, value] : settings) {
        TkSetPref(written, key, TkIntToText(value));
    }
    const TkPrefsList read = TkParsePrefsText(TkFormatPrefsText(written));
    EXPECT_FALSE(read.modified);
    for (const auto& [key, value] : settings) {
        SCOPED_TRACE(key);
        EXPECT_EQ(TkTextToInt(TkLookupPref(read, key, "999")), value);
    }
}

} // namespace
