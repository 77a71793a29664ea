// In-memory model of the settings file: parsing its bytes into a list of lines, looking keys up, setting keys and
// formatting the list back into the bytes that go to disk. The file handling itself lives in the Win32 part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TkPrefsEntry {
    enum class Kind { Key, Comment, Group };
    Kind kind = Kind::Key;
    std::string key;
    std::string value;
    std::string text; // comment text without its ";", or the group name without its brackets
};

struct TkPrefsList {
    std::vector<TkPrefsEntry> entries;
    bool modified = false; // a key was set since the list was parsed or created, so it must be written out
};

// Accepts hand-edited files: an optional UTF-8 byte-order mark, CR, LF or CRLF line ends, indented lines,
// ";" comments, "[name]" group headers and "key = value" lines. Bytes are kept as they are (NUL included).
TkPrefsList TkParsePrefsText(std::string_view fileBytes);

// The value of the first key line with that key (ASCII letters compared without case) among the lines before the
// first group header; defaultText when there is none.
std::string TkLookupPref(const TkPrefsList& list, std::string_view key, std::string_view defaultText);

// Gives the first matching key line before the first group header the new value, or adds a key line at the end of
// that ungrouped part. Keys and values must not hold line ends, and a key no "=": the format has no escapes.
void TkSetPref(TkPrefsList& list, std::string_view key, std::string_view value);

// Every entry as one line ending in CR LF: "key = value", ";comment", "[group]". No byte-order mark.
std::string TkFormatPrefsText(const TkPrefsList& list);
