#include "seriallink/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

struct Scan {
  double value = 0;
  std::size_t used = 0;  // characters taken, skipped ones not counted
  std::size_t available = 0;
};

// Hexadecimal and octal literals are 16-bit when they fit in 16 bits, else
// 32-bit, and wrap to negative like the integer types they denote. A literal too
// large for 32 bits is still one number, read whole, and infinite like an
// overflowing decimal.
Scan ScanRadix(const std::string& text) {
  const int radix = std::toupper(static_cast<unsigned char>(text[1])) == 'H' ? 16 : 8;
  std::uint64_t magnitude = 0;
  bool overflow = false;
  std::size_t i = 2;
  for (; i < text.size(); ++i) {
    const int c = std::toupper(static_cast<unsigned char>(text[i]));
    const int digit = std::isdigit(c) ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
    if (digit >= radix) {
      break;
    }
    magnitude = magnitude * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    overflow = overflow || magnitude > 0xFFFFFFFFu;
    magnitude &= 0xFFFFFFFFu;
  }
  if (overflow) {
    return {std::numeric_limits<double>::infinity(), i, 0};
  }
  if (magnitude <= 0xFFFF) {
    return {static_cast<double>(static_cast<std::int16_t>(magnitude)), i > 2 ? i : 0, 0};
  }
  return {static_cast<double>(static_cast<std::int32_t>(magnitude)), i, 0};
}

Scan ScanDecimal(const std::string& text) {
  std::string normal;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    normal += text[i++];
  }
  bool digits = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, digits = true) {
    normal += text[i];
  }
  if (i < text.size() && text[i] == '.') {
    normal += text[i++];
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      normal += text[i];
      digits = true;
    }
  }
  if (!digits) {
    return {0, 0, 0};
  }
  if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponent += text[j++];
    }
    const std::size_t firstDigit = j;
    for (; j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])); ++j) {
      exponent += text[j];
    }
    if (j > firstDigit) {
      normal += exponent;
      i = j;
    }
  }
  return {std::strtod(normal.c_str(), nullptr), i, 0};
}

Scan ScanNumber(std::string_view raw) {
  std::string text;
  for (const char c : raw) {
    if (!IsSkipped(c)) {
      text += c;
    }
  }
  if (text.size() >= 2 && text[0] == '&' &&
      std::string_view("HhOo").find(text[1]) != std::string_view::npos) {
    Scan scan = ScanRadix(text);
    scan.available = text.size();
    return scan;
  }
  Scan scan = ScanDecimal(text);
  scan.available = text.size();
  return scan;
}

template <typename Int>
std::optional<Int> RoundTo(double value) {
  const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  return ScanNumber(text).value;
}

bool IsNumericText(std::string_view text) {
  const Scan scan = ScanNumber(text);
  return scan.used > 0 && scan.used == scan.available;
}

std::optional<std::int16_t> RoundToInt16(double value) {
  return RoundTo<std::int16_t>(value);
}

std::optional<std::int32_t> RoundToInt32(double value) {
  return RoundTo<std::int32_t>(value);
}
