#include <QFontMetrics>
#include <QTest>
#include <string>
#include <utility>

#include "platform/messagebox.h"
#include "project/hex_text.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"
#include "tests/mainwindow/sample_project.h"
#include "texts/text_table.h"

namespace mb = platform::mb;

namespace {

constexpr platform::OleColor kYellow = 0xE0FFFF;
constexpr platform::OleColor kPink = 0xFFE0FF;
constexpr platform::OleColor kWhite = 0xFFFFFF;

// The stored command as its length field counts it.
std::string Command(const CommandRecord& record) {
  return record.RxCom1Cmd.Left(record.RxCom1Len);
}

void SetCommand(CommandRecord& record, const std::string& digits) {
  record.RxCom1Cmd.Set(digits);
  record.RxCom1Len = static_cast<std::int16_t>(digits.size());
}

class LinkPage2Test : public LinkPageTest {};

TEST_F(LinkPage2Test, ShowsEachLinkWithItsItemAndColour) {
  frmWizard& w = OpenLinkPage(2);
  NameEveryEntry();
  struct Case {
    std::uint8_t back, trans;
    int backIndex;
    platform::OleColor backColor;
    int transIndex;
    platform::OleColor transColor;
  };
  const Case cases[] = {
      {0, 0, 0, kYellow, 0, kYellow},     {255, 1, 1, kPink, 1, kWhite},
      {1, 32, 2, kWhite, 32, kWhite},     {32, 31, 33, kWhite, 31, kWhite},
      {40, 40, -1, kWhite, -1, kWhite},   {33, 33, -1, kWhite, -1, kWhite},
      {254, 255, -1, kWhite, -1, kWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int{c.back});
    CmdRecords[2].BackAnswerNo = c.back;
    CmdRecords[2].TransToNo = c.trans;
    w.ShowLinkPage1();
    EXPECT_EQ(w.cmbBackAnswer[2].ListIndex(), c.backIndex);
    EXPECT_EQ(w.cmbBackAnswer[2].BackColor(), c.backColor);
    EXPECT_EQ(w.cmbTransTo[2].ListIndex(), c.transIndex);
    EXPECT_EQ(w.cmbTransTo[2].BackColor(), c.transColor);
    EXPECT_EQ(CmdRecords[2].BackAnswerNo, c.back);
    EXPECT_EQ(CmdRecords[2].TransToNo, c.trans);
  }
  const ui::ComboBox& back = w.cmbBackAnswer[2];
  const ui::ComboBox& trans = w.cmbTransTo[2];
  ASSERT_EQ(back.ListCount(), 34);
  ASSERT_EQ(trans.ListCount(), 33);
  ASSERT_FALSE(LangText[610].empty());
  EXPECT_EQ(back.List(0), LangText[610] + " ");
  EXPECT_EQ(back.List(1), LangText[611]);
  EXPECT_EQ(back.List(2), "01 - Quittung 1");
  EXPECT_EQ(back.List(33), "32 - Quittung 32");
  EXPECT_EQ(trans.List(0), LangText[610] + " ");
  EXPECT_EQ(trans.List(1), "01 - Weiter an Anlage 1");
  EXPECT_EQ(trans.List(32), "32 - Tx2 32");
  EXPECT_EQ(back.ItemData(0), 0);
  EXPECT_EQ(back.ItemData(1), 255);
  EXPECT_EQ(back.ItemData(2), 1);
  EXPECT_EQ(back.ItemData(33), 32);
  EXPECT_EQ(trans.ItemData(32), 32);
}

// Hostile fields among them: NUL bytes, letters that are no hex digits, lengths beyond
// the field at both ends, link bytes without item.
TEST_F(LinkPage2Test, PagingBothPagesChangesNoByteOfTheRecords) {
  frmWizard& w = OpenLinkPage(2);
  FillProject();
  NameEveryEntry();
  CmdRecords[3].RxCom1Cmd = CommandText{};
  CmdRecords[3].RxCom1Len = 254;
  CmdRecords[4].RxCom1Cmd.Set("ZZZZ");
  CmdRecords[4].RxCom1Len = 4;
  CmdRecords[5].RxCom1Len = -3;
  CmdRecords[6].RxCom2Len = 300;
  CmdRecords[7].BackAnswerNo = 40;
  CmdRecords[7].TransToNo = 77;
  CmdRecords[8].TransTo2No = 99;
  CmdRecords[9].RxCom2Cmd.Set("4a4b");
  CmdRecords[9].RxCom2Len = 4;
  CmdRecords[10].RxCom1Info.bytes.fill('\0');
  w.RefreshListPages();
  const CommandRecordList before = CmdRecords;
  const ProjectHeader header = ProjHeader;

  for (int page = 0; page <= 7; ++page) {
    ASSERT_EQ(w.VScroll1.Value(), page);
    for (int r = 0; r <= 3; ++r) {
      for (ui::Control* control :
           std::initializer_list<ui::Control*>{&w.txtInfo[r], &w.txtUserASC[r], &w.txtUserHEX[r],
                                               &w.lblNumber[r], &w.picListgrp[r]}) {
        MoveMouseOver(*control);
      }
    }
    if (page < 7) {
      QTest::mouseClick(w.imgUpDownList[1].Widget(), Qt::LeftButton, {}, QPoint(8, 8));
    }
  }
  EXPECT_EQ(w.lblNumber[3].Caption(), "32");
  Navigate(1);
  ClickInto(w.VScroll2);
  for (int page = 0; page <= 7; ++page) {
    ASSERT_EQ(w.VScroll2.Value(), page);
    for (int r = 0; r <= 3; ++r) {
      MoveMouseOver(w.txtUserHEX2[r]);
      MoveMouseOver(w.picListgrp[4 + r]);
    }
    QTest::keyClick(w.VScroll2.Widget(), Qt::Key_PageDown);
  }
  EXPECT_TRUE(CmdRecords == before);
  EXPECT_TRUE(ProjHeader == header);
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(LinkPage2Test, FieldsThatHoldNoHexShowAnEmptyBoxAndStayUntilEdited) {
  frmWizard& w = OpenLinkPage(2);
  CmdRecords[0].RxCom1Cmd = CommandText{};  // never set: NUL bytes
  CmdRecords[0].RxCom1Len = 254;
  CmdRecords[1].RxCom1Cmd.Set("ZZZZ");
  CmdRecords[1].RxCom1Len = 4;
  w.ShowLinkPage1();
  const CommandRecordList before = CmdRecords;
  for (int r = 0; r <= 1; ++r) {
    EXPECT_EQ(FormatHex(w.txtUserHEX[r].Text(), true), "");
    EXPECT_EQ(w.txtUserASC[r].Text(), "");
  }
  ClickInto(w.txtInfo[0]);
  Type("x");
  EXPECT_TRUE(CmdRecords[1] == before[1]);
  EXPECT_TRUE(Command(CmdRecords[0]) == Command(before[0])) << "kept while the box is not edited";
  EXPECT_EQ(CmdRecords[0].RxCom1Info.Read(), "x");
  ClickInto(w.txtUserHEX[0]);
  Type("41");
  EXPECT_EQ(Command(CmdRecords[0]), "41");
}

// A command longer than a HEX box holds (read back from a module, or from a file) shows
// cut. Passing through its row, naming it or linking it keeps it whole; changing its
// digits stores what the box holds.
TEST_F(LinkPage2Test, ACommandLongerThanTheBoxStaysWholeUntilItsDigitsChange) {
  std::string digits80, digits254;
  for (int i = 0; i < 40; ++i) {
    digits80 += "4A";
  }
  while (digits254.size() < 254) {
    digits254 += "0123456789ABCDEF";
  }
  digits254.resize(254);
  for (const int page : {2, 3}) {
    SCOPED_TRACE(page);
    frmWizard& w = OpenLinkPage(page);
    const bool page2 = page == 2;
    const auto slot = [page2](CommandRecord& record) {
      return page2 ? std::pair{&record.RxCom1Cmd, &record.RxCom1Len}
                   : std::pair{&record.RxCom2Cmd, &record.RxCom2Len};
    };
    auto& name = page2 ? w.txtInfo : w.txtInfo2;
    auto& ascii = page2 ? w.txtUserASC : w.txtUserASC2;
    auto& hex = page2 ? w.txtUserHEX : w.txtUserHEX2;
    ui::ComboBox& link = page2 ? w.cmbBackAnswer[0] : w.cmbTransTo2[0];
    slot(CmdRecords[0]).first->Set(digits80);
    *slot(CmdRecords[0]).second = 80;
    slot(CmdRecords[1]).first->Set(digits254);
    *slot(CmdRecords[1]).second = 300;  // an answer of more than 127 bytes
    page2 ? w.ShowLinkPage1() : w.ShowLinkPage2();
    ASSERT_EQ(hex[0].Text().size(), 93u);

    ClickInto(hex[0]);
    ClickInto(name[0]);
    Type("n");
    PickNextItem(link);
    ClickInto(hex[1]);
    ClickInto(ascii[1]);
    PressKey(Qt::Key_Left);
    ClickInto(name[1]);
    EXPECT_EQ(slot(CmdRecords[0]).first->Left(80), digits80);
    EXPECT_EQ(*slot(CmdRecords[0]).second, 80);
    EXPECT_EQ(slot(CmdRecords[1]).first->Raw(), digits254);
    EXPECT_EQ(*slot(CmdRecords[1]).second, 300);
    EXPECT_EQ((page2 ? CmdRecords[0].RxCom1Info : CmdRecords[0].RxCom2Info).Read(), "n");
    EXPECT_EQ(page2 ? CmdRecords[0].BackAnswerNo : CmdRecords[0].TransTo2No, 255);

    // Leaving the box took its trailing blank; now its last digit goes.
    EXPECT_EQ(hex[0].Text().size(), 92u);
    ClickInto(hex[0]);
    PressKey(Qt::Key_End);
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(slot(CmdRecords[0]).first->Left(61), digits80.substr(0, 61));
    EXPECT_EQ(*slot(CmdRecords[0]).second, 61);
  }
}

TEST_F(LinkPage2Test, TypingHexStoresEveryKey) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtUserHEX[1]);
  Type("4");
  EXPECT_EQ(Command(CmdRecords[1]), "4");
  EXPECT_EQ(CmdRecords[1].RxCom1Len, 1);
  EXPECT_EQ(w.txtUserASC[1].Text(), "");
  Type("1");
  EXPECT_EQ(Command(CmdRecords[1]), "41");
  EXPECT_EQ(CmdRecords[1].RxCom1Len, 2);
  EXPECT_EQ(w.txtUserASC[1].Text(), "A");
  Type("gx!.");
  EXPECT_EQ(w.txtUserHEX[1].Text(), "41");
  ClickInto(w.txtInfo[1]);
  EXPECT_EQ(w.txtUserHEX[1].Text(), "41");

