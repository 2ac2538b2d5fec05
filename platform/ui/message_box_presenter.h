#pragma once

#include "platform/messagebox.h"

namespace platform::ui {

// Shows message boxes as Qt dialogs in front of the active window.
class QtMessageBoxPresenter : public platform::MessageBoxPresenter {
 public:
  platform::MsgResult Show(const platform::MessageBoxCall& call) override;
};

}  // namespace platform::ui
