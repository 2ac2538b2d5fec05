#pragma once

#include "platform/ui/ui.h"

// The chart of all 256 byte codes. Clicked codes are collected in Text1 (hex digits)
// and Text2 (characters); Ok hands Text1 back in AscCodeResult, Kopieren puts it on
// the clipboard. Open a new chart for every use: it starts with empty boxes.
class frmAscCode : public platform::ui::Form {
 public:
  frmAscCode();

  platform::ui::ListBox List1{*this, "List1"};
  platform::ui::ControlArray<platform::ui::Label> Label1{*this, "Label1", 0, 1};
  platform::ui::TextBox Text1{*this, "Text1"};
  platform::ui::TextBox Text2{*this, "Text2"};
  platform::ui::ControlArray<platform::ui::CommandButton> CmdHex{*this, "CmdHex", 0, 2};

  void Form_Load() override;
  void List1_Click();
  void CmdHex_Click(int Index);
};
