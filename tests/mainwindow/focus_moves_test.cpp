// Focus moves, page changes and refills are no edits: the link pages and the list editor
// change the records only where the user changed a field.
#include <QTest>
#include <QWindow>
#include <string>

#include "dialogs/frm_list.h"
#include "dialogs/list_fields.h"
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

// Commands that a HEX box cannot show as they stand, in records 0..4 of every list.
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
// Commands the boxes show as they stand, in records 5..7 of every list.
const OddCommand kShownCommands[] = {
    {"a byte 00", "410042"},
    {"an odd digit count", "414"},
    {"a plain command", "414243"},
};

// The list buttons of page 1 by list: Rx-COM1, Tx-COM1, Tx-COM2, Rx-COM2, back answers.
constexpr int kListButtons[] = {0, 1, 2, 3, 4};

class FocusMovesTest : public LinkPageTest {
 protected:
  // The sample project with the odd commands, as a file; record 0 links to no back
  // answer and no Tx-COM1 command but keeps its filter rows.
  // Then records 5..7 hold commands the boxes show as they stand. Every entry has a
  // name, and the back answers equal the Tx-COM1 list, as the editor of that list
  // stores them.
  std::string WriteOddProject() {
    FillProject();
    for (int n = 0; n < kRecordCount; ++n) {
      for (int kind = 1; kind <= 5; ++kind) {
        const ListFields fields = *FieldsOf(CmdRecords[n], kind);
        if (n < 8) {
          const std::string& digits = n < 5 ? kOddCommands[n].digits : kShownCommands[n - 5].digits;
          fields.Cmd->Set(digits);
          *fields.Len = static_cast<std::int16_t>(digits.size());
        }
        fields.Info->Set("Entry " + std::to_string(kind) + "/" + std::to_string(n + 1));
      }
      const ListFields back = *FieldsOf(CmdRecords[n], 2);
      const ListFields tx1 = *FieldsOf(CmdRecords[n], 3);
      *back.Len = *tx1.Len;
      *back.Cmd = *tx1.Cmd;
      *back.Info = *tx1.Info;
    }
    CmdRecords[0].Filter1Matrix.fill(1);
    CmdRecords[0].Filter2Matrix.fill(1);
    CmdRecords[0].TransTo2No = 0;
    return WriteProjectAndForgetIt("odd.vrx");
  }

  frmWizard& LoadOddProjectOnPage1() { return LoadThroughFileDialog(WriteOddProject()); }

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

TEST_F(FocusMovesTest, FocusPassingThroughTheHexBoxesChangesNoCommand) {
  frmWizard& w = LoadOddProjectOnPage1();
  const std::string loaded = ProjectFileBytes(ProjHeader, CmdRecords);
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 2);
  PassThroughHexBoxes(w.txtUserHEX, w.imgUpDownList);
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 3);
  PassThroughHexBoxes(w.txtUserHEX2, w.imgUpDownList2);

  EXPECT_TRUE(SavedThroughFileDialog() == loaded) << "the saved file differs from the loaded one";
  for (int n = 0; n < 5; ++n) {
    SCOPED_TRACE(kOddCommands[n].name);
    const CommandRecord& record = CmdRecords[n];
    EXPECT_EQ(record.RxCom1Cmd.Left(record.RxCom1Len), kOddCommands[n].digits);
    EXPECT_EQ(record.RxCom2Cmd.Left(record.RxCom2Len), kOddCommands[n].digits);
  }
  EXPECT_EQ(CmdRecords[0].Filter1Matrix[5], 1);
  EXPECT_EQ(CmdRecords[0].Filter2Matrix[5], 1);
}

// Every list editor opened from page 1, with the ASCII text as description, its HEX
// boxes passed through page by page.
TEST_F(FocusMovesTest, FocusPassingThroughTheListEditorsChangesNoByte) {
  frmWizard& w = LoadOddProjectOnPage1();
  const std::string loaded = ProjectFileBytes(ProjHeader, CmdRecords);
  for (const int button : kListButtons) {
    SCOPED_TRACE(button);
    int boxesLeft = 0;
    ui.QueueModalFormAction([&](platform::ui::Form& form) {
      auto& editor = static_cast<frmList&>(form);
      EXPECT_TRUE(QTest::qWaitForWindowActive(editor.Window()));
      EXPECT_EQ(editor.chkDesc.Value(), platform::ui::vb::Checked);
      for (int page = 0; page <= 3; ++page) {
        for (int r = 0; r <= 7; ++r) {
          platform::ui::TextBox& hex = editor.txtUserHEX[r];
          QTest::mouseClick(hex.Widget(), Qt::LeftButton, {}, QPoint(4, 4));
          testing_ui::PressKey(hex, 35);  // End
          testing_ui::PressKey(hex, 9);   // Tab
          boxesLeft += hex.Widget()->hasFocus() ? 0 : 1;
        }
        testing_ui::ClickControl(editor.imgUpDownList[1]);
      }
      editor.cmdOK.PerformClick();
    });
    testing_ui::ClickControl(w.cmdList[button]);
    EXPECT_EQ(boxesLeft, 32) << "the focus left every HEX box";
  }
  EXPECT_TRUE(SavedThroughFileDialog() == loaded) << "the saved file differs from the loaded one";
}

