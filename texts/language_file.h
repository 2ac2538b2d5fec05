#pragma once

#include <functional>
#include <string>
#include <string_view>

// "Language.dat" in the program's folder.
std::string LanguageFilePath();

// Gives the lines of the language file in order, without their line ends: the first
// line (the header, even when empty) and every later line that holds a Tab, as a line
// without one has no fields. CR LF, a lone LF and a lone CR each end a line. False,
// with no line given, when the file is missing, cannot be read or is larger than any
// language file (16 MB).
bool ReadLanguageFile(const std::function<void(std::string_view line)>& visitLine);

// Field `field` of a tab-separated line with every double quote removed; "" for a line
// without a Tab and for a field number the line does not reach.
std::string GetLangField(std::string_view line, int field);

// Every "[CRLF]" (upper case only) becomes CR LF.
std::string ReplaceCRLF(const std::string& text);

// Fills LangText from column language + 1 of the language file and sets LanguageID.
// A language outside 1..5, a missing or unreadable file, or one that gives no text at
// all leaves LanguageID 0 (the built-in German texts).
void LoadLanguage(int language);
