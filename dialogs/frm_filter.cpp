#include "dialogs/frm_filter.h"

#include "dialogs/stored_check_box.h"
#include "platform/colors.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

using platform::RGB;

namespace {

constexpr const char* kMixSection = "FilterMixMode";
constexpr const char* kTipSection = "FilterToolTip";

// Tint of a cell by its status value (0 neutral, 1 set, 2 clear): yes, then no.
struct Tint {
  std::uint32_t yes;
  std::uint32_t no;
};
constexpr Tint kStatusTints[] = {
    {RGB(17, 17, 17), RGB(238, 238, 238)},
    {RGB(0, 128, 0), RGB(224, 255, 224)},
    {RGB(128, 0, 0), RGB(255, 224, 224)},
};

}  // namespace

frmFilter::frmFilter() : MatrixEditor("frmFilter", 2) {
  SetClientSize(773, 667);
  lblSelInfo.Move(132, 596, 762, 20);
  lbl1.Move(130, 632, 55, 16);
  lblInfo[0].Move(187, 632, 103, 19);
  lblInfo[0].SetBackColor(RGB(255, 255, 255));
  lblInfo[0].SetForeColor(RGB(128, 128, 128));
  lblInfo[1].Move(298, 632, 103, 19);
  lblInfo[1].SetBackColor(RGB(0, 0, 0));
  lblInfo[1].SetForeColor(RGB(192, 192, 192));
  shpSel[0].Move(187, 629, 106, 25);
  shpSel[1].Move(298, 629, 106, 25);
  chkMix.Move(428, 624, 217, 17);
  chkTip.Move(428, 644, 97, 17);
  cmdOK.Move(652, 632, 118, 25);
  chkMix.Click = [this] { chkMix_Click(); };
}

void frmFilter::Form_Load() {
  ResetWindowState();
  chkMix.SetValue(platform::ui::vb::Checked);
  chkTip.SetValue(platform::ui::vb::Checked);
  SetFormTexts(*this, LanguageID == 0);
  lblInfo[0].SetCaption(LangText[500]);
  lblInfo[1].SetCaption(LangText[501]);
  ReadCheckBoxSetting(chkMix, kMixSection);
  if (FilterSide == 1) {
    SetCaption(LangText[502]);
    chkMix.SetValue(platform::ui::vb::Unchecked);
    chkMix.SetVisible(false);
  } else {
    SetCaption(LangText[503]);
    chkMix.SetVisible(true);
  }
  CreateHoverTip(LangText[504]);
  CursorCol = FilterStartCell;
  CursorRow = FilterStartCell;
  MoveCursorBox();
  RedrawAll(false);
  ReadCheckBoxSetting(chkTip, kTipSection);
}

void frmFilter::Form_Unload(int&) {
  ToolTip.Destroy();
  StoreCheckBoxSetting(chkTip, kTipSection);
  StoreCheckBoxSetting(chkMix, kMixSection);
}

std::uint8_t& frmFilter::Cell(std::int32_t X, std::int32_t Y) {
  CommandRecord& record = CmdRecords[static_cast<std::size_t>(Y)];
  MatrixRow& row = FilterSide == 1 ? record.Filter2Matrix : record.Filter1Matrix;
  return row[static_cast<std::size_t>(X)];
}

// Values other than no and yes show black.
bool frmFilter::CellFillColor(std::int32_t X, std::int32_t Y, std::uint32_t& Color) {
  const bool Mix = chkMix.Value() != platform::ui::vb::Unchecked;
  switch (Cell(X, Y)) {
    case 0:
      Color = GetCellColor(false, X, Y, Mix);
      break;
    case 1:
      Color = GetCellColor(true, X, Y, Mix);
      break;
    default:
      Color = RGB(0, 0, 0);
      break;
  }
  return true;
}

std::uint32_t frmFilter::GetCellColor(bool IsSet, std::int32_t X, std::int32_t Y, bool Mix) const {
  if (!Mix) {
    return IsSet ? RGB(0, 0, 0) : RGB(255, 255, 255);
  }
  const std::uint8_t status =
      CmdRecords[static_cast<std::size_t>(Y)].StatusMatrix[static_cast<std::size_t>(X)];
  if (status >= std::size(kStatusTints)) {
    return RGB(0, 0, 0);
  }
  return IsSet ? kStatusTints[status].yes : kStatusTints[status].no;
}

void frmFilter::chkMix_Click() {
  RedrawAll(true);
}
