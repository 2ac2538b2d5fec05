#include "dialogs/frm_asc_code.h"
#include "tests/dialogs/list_editor_fixture.h"

namespace {

TEST_F(ListEditorTest, ChartListsEveryCodeInOrderAndStartsEmptyAtEveryOpening) {
  frmAscCode chart;
  for (int opening = 0; opening < 2; ++opening) {
    chart.Show();
    ASSERT_EQ(chart.List1.ListCount(), 256);
    EXPECT_EQ(chart.List1.List(0), "0 NUL");
    EXPECT_EQ(chart.List1.List(10), "A LF");
    EXPECT_EQ(chart.List1.List(31), "1F US");
    EXPECT_EQ(chart.List1.List(32), "20  ");
    EXPECT_EQ(chart.List1.List(65), "41 A");
    EXPECT_EQ(chart.List1.List(255), "FF \xFF");
    EXPECT_EQ(chart.List1.ItemData(200), 200);
    EXPECT_EQ(chart.Text1.Text(), "");
    ClickItem(chart.List1, 66);
    EXPECT_EQ(chart.Text1.Text(), "42");
    uitest::ClickControl(chart.CmdHex[0]);
    EXPECT_FALSE(chart.IsLoaded());
  }
  EXPECT_EQ(chart.Caption(), "Hex/ASCII Character Codes ");
  EXPECT_EQ(chart.CmdHex[1].Caption(), "Kopieren");
}

// The list takes the focus when the chart opens: that chooses no code.
TEST_F(ListEditorTest, FocusOnTheListCollectsNothing) {
  frmAscCode chart;
  chart.Show();
  chart.List1.SetFocus();
  uitest::ProcessEvents();
  EXPECT_EQ(chart.Text1.Text(), "");
  EXPECT_EQ(chart.List1.ListIndex(), -1);
}

TEST_F(ListEditorTest, CodesCollectedInTheChartGoIntoTheRowOnOk) {
  frmList& w = Open(1);
  ui.QueueModalFormAction([](ui::Form& form) {
    auto& chart = static_cast<frmAscCode&>(form);
    for (int code : {0, 10, 65}) {
      ClickItem(chart.List1, code);
    }
    EXPECT_EQ(chart.Text1.Text(), "000A41");
    EXPECT_EQ(chart.Text2.Text(), std::string("\0\nA", 3));
    uitest::ClickControl(chart.CmdHex[2]);
  });
  uitest::ClickControl(w.cmdAscHex[4]);
  ASSERT_EQ(ui.ModalForms(), std::vector<std::string>{"frmAscCode"});
  EXPECT_EQ(AscCodeResult, "000A41");
  EXPECT_EQ(w.txtUserHEX[4].Text(), "00 0A 41");
  EXPECT_EQ(w.txtUserASC[4].Text(), "|\nA");
  EXPECT_EQ(Command(4, 1), "000A41");
}

TEST_F(ListEditorTest, TheSameCodeClickedTwiceIsCollectedTwice) {
  frmAscCode chart;
  chart.Show();
  ClickItem(chart.List1, 65);
  ClickItem(chart.List1, 65);
  EXPECT_EQ(chart.Text1.Text(), "4141");
  EXPECT_EQ(chart.Text2.Text(), "AA");
}

// Abbrechen, Kopieren and the close box hand nothing back, not even the codes of an
// earlier Ok; Kopieren puts the codes on the clipboard.
TEST_F(ListEditorTest, LeavingTheChartWithoutOkLeavesTheRowAlone) {
  for (int exit : {0, 1, -1}) {
    SCOPED_TRACE(exit);
    SetEntry(0, 1, "12", "");
    AscCodeResult = "FF";
    ui::SetClipboardText("before");
    frmList& w = Open(1);
    ui.QueueModalFormAction([exit](ui::Form& form) {
      auto& chart = static_cast<frmAscCode&>(form);
      ClickItem(chart.List1, 0);
      ClickItem(chart.List1, 65);
      if (exit < 0) {
        uitest::CloseWindow(chart);
      } else {
        uitest::ClickControl(chart.CmdHex[exit]);
      }
      EXPECT_FALSE(chart.IsLoaded());
    });
    uitest::ClickControl(w.cmdAscHex[0]);
    EXPECT_EQ(AscCodeResult, "");
    EXPECT_EQ(w.txtUserHEX[0].Text(), "12");
    EXPECT_EQ(Command(0, 1), "12");
    EXPECT_EQ(ui::ClipboardText(), exit == 1 ? "0041" : "before");
  }
}

}  // namespace
