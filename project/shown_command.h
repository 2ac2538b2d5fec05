#pragma once

#include <string>

// A stored command as an entry's HEX box was given it. A command the box cannot show
// as it stands (characters that are no hex digits, lower case, more digits than the box
// holds) is kept as stored until the user changes the digits in the box.
class ShownCommand {
 public:
  // stored: the record's command as its length counts it; digits: what the box then holds.
  void Show(const std::string& stored, const std::string& digits) {
    kept_ = digits != stored;
    shownDigits_ = digits;
  }
  // The box's digits now: once they differ from those shown, the box's command counts.
  void Note(const std::string& digits) {
    if (digits != shownDigits_) {
      kept_ = false;
    }
  }
  bool Kept() const { return kept_; }

 private:
  bool kept_ = false;
  std::string shownDigits_;
};