  ClickInto(w.txtUserHEX[2]);
  Type("ab c");
  EXPECT_EQ(w.txtUserHEX[2].Text(), "AB C");
  EXPECT_EQ(Command(CmdRecords[2]), "ABC");
  EXPECT_EQ(w.txtUserASC[2].Text(), "\xAB\x0C");
  PressKey(Qt::Key_Backspace);
  EXPECT_EQ(Command(CmdRecords[2]), "AB");
  // The caret stays where it was when a letter is made upper case.
  PressKey(Qt::Key_Home);
  Type("f");
  EXPECT_EQ(w.txtUserHEX[2].Text(), "FAB ");
  Type("0");
  EXPECT_EQ(w.txtUserHEX[2].Text(), "F0AB ");
  EXPECT_EQ(Command(CmdRecords[2]), "F0AB");
  ClickInto(w.txtInfo[0]);
  EXPECT_EQ(w.txtUserHEX[2].Text(), "F0 AB");
  EXPECT_EQ(CmdRecords[2].RxCom1Len, 4);
}

TEST_F(LinkPage2Test, TypingAsciiStoresItsHex) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtUserASC[0]);
  Type("A");
  EXPECT_EQ(w.txtUserHEX[0].Text(), "41 ");
  EXPECT_EQ(Command(CmdRecords[0]), "41");
  EXPECT_EQ(CmdRecords[0].RxCom1Len, 2);
  // Typing in the middle keeps the caret there.
  Type("C");
  PressKey(Qt::Key_Left);
  Type("B");
  EXPECT_EQ(w.txtUserASC[0].Text(), "ABC");
  EXPECT_EQ(Command(CmdRecords[0]), "414243");
  ClickInto(w.txtUserHEX[0]);
  ClickInto(w.txtInfo[0]);
  EXPECT_EQ(w.txtUserHEX[0].Text(), "41 42 43");
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

