#pragma once

#include <string>

namespace platform::ui {

// What a form can find by name and array index: controls, menus and menu items.
class NamedItem {
 public:
  NamedItem(std::string name, int index) : name_(std::move(name)), index_(index) {}
  NamedItem(const NamedItem&) = delete;
  NamedItem& operator=(const NamedItem&) = delete;
  virtual ~NamedItem() = default;
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 outside an array
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;

 private:
  std::string name_;
  int index_;
};

}  // namespace platform::ui
