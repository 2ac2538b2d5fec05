#include "platform/colors.h"

#include <array>

namespace platform {
namespace {

// The classic scheme, indexed by system colour number (0..30).
constexpr std::array<std::uint32_t, 31> kSystemColors = {
    RGB(200, 200, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128),
    RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255), RGB(212, 208, 200),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(180, 180, 180), RGB(0, 0, 128),     RGB(166, 202, 240),
    RGB(192, 192, 192), RGB(49, 106, 197),  RGB(236, 233, 216)};

}  // namespace

bool OleTranslateColor(OleColor color, std::uint32_t& colorRef) {
  const auto value = static_cast<std::uint32_t>(color);
  const std::uint32_t highByte = value >> 24;
  if (highByte == 0x80) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    if (index >= kSystemColors.size()) {
      return false;
    }
    colorRef = kSystemColors[index];
    return true;
  }
  if (highByte > 2) {
    return false;
  }
  colorRef = value & 0x00FFFFFFu;
  return true;
}

}  // namespace platform
