#include "texts/language_file.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/files.h"
#include "texts/text_key_parser.h"
#include "texts/text_table.h"

namespace {

// A language file holds a few hundred short lines; anything past this is not one.
constexpr std::size_t kMaxLanguageFileBytes = 16 * 1024 * 1024;

constexpr int kFirstLanguage = 1;
constexpr int kLastLanguage = 5;
constexpr int kLanguageOneField = 2;

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
      ++start;
    }
  }
  return lines;
}

}  // namespace

std::string LanguageFilePath() {
  return platform::ProgramFolder() + "/Language.dat";
}

bool ReadLanguageFile(std::vector<std::string>& lines) {
  const std::string path = LanguageFilePath();
  std::string bytes;
  if (!platform::FileExists(path) || !platform::ReadFileBytes(path, bytes, kMaxLanguageFileBytes)) {
    return false;
  }
  lines = SplitLines(bytes);
  const bool cutInsideLine =
      bytes.size() == kMaxLanguageFileBytes && bytes.back() != '\n' && bytes.back() != '\r';
  if (cutInsideLine && !lines.empty()) {
    lines.pop_back();
  }
  return true;
}

std::string GetLangField(const std::string& line, int field) {
  if (field < 0 || line.find('\t') == std::string::npos) {
    return "";
  }
  std::size_t start = 0;
  for (int i = 0; i < field; ++i) {
    start = line.find('\t', start);
    if (start == std::string::npos) {
      return "";
    }
    ++start;
  }
  const std::size_t end = std::min(line.find('\t', start), line.size());
  std::string text = line.substr(start, end - start);
  std::erase(text, '"');
  return text;
}

std::string ReplaceCRLF(const std::string& text) {
  constexpr std::string_view kMarker = "[CRLF]";
  std::string result;
  std::size_t start = 0;
  for (std::size_t hit = text.find(kMarker); hit != std::string::npos;
       hit = text.find(kMarker, start)) {
    result.append(text, start, hit - start);
    result += "\r\n";
    start = hit + kMarker.size();
  }
  result.append(text, start);
  return result;
}

void LoadLanguage(int language) {
  LanguageID = 0;
  std::vector<std::string> lines;
  if (language < kFirstLanguage || language > kLastLanguage || !ReadLanguageFile(lines)) {
    return;
  }
  const int textField = language + 1;
  bool anyText = false;
  // Line 0 is the header, whatever it holds.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::optional<long long> key = ParseTextKey(GetLangField(lines[i], 0));
    if (!key || *key < 0 || *key >= kTextCount) {
      continue;
    }
    std::string text = GetLangField(lines[i], textField);
    if (IsBlank(text)) {
      text = GetLangField(lines[i], kLanguageOneField);
    }
    LangText[static_cast<std::size_t>(*key)] = ReplaceCRLF(text);
    anyText = true;
  }
  if (anyText) {
    LanguageID = language;
  }
}
