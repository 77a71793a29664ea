// Number and text conversions of the toolkit, and the path splitting that start-up uses.
// Platform-free: texts are Windows-1252 byte strings, every result is a new string owned by the caller.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits, "-" for negative values, no separators and no leading zeros.
std::string TkIntToText(int64_t value);

// Reads an integer the way hand-edited settings files are read: leading blanks and tabs are skipped, an optional
// "+" or "-" follows, then decimal digits, hexadecimal digits (either case) after "$" or binary digits after "%".
// Reading stops at the first character that is not a digit of that base; no digits at all gives 0.
// The number wraps around in 64 bits, so overlong digit strings give their low 64 bits instead of saturating.
int64_t TkTextToInt(std::string_view text);

// Low 32 or 8 bits of a value in two's complement: how a 64-bit reading lands in a narrower settings field.
int32_t TkCutTo32(int64_t value);
int8_t TkCutTo8(int64_t value);

// Upper-case hexadecimal digits of the value taken as unsigned 64-bit, without leading zeros ("0" for 0).
std::string TkIntToHex(int64_t value);

// Exactly width characters: the text right-aligned with fill on the left; a longer text keeps its first width
// characters. A width of 0 or less gives an empty text.
std::string TkPadLeft(std::string_view text, int width, char fill);

// The last count characters; a negative count gives an empty text, a count beyond the length the whole text.
std::string TkRightChars(std::string_view text, int count);

// count blanks, empty for a count of 0 or less.
std::string TkSpaces(int count);

// Bytes before the terminating zero; a null pointer counts as an empty text.
int64_t TkTextLength(const char* text);

// The value rounded toward zero. NaN gives 0 and values beyond the 64-bit range give INT64_MIN or INT64_MAX.
int64_t TkTruncToInt(double value);

// Everything up to and including the last "\" or "/"; a leading double quote (a quoted command line) is left out.
// Empty when the path holds no separator.
std::string TkPathPart(std::string_view path);

// Everything after the last "\" or "/" up to the end or to the first double quote after it; a leading double quote
// is left out as in TkPathPart.
std::string TkFilePart(std::string_view path);
