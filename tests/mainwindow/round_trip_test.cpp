// A project transferred into the simulated module and read back comes back whole.
#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace testing_ui = platform::ui::testing;

namespace {

using RoundTripTest = DeviceFlowTest;

// Both sides over two PC ports, then New, then the read-back of both sides; the names
// and the description come back from the autosave copy that the transfer wrote.
TEST_F(RoundTripTest, TransferredProjectReadsBackByteForByte) {
  Connect({}, 1, 2);
  frmWizard& w = StartOnPage(4);
  FillProject();
  w.chkAutosave.SetValue(1);
  w.chkTwoPort2.SetValue(1);
  w.chkOnlyParameter.SetValue(0);
  testing_ui::ClickControl(w.CmdTransmit);
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{LangText[579]});
  const std::string transferred = ProjectFileBytes(ProjHeader, CmdRecords);

  Navigate(1);
  ASSERT_EQ(w.WizardPage, 1);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  testing_ui::ClickControl(w.cmdNew);
  ASSERT_NE(ProjectFileBytes(ProjHeader, CmdRecords), transferred) << "a new project";
  ui.ClearRecords();
  ASSERT_EQ(w.chkTwoPort.Value(), 1);
  ui.QueueMessageBoxAnswer(MsgResult::No);  // the lists from the module, names from the copy
  testing_ui::ClickControl(w.cmdSearchCom);

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{LangText[546], LangText[547], LangText[548]}));
  const std::string readBack = ProjectFileBytes(ProjHeader, CmdRecords);
  ASSERT_EQ(readBack.size(), transferred.size());
  for (std::size_t offset = 0; offset < readBack.size(); ++offset) {
    ASSERT_EQ(readBack[offset], transferred[offset]) << "first difference at byte " << offset;
  }
  EXPECT_TRUE(w.SideADataOk && w.SideBDataOk);
  Navigate(1);
  EXPECT_EQ(w.WizardPage, 2);
}

}  // namespace