// The warning comes with every edit of an ASCII text that holds a "|"; keys that leave
// the text as it was convert nothing.
TEST_F(LinkPage2Test, AVerticalBarWarnsAtEveryEditOfTheAsciiText) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[0], "0041");
  w.ShowLinkPage1();
  EXPECT_EQ(w.txtUserASC[0].Text(), "|A");
  ClickInto(w.txtUserASC[0]);
  PressKey(Qt::Key_End);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_EQ(Command(CmdRecords[0]), "0041");
  Type("B");
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[608]);
  EXPECT_EQ(ui.MessageBoxes()[0].title, "Hex 00/7C");
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Exclamation);
  EXPECT_TRUE(ui.MessageBoxes()[0].style & mb::SetForeground);
  EXPECT_EQ(Command(CmdRecords[0]), "7C4142");
  PressKey(Qt::Key_Left);
  PressKey(Qt::Key_Shift);
  PressKey(Qt::Key_Control);
  EXPECT_EQ(ui.MessageBoxes().size(), 1u);
  PressKey(Qt::Key_Backspace);
  EXPECT_EQ(ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(Command(CmdRecords[0]), "7C42");
  // Enter moves on without a conversion.
  PressKey(Qt::Key_Return);
  EXPECT_EQ(ui.MessageBoxes().size(), 2u);
  EXPECT_TRUE(w.txtUserHEX[0].HasFocus());
  EXPECT_EQ(w.txtUserHEX[0].Text(), "7C 42");
}

