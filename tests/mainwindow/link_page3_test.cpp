#include <QTest>
#include <string>

#include "dialogs/frm_list.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"
#include "texts/text_table.h"

namespace {

constexpr platform::OleColor kYellow = 0xE0FFFF;
constexpr platform::OleColor kPink = 0xFFE0FF;
constexpr platform::OleColor kWhite = 0xFFFFFF;

class LinkPage3Test : public LinkPageTest {};

TEST_F(LinkPage3Test, ShowsEachLinkWithItsItemAndColour) {
  frmWizard& w = OpenLinkPage(3);
  NameEveryEntry();
  struct Case {
    std::uint8_t link;
    int index;
    platform::OleColor color;
  };
  for (const Case& c : {Case{0, 0, kYellow}, Case{255, 1, kPink}, Case{1, 2, kWhite},
                        Case{32, 33, kWhite}, Case{40, -1, kWhite}, Case{33, -1, kWhite}}) {
    SCOPED_TRACE(int{c.link});
    CmdRecords[1].TransTo2No = c.link;
    w.ShowLinkPage2();
    EXPECT_EQ(w.cmbTransTo2[1].ListIndex(), c.index);
    EXPECT_EQ(w.cmbTransTo2[1].BackColor(), c.color);
    EXPECT_EQ(CmdRecords[1].TransTo2No, c.link);
  }
  const ui::ComboBox& link = w.cmbTransTo2[1];
  ASSERT_EQ(link.ListCount(), 34);
  EXPECT_EQ(link.List(0), LangText[612] + " ");
  EXPECT_EQ(link.List(1), LangText[613]);
  EXPECT_EQ(link.List(2), "01 - Status an Leitstelle 1");
  EXPECT_EQ(link.List(33), "32 - Tx1 32");
  EXPECT_EQ(link.ItemData(1), 255);
  EXPECT_EQ(link.ItemData(33), 32);
}

TEST_F(LinkPage3Test, OnlyNoLinkClearsTheQueryFilter) {
  frmWizard& w = OpenLinkPage(3);
  MatrixRow filter{};
  filter[3] = 1;
  CmdRecords[2].TransTo2No = 7;
  CmdRecords[2].Filter2Matrix = filter;
  w.ShowLinkPage2();
  ui::ComboBox& link = w.cmbTransTo2[2];
  QTest::keyClick(link.Widget(), Qt::Key_Up);
  EXPECT_EQ(CmdRecords[2].TransTo2No, 6);
  EXPECT_EQ(CmdRecords[2].Filter2Matrix, filter);
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(link.Widget(), Qt::Key_Up);
  }
  EXPECT_EQ(CmdRecords[2].TransTo2No, 255);
  EXPECT_EQ(link.BackColor(), kPink);
  EXPECT_EQ(CmdRecords[2].Filter2Matrix, filter);
  QTest::keyClick(link.Widget(), Qt::Key_Up);
  EXPECT_EQ(CmdRecords[2].TransTo2No, 0);
  EXPECT_EQ(CmdRecords[2].Filter2Matrix, MatrixRow{});
  EXPECT_EQ(link.BackColor(), kYellow);
}

TEST_F(LinkPage3Test, RowsAreTypedIntoTheRxCom2List) {
  frmWizard& w = OpenLinkPage(3);
  w.VScroll2.SetValue(7);
  ClickInto(w.txtInfo2[3]);
  Type("Tor");
  PressKey(Qt::Key_Return);
  Type("A|");
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[609]);
  EXPECT_EQ(ui.MessageBoxes()[0].title, "Hex 00/7C");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(w.txtUserHEX2[3].Text(), "41 7C");
  Type("0");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(w.VScroll2.Value(), 0);
  EXPECT_EQ(w.lblNumber2[0].Caption(), "1");
  EXPECT_TRUE(w.txtInfo2[0].HasFocus());
  const CommandRecord& record = CmdRecords[31];
  EXPECT_EQ(record.RxCom2Info.Read(), "Tor");
  EXPECT_EQ(record.RxCom2Cmd.Left(record.RxCom2Len), "417C0");
  EXPECT_EQ(record.RxCom2Len, 5);
  EXPECT_EQ(CmdRecords[31].RxCom1Len, 0);
  EXPECT_EQ(ui.MessageBoxes().size(), 1u);
}

// The row is stored before the editor opens, and the combos of both pages list the
// edited names after.
TEST_F(LinkPage3Test, ListButtonsOpenTheEditorOnTheEntryOfTheirRow) {
  struct Case {
    int page;    // 2 or 3
    int button;  // 0 cmdListBack, 1 cmdListTo, 2 cmdListTo2
    std::int16_t kind;
    int otherPage;  // the other page whose combos list the edited list, 0 for none
  };
  for (const Case c : {Case{2, 0, 3, 3}, Case{2, 1, 4, 0}, Case{3, 2, 3, 2}}) {
    SCOPED_TRACE(c.button);
    frmWizard& w = OpenLinkPage(c.page);
    ui::VScrollBar& scroll = c.page == 2 ? w.VScroll1 : w.VScroll2;
    scroll.SetValue(2);
    ui::TextBox& name = c.page == 2 ? w.txtInfo[2] : w.txtInfo2[2];
    ClickInto(name);
    Type("Alt");
    (c.page == 2 ? CmdRecords[10].RxCom1Info : CmdRecords[10].RxCom2Info).Set("behind the page");
    std::int16_t kind = 0, record = -1;
    ui.QueueModalFormAction([&](ui::Form& form) {
      auto& editor = static_cast<frmList&>(form);
      kind = ListKind;
      record = ListRecordNo;
      QTest::keyClicks(editor.txtInfo[2].Widget(), "Neu");  // entry 11 on the editor's page 2
      editor.cmdOK.PerformClick();
    });
    ui::ControlArray<ui::CommandButton>& buttons =
        c.button == 0 ? w.cmdListBack : (c.button == 1 ? w.cmdListTo : w.cmdListTo2);
    QTest::mouseClick(buttons[2].Widget(), Qt::LeftButton);
    ASSERT_EQ(ui.ModalForms().size(), 1u);
    EXPECT_EQ(ui.ModalForms()[0], "frmList");
    EXPECT_EQ(kind, c.kind);
    EXPECT_EQ(record, 10);
    EXPECT_EQ((c.page == 2 ? CmdRecords[10].RxCom1Info : CmdRecords[10].RxCom2Info).Read(), "Alt");
    const ui::ComboBox& combo =
        c.button == 0 ? w.cmbBackAnswer[2] : (c.button == 1 ? w.cmbTransTo[2] : w.cmbTransTo2[2]);
    const int item = c.button == 1 ? 11 : 12;
    EXPECT_EQ(combo.List(item), "11 - Neu");
    EXPECT_EQ(scroll.Value(), 2);
    for (int r = 0; r <= 3 && c.otherPage != 0; ++r) {
      EXPECT_EQ((c.otherPage == 3 ? w.cmbTransTo2[r] : w.cmbBackAnswer[r]).List(12), "11 - Neu");
    }
  }
}

}  // namespace
