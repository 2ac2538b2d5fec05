#include "platform/ui/focus_return.h"

namespace platform::ui {
namespace {

// Shown and enabled within its window (shown or not), and taking the focus.
bool CanTakeFocus(const QWidget* widget, const QWidget* window) {
  if (widget == nullptr || widget->window() != window || !widget->isVisibleTo(window) ||
      !widget->isEnabled()) {
    return false;
  }
  const QWidget* taker = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
  return taker->focusPolicy() != Qt::NoFocus;
}

}  // namespace

FocusReturn::FocusReturn(Form& form, Control& fallback)
    : window_(form.Window()), had_(form.Window()->focusWidget()), fallback_(fallback.Widget()) {}

FocusReturn::~FocusReturn() {
  if (window_ == nullptr) {
    return;
  }
  if (CanTakeFocus(had_, window_)) {
    had_->setFocus(Qt::OtherFocusReason);
  } else if (CanTakeFocus(fallback_, window_)) {
    fallback_->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace platform::ui