// Coming into the ASCII box by Tab converts nothing: byte 00 stays 00.
TEST_F(LinkPage2Test, TabbingThroughARowChangesNoCommand) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[0], "0041");
  w.ShowLinkPage1();
  ClickInto(w.txtInfo[0]);
  PressKey(Qt::Key_Tab);
  EXPECT_TRUE(w.txtUserASC[0].HasFocus());
  PressKey(Qt::Key_Tab);
  EXPECT_TRUE(w.txtUserHEX[0].HasFocus());
  PressKey(Qt::Key_Tab);
  EXPECT_FALSE(w.txtUserHEX[0].HasFocus());
  EXPECT_EQ(Command(CmdRecords[0]), "0041");
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

// Every character key reaches the record, the last one typed included.
TEST_F(LinkPage2Test, PunctuationAndUmlautsTypedAsAsciiAreStored) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtUserASC[0]);
  for (const int key : {Qt::Key_Exclam, Qt::Key_At, Qt::Key_Udiaeresis}) {
    QTest::sendKeyEvent(QTest::Click, w.txtUserASC[0].Widget(), static_cast<Qt::Key>(key),
                        QString(QChar(key)), Qt::NoModifier);
  }
  EXPECT_EQ(w.txtUserASC[0].Text(), "!@\xDC");
  EXPECT_EQ(Command(CmdRecords[0]), "2140DC");
}

// Copy and paste keys work in the HEX box; what they bring in is filtered.
TEST_F(LinkPage2Test, ClipboardKeysWorkInTheHexBox) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[0], "4142");
  w.ShowLinkPage1();
  ClickInto(w.txtUserHEX[0]);
  // As the window system gives them: the control character as the key's text.
  QTest::sendKeyEvent(QTest::Click, w.txtUserHEX[0].Widget(), Qt::Key_A, QChar(1),
                      Qt::ControlModifier);
  QTest::sendKeyEvent(QTest::Click, w.txtUserHEX[0].Widget(), Qt::Key_C, QChar(3),
                      Qt::ControlModifier);
  EXPECT_EQ(platform::ui::ClipboardText(), "41 42");
  ClickInto(w.txtUserHEX[1]);
  platform::ui::SetClipboardText("0d-0a");
  QTest::sendKeyEvent(QTest::Click, w.txtUserHEX[1].Widget(), Qt::Key_V, QChar(0x16),
                      Qt::ControlModifier);
  EXPECT_EQ(w.txtUserHEX[1].Text(), "0D0A");
  EXPECT_EQ(Command(CmdRecords[1]), "0D0A");
}

