#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/form_texts.h"

// A window that records the texts it is given. Controls named in `missing` do not
// exist and refuse their text.
class FakeForm : public platform::FormTextTarget {
 public:
  struct Set {
    platform::TextProperty property;
    std::string text;
  };
  using ControlId = std::pair<std::string, int>;

  explicit FakeForm(std::string name, std::set<std::string> missing = {})
      : name_(std::move(name)), missing_(std::move(missing)) {}

  std::string FormName() const override { return name_; }

  bool SetControlText(std::string_view control, int index, platform::TextProperty property,
                      const std::string& text) override {
    if (missing_.contains(std::string(control))) {
      return false;
    }
    sets[{std::string(control), index}] = Set{property, text};
    ++calls;
    return true;
  }

  const std::string& Text(const std::string& control, int index = -1) const {
    return sets.at({control, index}).text;
  }

  std::map<ControlId, Set> sets;
  int calls = 0;

 private:
  std::string name_;
  std::set<std::string> missing_;
};
