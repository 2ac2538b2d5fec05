#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/trim_blanks.h"

// A fixed-width text field of the records: N bytes, Windows-1252. A stored value is
// left-aligned and padded with blanks, a longer one cut; a field nothing has assigned
// holds NUL bytes.
template <std::size_t N>
struct FixedText {
  std::array<char, N> bytes{};

  void Set(std::string_view value) {
    bytes.fill(' ');
    value.copy(bytes.data(), N);
  }

  // All N bytes as they stand.
  std::string Raw() const { return std::string(bytes.begin(), bytes.end()); }

  // The first count bytes; a count outside 0..N is held to it.
  std::string Left(int count) const {
    const auto n = static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(N)));
    return std::string(bytes.begin(), bytes.begin() + n);
  }

  // The value as readers see it: cut at the first NUL, blanks trimmed at both ends.
  std::string Read() const {
    const std::string_view all(bytes.data(), N);
    return std::string(TrimBlanks(all.substr(0, all.find('\0'))));
  }

  friend bool operator==(const FixedText&, const FixedText&) = default;
};
