#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/records.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;

namespace {

class NewProjectTest : public WizardTest {};

TEST_F(NewProjectTest, AnsweredNoChangesNothing) {
  frmWizard& w = Start();
  w.Combo3.SetListIndex(3);
  const ProjectHeader header = ProjHeader;
  const CommandRecordList records = CmdRecords;
  ui.QueueMessageBoxAnswer(MsgResult::No);
  w.cmdNew.PerformClick();
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[538] + "\r\n" + LangText[539]);
  EXPECT_EQ(ui.MessageBoxes()[0].buttons, mb::YesNo);
  EXPECT_TRUE(ProjHeader == header);
  EXPECT_TRUE(CmdRecords == records);
  EXPECT_EQ(w.Combo3.Text(), "38400");
  EXPECT_FALSE(w.FrameList.Visible());
  EXPECT_FALSE(w.SideADataOk || w.SideBDataOk);
}

TEST_F(NewProjectTest, AnsweredYesMakesANewProjectAndOpensTheWay) {
  frmWizard& w = Start();
  w.Combo3.SetListIndex(4);
  w.Combo6.SetListIndex(3);
  w.chkHandshakeCom2.SetValue(1);
  w.cmdNavi[1].PerformClick();
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  w.cmdNew.PerformClick();
  EXPECT_EQ(ProjHeader.Com1Baud, 9);
  EXPECT_EQ(ProjHeader.Com2Parity.bytes[0], 'N');
  EXPECT_EQ(CmdRecords[5].StatusMatrix[5], 1);
  EXPECT_EQ(CmdRecords[5].StatusMatrix[6], 2);
  EXPECT_EQ(w.Combo3.Text(), "9600");
  EXPECT_EQ(w.Combo3.BackColor(), platform::vbWindowBackground);
  EXPECT_EQ(w.Combo6.Text(), "None");
  EXPECT_EQ(w.chkHandshakeCom2.Value(), 0);
  EXPECT_TRUE(w.FrameList.Visible());
  EXPECT_TRUE(w.FrameParameter.Visible());
  EXPECT_FALSE(w.IsLoading);
  w.cmdNavi[1].PerformClick();
  EXPECT_EQ(w.WizardPage, 2);
}

TEST_F(NewProjectTest, AutosaveFolderIsNamedWithATrailingSlash) {
  frmWizard& w = Start();
  w.cmdShowAutosave.PerformClick();
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, program.path() + "/Autosave/");
  EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle + " - AutosaveDiretory");
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
  EXPECT_FALSE(platform::FolderExists(program.File("Autosave")));
}

}  // namespace
