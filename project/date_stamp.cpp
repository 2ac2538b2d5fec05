#include "project/date_stamp.h"

#include "platform/clock.h"

namespace {

// The last width characters of zeros followed by the number.
std::string ZeroPadded(int value, std::size_t width) {
  const std::string text = std::string(width, '0') + std::to_string(value);
  return text.substr(text.size() - width);
}

// Characters position..position + count - 1 (from 1), as far as the text goes.
std::string Piece(const std::string& text, std::size_t position, std::size_t count) {
  return position > text.size() ? "" : text.substr(position - 1, count);
}

}  // namespace

std::string GetDateStamp() {
  const platform::LocalDateTime now = platform::LocalNow();
  return ZeroPadded(now.year, 4) + ZeroPadded(now.month, 2) + ZeroPadded(now.day, 2) +
         ZeroPadded(now.hour, 2) + ZeroPadded(now.minute, 2) + ZeroPadded(now.second, 2);
}

std::string FormatDateStamp(const std::string& sStamp) {
  return Piece(sStamp, 9, 2) + ":" + Piece(sStamp, 11, 2) + ":" + Piece(sStamp, 13, 2) + " " +
         Piece(sStamp, 7, 2) + "." + Piece(sStamp, 5, 2) + "." + Piece(sStamp, 1, 4);
}
