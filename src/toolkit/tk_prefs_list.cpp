#include "toolkit/tk_prefs_list.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(0, end);
}

// Only A-Z fold: the keys are ASCII, and folding Windows-1252 letters would depend on the user's locale.
char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

TkPrefsEntry ParseLine(std::string_view line)
{
    TkPrefsEntry entry;
    if (line.front() == ';') {
        entry.kind = TkPrefsEntry::Kind::Comment;
        entry.text = line.substr(1);
    } else if (line.front() == '[') {
        entry.kind = TkPrefsEntry::Kind::Group;
        std::string_view name = line.substr(1);
        entry.text = name.substr(0, name.find(']'));
    } else {
        entry.kind = TkPrefsEntry::Kind::Key;
        const size_t equals = line.find('=');
        entry.key = TrimRight(line.substr(0, equals));
        if (equals != std::string_view::npos) {
            entry.value = TrimRight(TrimLeft(line.substr(equals + 1)));
        }
    }
    return entry;
}

// Index of the first group header, or the size of the list: the ungrouped part, the only one the program uses.
size_t UngroupedCount(const std::vector<TkPrefsEntry>& entries)
{
    const auto group = std::find_if(entries.begin(), entries.end(),
                                    [](const TkPrefsEntry& entry) { return entry.kind == TkPrefsEntry::Kind::Group; });
    return static_cast<size_t>(group - entries.begin());
}

constexpr size_t kNotFound = static_cast<size_t>(-1);

// Index of the first key line with that key in the ungrouped part, or kNotFound.
size_t FindUngroupedKey(const std::vector<TkPrefsEntry>& entries, std::string_view key)
{
    for (const TkPrefsEntry& entry : entries) {
        if (entry.kind == TkPrefsEntry::Kind::Group) {
            break;
        }
        if (entry.kind == TkPrefsEntry::Kind::Key && SameKey(entry.key, key)) {
            return static_cast<size_t>(&entry - entries.data());
        }
    }
    return kNotFound;
}

} // namespace

TkPrefsList TkParsePrefsText(std::string_view fileBytes)
{
    TkPrefsList list;
    std::string_view text = fileBytes;
    // The mark is dropped, not converted: keys and numbers are ASCII, which reads the same in UTF-8 and ANSI.
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    // Empty lines are dropped, so CR LF needs no pairing: every CR and every LF ends a line of its own.
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = TrimLeft(text.substr(start, end - start));
        if (!line.empty()) {
            list.entries.push_back(ParseLine(line));
        }
        start = end + 1;
    }
    return list;
}

std::string TkLookupPref(const TkPrefsList& list, std::string_view key, std::string_view defaultText)
{
    const size_t index = FindUngroupedKey(list.entries, key);
    return index != kNotFound ? list.entries[index].value : std::string(defaultText);
}

void TkSetPref(TkPrefsList& list, std::string_view key, std::string_view value)
{
    list.modified = true;
    const size_t index = FindUngroupedKey(list.entries, key);
    if (index != kNotFound) {
        list.entries[index].value = value;
        return;
    }
    TkPrefsEntry entry;
    entry.kind = TkPrefsEntry::Kind::Key;
    entry.key = key;
    entry.value = value;
    const auto position = static_cast<std::ptrdiff_t>(UngroupedCount(list.entries));
    list.entries.insert(list.entries.begin() + position, std::move(entry));
}

std::string TkFormatPrefsText(const TkPrefsList& list)
{
    size_t size = 0;
    for (const TkPrefsEntry& entry : list.entries) {
        size += entry.key.size() + entry.value.size() + entry.text.size() + 5;
    }
    std::string out;
    out.reserve(size);
    for (const TkPrefsEntry& entry : list.entries) {
        switch (entry.kind) {
        case TkPrefsEntry::Kind::Key: out.append(entry.key).append(" = ").append(entry.value); break;
        case TkPrefsEntry::Kind::Comment: out.append(";").append(entry.text); break;
        case TkPrefsEntry::Kind::Group: out.append("[").append(entry.text).append("]"); break;
        }
        out.append("\r\n");
    }
    return out;
}
