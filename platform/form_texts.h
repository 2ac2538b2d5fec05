#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class TextProperty { Caption, Text };

// A window as the caption table sees it: its name and its controls by name and
// array index (-1 for a control that is not in an array).
class FormTextTarget {
 public:
  virtual ~FormTextTarget() = default;
  virtual std::string FormName() const = 0;
  // Sets a control's caption or text (Windows-1252); false when there is no such control.
  virtual bool SetControlText(std::string_view control, int index, TextProperty property,
                              const std::string& text) = 0;
};

}  // namespace platform
