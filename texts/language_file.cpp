#include "texts/language_file.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

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

void VisitLines(std::string_view text,
                const std::function<void(std::string_view line)>& visitLine) {
  bool header = true;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (header || line.find('\t') != std::string_view::npos) {
      visitLine(line);
    }
    header = false;
    start = end + 1;
    if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') {
      ++start;
    }
  }
}

}  // namespace

std::string LanguageFilePath() {
  return platform::ProgramFolder() + "/Language.dat";
}

bool ReadLanguageFile(const std::function<void(std::string_view line)>& visitLine) {
  const std::string path = LanguageFilePath();
  std::string bytes;
  // One byte past the cap tells a file that is larger: a part of it would pass for the
  // whole file.
  if (!platform::FileExists(path) ||
      !platform::ReadFileBytes(path, bytes, kMaxLanguageFileBytes + 1) ||
      bytes.size() > kMaxLanguageFileBytes) {
    return false;
  }
  VisitLines(bytes, visitLine);
  return true;
}

std::string GetLangField(std::string_view line, int field) {
  if (field < 0 || line.find('\t') == std::string_view::npos) {
    return "";
  }
  std::size_t start = 0;
  for (int i = 0; i < field; ++i) {
    start = line.find('\t', start);
    if (start == std::string_view::npos) {
      return "";
    }
    ++start;
  }
  const std::size_t end = std::min(line.find('\t', start), line.size());
  std::string text(line.substr(start, end - start));
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
  if (language < kFirstLanguage || language > kLastLanguage) {
    return;
  }
  const int textField = language + 1;
  bool header = true;
  bool anyText = false;
  ReadLanguageFile([&](std::string_view line) {
    // The first line is the header, whatever it holds.
    if (std::exchange(header, false)) {
      return;
    }
    const std::optional<long long> key = ParseTextKey(GetLangField(line, 0));
    if (!key || *key < 0 || *key >= kTextCount) {
      return;
    }
    std::string text = GetLangField(line, textField);
    if (IsBlank(text)) {
      text = GetLangField(line, kLanguageOneField);
    }
    LangText[static_cast<std::size_t>(*key)] = ReplaceCRLF(text);
    anyText = true;
  });
  if (anyText) {
    LanguageID = language;
  }
}
