// Runs the settings-reader fuzz target over a fixed corpus, so that every unit-test run repeats the round-trip
// checks on the seed files and on generated inputs the fuzzer would take long to reach (a 10 MB file, 30-digit
// numbers). The target aborts on a broken check.
#include "toolkit/tk_prefs_list.h"
#include "toolkit/tk_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr std::string_view kSettingsKeys[] = {
    "ShowShortGuide",  "MainWindowOnTop",  "ShowTooltips",      "MainWindowPosX", "MainWindowPosY", "RulerWindowPosX",
    "RulerWindowPosY", "RulerWindowWidth", "RulerWindowHeight", "MeasureUnit",    "EdgeTolerance",
};

int RunTarget(std::string_view bytes)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// Raw engine output rather than a distribution, so the corpus is the same with every standard library.
size_t Pick(std::mt19937& rng, size_t count)
{
    return static_cast<size_t>(rng() % count);
}

std::string PickOf(std::mt19937& rng, std::initializer_list<std::string_view> choices)
{
    return std::string(*(choices.begin() + static_cast<std::ptrdiff_t>(Pick(rng, choices.size()))));
}

std::string RandomText(std::mt19937& rng, size_t count, std::string_view alphabet)
{
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += alphabet[Pick(rng, alphabet.size())];
    }
    return text;
}

std::string RandomCase(std::mt19937& rng, std::string_view key)
{
    std::string out(key);
    for (char& c : out) {
        if (Pick(rng, 4) == 0) {
            c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c - 'A' + 'a');
        }
    }
    return out;
}

std::string RandomValue(std::mt19937& rng)
{
    switch (Pick(rng, 7)) {
    case 0: return TkIntToText(static_cast<int32_t>(rng()));
    case 1: return "$" + RandomText(rng, 1 + Pick(rng, 8), "0123456789abcdefABCDEF");
    case 2: return "%" + RandomText(rng, 1 + Pick(rng, 40), "01");
    case 3: return PickOf(rng, {"-", "+", ""}) + RandomText(rng, 30, "0123456789");
    case 4:
        return RandomText(rng, 1 + Pick(rng, 4), "0123456789") +
               PickOf(rng, {"px", " = 3", "\t;x", "\0"sv, "\x80\xFF"});
    case 5: return "";
    default: return RandomText(rng, Pick(rng, 12), "\0\x01\x7F\x80\xA0\xFF=;[]$%- \tzZ"sv);
    }
}

// One non-empty line without its end.
std::string RandomLine(std::mt19937& rng, bool allowGroup)
{
    const std::string indent = RandomText(rng, Pick(rng, 3), " \t");
    const std::string_view key = kSettingsKeys[Pick(rng, std::size(kSettingsKeys))];
    switch (Pick(rng, allowGroup ? 8 : 7)) {
    case 0: return indent + ";" + RandomValue(rng);
    case 1: return indent + RandomCase(rng, key);
    case 2: return indent + "Unused" + RandomText(rng, 3, "0123456789") + " = " + RandomValue(rng);
    case 3: return indent + "=" + RandomValue(rng);
    case 7: return indent + "[" + RandomText(rng, Pick(rng, 6), "abc]\0"sv);
    default:
        return indent + RandomCase(rng, key) + RandomText(rng, Pick(rng, 3), " \t") + "=" +
               RandomText(rng, Pick(rng, 3), " \t") + RandomValue(rng);
    }
}

std::string RandomLineEnd(std::mt19937& rng)
{
    return PickOf(rng, {"\r\n", "\n", "\r", "\r\n\r\n", "\n \t\n", "\n\r"});
}

std::vector<std::string> ReadSeedFiles(std::set<std::string>& names)
{
    const std::filesystem::path folder = std::filesystem::path(TESSARO_FUZZ_CORPUS_DIR) / "prefs_reader";
    std::vector<std::string> seeds;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        if (!item.is_regular_file()) {
            continue;
        }
        std::ifstream file(item.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        seeds.push_back(bytes.str());
        names.insert(item.path().filename().string());
    }
    return seeds;
}

