#pragma once

#include "platform/ui/ui.h"

// A hidden log: the list read-back appends its errors to Text1. Takes no texts from
// the text table.
class frmTest : public platform::ui::Form {
 public:
  frmTest();

  platform::ui::TextBox Text1{*this, "Text1", -1, true};
  platform::ui::CommandButton Command1{*this, "Command1"};

  void Command1_Click();
};
