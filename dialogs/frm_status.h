#pragma once

#include <cstdint>

#include "dialogs/matrix_editor.h"

// Edits the status-register matrix: what each Rx-COM1 command does to each entry of
// the status register (0 neutral, 1 set, 2 clear). The tool-tip box is not stored;
// every opening starts with it ticked.
class frmStatus : public MatrixEditor {
 public:
  frmStatus();

  platform::ui::CommandButton Command1{*this, "Command1"};
  platform::ui::CommandButton Command2{*this, "Command2"};

  void Command1_Click();
  void Command2_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  std::uint8_t& Cell(std::int32_t X, std::int32_t Y) override;
  bool CellFillColor(std::int32_t X, std::int32_t Y, std::uint32_t& Color) override;
};