TEST(PrefsReaderCorpus, SeedFilesSurviveTheRoundTrip)
{
    std::set<std::string> names;
    const std::vector<std::string> seeds = ReadSeedFiles(names);
    for (std::string_view expected : {"default.prefs", "bom.prefs", "grouped.prefs", "garbage.bin"}) {
        EXPECT_TRUE(names.count(std::string(expected))) << "seed file missing: " << expected;
    }
    for (const std::string& seed : seeds) {
        EXPECT_EQ(RunTarget(seed), 0);
    }
}

TEST(PrefsReaderCorpus, AwkwardSmallInputsSurviveTheRoundTrip)
{
    std::vector<std::string> inputs = {
        ""s,
        "\0"s,
        "\0\0\0\r\n\0"s,
        "ShowTooltips = 0\0\r\n"s,
        "Ruler\0WindowWidth = 5\r\nRulerWindowWidth = 6"s,
        "\0[G]\r\nShowTooltips = 0"s,
        "MainWindowPosX = -5"s,
        "MainWindowPosX"s,
        "="s,
        ";"s,
        "["s,
        "[]"s,
        "\xEF\xBB"s,
        "\xEF\xBB\xBF"s,
        "\xEF\xBB\xBF\xEF\xBB\xBF"s,
        "\xEF\xBB\xBF\xEF\xBB\xBF  [G]\r\nShowTooltips = 0"s,
        "\xEF\xBB\xBF\xEF\xBB\xBF\t;ShowTooltips = 0\nShowTooltips = 2"s,
        "\xEF\xBB\xBF\xEF\xBB\xBF=ShowTooltips = 3"s,
        "\r\r\r\n\n\n"s,
        " \t \t"s,
    };
    std::mt19937 rng(1823);
    for (std::string_view key : kSettingsKeys) {
        inputs.push_back(std::string(key) + " = " + RandomText(rng, 30, "0123456789"));
        inputs.push_back(std::string(key) + " = -" + RandomText(rng, 30, "0123456789") + "\r\n");
        inputs.push_back(std::string(key) + " = $" + RandomText(rng, 30, "0123456789ABCDEF"));
        inputs.push_back(std::string(key) + " = %" + RandomText(rng, 80, "01") + "\n");
    }
    for (size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(RunTarget(inputs[i]), 0);
    }
}

TEST(PrefsReaderCorpus, RandomBytesSurviveTheRoundTrip)
{
    std::mt19937 rng(579);
    for (int i = 0; i < 4000; ++i) {
        const size_t length = Pick(rng, 300);
        std::string bytes;
        if (i % 2 == 0) {
            // Half the inputs draw from the bytes the reader cares about, so that structure actually appears.
            bytes = RandomText(rng, length, "\r\n \t;[]=$%-+0179aFz\0\xEF\xBB\xBF"sv);
        } else {
            for (size_t k = 0; k < length; ++k) {
                bytes += static_cast<char>(rng() & 0xFF);
            }
        }
        SCOPED_TRACE(i);
        ASSERT_EQ(RunTarget(bytes), 0);
    }
}

// A quadratic reader (re-scanning from the start for each line, or inserting at the front) takes hours on this file
// and runs into the test's time-out; the linear one needs about a second even unoptimised under the sanitizers.
TEST(PrefsReaderCorpus, TenMegabyteFileOfMixedLinesIsReadWhole)
{
    std::mt19937 rng(472);
    std::string file = "\xEF\xBB\xBFRulerWindowWidth = $1F4\r\n";
    size_t lines = 1;
    constexpr size_t kTargetSize = 10u * 1024u * 1024u;
    while (file.size() < kTargetSize) {
        file += RandomLine(rng, file.size() > kTargetSize / 2);
        ++lines;
        if (file.size() < kTargetSize) {
            file += RandomLineEnd(rng);
        }
    }

    const TkPrefsList list = TkParsePrefsText(file);
    const std::string written = TkFormatPrefsText(list);

    EXPECT_EQ(list.entries.size(), lines);
    EXPECT_FALSE(written.starts_with("\xEF\xBB\xBF")) << "the mark of the file read must not be written back";
    EXPECT_EQ(TkTextToInt(TkLookupPref(list, "rulerwindowwidth", "300")), 500);
    EXPECT_EQ(RunTarget(file), 0);
}

} // namespace
