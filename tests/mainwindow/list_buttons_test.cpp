#include <string>
#include <vector>

#include "dialogs/frm_list.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/mainwindow/wizard_fixture.h"

namespace {

namespace uitest = platform::ui::testing;

class ListButtonsTest : public WizardTest {};

// The buttons keep ListRecordNo: the editor opens on the page of the entry last opened
// from a link row.
TEST_F(ListButtonsTest, EachButtonEditsItsListOnThePageOfTheLastEntryChosen) {
  frmWizard& w = Start();
  ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
  w.cmdNew_Click();
  Navigate(1);
  ui.ClearRecords();
  ListRecordNo = 13;
  const int kinds[] = {1, 3, 4, 5, 2};
  for (int i = 0; i <= 4; ++i) {
    SCOPED_TRACE(i);
    int kindSeen = 0;
    int pageSeen = -1;
    ui.QueueModalFormAction([&](platform::ui::Form& form) {
      auto& editor = static_cast<frmList&>(form);
      kindSeen = ListKind;
      pageSeen = editor.VScroll1.Value();
      editor.txtUserHEX[5].SetFocus();
      uitest::TypeText(editor.txtUserHEX[5], '4' + std::to_string(i));
      uitest::ClickControl(editor.cmdOK);
    });
    uitest::ClickControl(w.cmdList[i]);
    EXPECT_EQ(kindSeen, kinds[i]);
    EXPECT_EQ(pageSeen, 1);
    EXPECT_EQ(ListRecordNo, 13);
  }
  EXPECT_EQ(ui.ModalForms(), std::vector<std::string>(5, "frmList"));
  EXPECT_EQ(ui.PendingAnswers(), 0);
  const CommandRecord& entry14 = CmdRecords[13];
  EXPECT_EQ(entry14.RxCom1Cmd.Left(entry14.RxCom1Len), "40");
  EXPECT_EQ(entry14.TxCom1Cmd.Left(entry14.TxCom1Len), "41");
  EXPECT_EQ(entry14.TxCom2Cmd.Left(entry14.TxCom2Len), "42");
  EXPECT_EQ(entry14.RxCom2Cmd.Left(entry14.RxCom2Len), "43");
  // The back answers also took the entry typed into Tx-COM1.
  EXPECT_EQ(entry14.TxCom1BackCmd.Left(entry14.TxCom1BackLen), "4144");
}

}  // namespace
