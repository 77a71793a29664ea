// Feeds arbitrary bytes to the settings-file reader the way LoadSettings does, then checks that writing the list
// out and reading it again keeps every value the program looks up. Also linked into the unit tests, which call the
// entry point with a fixed corpus.
#include "toolkit/tk_prefs_list.h"
#include "toolkit/tk_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kSettingsKeys[] = {
    "ShowShortGuide",  "MainWindowOnTop",  "ShowTooltips",      "MainWindowPosX", "MainWindowPosY", "RulerWindowPosX",
    "RulerWindowPosY", "RulerWindowWidth", "RulerWindowHeight", "MeasureUnit",    "EdgeTolerance",
};
constexpr size_t kKeyCount = std::size(kSettingsKeys);

// No parsed value can hold a line end, so this default tells "missing" apart from every value read.
constexpr std::string_view kMissing = "\n(missing)";

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "prefs reader check failed: %s\n", what);
        std::abort();
    }
}

bool SameEntry(const TkPrefsEntry& a, const TkPrefsEntry& b)
{
    return a.kind == b.kind && a.key == b.key && a.value == b.value && a.text == b.text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TkPrefsList original = TkParsePrefsText(bytes);
    Require(!original.modified, "a freshly parsed list is marked modified");

    std::string values[kKeyCount];
    for (size_t i = 0; i < kKeyCount; ++i) {
        values[i] = TkLookupPref(original, kSettingsKeys[i], kMissing);
        const int64_t number = TkTextToInt(values[i]);
        Require(TkTextToInt(TkIntToText(number)) == number, "decimal text of a read number reads back differently");
        Require(TkCutTo8(number) == static_cast<int8_t>(TkCutTo32(number)), "8-bit cut disagrees with 32-bit cut");
    }

    const std::string text = TkFormatPrefsText(original);
    TkPrefsList reread = TkParsePrefsText(text);
    Require(reread.entries.size() == original.entries.size(), "round trip changed the number of lines");

    // A first key that itself begins with the mark's bytes (a file with two marks) loses them on the second read,
    // and what is left may even be a comment or group header. That line is the one the rules let change.
    if (text.starts_with(kUtf8Mark)) {
        original.entries.erase(original.entries.begin());
        reread.entries.erase(reread.entries.begin());
        for (size_t i = 0; i < kKeyCount; ++i) {
            values[i] = TkLookupPref(original, kSettingsKeys[i], kMissing);
        }
    } else {
        Require(TkFormatPrefsText(reread) == text, "formatting a re-read list changed its bytes");
    }
    for (size_t i = 0; i < original.entries.size(); ++i) {
        Require(SameEntry(original.entries[i], reread.entries[i]), "round trip changed a line");
    }
    for (size_t i = 0; i < kKeyCount; ++i) {
        Require(TkLookupPref(reread, kSettingsKeys[i], kMissing) == values[i], "round trip changed a looked-up value");
    }

    // SaveSettings overwrites every key with its decimal value; each must then be found with exactly that text.
    const size_t linesBefore = original.entries.size();
    for (size_t i = 0; i < kKeyCount; ++i) {
        const std::string written = TkIntToText(TkCutTo32(TkTextToInt(values[i])));
        TkSetPref(original, kSettingsKeys[i], written);
        Require(TkLookupPref(original, kSettingsKeys[i], kMissing) == written, "a written key is not found again");
    }
    Require(original.modified, "writing keys left the list unmodified");
    Require(original.entries.size() <= linesBefore + kKeyCount, "writing a key added more than one line");
    return 0;
}