// Enter walks name, ASCII and HEX box, then the next row, and from the last row of the
// last page back to the first page.
TEST_F(LinkPage2Test, EnterWalksTheRowsAndPages) {
  frmWizard& w = OpenLinkPage(2);
  w.VScroll1.SetValue(6);
  ClickInto(w.txtInfo[2]);
  Type("Licht");
  PressKey(Qt::Key_Return);
  EXPECT_TRUE(w.txtUserASC[2].HasFocus());
  Type("AB");
  PressKey(Qt::Key_Return);
  EXPECT_TRUE(w.txtUserHEX[2].HasFocus());
  EXPECT_EQ(w.txtUserHEX[2].Text(), "41 42");
  PressKey(Qt::Key_Return);
  EXPECT_TRUE(w.txtInfo[3].HasFocus());
  EXPECT_EQ(CmdRecords[26].RxCom1Info.Read(), "Licht");
  EXPECT_EQ(Command(CmdRecords[26]), "4142");
  PressKey(Qt::Key_Return);
  PressKey(Qt::Key_Return);
  EXPECT_TRUE(w.txtUserHEX[3].HasFocus());
  Type("7");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(w.VScroll1.Value(), 7);
  EXPECT_TRUE(w.txtInfo[0].HasFocus());
  EXPECT_EQ(Command(CmdRecords[27]), "7");

  ClickInto(w.txtUserHEX[3]);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(w.VScroll1.Value(), 0);
  EXPECT_EQ(w.lblNumber[0].Caption(), "1");
  EXPECT_TRUE(w.txtInfo[0].HasFocus());
  EXPECT_FALSE(w.imgUpDownList[0].Visible());
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(LinkPage2Test, PickingNoBackAnswerClearsTheQueryFilter) {
  frmWizard& w = OpenLinkPage(2);
  CmdRecords[1].BackAnswerNo = 3;
  CmdRecords[1].Filter1Matrix[0] = 1;
  CmdRecords[1].Filter1Matrix[31] = 1;
  w.ShowLinkPage1();
  const MatrixRow filter = CmdRecords[1].Filter1Matrix;
  ui::ComboBox& back = w.cmbBackAnswer[1];
  ClickInto(back);
  PickNextItem(back);
  EXPECT_EQ(CmdRecords[1].BackAnswerNo, 4);
  EXPECT_EQ(CmdRecords[1].Filter1Matrix, filter);
  QTest::keyClick(back.Widget(), Qt::Key_Home);
  EXPECT_EQ(back.ListIndex(), 0);
  EXPECT_EQ(CmdRecords[1].BackAnswerNo, 0);
  EXPECT_EQ(CmdRecords[1].Filter1Matrix, MatrixRow{});
  EXPECT_EQ(back.BackColor(), kYellow);
  CmdRecords[1].Filter1Matrix = filter;
  PickNextItem(back);
  EXPECT_EQ(CmdRecords[1].BackAnswerNo, 255);
  EXPECT_EQ(CmdRecords[1].Filter1Matrix, filter);
  EXPECT_EQ(back.BackColor(), kPink);

  ui::ComboBox& trans = w.cmbTransTo[1];
  PickNextItem(trans);
  PickNextItem(trans);
  EXPECT_EQ(CmdRecords[1].TransToNo, 2);
  EXPECT_EQ(trans.BackColor(), kWhite);
  EXPECT_EQ(CmdRecords[1].Filter1Matrix, filter);
}

TEST_F(LinkPage2Test, ALinkByteWithoutItemIsKeptWhenTheRowIsStored) {
  frmWizard& w = OpenLinkPage(2);
  CmdRecords[0].BackAnswerNo = 40;
  CmdRecords[0].TransToNo = 40;
  CmdRecords[0].Filter1Matrix[5] = 1;
  w.ShowLinkPage1();
  ClickInto(w.txtInfo[0]);
  Type("Pumpe");
  EXPECT_EQ(CmdRecords[0].RxCom1Info.Read(), "Pumpe");
  EXPECT_EQ(CmdRecords[0].BackAnswerNo, 40);
  EXPECT_EQ(CmdRecords[0].TransToNo, 40);
  EXPECT_EQ(CmdRecords[0].Filter1Matrix[5], 1);
}

TEST_F(LinkPage2Test, APasteIsCutToTheBoxLimit) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtInfo[0]);
  Paste(std::string(10000, 'n'));
  EXPECT_EQ(CmdRecords[0].RxCom1Info.Read(), std::string(64, 'n'));
  ClickInto(w.txtUserASC[1]);
  Paste(std::string(10000, 'a'));
  EXPECT_EQ(w.txtUserASC[1].Text(), std::string(31, 'a'));
  EXPECT_EQ(Command(CmdRecords[1]), AsciiToHex(std::string(31, 'a'), true));
  ClickInto(w.txtUserHEX[2]);
  std::string pairs;
  while (pairs.size() < 10000) {
    pairs += "4f ";
  }
  Paste(pairs);
  EXPECT_EQ(w.txtUserHEX[2].Text().size(), 93u);
  EXPECT_EQ(Command(CmdRecords[2]), FormatHex(pairs.substr(0, 93), true));
  EXPECT_EQ(CmdRecords[2].RxCom1Len, 62);
  // Pasted text that is no hex keeps only its digits and blanks.
  ClickInto(w.txtUserHEX[3]);
  Paste("41 zz\t42 xy");
  EXPECT_EQ(w.txtUserHEX[3].Text(), "41 42 ");
  EXPECT_EQ(Command(CmdRecords[3]), "4142");
}

