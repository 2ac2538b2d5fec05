// Writes Language.dat: the built-in German texts in column 2 and the English texts of
// a UTF-8 list ("key<Tab>text", line breaks written as "[CRLF]") in column 3, as
// Windows-1252 with CR LF line ends.
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "texts/caption_table.h"
#include "texts/message_texts.h"

namespace {

struct Row {
  std::string note;
  std::string german;
};

std::string WithMarkers(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      result += "[CRLF]";
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::map<int, Row> BuiltInRows() {
  std::map<int, Row> rows;
  for (const CaptionText& caption : CaptionTable()) {
    std::string note = std::string(caption.form) + "." + std::string(caption.control);
    if (caption.index != kNoIndex) {
      note += '(' + std::to_string(caption.index) + ')';
    }
    rows[caption.key] = Row{note, std::string(caption.german)};
  }
  for (const MessageText& message : MessageTable()) {
    rows[message.key] = Row{"Message", WithMarkers(message.german)};
  }
  return rows;
}

bool ReadEnglish(const std::string& path, std::map<int, std::string>& english) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string::npos || tab > 3 ||
        line.find_first_not_of("0123456789") != tab ||
        line.find_first_of("\"\r") != std::string::npos ||
        line.find('\t', tab + 1) != std::string::npos) {
      std::cerr << "malformed line: " << line << "\n";
      return false;
    }
    english[std::stoi(line.substr(0, tab))] = line.substr(tab + 1);
  }
  return in.eof();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_language_dat english_texts.txt Language.dat\n";
    return 2;
  }
  std::map<int, std::string> english;
  if (!ReadEnglish(argv[1], english)) {
    return 1;
  }
  const std::map<int, Row> rows = BuiltInRows();
  for (const auto& [key, text] : english) {
    if (!rows.contains(key)) {
      std::cerr << "English text for unknown key " << key << "\n";
      return 1;
    }
  }
  std::string file = "Key\tNote\tDeutsch\tEnglish\r\n";
  for (const auto& [key, row] : rows) {
    const auto found = english.find(key);
    if (!row.german.empty() && found == english.end()) {
      std::cerr << "no English text for key " << key << "\n";
      return 1;
    }
    const std::string translation = found == english.end() ? "" : found->second;
    file += std::to_string(key) + "\t" + row.note + "\t" + row.german + "\t" + translation + "\r\n";
  }
  if (!platform::WriteFileReplacing(argv[2], platform::Utf8ToCp1252(file))) {
    std::cerr << "cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
