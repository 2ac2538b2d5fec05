#pragma once

#include <string_view>

// text without the blanks at both ends (only ' ', as the records pad with it).
inline std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
