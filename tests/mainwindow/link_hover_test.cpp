#include <string>

#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"

// The signal-flow pictures follow the mouse over the rows of the link pages.
namespace {

void SetCommand(CommandText& command, std::int16_t& length, const std::string& digits) {
  command.Set(digits);
  length = static_cast<std::int16_t>(digits.size());
}

class LinkHoverTest : public LinkPageTest {
 protected:
  // Page 2 row r: the labels of the incoming command, its COM2 link and its back answer.
  struct Page2Labels {
    std::string in, inName, again, againName, out, outName, back, backName;
  };
  Page2Labels Labels(frmWizard& w) {
    return {w.lblListNr[0].Caption(),   w.lblListNrEx[0].Caption(), w.lblListNr[2].Caption(),
            w.lblListNrEx[2].Caption(), w.lblListNr[1].Caption(),   w.lblListNrEx[1].Caption(),
            w.lblListNr[3].Caption(),   w.lblListNrEx[3].Caption()};
  }
};

TEST_F(LinkHoverTest, Page2LabelsTheRowUnderTheMouse) {
  frmWizard& w = OpenLinkPage(2);
  CommandRecord& first = CmdRecords[4];
  SetCommand(first.RxCom1Cmd, first.RxCom1Len, "4142");
  first.RxCom1Info.Set("Exactly14chars");
  first.TransToNo = 3;
  CmdRecords[2].TxCom2Info.Set("  Fifteen chars!!  ");
  first.BackAnswerNo = 32;
  CmdRecords[31].TxCom1BackInfo.Set("Quittung");
  CommandRecord& second = CmdRecords[5];
  second.RxCom1Info.Set("no command here");
  second.BackAnswerNo = 255;
  w.VScroll1.SetValue(1);

  MoveMouseOver(w.txtUserASC[0]);
  Page2Labels labels = Labels(w);
  EXPECT_EQ(labels.in, "5");
  EXPECT_EQ(labels.inName, "Exactly14chars");
  EXPECT_EQ(labels.again, "5");
  EXPECT_EQ(labels.againName, "Exactly14chars");
  EXPECT_EQ(labels.out, "3");
  EXPECT_EQ(labels.outName, "Fifteen char...");
  EXPECT_EQ(labels.back, "32");
  EXPECT_EQ(labels.backName, "Quittung");
  EXPECT_EQ(w.HoverEntryNo, 32);
  EXPECT_TRUE(w.lblListNrEx[1].Visible());
  for (ui::Image* picture : {&w.ImgClean1, &w.ImgReg2, &w.ImgClean2, &w.ImgClean3, &w.ImgClean4}) {
    EXPECT_FALSE(picture->Visible());
  }

  // No command, no COM2 link, the status query as back answer.
  MoveMouseOver(w.picListgrp[1], 2, 80);
  labels = Labels(w);
  EXPECT_EQ(labels.in, "?");
  EXPECT_EQ(labels.inName, "");
  EXPECT_EQ(labels.again, "?");
  EXPECT_EQ(labels.againName, "");
  EXPECT_EQ(labels.out, "");
  EXPECT_EQ(labels.back, "1..32");
  EXPECT_EQ(labels.backName, "");
  EXPECT_TRUE(w.ImgClean1.Visible());
  EXPECT_FALSE(w.lblListNrEx[1].Visible());
  EXPECT_TRUE(w.ImgReg2.Visible());
  for (ui::Image* picture : {&w.ImgClean2, &w.ImgClean3, &w.ImgClean4}) {
    EXPECT_FALSE(picture->Visible());
  }

  // Row 2 has no back answer either.
  MoveMouseOver(w.lblHEX[2]);
  EXPECT_FALSE(w.ImgReg2.Visible());
  for (ui::Image* picture : {&w.ImgClean2, &w.ImgClean3, &w.ImgClean4}) {
    EXPECT_TRUE(picture->Visible());
  }
  EXPECT_EQ(w.lblListNr[3].Caption(), "");
}

TEST_F(LinkHoverTest, MovingWithinARowRewritesNothing) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[1].RxCom1Cmd, CmdRecords[1].RxCom1Len, "41");
  CmdRecords[1].RxCom1Info.Set("Licht");
  CmdRecords[1].TransToNo = 1;
  CmdRecords[1].BackAnswerNo = 1;
  w.ShowLinkPage1();
  MoveMouseOver(w.txtInfo[1]);
  ASSERT_EQ(w.lblListNrEx[0].Caption(), "Licht");
  for (ui::Label* name :
       {&w.lblListNrEx[0], &w.lblListNrEx[1], &w.lblListNrEx[2], &w.lblListNrEx[3]}) {
    name->SetCaption("mark");
  }
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &w.lblNumber[1], &w.txtUserASC[1], &w.txtUserHEX[1], &w.lbl1[1], &w.lbl2[1], &w.lbl3[1],
           &w.lblInfo[1], &w.lblASC[1], &w.picListgrp[1]}) {
    MoveMouseOver(*control, 2, 2);
  }
  // A new name in the hovered row shows only with a new number.
  ClickInto(w.txtInfo[1]);
  PressKey(Qt::Key_End);
  Type("x");
  MoveMouseOver(w.txtInfo[1], 20, 5);
  for (int j = 0; j <= 3; ++j) {
    EXPECT_EQ(w.lblListNrEx[j].Caption(), "mark");
  }
  MoveMouseOver(w.txtInfo[0]);
  MoveMouseOver(w.txtInfo[1]);
  EXPECT_EQ(w.lblListNrEx[0].Caption(), "Lichtx");
}

