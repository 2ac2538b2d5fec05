#include "dialogs/frm_list.h"

#include <string>

#include "dialogs/frm_asc_code.h"
#include "dialogs/list_fields.h"
#include "dialogs/program_pictures.h"
#include "platform/settings.h"
#include "platform/trim_blanks.h"
#include "project/hex_text.h"
#include "project/program_state.h"
#include "project/records.h"
#include "project/stored_settings.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

namespace ui = platform::ui;

namespace {

struct ListLook {
  const char* caption;
  int icon;  // Img1 index
  TextKey info;
};

// By ListKind 1..5.
constexpr ListLook kListLooks[] = {
    {"Rx-COM 1", 0, 510}, {"List B (copy of C)", 1, 511}, {"Tx-COM 1", 1, 512},
    {"Tx-COM 2", 3, 513}, {"Rx-COM 2", 2, 514},
};

constexpr int kRowsTop = 56;
constexpr int kRowPitch = 52;
constexpr platform::OleColor kWhite = 0xFFFFFF;

}  // namespace

frmList::frmList() : Form("frmList") {
  SetClientSize(862, 518);
  const char* icons[] = {"list_rx_com1.png", "list_tx_com1.png", "list_rx_com2.png",
                         "list_tx_com2.png"};
  for (int i = 0; i <= 3; ++i) {
    Img1[i].Move(10, 10, 40, 32);
    Img1[i].SetPicture(ProgramPicture(icons[i]));
    Img1[i].SetVisible(false);
  }
  lblListInfo.Move(60, 8, 600, 40);
  lblListInfo.SetFontBold(true);
  LayOutRows();
  imgUpDownList[0].Move(834, kRowsTop, 22, 22);
  imgUpDownList[0].SetPicture(ProgramPicture("up.png"));
  imgUpDownList[0].SetVisible(false);  // the editor opens on page 0 unless told otherwise
  imgUpDownList[1].Move(834, kRowsTop + 8 * kRowPitch - 26, 22, 22);
  imgUpDownList[1].SetPicture(ProgramPicture("down.png"));
  VScroll1.Move(836, kRowsTop + 26, 18, 8 * kRowPitch - 56);
  VScroll1.SetMin(0);
  VScroll1.SetMax(3);
  VScroll1.SetSmallChange(1);
  VScroll1.SetLargeChange(1);
  chkDesc.Move(36, 484, 520, 22);
  cmdOK.Move(760, 482, 94, 28);
  SetEscapeCloses(true);
  ConnectHandlers();
}

void frmList::LayOutRows() {
  const ui::Picture chart = ProgramPicture("code_chart.png");
  for (int i = 0; i <= 7; ++i) {
    const int top = kRowsTop + i * kRowPitch;
    lblNumber[i].Move(4, top + 3, 26, 18);
    lblNumber[i].SetAlignment(ui::Alignment::Right);
    lblNumber[i].SetFontBold(true);
    lblInfo[i].Move(36, top + 3, 92, 18);
    txtInfo[i].Move(130, top, 400, 22);
    lblASC[i].Move(542, top + 3, 46, 18);
    txtUserASC[i].Move(590, top, 236, 22);
    lblHEX[i].Move(36, top + 28, 92, 18);
    txtUserHEX[i].Move(130, top + 25, 666, 22);
    cmdAscHex[i].Move(802, top + 24, 24, 24);
    cmdAscHex[i].SetPicture(chart);
  }
}

void frmList::ConnectHandlers() {
  VScroll1.Change = [this] { VScroll1_Change(); };
  imgUpDownList.Click = [this](int Index) { imgUpDownList_Click(Index); };
  txtUserHEX.Change = [this](int Index) { txtUserHEX_Change(Index); };
  txtUserHEX.Edited = [this](int Index) { txtUserHEX_Edited(Index); };
  txtUserHEX.KeyUp = [this](int Index, int& KeyCode, int Shift) {
    txtUserHEX_KeyUp(Index, KeyCode, Shift);
  };
  txtUserHEX.LostFocus = [this](int Index) { txtUserHEX_LostFocus(Index); };
  txtUserHEX.KeyPress = [this](int Index, int& KeyAscii) { txtUserHEX_KeyPress(Index, KeyAscii); };
  txtUserHEX.DblClick = [this](int Index) { txtUserHEX_DblClick(Index); };
  txtUserASC.Edited = [this](int Index) { txtUserASC_Edited(Index); };
  txtUserASC.KeyPress = [this](int Index, int& KeyAscii) { txtUserASC_KeyPress(Index, KeyAscii); };
  txtInfo.KeyPress = [this](int Index, int& KeyAscii) { txtInfo_KeyPress(Index, KeyAscii); };
  txtInfo.Edited = [this](int Index) { txtInfo_Edited(Index); };
  cmdAscHex.Click = [this](int Index) { cmdAscHex_Click(Index); };
  cmdOK.Click = [this] { cmdOK_Click(); };
}

