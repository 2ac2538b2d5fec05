#include "mainwindow/frm_wizard.h"
#include "mainwindow/link_rows.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

// Page 2: the Rx-COM1 commands with their back answers on COM1 and their links to
// COM2. Every edit goes into the records at once.

namespace {

constexpr std::int16_t kTxCom1List = 3;
constexpr std::int16_t kTxCom2List = 4;

LinkRows Page2Rows(frmWizard& w) {
  return {w.lblNumber,
          w.txtInfo,
          w.txtUserASC,
          w.txtUserHEX,
          w.VScroll1,
          w.imgUpDownList,
          w.HexShown1,
          &CommandRecord::RxCom1Cmd,
          &CommandRecord::RxCom1Len,
          &CommandRecord::RxCom1Info};
}

// The list editor on the entry of the row, the row stored first.
void EditListOfRow(frmWizard& w, int row, std::int16_t kind) {
  if (!w.IsRefreshing && EntryEdited(Page2Rows(w), row)) {
    w.StoreLinkRow1(row);
  }
  ListKind = kind;
  ListRecordNo = static_cast<std::int16_t>(RecordOfRow(Page2Rows(w), row));
  w.EditListAndShowLinkPages();
}

}  // namespace

void frmWizard::ConnectLinkPage2Handlers() {
  txtInfo.KeyPress = [this](int Index, int& KeyAscii) { txtInfo_KeyPress(Index, KeyAscii); };
  txtInfo.Edited = [this](int Index) { txtInfo_Edited(Index); };
  txtUserASC.KeyPress = [this](int Index, int& KeyAscii) { txtUserASC_KeyPress(Index, KeyAscii); };
  txtUserASC.Edited = [this](int Index) { txtUserASC_Edited(Index); };
  txtUserHEX.KeyPress = [this](int Index, int& KeyAscii) { txtUserHEX_KeyPress(Index, KeyAscii); };
  txtUserHEX.Change = [this](int Index) { txtUserHEX_Change(Index); };
  txtUserHEX.Edited = [this](int Index) { txtUserHEX_Edited(Index); };
  txtUserHEX.KeyUp = [this](int Index, int& KeyCode, int Shift) {
    txtUserHEX_KeyUp(Index, KeyCode, Shift);
  };
  txtUserHEX.DblClick = [this](int Index) { txtUserHEX_DblClick(Index); };
  txtUserHEX.LostFocus = [this](int Index) { txtUserHEX_LostFocus(Index); };
  cmbBackAnswer.Click = [this](int Index) { cmbBackAnswer_Click(Index); };
  cmbTransTo.Click = [this](int Index) { cmbTransTo_Click(Index); };
  cmdListBack.Click = [this](int Index) { cmdListBack_Click(Index); };
  cmdListTo.Click = [this](int Index) { cmdListTo_Click(Index); };
  VScroll1.Change = [this] { VScroll1_Change(); };
  imgUpDownList.Click = [this](int Index) { imgUpDownList_Click(Index); };
}

void frmWizard::ShowLinkPage1() {
  SetMousePointer(ui::MousePointer::Hourglass);
  IsRefreshing = true;
  const LinkRows rows = Page2Rows(*this);
  for (int r = 0; r < kRowsPerPage; ++r) {
    const CommandRecord& record = CmdRecords[RecordOfRow(rows, r)];
    ShowEntry(rows, r);
    ui::ComboBox& back = cmbBackAnswer[r];
    ui::ComboBox& trans = cmbTransTo[r];
    back.Clear();
    trans.Clear();
    AddLinkItem(back, LangText[610] + " ", kLinkNone);
    AddLinkItem(trans, LangText[610] + " ", kLinkNone);
    AddLinkItem(back, LangText[611], kLinkStatusQuery);
    for (int k = 1; k <= kRecordCount; ++k) {
      AddEntryItem(trans, k, CmdRecords[k - 1].TxCom2Info);
      AddEntryItem(back, k, CmdRecords[k - 1].TxCom1BackInfo);
    }
    // A link value without an item leaves the combo without selection.
    back.SetListIndex(QueryComboIndex(record.BackAnswerNo));
    trans.SetListIndex(record.TransToNo);
    back.SetBackColor(QueryComboColor(back.ListIndex()));
    trans.SetBackColor(EntryComboColor(trans.ListIndex()));
  }
  IsRefreshing = false;
  SetMousePointer(ui::MousePointer::Default);
}

