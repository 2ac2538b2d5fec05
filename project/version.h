#pragma once

#include <string>

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 155;

// "1.4.155": plain decimal numbers without leading zeros.
inline std::string ProgramVersionText() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}
