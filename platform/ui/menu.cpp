#include "platform/ui/menu.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace platform::ui {

Menu::Menu(Form& form, std::string name) : NamedItem(std::move(name), -1), form_(form) {
  form_.Register(*this);
}

Menu::~Menu() {
  form_.Unregister(*this);
}

MenuItem::MenuItem(Menu& menu, std::string name, int index)
    : NamedItem(std::move(name), index), menu_(menu) {
  menu_.items_.push_back(this);
  menu_.ParentForm().Register(*this);
}

MenuItem::~MenuItem() {
  auto& items = menu_.items_;
  items.erase(std::remove(items.begin(), items.end(), this), items.end());
  menu_.ParentForm().Unregister(*this);
}

}  // namespace platform::ui