// A combo without selection leaves its link byte as it was.
void frmWizard::StoreLinkRow1(int Row) {
  const LinkRows rows = Page2Rows(*this);
  CommandRecord& record = CmdRecords[RecordOfRow(rows, Row)];
  StoreEntry(rows, Row);
  SelectedLink(cmbBackAnswer[Row], record.BackAnswerNo);
  // A command without back answer keeps no query filter.
  if (record.BackAnswerNo == kLinkNone) {
    record.Filter1Matrix.fill(0);
  }
  SelectedLink(cmbTransTo[Row], record.TransToNo);
}

void frmWizard::txtInfo_KeyPress(int Index, int& KeyAscii) {
  MoveOnEnter(KeyAscii, txtUserASC[Index]);
}

// A name edited back to the stored one stores nothing.
void frmWizard::txtInfo_Edited(int Index) {
  if (!IsRefreshing && EntryEdited(Page2Rows(*this), Index)) {
    StoreLinkRow1(Index);
  }
}

void frmWizard::txtUserASC_KeyPress(int Index, int& KeyAscii) {
  MoveOnEnter(KeyAscii, txtUserHEX[Index]);
}

// The command follows the ASCII text the user changed, stored as a HEX edit would be.
void frmWizard::txtUserASC_Edited(int Index) {
  if (AsciiBoxEdited(Page2Rows(*this), Index)) {
    txtUserHEX_Edited(Index);
    WarnOfBars(txtUserASC[Index], 608);
  }
}

void frmWizard::txtUserHEX_KeyPress(int Index, int& KeyAscii) {
  HexBoxKeyPress(Page2Rows(*this), Index, KeyAscii);
}

// Whatever set the text, the ASCII box follows; only the user's edit stores the row.
void frmWizard::txtUserHEX_Change(int Index) {
  FilterHexBox(txtUserHEX[Index]);
  ShowHexAsAscii(Page2Rows(*this), Index);
}

void frmWizard::txtUserHEX_Edited(int Index) {
  if (!IsRefreshing && EntryEdited(Page2Rows(*this), Index)) {
    StoreLinkRow1(Index);
  }
}

// The Enter that moved the focus here from the ASCII box tidies the pairs.
void frmWizard::txtUserHEX_KeyUp(int Index, int& KeyCode, int) {
  if (KeyCode == ui::vb::KeyReturn) {
    txtUserHEX_LostFocus(Index);
  }
}

void frmWizard::txtUserHEX_DblClick(int Index) {
  MarkByteInAscii(txtUserHEX[Index], txtUserASC[Index]);
}

void frmWizard::txtUserHEX_LostFocus(int Index) {
  ReformatHexBox(txtUserHEX[Index]);
}

void frmWizard::cmbBackAnswer_Click(int Index) {
  if (!IsRefreshing) {
    StoreLinkRow1(Index);
    cmbBackAnswer[Index].SetBackColor(QueryComboColor(cmbBackAnswer[Index].ListIndex()));
  }
}

void frmWizard::cmbTransTo_Click(int Index) {
  if (!IsRefreshing) {
    StoreLinkRow1(Index);
    cmbTransTo[Index].SetBackColor(EntryComboColor(cmbTransTo[Index].ListIndex()));
  }
}

void frmWizard::cmdListBack_Click(int Index) {
  EditListOfRow(*this, Index, kTxCom1List);
}

void frmWizard::cmdListTo_Click(int Index) {
  EditListOfRow(*this, Index, kTxCom2List);
}

void frmWizard::VScroll1_Change() {
  ShowPageArrows(Page2Rows(*this));
  ShowLinkPage1();
}

void frmWizard::imgUpDownList_Click(int Index) {
  PageBy(VScroll1, Index);
}