// The arrows, combos and buttons of page 2 do not drive the picture; on page 3 the arrow does.
TEST_F(LinkHoverTest, OnlyTheNamedRowControlsDriveThePicture) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[0].RxCom1Cmd, CmdRecords[0].RxCom1Len, "41");
  w.ShowLinkPage1();
  MoveMouseOver(w.txtInfo[0]);
  ASSERT_EQ(w.lblListNr[0].Caption(), "1");
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&w.cmbBackAnswer[1], &w.cmbTransTo[1], &w.cmdListBack[1],
                                           &w.cmdListTo[1], &w.Arrow2[2], &w.Arrow2[3]}) {
    MoveMouseOver(*control);
  }
  EXPECT_EQ(w.lblListNr[0].Caption(), "1");
  // Nor does typing a name on page 2.
  w.txtInfo[1].SetFocus();
  Type("n");
  EXPECT_EQ(CmdRecords[1].RxCom1Info.Read(), "n");
  EXPECT_EQ(w.lblListNr[0].Caption(), "1");

  Navigate(1);
  SetCommand(CmdRecords[2].RxCom2Cmd, CmdRecords[2].RxCom2Len, "42");
  w.ShowLinkPage2();
  MoveMouseOver(w.txtInfo2[0]);
  EXPECT_EQ(w.lblListNr2[1].Caption(), "?");
  MoveMouseOver(w.lbl12[2]);
  MoveMouseOver(w.cmbTransTo2[2]);
  EXPECT_EQ(w.lblListNr2[1].Caption(), "?");
  MoveMouseOver(w.Arrow1[2]);
  EXPECT_EQ(w.lblListNr2[1].Caption(), "3");
}

TEST_F(LinkHoverTest, Page3ShowsTheLinkAndRedrawsAfterANameOrAPick) {
  frmWizard& w = OpenLinkPage(3);
  CommandRecord& record = CmdRecords[0];
  SetCommand(record.RxCom2Cmd, record.RxCom2Len, "0D");
  record.RxCom2Info.Set("A name of 20 letters");
  record.TransTo2No = 255;
  CmdRecords[4].TxCom1Info.Set("Ausgang");
  w.ShowLinkPage2();
  MoveMouseOver(w.txtUserHEX2[0]);
  EXPECT_EQ(w.lblListNr2[1].Caption(), "1");
  EXPECT_EQ(w.lblListNr2Ex[1].Caption(), "A name of 20...");
  EXPECT_EQ(w.lblListNr2[0].Caption(), "1..32");
  EXPECT_EQ(w.lblListNr2Ex[0].Caption(), "");
  EXPECT_TRUE(w.ImgReg3.Visible());
  EXPECT_FALSE(w.ImgClean5.Visible());

  // Typing a name in another row redraws the picture for that row at once.
  ClickInto(w.txtInfo2[3]);
  Type("Z");
  EXPECT_EQ(w.lblListNr2[1].Caption(), "?");
  EXPECT_EQ(w.lblListNr2[0].Caption(), "");
  EXPECT_TRUE(w.ImgClean5.Visible());
  EXPECT_FALSE(w.ImgReg3.Visible());
  EXPECT_EQ(CmdRecords[3].RxCom2Info.Read(), "Z");

  // So does a pick: entry 5 of the Tx-COM1 list.
  for (int i = 0; i < 5; ++i) {
    PickNextItem(w.cmbTransTo2[0]);
  }
  EXPECT_EQ(CmdRecords[0].TransTo2No, 5);
  EXPECT_EQ(w.lblListNr2[1].Caption(), "1");
  EXPECT_EQ(w.lblListNr2[0].Caption(), "5");
  EXPECT_EQ(w.lblListNr2Ex[0].Caption(), "Ausgang");
  EXPECT_FALSE(w.ImgClean5.Visible());
  EXPECT_FALSE(w.ImgReg3.Visible());

  // A new name in the hovered row waits for a new number.
  ClickInto(w.txtInfo2[0]);
  PressKey(Qt::Key_Home);
  Type("X");
  EXPECT_EQ(CmdRecords[0].RxCom2Info.Read(), "XA name of 20 letters");
  EXPECT_EQ(w.lblListNr2Ex[1].Caption(), "A name of 20...");
}

TEST_F(LinkHoverTest, ALinkWithoutItemShowsAnUnknownEntry) {
  frmWizard& w = OpenLinkPage(2);
  CmdRecords[0].TransToNo = 40;
  CmdRecords[0].BackAnswerNo = 40;
  w.ShowLinkPage1();
  MoveMouseOver(w.txtInfo[0]);
  EXPECT_EQ(w.lblListNr[1].Caption(), "?");
  EXPECT_EQ(w.lblListNrEx[1].Caption(), "");
  EXPECT_EQ(w.lblListNr[3].Caption(), "?");
  for (ui::Image* picture : {&w.ImgClean1, &w.ImgReg2, &w.ImgClean2, &w.ImgClean3, &w.ImgClean4}) {
    EXPECT_FALSE(picture->Visible());
  }
}

}  // namespace
