#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/ui/ui.h"
#include "project/shown_command.h"

// Edits one whole command list of CmdRecords, chosen by ListKind, as four pages of
// eight rows: description, ASCII text and hex pairs. Every change is stored at once.
class frmList : public platform::ui::Form {
 public:
  frmList();

  platform::ui::ControlArray<platform::ui::Image> Img1{*this, "Img1", 0, 3};
  platform::ui::Label lblListInfo{*this, "lblListInfo"};
  platform::ui::ControlArray<platform::ui::Label> lblNumber{*this, "lblNumber", 0, 7};
  platform::ui::ControlArray<platform::ui::Label> lblInfo{*this, "lblInfo", 0, 7};
  platform::ui::ControlArray<platform::ui::TextBox> txtInfo{*this, "txtInfo", 0, 7};
  platform::ui::ControlArray<platform::ui::Label> lblASC{*this, "lblASC", 0, 7};
  platform::ui::ControlArray<platform::ui::TextBox> txtUserASC{*this, "txtUserASC", 0, 7};
  platform::ui::ControlArray<platform::ui::Label> lblHEX{*this, "lblHEX", 0, 7};
  platform::ui::ControlArray<platform::ui::TextBox> txtUserHEX{*this, "txtUserHEX", 0, 7};
  platform::ui::ControlArray<platform::ui::CommandButton> cmdAscHex{*this, "cmdAscHex", 0, 7};
  platform::ui::ControlArray<platform::ui::Image> imgUpDownList{*this, "imgUpDownList", 0, 1};
  platform::ui::VScrollBar VScroll1{*this, "VScroll1"};
  platform::ui::CheckBox chkDesc{*this, "chkDesc"};
  platform::ui::CommandButton cmdOK{*this, "cmdOK"};

  void Form_Load() override;
  void Form_Unload(int& Cancel) override;
  void ShowPage();
  void VScroll1_Change();
  void imgUpDownList_Click(int Index);
  void txtUserHEX_Change(int Index);
  void txtUserHEX_Edited(int Index);
  void txtUserHEX_KeyUp(int Index, int& KeyCode, int Shift);
  void txtUserHEX_LostFocus(int Index);
  void txtUserHEX_KeyPress(int Index, int& KeyAscii);
  void txtUserHEX_DblClick(int Index);
  void txtUserASC_Edited(int Index);
  void txtUserASC_KeyPress(int Index, int& KeyAscii);
  void txtInfo_KeyPress(int Index, int& KeyAscii);
  void txtInfo_Edited(int Index);
  void StoreRow(int Row);
  void cmdAscHex_Click(int Index);
  void cmdOK_Click();

 private:
  void LayOutRows();
  void ConnectHandlers();
  int Page() const { return VScroll1.Value(); }
  // The ASCII box from the HEX box, 00 as "|".
  void ShowAsciiOfRow(int Row);
  // With chkDesc checked, the description takes the printable part of the ASCII text.
  void DescriptionFollowsAscii(int Row);

  bool showingPage_ = false;
  // What each row's boxes were given: a command the HEX box cannot show as it stands is
  // kept until the row's digits change, and only a changed text converts.
  std::array<ShownCommand, 8> shown_{};
};

// Opens a new list editor modally for ListKind, on the page of ListRecordNo; returns
// when it has been closed.
void ShowListEditor(platform::ui::Form* owner);
