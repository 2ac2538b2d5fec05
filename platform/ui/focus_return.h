#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace platform::ui {

// Held over a handler that disables, hides or covers controls while it runs (a device
// flow, a message box, a page change): when it ends, the focus goes back to the control
// that had it when it began, where that is still shown and enabled, else to the fallback.
class FocusReturn {
 public:
  FocusReturn(Form& form, Control& fallback);
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> had_;
  QPointer<QWidget> fallback_;
};

}  // namespace platform::ui
