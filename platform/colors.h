#pragma once

#include <cstdint>

namespace platform {

// A Windows colour value: 0x00BBGGRR (red in the low byte), or 0x80000000 + n for
// system colour n.
using OleColor = std::int32_t;

constexpr OleColor RGB(int red, int green, int blue) {
  return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline constexpr OleColor SystemColorBase = static_cast<OleColor>(0x80000000u);
inline constexpr OleColor vbHighlight = static_cast<OleColor>(0x8000000Du);
inline constexpr OleColor vbButtonFace = static_cast<OleColor>(0x8000000Fu);
inline constexpr OleColor vbWindowBackground = static_cast<OleColor>(0x80000005u);
inline constexpr OleColor vbWindowText = static_cast<OleColor>(0x80000008u);
inline constexpr OleColor vbButtonText = static_cast<OleColor>(0x80000012u);

// Resolves a colour value to 0x00BBGGRR: plain colours stay as they are, system
// colours take the classic Windows scheme. False for a value that names no colour
// (an unknown system colour or a high byte other than 0, 1, 2 and 0x80).
bool OleTranslateColor(OleColor color, std::uint32_t& colorRef);

}  // namespace platform
