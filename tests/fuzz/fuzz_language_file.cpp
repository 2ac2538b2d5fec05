// The language-file reader against any file content. The first byte picks the
// language asked for (0 to 6, so that numbers outside 1..5 come too); the rest is
// the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "tests/fuzz/fuzz_support.h"
#include "texts/language_file.h"
#include "texts/text_table.h"

namespace {

// No text from a file holds a Tab.
const std::string kUntouched = "\tuntouched";

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// A text from the file: no Tab, no quote and no marker are left, and its only line
// ends are the CR LF pairs made from markers.
bool IsLoadedText(const std::string& text) {
  if (text.find_first_of("\t\"") != std::string::npos || text.find("[CRLF]") != std::string::npos) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
      return false;
    }
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
      return false;
    }
  }
  return true;
}

void CheckLines(const std::string& file) {
  std::size_t count = 0;
  const bool read = ReadLanguageFile([&](std::string_view line) {
    Require(std::none_of(line.begin(), line.end(), IsLineEnd), "a line holds no line end");
    Require(count > 0 || line == std::string_view(file).substr(0, file.find_first_of("\r\n")),
            "the header is the file's first line");
    Require(count == 0 || line.find('\t') != std::string_view::npos,
            "every line after the header holds a Tab");
    ++count;
  });
  Require(read, "a regular file is read");
  Require((count > 0) == !file.empty(), "a file with any byte has a header");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  platform::SetProgramFolder(ScratchFolder());
  const int language = data[0] % 7;
  const std::string file = Bytes(data + 1, size - 1);
  WriteScratchFile(LanguageFilePath(), file);
  CheckLines(file);

  LangText.fill(kUntouched);
  LanguageID = -1;
  LoadLanguage(language);
  const bool anyChanged =
      std::any_of(LangText.begin(), LangText.end(), [](const auto& t) { return t != kUntouched; });
  if (language < 1 || language > 5) {
    Require(LanguageID == 0 && !anyChanged, "a language outside 1..5 reads nothing");
    return 0;
  }
  Require(LanguageID == 0 || LanguageID == language, "the language is the one asked for or German");
  Require(anyChanged == (LanguageID == language), "the language holds exactly when a text came");
  for (const std::string& text : LangText) {
    Require(text == kUntouched || IsLoadedText(text), "a text is cut and unescaped whole");
  }
  return 0;
}
