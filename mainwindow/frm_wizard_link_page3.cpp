#include "mainwindow/frm_wizard.h"
#include "mainwindow/link_rows.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

// Page 3: the Rx-COM2 commands with their links to COM1 or to the status-register
// query. Every edit goes into the records at once; a new name or link also redraws the
// signal-flow picture for its row.

namespace {

constexpr int kFirstPage3Row = 4;  // the row pictures of page 3 are picListgrp(4..7)
constexpr std::int16_t kTxCom1List = 3;

LinkRows Page3Rows(frmWizard& w) {
  return {w.lblNumber2,
          w.txtInfo2,
          w.txtUserASC2,
          w.txtUserHEX2,
          w.VScroll2,
          w.imgUpDownList2,
          w.HexShown2,
          &CommandRecord::RxCom2Cmd,
          &CommandRecord::RxCom2Len,
          &CommandRecord::RxCom2Info};
}

}  // namespace

void frmWizard::ConnectLinkPage3Handlers() {
  txtInfo2.KeyPress = [this](int Index, int& KeyAscii) { txtInfo2_KeyPress(Index, KeyAscii); };
  txtInfo2.Edited = [this](int Index) { txtInfo2_Edited(Index); };
  txtUserASC2.KeyPress = [this](int Index, int& KeyAscii) {
    txtUserASC2_KeyPress(Index, KeyAscii);
  };
  txtUserASC2.Edited = [this](int Index) { txtUserASC2_Edited(Index); };
  txtUserHEX2.KeyPress = [this](int Index, int& KeyAscii) {
    txtUserHEX2_KeyPress(Index, KeyAscii);
  };
  txtUserHEX2.Change = [this](int Index) { txtUserHEX2_Change(Index); };
  txtUserHEX2.Edited = [this](int Index) { txtUserHEX2_Edited(Index); };
  txtUserHEX2.KeyUp = [this](int Index, int& KeyCode, int Shift) {
    txtUserHEX2_KeyUp(Index, KeyCode, Shift);
  };
  txtUserHEX2.DblClick = [this](int Index) { txtUserHEX2_DblClick(Index); };
  txtUserHEX2.LostFocus = [this](int Index) { txtUserHEX2_LostFocus(Index); };
  cmbTransTo2.Click = [this](int Index) { cmbTransTo2_Click(Index); };
  cmdListTo2.Click = [this](int Index) { cmdListTo2_Click(Index); };
  VScroll2.Change = [this] { VScroll2_Change(); };
  imgUpDownList2.Click = [this](int Index) { imgUpDownList2_Click(Index); };
}

void frmWizard::ShowLinkPage2() {
  SetMousePointer(ui::MousePointer::Hourglass);
  IsRefreshing = true;
  const LinkRows rows = Page3Rows(*this);
  for (int r = 0; r < kRowsPerPage; ++r) {
    const CommandRecord& record = CmdRecords[RecordOfRow(rows, r)];
    ShowEntry(rows, r);
    ui::ComboBox& link = cmbTransTo2[r];
    link.Clear();
    AddLinkItem(link, LangText[612] + " ", kLinkNone);
    AddLinkItem(link, LangText[613], kLinkStatusQuery);
    for (int k = 1; k <= kRecordCount; ++k) {
      AddEntryItem(link, k, CmdRecords[k - 1].TxCom1Info);
    }
    link.SetListIndex(QueryComboIndex(record.TransTo2No));
    link.SetBackColor(QueryComboColor(link.ListIndex()));
  }
  IsRefreshing = false;
  SetMousePointer(ui::MousePointer::Default);
}

// A combo without selection leaves its link byte as it was.
void frmWizard::StoreLinkRow2(int Row) {
  const LinkRows rows = Page3Rows(*this);
  CommandRecord& record = CmdRecords[RecordOfRow(rows, Row)];
  StoreEntry(rows, Row);
  SelectedLink(cmbTransTo2[Row], record.TransTo2No);
  // A command without link keeps no query filter.
  if (record.TransTo2No == kLinkNone) {
    record.Filter2Matrix.fill(0);
  }
}

void frmWizard::txtInfo2_KeyPress(int Index, int& KeyAscii) {
  MoveOnEnter(KeyAscii, txtUserASC2[Index]);
}

void frmWizard::txtInfo2_Edited(int Index) {
  if (!IsRefreshing) {
    if (EntryEdited(Page3Rows(*this), Index)) {
      StoreLinkRow2(Index);
    }
    picListgrp_MouseMove(kFirstPage3Row + Index, 0, 0, 0, 0);
  }
}

void frmWizard::txtUserASC2_KeyPress(int Index, int& KeyAscii) {
  MoveOnEnter(KeyAscii, txtUserHEX2[Index]);
}

// The command follows the ASCII text the user changed, stored as a HEX edit would be.
void frmWizard::txtUserASC2_Edited(int Index) {
  if (AsciiBoxEdited(Page3Rows(*this), Index)) {
    txtUserHEX2_Edited(Index);
    WarnOfBars(txtUserASC2[Index], 609);
  }
}

void frmWizard::txtUserHEX2_KeyPress(int Index, int& KeyAscii) {
  HexBoxKeyPress(Page3Rows(*this), Index, KeyAscii);
}

// Whatever set the text, the ASCII box follows; only the user's edit stores the row.
void frmWizard::txtUserHEX2_Change(int Index) {
  FilterHexBox(txtUserHEX2[Index]);
  ShowHexAsAscii(Page3Rows(*this), Index);
}

void frmWizard::txtUserHEX2_Edited(int Index) {
  if (!IsRefreshing && EntryEdited(Page3Rows(*this), Index)) {
    StoreLinkRow2(Index);
  }
}

// The Enter that moved the focus here from the ASCII box tidies the pairs.
void frmWizard::txtUserHEX2_KeyUp(int Index, int& KeyCode, int) {
  if (KeyCode == ui::vb::KeyReturn) {
    txtUserHEX2_LostFocus(Index);
  }
}

void frmWizard::txtUserHEX2_DblClick(int Index) {
  MarkByteInAscii(txtUserHEX2[Index], txtUserASC2[Index]);
}

void frmWizard::txtUserHEX2_LostFocus(int Index) {
  ReformatHexBox(txtUserHEX2[Index]);
}

void frmWizard::cmbTransTo2_Click(int Index) {
  if (!IsRefreshing) {
    StoreLinkRow2(Index);
    cmbTransTo2[Index].SetBackColor(QueryComboColor(cmbTransTo2[Index].ListIndex()));
    picListgrp_MouseMove(kFirstPage3Row + Index, 0, 0, 0, 0);
  }
}

// The list editor on the Tx-COM1 entry of the row, the row stored first.
void frmWizard::cmdListTo2_Click(int Index) {
  if (!IsRefreshing && EntryEdited(Page3Rows(*this), Index)) {
    StoreLinkRow2(Index);
  }
  ListKind = kTxCom1List;
  ListRecordNo = static_cast<std::int16_t>(RecordOfRow(Page3Rows(*this), Index));
  EditListAndShowLinkPages();
}

void frmWizard::VScroll2_Change() {
  ShowPageArrows(Page3Rows(*this));
  ShowLinkPage2();
}

void frmWizard::imgUpDownList2_Click(int Index) {
  PageBy(VScroll2, Index);
}
