#pragma once

#include <optional>
#include <string>

// The four forms of a command: compact hex digits ("4142000D", as stored in the
// records), shown hex pairs ("41 42 00 0D", the HEX boxes), ASCII text (byte 00 shown
// as "|") and raw bytes (the wire). One byte per character, Windows-1252.

// Each byte as two upper-case hex digits; not compact: every pair followed by a blank.
std::string AsciiToHex(const std::string& sText, bool bCompact);

// Keeps the hex digits (upper-cased) and, when not compact, the blanks of sText.
std::string FilterHexDigits(const std::string& sText, bool bCompact);

// Pairs of hex digits (blanks ignored, an odd last digit alone) as bytes; with
// bShowNul, byte 00 becomes "|". Fewer than two digits give "". A piece that is not
// hexadecimal makes the conversion fail: no value.
std::optional<std::string> HexToAscii(const std::string& sHex, bool bShowNul);

// Upper-cases and removes blanks; not compact: pairs joined by single blanks.
std::string FormatHex(const std::string& sHex, bool bCompact);

// sText without the characters whose code is below 32.
std::string RemoveControlChars(const std::string& sText);