// The first page is shown before chkDesc takes its setting, so it keeps the stored
// descriptions.
void frmList::Form_Load() {
  SetFormTexts(*this, LanguageID == 0);
  for (int i = 0; i <= 7; ++i) {
    txtInfo[i].SetMaxLength(64);
    txtInfo[i].SetForeColor(0x8000);  // green
    txtInfo[i].SetTabIndex(3 * i + 1);
    txtUserASC[i].SetMaxLength(31);
    txtUserASC[i].SetForeColor(0x800000);  // dark blue
    txtUserASC[i].SetTabIndex(3 * i + 2);
    txtUserHEX[i].SetMaxLength(93);    // 31 pairs with their blanks
    txtUserHEX[i].SetForeColor(0x80);  // dark red
    txtUserHEX[i].SetTabIndex(3 * i + 3);
    for (ui::TextBox* box : {&txtInfo[i], &txtUserASC[i], &txtUserHEX[i]}) {
      box->SetFontSize(8);
      box->SetBackColor(kWhite);
    }
  }
  VScroll1.SetTabIndex(25);
  cmdOK.SetTabIndex(26);
  if (ListKind >= 1 && ListKind <= 5) {
    const ListLook& look = kListLooks[ListKind - 1];
    SetCaption(look.caption);
    Img1[look.icon].SetVisible(true);
    lblListInfo.SetCaption(LangText[look.info]);
  }
  const int page = ListRecordNo >= 0 && ListRecordNo <= 31 ? ListRecordNo / 8 : 0;
  VScroll1.SetValue(page);
  ShowPage();
  const int row = ListRecordNo - 8 * page;
  if (row >= 0 && row <= 7) {
    txtInfo[row].SetFocus();
  }
  chkDesc.SetValue(platform::GetSetting(AppTitle, "AscFill", "On", "1") == "1" ? ui::vb::Checked
                                                                               : ui::vb::Unchecked);
}

void frmList::Form_Unload(int&) {
  SaveSettingOrTell(AppTitle, "AscFill", "On", chkDesc.Value() == ui::vb::Checked ? "1" : "0");
}

// A row whose HEX box gets a new command stores it again, which copies the Tx-COM1 list
// into the back answers; a row without command, or one showing the command the row
// showed before, stores nothing. Showing a row renames nothing.
void frmList::ShowPage() {
  SetMousePointer(ui::MousePointer::Hourglass);
  showingPage_ = true;
  for (int i = 0; i <= 7; ++i) {
    const int r = 8 * Page() + i;
    lblNumber[i].SetCaption(std::to_string(r + 1));
    std::string info;
    std::string cmd;
    std::string hex;
    bool kept = false;
    if (const std::optional<ListFields> fields = FieldsOf(CmdRecords[r], ListKind)) {
      info = fields->Info->Read();
      cmd = fields->Cmd->Left(*fields->Len);
      kept = !IsEditorCommand(*fields->Len, cmd);
      if (FilterHexDigits(cmd, true).size() == cmd.size()) {
        hex = FormatHex(cmd, false);
      }
    }
    txtInfo[i].SetText(info);
    const std::string before = txtUserHEX[i].Text();
    txtUserHEX[i].SetText(hex);
    // The digits are those the box holds once its limit has cut the text.
    shown_[i].Show(FormatHex(txtUserHEX[i].Text(), true), kept);
    // The same HEX text runs no change handling: the ASCII box is made true here too.
    ShowAsciiOfRow(i);
    if (!cmd.empty() && txtUserHEX[i].Text() != before) {
      StoreRow(i);
    }
  }
  showingPage_ = false;
  SetMousePointer(ui::MousePointer::Default);
}

void frmList::VScroll1_Change() {
  imgUpDownList[0].SetVisible(Page() != 0);
  imgUpDownList[1].SetVisible(Page() != 3);
  ShowPage();
}

void frmList::imgUpDownList_Click(int Index) {
  const int page = Index == 0 ? Page() - 1 : Page() + 1;
  if (page >= 0 && page <= 3) {
    VScroll1.SetValue(page);
  }
}

void frmList::cmdAscHex_Click(int Index) {
  frmAscCode chart;
  chart.ShowModal(this);
  const std::string picked = FormatHex(AscCodeResult, false);
  if (!TrimBlanks(AscCodeResult).empty() && txtUserHEX[Index].Text() != picked) {
    txtUserHEX[Index].SetText(picked);
    txtUserHEX_Edited(Index);
  }
}

void frmList::cmdOK_Click() {
  Unload();
}

void ShowListEditor(ui::Form* owner) {
  frmList editor;
  editor.ShowModal(owner);
}
