#include "project/hex_text.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Upper case in the Windows-1252 code page, as the text boxes' own upper-casing does.
char ToUpperAnsi(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code >= 'a' && code <= 'z') {
    return static_cast<char>(code - 32);
  }
  if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
    return static_cast<char>(code - 32);
  }
  switch (code) {
    case 0x9A:  // s caron
    case 0x9C:  // oe
    case 0x9E:  // z caron
      return static_cast<char>(code - 16);
    case 0xFF:  // y diaeresis
      return static_cast<char>(0x9F);
    default:
      return c;
  }
}

std::string WithoutBlanks(const std::string& text) {
  std::string result = text;
  result.erase(std::remove(result.begin(), result.end(), ' '), result.end());
  return result;
}

int HexDigitValue(char c) {
  const auto pos = kHexDigits.find(ToUpperAnsi(c));
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

}  // namespace

std::string AsciiToHex(const std::string& sText, bool bCompact) {
  std::string result;
  result.reserve(sText.size() * 3);
  for (const char c : sText) {
    const auto code = static_cast<unsigned char>(c);
    result += kHexDigits[code >> 4];
    result += kHexDigits[code & 0x0F];
    if (!bCompact) {
      result += ' ';
    }
  }
  return result;
}

std::string FilterHexDigits(const std::string& sText, bool bCompact) {
  std::string result;
  for (const char c : sText) {
    const char upper = ToUpperAnsi(c);
    if (kHexDigits.find(upper) != std::string_view::npos || (!bCompact && upper == ' ')) {
      result += upper;
    }
  }
  return result;
}

std::optional<std::string> HexToAscii(const std::string& sHex, bool bShowNul) {
  const std::string digits = WithoutBlanks(sHex);
  std::string result;
  if (digits.size() < 2) {
    return result;
  }
  for (std::size_t pos = 0; pos < digits.size(); pos += 2) {
    int value = 0;
    for (const char c : std::string_view(digits).substr(pos, 2)) {
      const int digit = HexDigitValue(c);
      if (digit < 0) {
        return std::nullopt;
      }
      value = value * 16 + digit;
    }
    result += (bShowNul && value == 0) ? '|' : static_cast<char>(value);
  }
  return result;
}

std::string FormatHex(const std::string& sHex, bool bCompact) {
  std::string text = WithoutBlanks(sHex);
  std::transform(text.begin(), text.end(), text.begin(), ToUpperAnsi);
  if (bCompact || text.size() < 2) {
    return text;
  }
  std::string result;
  for (std::size_t pos = 0; pos < text.size(); pos += 2) {
    if (pos > 0) {
      result += ' ';
    }
    result += text.substr(pos, 2);
  }
  return result;
}

std::string RemoveControlChars(const std::string& sText) {
  std::string result;
  std::copy_if(sText.begin(), sText.end(), std::back_inserter(result),
               [](char c) { return static_cast<unsigned char>(c) >= 32; });
  return result;
}
