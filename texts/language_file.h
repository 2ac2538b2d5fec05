#pragma once

#include <string>
#include <vector>

// "Language.dat" in the program's folder.
std::string LanguageFilePath();

// The lines of the language file without their line ends; CR LF, a lone LF and a lone
// CR each end a line. False when the file is missing or cannot be read.
bool ReadLanguageFile(std::vector<std::string>& lines);

// Field `field` of a tab-separated line with every double quote removed; "" for a line
// without a Tab and for a field number the line does not reach.
std::string GetLangField(const std::string& line, int field);

// Every "[CRLF]" (upper case only) becomes CR LF.
std::string ReplaceCRLF(const std::string& text);

// Fills LangText from column language + 1 of the language file and sets LanguageID.
// A language outside 1..5, a missing or unreadable file, or one that gives no text at
// all leaves LanguageID 0 (the built-in German texts).
void LoadLanguage(int language);
