// Edits in an ASCII box store the converted command on both link pages and in the list
// editor, where the name follows the command while the description box is ticked.
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <functional>
#include <string>

#include "dialogs/frm_list.h"
#include "dialogs/list_fields.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"

namespace ui = platform::ui;

namespace {

struct AsciiEdit {
  const char* name;
  // Given with the caret at the end of "ABC" in the focused ASCII box.
  std::function<void(QWindow*, ui::TextBox&)> edit;
  const char* ascii;
  const char* digits;
};

const AsciiEdit kEdits[] = {
    {"a character typed", [](QWindow* w, ui::TextBox&) { QTest::keyClick(w, 'D'); }, "ABCD",
     "41424344"},
    {"Backspace", [](QWindow* w, ui::TextBox&) { QTest::keyClick(w, Qt::Key_Backspace); }, "AB",
     "4142"},
    {"Ctrl+V",
     [](QWindow* w, ui::TextBox&) {
       ui::SetClipboardText("XY");
       QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
     },
     "ABCXY", "4142435859"},
    // An edit that comes with no key is stored as it happens.
    {"an insert without a key",
     [](QWindow*, ui::TextBox& ascii) { static_cast<QLineEdit*>(ascii.Widget())->insert("XY"); },
     "ABCXY", "4142435859"},
};

struct ListUnderEdit {
  int kind;  // as the list editor numbers the lists
  ui::TextBox& name;
  ui::TextBox& ascii;
  ui::TextBox& hex;
  // Shows record 0 anew after it has been reset.
  std::function<void()> show;
};

class AsciiEditsTest : public LinkPageTest {
 protected:
  // Every edit on record 0 of the list, from "ABC" named "old".
  void RunEdits(QWindow* window, const ListUnderEdit& list, bool nameFollows) {
    for (const AsciiEdit& edit : kEdits) {
      SCOPED_TRACE(edit.name);
      const ListFields fields = *FieldsOf(CmdRecords[0], list.kind);
      fields.Cmd->Set("414243");
      *fields.Len = 6;
      fields.Info->Set("old");
      list.show();
      QTest::mouseClick(list.ascii.Widget(), Qt::LeftButton, {}, QPoint(4, 4));
      QTest::keyClick(window, Qt::Key_End);
      edit.edit(window, list.ascii);
      EXPECT_EQ(fields.Cmd->Left(*fields.Len), edit.digits);
      EXPECT_EQ(list.ascii.Text(), edit.ascii);
      EXPECT_EQ(fields.Info->Read(), nameFollows ? edit.ascii : "old");
      EXPECT_EQ(list.name.Text(), fields.Info->Read());
    }
  }
};

TEST_F(AsciiEditsTest, EachEditStoresTheConvertedCommand) {
  frmWizard& w = OpenLinkPage(2);
  QWindow* window = w.Window()->windowHandle();
  RunEdits(window, {1, w.txtInfo[0], w.txtUserASC[0], w.txtUserHEX[0], [&] { w.ShowLinkPage1(); }},
           false);
  Navigate(1);
  RunEdits(window,
           {5, w.txtInfo2[0], w.txtUserASC2[0], w.txtUserHEX2[0], [&] { w.ShowLinkPage2(); }},
           false);
  Navigate(0);
  Navigate(0);
  ASSERT_EQ(w.WizardPage, 1);
  for (const bool ticked : {true, false}) {
    SCOPED_TRACE(ticked ? "description box ticked" : "description box clear");
    ui.QueueModalFormAction([&](ui::Form& form) {
      auto& editor = static_cast<frmList&>(form);
      EXPECT_TRUE(QTest::qWaitForWindowActive(editor.Window()));
      editor.chkDesc.SetValue(ticked ? ui::vb::Checked : ui::vb::Unchecked);
      RunEdits(editor.Window()->windowHandle(),
               {1, editor.txtInfo[0], editor.txtUserASC[0], editor.txtUserHEX[0],
                [&] { editor.ShowPage(); }},
               ticked);
      editor.cmdOK.PerformClick();
    });
    ui::testing::ClickControl(w.cmdList[0]);
  }
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

}  // namespace
