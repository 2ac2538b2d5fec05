#include "texts/text_key_parser.h"
#include "platform/trim_blanks.h"

#include <cstddef>

namespace {

constexpr long long kMagnitudeCap = 1'000'000'000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

long long WholeValue(std::string_view digits) {
  long long value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value >= kMagnitudeCap) {
      return kMagnitudeCap;
    }
  }
  return value;
}

// -1 below one half, 0 exactly one half, +1 above.
int CompareWithHalf(std::string_view fraction) {
  if (fraction.empty() || fraction[0] < '5') {
    return -1;
  }
  if (fraction[0] > '5') {
    return 1;
  }
  return fraction.substr(1).find_first_not_of('0') == std::string_view::npos ? 0 : 1;
}

}  // namespace

std::optional<long long> ParseTextKey(std::string_view field) {
  std::string_view text = TrimBlanks(field);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) {
    return std::nullopt;
  }
  if (!AllDigits(whole) || !AllDigits(fraction)) {
    return std::nullopt;
  }
  long long value = WholeValue(whole);
  const int half = CompareWithHalf(fraction);
  if (value < kMagnitudeCap && (half > 0 || (half == 0 && value % 2 == 1))) {
    ++value;
  }
  return negative ? -value : value;
}
