#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/named_item.h"

namespace platform::ui {

class Form;
class Menu;

// One item of a popup menu; its Click runs when the user chooses it.
class MenuItem : public NamedItem {
 public:
  MenuItem(Menu& menu, std::string name, int index = -1);
  ~MenuItem() override;
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }

  std::function<void()> Click;

 private:
  Menu& menu_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
};

// A menu that the form opens as a popup (Form::PopupMenu). Items are listed in the
// order they were made.
class Menu : public NamedItem {
 public:
  Menu(Form& form, std::string name);
  ~Menu() override;
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  std::string Caption() const override { return caption_; }
  Form& ParentForm() const { return form_; }
  const std::vector<MenuItem*>& Items() const { return items_; }

 private:
  friend class MenuItem;
  Form& form_;
  std::string caption_;
  std::vector<MenuItem*> items_;
};

}  // namespace platform::ui