// Typing over a command the box could not show replaces it; leaving the box then
// changes nothing more.
TEST_F(FocusMovesTest, TypedDigitsReplaceACommandTheBoxCouldNotShow) {
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

// Keys that type nothing, given to a row as a keyboard user moves through it: Shift+Tab
// from the HEX box into the ASCII box, Alt, End, Left and Home there, Tab back and End,
// Left and Enter in the HEX box, which moves on to the next row's name box.
void PressIdleKeys(QWindow* window, platform::ui::TextBox& ascii, platform::ui::TextBox& hex) {
  QTest::mouseClick(hex.Widget(), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::keyPress(window, Qt::Key_Shift);
  QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyRelease(window, Qt::Key_Shift);
  EXPECT_TRUE(ascii.HasFocus());
  for (const Qt::Key key : {Qt::Key_Alt, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
    QTest::keyClick(window, key);
  }
  QTest::keyClick(window, Qt::Key_Tab);
  EXPECT_TRUE(hex.HasFocus());
  for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Return}) {
    QTest::keyClick(window, key);
  }
}

// The rows of a window's boxes, with its paging arrows.
struct EntryBoxes {
  platform::ui::ControlArray<platform::ui::TextBox>& ascii;
  platform::ui::ControlArray<platform::ui::TextBox>& hex;
  platform::ui::ControlArray<platform::ui::Image>& upDown;
  int rowsPerPage;
};

// Two pages of rows walked with the keys, the last Enter turning the page, then a page
// back and forth by the arrows.
void WalkWithIdleKeys(QWindow* window, const EntryBoxes& boxes) {
  const int pages = boxes.rowsPerPage == 4 ? 2 : 1;
  for (int page = 0; page < pages; ++page) {
    for (int r = 0; r < boxes.rowsPerPage; ++r) {
      SCOPED_TRACE("row " + std::to_string(r));
      PressIdleKeys(window, boxes.ascii[r], boxes.hex[r]);
    }
  }
  testing_ui::ClickControl(boxes.upDown[0]);
  testing_ui::ClickControl(boxes.upDown[1]);
  testing_ui::ClickControl(boxes.upDown[0]);
}

// On both link pages and in every list editor, with the ASCII text as description: a 00
// byte, a non-hex character, an odd digit count, a plain command and every name come
// back byte for byte, and no warning comes.
TEST_F(FocusMovesTest, KeysThatTypeNothingChangeNoByteAndWarnOfNothing) {
  frmWizard& w = LoadOddProjectOnPage1();
  const std::string loaded = ProjectFileBytes(ProjHeader, CmdRecords);
  ui.ClearRecords();
  for (const int button : kListButtons) {
    SCOPED_TRACE("list button " + std::to_string(button));
    ui.QueueModalFormAction([&](platform::ui::Form& form) {
      auto& editor = static_cast<frmList&>(form);
      EXPECT_TRUE(QTest::qWaitForWindowActive(editor.Window()));
      WalkWithIdleKeys(editor.Window()->windowHandle(),
                       {editor.txtUserASC, editor.txtUserHEX, editor.imgUpDownList, 8});
      for (int r = 0; r <= 7; ++r) {
        CommandRecord& record = CmdRecords[8 * editor.VScroll1.Value() + r];
        EXPECT_EQ(editor.txtInfo[r].Text(), FieldsOf(record, ListKind)->Info->Read()) << r;
      }
      editor.cmdOK.PerformClick();
    });
    testing_ui::ClickControl(w.cmdList[button]);
  }
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 2);
  WalkWithIdleKeys(w.Window()->windowHandle(), {w.txtUserASC, w.txtUserHEX, w.imgUpDownList, 4});
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 3);
  WalkWithIdleKeys(w.Window()->windowHandle(), {w.txtUserASC2, w.txtUserHEX2, w.imgUpDownList2, 4});

  EXPECT_TRUE(ui.MessageBoxes().empty()) << ui.MessageBoxes()[0].text;
  EXPECT_TRUE(SavedThroughFileDialog() == loaded) << "the saved file differs from the loaded one";
}

}  // namespace