TEST_F(LinkPage2Test, PagingStopsAtBothEnds) {
  frmWizard& w = OpenLinkPage(2);
  EXPECT_FALSE(w.imgUpDownList[0].Visible());
  EXPECT_TRUE(w.imgUpDownList[1].Visible());
  w.imgUpDownList_Click(0);
  EXPECT_EQ(w.VScroll1.Value(), 0);
  QTest::mouseClick(w.imgUpDownList[1].Widget(), Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_EQ(w.VScroll1.Value(), 1);
  EXPECT_EQ(w.lblNumber[0].Caption(), "5");
  EXPECT_TRUE(w.imgUpDownList[0].Visible());
  EXPECT_TRUE(w.imgUpDownList[1].Visible());
  w.VScroll1.SetValue(7);
  EXPECT_TRUE(w.imgUpDownList[0].Visible());
  EXPECT_FALSE(w.imgUpDownList[1].Visible());
  EXPECT_EQ(w.lblNumber[3].Caption(), "32");
  w.imgUpDownList_Click(1);
  EXPECT_EQ(w.VScroll1.Value(), 7);
  EXPECT_EQ(w.lblNumber[3].Caption(), "32");
  QTest::mouseClick(w.imgUpDownList[0].Widget(), Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_EQ(w.VScroll1.Value(), 6);
}

TEST_F(LinkPage2Test, DoubleClickOnAPairMarksItsCharacter) {
  frmWizard& w = OpenLinkPage(2);
  SetCommand(CmdRecords[0], "414243");
  w.ShowLinkPage1();
  ui::TextBox& hex = w.txtUserHEX[0];
  ClickInto(hex);
  const int x = QFontMetrics(hex.Widget()->font()).horizontalAdvance("41 4") + 3;
  DoubleClickAt(hex, x);
  EXPECT_TRUE(w.txtUserASC[0].HasFocus());
  EXPECT_EQ(w.txtUserASC[0].SelStart(), 1);
  EXPECT_EQ(w.txtUserASC[0].SelText(), "B");
}

// The window goes while a box it would reformat on leaving has the focus.
TEST_F(LinkPage2Test, ClosingWithTheFocusInAHexBoxIsSafe) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtUserHEX[3]);
  Type("414");
  wizard.reset();
  EXPECT_EQ(Command(CmdRecords[3]), "414");
}

// What a user typed on both pages is what a saved project file carries.
TEST_F(LinkPage2Test, TypedRowsReachTheSavedFile) {
  frmWizard& w = OpenLinkPage(2);
  ClickInto(w.txtInfo[1]);
  Type("Tor auf");
  PressKey(Qt::Key_Return);
  Type("T1");
  PickNextItem(w.cmbBackAnswer[1]);
  Navigate(1);
  ClickInto(w.txtUserHEX2[3]);
  Type("0d0a");
  PickNextItem(w.cmbTransTo2[3]);
  PickNextItem(w.cmbTransTo2[3]);
  const std::string path = program.File("typed.vrx");
  ui.QueueFileDialogAnswer(path);
  w.cmdLoadSave[1].PerformClick();
  ProjectHeader header;
  CommandRecordList records;
  ASSERT_EQ(ReadProjectFile(path, header, records), ProjectFileRead::Loaded);
  EXPECT_EQ(records[1].RxCom1Info.Read(), "Tor auf");
  EXPECT_EQ(Command(records[1]), "5431");
  EXPECT_EQ(records[1].BackAnswerNo, 255);
  EXPECT_EQ(records[3].RxCom2Cmd.Left(records[3].RxCom2Len), "0D0A");
  EXPECT_EQ(records[3].TransTo2No, 1);
}

}  // namespace
