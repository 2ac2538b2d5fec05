#include "platform/messagebox.h"

#include <utility>

namespace platform {
namespace {

MessageBoxPresenter*& Presenter() {
  static MessageBoxPresenter* presenter = nullptr;
  return presenter;
}

MsgResult UnansweredResult(int style) {
  switch (style & mb::ButtonMask) {
    case mb::YesNo:
      return MsgResult::No;
    case mb::OkCancel:
    case mb::YesNoCancel:
      return MsgResult::Cancel;
    default:
      return MsgResult::Ok;
  }
}

}  // namespace

void SetMessageBoxPresenter(MessageBoxPresenter* presenter) {
  Presenter() = presenter;
}

MsgResult MsgBox(const std::string& prompt, int style, std::optional<std::string> title) {
  if (Presenter() == nullptr) {
    return UnansweredResult(style);
  }
  return Presenter()->Show({prompt, style, std::move(title)});
}

}  // namespace platform
