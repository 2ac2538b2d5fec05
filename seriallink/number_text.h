#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The number at the start of a text in the general number syntax of the module's
// version answers: blanks, tabs and line feeds are skipped wherever they stand, a
// sign, a decimal point, an exponent written with E or D, and the prefixes &H
// (hexadecimal) and &O (octal) are honoured; reading stops at the first other
// character; no digits give 0.
double LeadingNumber(std::string_view text);

// True when the whole text, blanks around it aside, is one such number.
bool IsNumericText(std::string_view text);

// Rounded to the nearest integer, halves to even; nullopt when out of range.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);
