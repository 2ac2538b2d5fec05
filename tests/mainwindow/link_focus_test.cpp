// Focus moves, page changes and refills are no edits: the link pages change the records
// only where the user changed a field.
#include <QTest>
#include <string>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"
#include "tests/mainwindow/sample_project.h"

namespace testing_ui = platform::ui::testing;

namespace {

// Commands that a HEX box cannot show as they stand, in records 0..4 of both Rx lists.
struct OddCommand {
  const char* name;
  std::string digits;
};
const OddCommand kOddCommands[] = {
    {"letters", "ZZ41"},
    {"a non-hex digit", "4G41"},
    {"NUL between bytes", std::string("41\0"
                                      "42",
                                      5)},
    {"lower case", "4a41"},
    {"more digits than the box holds", std::string(70, '4')},
};

class LinkFocusTest : public LinkPageTest {
 protected:
  // The sample project with the odd commands, as a file; record 0 links to no back
  // answer and no Tx-COM1 command but keeps its filter rows.
  std::string WriteOddProject() {
    FillProject();
    for (int n = 0; n < 5; ++n) {
      const std::string& digits = kOddCommands[n].digits;
      CommandRecord& record = CmdRecords[n];
      record.RxCom1Cmd.Set(digits);
      record.RxCom1Len = static_cast<std::int16_t>(digits.size());
      record.RxCom2Cmd.Set(digits);
      record.RxCom2Len = static_cast<std::int16_t>(digits.size());
    }
    CmdRecords[0].Filter1Matrix.fill(1);
    CmdRecords[0].Filter2Matrix.fill(1);
    CmdRecords[0].TransTo2No = 0;
    ProjHeader.Magic = kProjectMagic;
    ProjHeader.Version = kProjectVersion;
    const std::string path = program.File("odd.vrx");
    EXPECT_TRUE(platform::WriteFileReplacing(path, ProjectFileBytes(ProjHeader, CmdRecords)));
    ProjHeader = ProjectHeader{};
    CmdRecords = CommandRecordList{};
    return path;
  }

  // Clicks into every HEX box of the first two pages of entries, presses a cursor key
  // and leaves it with Tab.
  void PassThroughHexBoxes(platform::ui::ControlArray<platform::ui::TextBox>& hex,
                           platform::ui::ControlArray<platform::ui::Image>& upDown) {
    for (int page = 0; page < 2; ++page) {
      for (int r = 0; r < 4; ++r) {
        ClickInto(hex[r]);
        PressKey(Qt::Key_End);
        PressKey(Qt::Key_Tab);
      }
      testing_ui::ClickControl(upDown[page == 0 ? 1 : 0]);
    }
  }
};

TEST_F(LinkFocusTest, FocusPassingThroughTheHexBoxesChangesNoCommand) {
  const std::string path = WriteOddProject();
  InfoShown = true;
  frmWizard& w = Start();
  w.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.Window()));
  Navigate(1);
  ui.QueueFileDialogAnswer(path);
  testing_ui::ClickControl(w.cmdLoadSave[0]);
  const std::string loaded = ProjectFileBytes(ProjHeader, CmdRecords);
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 2);
  PassThroughHexBoxes(w.txtUserHEX, w.imgUpDownList);
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 3);
  PassThroughHexBoxes(w.txtUserHEX2, w.imgUpDownList2);

  const std::string saved = program.File("saved.vrx");
  ui.QueueFileDialogAnswer(saved);
  testing_ui::ClickControl(w.cmdLoadSave[1]);
  std::string bytes;
  ASSERT_TRUE(platform::ReadFileBytes(saved, bytes, kProjectFileSize + 1));
  EXPECT_TRUE(bytes == loaded) << "the saved file differs from the loaded one";
  for (int n = 0; n < 5; ++n) {
    SCOPED_TRACE(kOddCommands[n].name);
    const CommandRecord& record = CmdRecords[n];
    EXPECT_EQ(record.RxCom1Cmd.Left(record.RxCom1Len), kOddCommands[n].digits);
    EXPECT_EQ(record.RxCom2Cmd.Left(record.RxCom2Len), kOddCommands[n].digits);
  }
  EXPECT_EQ(CmdRecords[0].Filter1Matrix[5], 1);
  EXPECT_EQ(CmdRecords[0].Filter2Matrix[5], 1);
}

// Typing over a command the box could not show replaces it; leaving the box then
// changes nothing more.
TEST_F(LinkFocusTest, TypedDigitsReplaceACommandTheBoxCouldNotShow) {
  frmWizard& w = OpenLinkPage(2);
  for (const OddCommand& odd : kOddCommands) {
    SCOPED_TRACE(odd.name);
    CmdRecords[1].RxCom1Cmd.Set(odd.digits);
    CmdRecords[1].RxCom1Len = static_cast<std::int16_t>(odd.digits.size());
    w.ShowLinkPage1();
    ClickInto(w.txtUserHEX[1]);
    PressKey(Qt::Key_A, 2);  // select all
    Type("4243");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(CmdRecords[1].RxCom1Cmd.Left(CmdRecords[1].RxCom1Len), "4243");
    EXPECT_EQ(w.txtUserHEX[1].Text(), "42 43");
  }
}

}  // namespace
