#pragma once

#include "platform/ui/ui.h"

// Edits the project description; works on ProjHeader directly and writes it only on OK.
class frmFileInfo : public platform::ui::Form {
 public:
  frmFileInfo();

  platform::ui::Frame FrameDescription{*this, "FrameDescription"};
  platform::ui::TextBox txtDescription{FrameDescription, "txtDescription", -1, true};
  platform::ui::CommandButton cmdOk{*this, "cmdOk"};
  platform::ui::CommandButton cmdCancel{*this, "cmdCancel"};

  void Form_Load() override;
  void cmdOk_Click();
  void cmdCancel_Click();
};
