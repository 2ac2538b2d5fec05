#pragma once

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

class QPushButton;
class QCheckBox;

namespace platform::ui {

// Caption "&" marks the shortcut letter ("&&" is a plain "&"). Return and Space press
// the button that has the focus. Return pressed elsewhere in the window clicks the
// Default button, Escape the Cancel button (Form).
class CommandButton : public Control {
 public:
  CommandButton(Container& parent, std::string name, int index = -1);
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  // Clicks the button as the user would (fires Click when enabled).
  void PerformClick();
  bool IsDefault() const { return isDefault_; }
  void SetDefault(bool isDefault);
  bool IsCancel() const { return isCancel_; }
  void SetCancel(bool isCancel) { isCancel_ = isCancel; }
  // A picture shown beside the caption (alone when the caption is empty).
  void SetPicture(const Picture& picture);

 private:
  QPushButton* button_;
  bool isDefault_ = false;
  bool isCancel_ = false;
};

// Value vb::Unchecked, vb::Checked or vb::Grayed (shown greyed, set from code only: a
// click or Space ticks a greyed or clear box and clears a ticked one); every change of
// Value fires Click.
class CheckBox : public Control {
 public:
  CheckBox(Container& parent, std::string name, int index = -1);
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  int Value() const;
  void SetValue(int value);  // values other than 0..2 are ignored

 private:
  QCheckBox* box_;
};

}  // namespace platform::ui
