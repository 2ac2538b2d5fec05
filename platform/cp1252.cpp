#include "platform/cp1252.h"

#include <array>

namespace platform {
namespace {

// 0x80..0x9F; the undefined codes 81, 8D, 8F, 90, 9D stay as C1 controls.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos; false for a malformed one.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  size_t length = 0;
  if (lead < 0x80) {
    cp = lead;
    length = 1;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    length = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    length = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    cp = lead & 0x07;
    length = 4;
  } else {
    ++pos;
    return false;
  }
  if (pos + length > text.size()) {
    ++pos;
    return false;
  }
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += length;
  return true;
}

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    return kHighTable[byte - 0x80];
  }
  return byte;
}

bool UnicodeToCp1252(char32_t codePoint, unsigned char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    byte = static_cast<unsigned char>(codePoint);
    return true;
  }
  for (size_t i = 0; i < kHighTable.size(); ++i) {
    if (kHighTable[i] == codePoint) {
      byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    unsigned char byte = '?';
    if (!DecodeUtf8(text, pos, cp) || !UnicodeToCp1252(cp, byte)) {
      byte = '?';
    }
    out += static_cast<char>(byte);
  }
  return out;
}

bool FitsCp1252(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    unsigned char byte = 0;
    if (!DecodeUtf8(text, pos, cp) || !UnicodeToCp1252(cp, byte)) {
      return false;
    }
  }
  return true;
}

}  // namespace platform
