#pragma once

#include <string>

// s cut before its first NUL; s itself when it holds none.
inline std::string StripNull(const std::string& s) {
  return s.substr(0, s.find('\0'));
}
