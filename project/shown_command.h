#pragma once

#include <string>

// What an entry's HEX and ASCII boxes were given from its record, so that input which
// leaves them as they were changes nothing. A command the HEX box cannot show as it
// stands (characters that are no hex digits, lower case, more digits than the box holds)
// is kept as stored until the user changes the digits in the box.
class ShownCommand {
 public:
  // digits: what the HEX box holds once given the record's command; kept: whether that
  // command stays as stored until the digits change.
  void Show(const std::string& digits, bool kept) {
    digits_ = digits;
    kept_ = kept;
  }
  // The HEX box's digits now; true when they differ from those it held before. Once
  // they differ, the box's command counts.
  bool Note(const std::string& digits) {
    if (digits == digits_) {
      return false;
    }
    digits_ = digits;
    kept_ = false;
    return true;
  }
  bool Kept() const { return kept_; }

  // The ASCII box's text as the program last wrote it. Only a text that differs from it
  // is a new one: a paste of the text over itself converts nothing.
  void ShowAscii(const std::string& text) { ascii_ = text; }
  bool AsciiEdited(const std::string& text) const { return text != ascii_; }

 private:
  bool kept_ = false;
  std::string digits_;
  std::string ascii_;
};
