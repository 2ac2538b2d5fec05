#include "dialogs/frm_status.h"

#include "platform/colors.h"
#include "project/flag_blocks.h"
#include "project/records.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

using platform::RGB;

namespace {

// The fill of the values neutral, set and clear.
constexpr std::uint32_t kValueColors[] = {RGB(255, 255, 255), RGB(0, 200, 0), RGB(200, 0, 0)};

}  // namespace

frmStatus::frmStatus() : MatrixEditor("frmStatus", 3) {
  SetCaption("Status Register bearbeiten");
  SetClientSize(775, 654);
  Command1.Move(4, 596, 109, 25);
  Command2.Move(4, 624, 109, 25);
  lblSelInfo.Move(124, 600, 642, 20);
  // The heading ends where the value labels begin; the bold face here is wider than
  // the one the window was laid out for.
  lbl1.Move(114, 628, 115, 16);
  lbl1.SetFontSize(7.5);
  lbl1.SetAlignment(platform::ui::Alignment::Right);
  const int valueLefts[] = {232, 343, 456};
  const std::uint32_t labelColors[] = {RGB(255, 255, 255), RGB(0, 192, 0), RGB(192, 0, 0)};
  const int frameLefts[] = {232, 343, 454};
  for (int i = 0; i < 3; ++i) {
    lblInfo[i].Move(valueLefts[i], 628, 103, 19);
    lblInfo[i].SetBackColor(labelColors[i]);
    lblInfo[i].SetForeColor(RGB(0, 0, 0));
    shpSel[i].Move(frameLefts[i], 625, 106, 25);
  }
  chkTip.Move(584, 632, 61, 17);
  cmdOK.Move(652, 628, 118, 25);
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
}

void frmStatus::Form_Load() {
  ResetWindowState();
  chkTip.SetValue(platform::ui::vb::Checked);
  SetFormTexts(*this, LanguageID == 0);
  CreateHoverTip(LangText[520]);
  for (int i = 0; i < 3; ++i) {
    lblInfo[i].SetCaption(LangText[521 + i]);
  }
  RedrawAll(false);
}

void frmStatus::Form_Unload(int&) {
  ToolTip.Destroy();
}

std::uint8_t& frmStatus::Cell(std::int32_t X, std::int32_t Y) {
  return CmdRecords[static_cast<std::size_t>(Y)].StatusMatrix[static_cast<std::size_t>(X)];
}

// Values other than neutral, set and clear keep what the box showed before.
bool frmStatus::CellFillColor(std::int32_t X, std::int32_t Y, std::uint32_t& Color) {
  const std::uint8_t value = Cell(X, Y);
  if (value >= std::size(kValueColors)) {
    return false;
  }
  Color = kValueColors[value];
  return true;
}

// Each command sets its own entry and clears all others, as in a new project.
void frmStatus::Command1_Click() {
  for (std::size_t r = 0; r < CmdRecords.size(); ++r) {
    MatrixRow& row = CmdRecords[r].StatusMatrix;
    for (std::size_t c = 0; c < row.size(); ++c) {
      row[c] = r == c ? kStatusSet : kStatusClear;
    }
  }
  RedrawAll(true);
}

void frmStatus::Command2_Click() {
  for (CommandRecord& record : CmdRecords) {
    record.StatusMatrix.fill(kStatusNeutral);
  }
  RedrawAll(true);
}
