#include <cstdint>

#include "dialogs/frm_list.h"
#include "mainwindow/frm_wizard.h"
#include "project/program_state.h"

void frmWizard::ConnectListButtonHandlers() {
  cmdList.Click = [this](int Index) { cmdList_Click(Index); };
}

// The editor opens on the page of the entry last opened from a link row: ListRecordNo
// is left as it is.
void frmWizard::cmdList_Click(int Index) {
  constexpr std::int16_t kListKinds[] = {1, 3, 4, 5, 2};
  ListKind = kListKinds[Index];
  EditListAndShowLinkPages();
}

void frmWizard::EditListAndShowLinkPages() {
  ShowListEditor(this);
  ShowLinkPage1();
  ShowLinkPage2();
}
