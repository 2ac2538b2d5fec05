#pragma once

#include <string>
#include <string_view>

namespace platform {

// Every byte string of the program is Windows-1252. The five codes that the code
// page leaves undefined map to the C1 control of the same value, so every byte
// round-trips through Unicode.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a code point; false when the code page has none.
bool UnicodeToCp1252(char32_t codePoint, unsigned char& byte);

std::string Cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);

// True when Utf8ToCp1252 keeps every character of the UTF-8 text.
bool FitsCp1252(std::string_view text);

}  // namespace platform
