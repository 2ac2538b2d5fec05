#pragma once

#include <cstdint>

#include "dialogs/matrix_editor.h"

// Edits the query filter of one side: which status-register entries the status query
// of each receive command reports (0 no, 1 yes). FilterSide 1 edits Filter2Matrix
// with the Rx-COM2 rows, any other value Filter1Matrix with the Rx-COM1 rows. The
// status-register matrix can tint the cells (chkMix). Both boxes are kept in the
// settings store.
class frmFilter : public MatrixEditor {
 public:
  frmFilter();

  platform::ui::CheckBox chkMix{*this, "chkMix"};

  std::uint32_t GetCellColor(bool IsSet, std::int32_t X, std::int32_t Y, bool Mix) const;
  void chkMix_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  std::uint8_t& Cell(std::int32_t X, std::int32_t Y) override;
  bool CellFillColor(std::int32_t X, std::int32_t Y, std::uint32_t& Color) override;
};
