#include "toolkit/tk_text.h"

#include <cmath>
#include <cstring>

namespace {

// Digit value of c in the given base, or -1 when c is not a digit of that base.
int DigitValue(char c, int base)
{
    int digit = -1;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    }
    return digit < base ? digit : -1;
}

std::string UnsignedToText(uint64_t magnitude, bool negative)
{
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        *--p = '-';
    }
    return std::string(p, end);
}

size_t LastSeparator(std::string_view path)
{
    return path.find_last_of("\\/");
}

} // namespace

std::string TkIntToText(int64_t value)
{
    // The magnitude is taken in unsigned arithmetic so that INT64_MIN has one.
    const uint64_t bits = static_cast<uint64_t>(value);
    return value < 0 ? UnsignedToText(0 - bits, true) : UnsignedToText(bits, false);
}

int64_t TkTextToInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // Unsigned on purpose: a hand-edited file may hold any number of digits, and the overflow must wrap, not trap.
    uint64_t number = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            break;
        }
        number = number * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (negative) {
        number = 0 - number;
    }
    return static_cast<int64_t>(number);
}

int32_t TkCutTo32(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

int8_t TkCutTo8(int64_t value)
{
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint64_t>(value)));
}

std::string TkIntToHex(int64_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    uint64_t bits = static_cast<uint64_t>(value);
    char buffer[16];
    char* end = buffer + sizeof buffer;
    char* p = end;
    do {
        *--p = kDigits[bits & 0xF];
        bits >>= 4;
    } while (bits != 0);
    return std::string(p, end);
}

std::string TkPadLeft(std::string_view text, int width, char fill)
{
    if (width <= 0) {
        return std::string();
    }
    const size_t size = static_cast<size_t>(width);
    if (text.size() >= size) {
        return std::string(text.substr(0, size));
    }
    std::string result(size - text.size(), fill);
    result.append(text);
    return result;
}

std::string TkRightChars(std::string_view text, int count)
{
    if (count <= 0) {
        return std::string();
    }
    const size_t size = static_cast<size_t>(count);
    if (size >= text.size()) {
        return std::string(text);
    }
    return std::string(text.substr(text.size() - size));
}

std::string TkSpaces(int count)
{
    return count > 0 ? std::string(static_cast<size_t>(count), ' ') : std::string();
}

int64_t TkTextLength(const char* text)
{
    return text == nullptr ? 0 : static_cast<int64_t>(std::strlen(text));
}

int64_t TkTruncToInt(double value)
{
    // 2^63 is exact as a double; every double below it and at or above -2^63 converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kLimit) {
        return INT64_MAX;
    }
    if (value < -kLimit) {
        return INT64_MIN;
    }
    return static_cast<int64_t>(value);
}

std::string TkPathPart(std::string_view path)
{
    if (!path.empty() && path.front() == '"') {
        path.remove_prefix(1);
    }
    const size_t separator = LastSeparator(path);
    if (separator == std::string_view::npos) {
        return std::string();
    }
    return std::string(path.substr(0, separator + 1));
}

std::string TkFilePart(std::string_view path)
{
    // Without a separator the opening quote of a quoted name would otherwise end the name before it starts.
    if (!path.empty() && path.front() == '"') {
        path.remove_prefix(1);
    }
    const size_t separator = LastSeparator(path);
    std::string_view file = separator == std::string_view::npos ? path : path.substr(separator + 1);
    return std::string(file.substr(0, file.find('"')));
}
