#include <QLineEdit>

#include "platform/messagebox.h"
#include "tests/dialogs/list_editor_fixture.h"

namespace {

QLineEdit& Line(ui::TextBox& box) {
  return *static_cast<QLineEdit*>(box.Widget());
}

struct ListLook {
  int kind;
  const char* caption;
  int icon;
  TextKey info;
};

// Each list shows its own fields, with its caption, icon and info line.
TEST_F(ListEditorTest, EachListKindShowsItsOwnFieldsAndLook) {
  for (int kind = 1; kind <= 5; ++kind) {
    SetEntry(0, kind, '0' + std::to_string(kind), "list " + std::to_string(kind));
  }
  const ListLook looks[] = {{1, "Rx-COM 1", 0, 510},
                            {2, "List B (copy of C)", 1, 511},
                            {3, "Tx-COM 1", 1, 512},
                            {4, "Tx-COM 2", 3, 513},
                            {5, "Rx-COM 2", 2, 514}};
  for (const ListLook& look : looks) {
    SCOPED_TRACE(look.kind);
    StoreAscFill("0");
    frmList& w = Open(look.kind);
    EXPECT_EQ(w.Caption(), look.caption);
    for (int icon = 0; icon <= 3; ++icon) {
      EXPECT_EQ(w.Img1[icon].Visible(), icon == look.icon);
    }
    EXPECT_EQ(w.lblListInfo.Caption(), LangText[look.info]);
    EXPECT_EQ(w.txtUserHEX[0].Text(), '0' + std::to_string(look.kind));
    EXPECT_EQ(w.txtUserASC[0].Text(), std::string(1, static_cast<char>(look.kind)));
    EXPECT_EQ(w.txtInfo[0].Text(), "list " + std::to_string(look.kind));
  }
}

// Names and command texts that look like markup show and are stored as typed.
TEST_F(ListEditorTest, NamesAndAsciiTextsShowAsTyped) {
  const struct {
    const char* hex;
    const char* ascii;
    const char* name;
  } rows[] = {{"3C623E", "<b>", "<b>Alpha</b> and <i>Beta</i> here"},
              {"3C5355423E", "<SUB>", "<SUB> end of file"},
              {"26616D703B", "&amp;", "&amp; &lt;CR&gt;"},
              {"3C62723E", "<br>", "one<br>two"}};
  for (int row = 0; row < 4; ++row) {
    SetEntry(row, 1, rows[row].hex, rows[row].name);
  }
  frmList& w = Open(1);
  for (int row = 0; row < 4; ++row) {
    SCOPED_TRACE(rows[row].name);
    EXPECT_EQ(Line(w.txtInfo[row]).displayText(), rows[row].name);
    EXPECT_EQ(Line(w.txtUserASC[row]).displayText(), rows[row].ascii);
  }
  Type(w.txtInfo[5], "<b>x</b> &amp;");
  EXPECT_EQ(Name(5, 1), "<b>x</b> &amp;");
  EXPECT_EQ(Line(w.txtInfo[5]).displayText(), "<b>x</b> &amp;");
}

TEST_F(ListEditorTest, AnotherListKindShowsAndStoresNothing) {
  SetEntry(0, 1, "41", "kept");
  const CommandRecordList before = CmdRecords;
  for (int kind : {0, 6}) {
    frmList& w = Open(kind);
    EXPECT_EQ(w.Caption(), "");
    EXPECT_EQ(w.lblListInfo.Caption(), "");
    EXPECT_EQ(w.txtUserHEX[0].Text(), "");
    Type(w.txtUserHEX[0], "42");
    Type(w.txtInfo[0], "x");
    EXPECT_EQ(ChangedRecords(before), std::vector<int>{});
  }
}

struct Opening {
  int recordNo;
  int page;
  int focusRow;  // a record outside the list moves no focus: the first box keeps it
};

TEST_F(ListEditorTest, OpensOnThePageOfTheRecordWithItsDescriptionFocused) {
  for (const Opening& opening : {Opening{13, 1, 5}, Opening{0, 0, 0}, Opening{31, 3, 7},
                                 Opening{32, 0, 0}, Opening{-1, 0, 0}}) {
    SCOPED_TRACE(opening.recordNo);
    frmList& w = Open(1, opening.recordNo);
    EXPECT_EQ(w.VScroll1.Value(), opening.page);
    EXPECT_EQ(w.lblNumber[0].Caption(), std::to_string(8 * opening.page + 1));
    EXPECT_EQ(w.lblNumber[7].Caption(), std::to_string(8 * opening.page + 8));
    EXPECT_EQ(w.imgUpDownList[0].Visible(), opening.page != 0);
    EXPECT_EQ(w.imgUpDownList[1].Visible(), opening.page != 3);
    for (int row = 0; row <= 7; ++row) {
      EXPECT_EQ(w.txtInfo[row].HasFocus(), row == opening.focusRow) << row;
    }
  }
}

TEST_F(ListEditorTest, EnterWalksDescriptionAsciiHexAndOnToTheNextRow) {
  frmList& w = Open(1);
  uitest::PressKey(w.txtInfo[0], 13);
  EXPECT_TRUE(w.txtUserASC[0].HasFocus());
  uitest::PressKey(w.txtUserASC[0], 13);
  EXPECT_TRUE(w.txtUserHEX[0].HasFocus());
  uitest::PressKey(w.txtUserHEX[0], 13);
  EXPECT_TRUE(w.txtInfo[1].HasFocus());
  EXPECT_EQ(w.txtUserHEX[0].Text(), "");
}

TEST_F(ListEditorTest, EnterInTheLastRowTurnsToTheNextPageAndFromTheLastToTheFirst) {
  SetEntry(16, 1, "16", "");
  for (const auto& [page, next] : {std::pair{1, 2}, std::pair{3, 0}}) {
    frmList& w = Open(1, 8 * page + 7);
    w.txtUserHEX[7].SetFocus();
    uitest::PressKey(w.txtUserHEX[7], 13);
    EXPECT_EQ(w.VScroll1.Value(), next);
    EXPECT_EQ(w.lblNumber[0].Caption(), std::to_string(8 * next + 1));
    EXPECT_TRUE(w.txtInfo[0].HasFocus());
    EXPECT_EQ(w.txtUserHEX[0].Text(), next == 2 ? "16" : "");
  }
}

TEST_F(ListEditorTest, HexBoxTakesHexDigitsAndBlanksAndStoresAnOddDigitUnchanged) {
  frmList& w = Open(1);
  Type(w.txtUserHEX[0], "4g1 a\xE4z!");
  EXPECT_EQ(w.txtUserHEX[0].Text(), "41 A");
  EXPECT_EQ(w.txtUserASC[0].Text(), "A\n");
  EXPECT_EQ(CmdRecords[0].RxCom1Cmd.Raw(), "41A" + std::string(251, ' '));
  EXPECT_EQ(CmdRecords[0].RxCom1Len, 3);
}

TEST_F(ListEditorTest, AsciiTypedGivesPairsTidiedWhenTheHexBoxIsLeft) {
  StoreAscFill("0");
  frmList& w = Open(1);
  Type(w.txtUserASC[2], "ABC");
  EXPECT_EQ(w.txtUserHEX[2].Text(), "41 42 43 ");
  EXPECT_EQ(CmdRecords[2].RxCom1Cmd.Raw(), "414243" + std::string(248, ' '));
  EXPECT_EQ(CmdRecords[2].RxCom1Len, 6);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  uitest::PressKey(w.txtUserASC[2], 13);
  EXPECT_EQ(w.txtUserHEX[2].Text(), "41 42 43");
  EXPECT_EQ(w.txtInfo[2].Text(), "");
}

TEST_F(ListEditorTest, DescriptionFollowsTheAsciiTextOnlyWhenChecked) {
  for (bool checked : {true, false}) {
    SCOPED_TRACE(checked);
    SetEntry(0, 1, "", "old name");
    StoreAscFill(checked ? "1" : "0");
    frmList& w = Open(1);
    EXPECT_EQ(w.chkDesc.Value(), checked ? ui::vb::Checked : ui::vb::Unchecked);
    EXPECT_EQ(w.txtInfo[0].Text(), "old name");
    Type(w.txtUserHEX[0], "41 0D 42");
    EXPECT_EQ(w.txtUserASC[0].Text(), "A\rB");
    EXPECT_EQ(Name(0, 1), checked ? "AB" : "old name");
    Type(w.txtInfo[0], " C");
    EXPECT_EQ(Name(0, 1), checked ? "AB C" : "old name C");
  }
}

// Showing a page is no edit: with chkDesc checked its rows keep their names.
TEST_F(ListEditorTest, TurningThePageWithChkDescRenamesNoRow) {
  SetEntry(0, 1, "41", "zero");
  SetEntry(8, 1, "42", "eight");
  SetEntry(9, 1, "", "nine");
  SetEntry(2, 1, "43", "two");
  SetEntry(10, 1, "", "ten");
  const CommandRecordList before = CmdRecords;
  frmList& w = Open(1);
  EXPECT_EQ(w.txtInfo[0].Text(), "zero");
  uitest::ClickControl(w.imgUpDownList[1]);
  EXPECT_EQ(w.VScroll1.Value(), 1);
  EXPECT_TRUE(w.imgUpDownList[0].Visible());
  EXPECT_EQ(w.txtInfo[0].Text(), "eight");
  uitest::ClickControl(w.imgUpDownList[0]);
  EXPECT_EQ(w.VScroll1.Value(), 0);
  EXPECT_FALSE(w.imgUpDownList[0].Visible());
  EXPECT_EQ(ChangedRecords(before), std::vector<int>{});
}

TEST_F(ListEditorTest, TxCom1ListIsStoredIntoTheBackAnswersAsWell) {
  StoreAscFill("0");
  SetEntry(1, 3, "4142", "one");
  SetEntry(1, 2, "FF", "old back");
  SetEntry(2, 2, "EE", "kept");
  SetEntry(9, 3, "43", "nine");
  frmList& w = Open(3);
  EXPECT_EQ(Command(1, 2), "4142");  // merely shown
  EXPECT_EQ(Name(1, 2), "one");
  EXPECT_EQ(Command(2, 2), "EE");  // an empty row changes nothing at the first showing
  EXPECT_EQ(Name(2, 2), "kept");
  EXPECT_EQ(Command(9, 2), "");
  Type(w.txtUserHEX[3], "44");
  EXPECT_EQ(Command(3, 2), "44");
  EXPECT_EQ(Command(3, 3), "44");
  uitest::ClickControl(w.imgUpDownList[1]);
  EXPECT_EQ(Command(9, 2), "43");
  EXPECT_EQ(Name(9, 2), "nine");
}

TEST_F(ListEditorTest, BackAnswerListLeavesTxCom1Alone) {
  SetEntry(0, 3, "41", "c");
  frmList& w = Open(2);
  Type(w.txtUserHEX[0], "42");
  EXPECT_EQ(Command(0, 2), "42");
  EXPECT_EQ(Command(0, 3), "41");
  EXPECT_EQ(Name(0, 3), "c");
}

struct KeyRelease {
  int keyCode;
  bool warns;
};

// Byte 00 shows as "|"; a character typed into the ASCII box writes it back as 7C and
// warns. Keys that leave the text as it was, and the releases that come with the
// focus, write nothing.
TEST_F(ListEditorTest, AsciiTextWithABarWarnsWhenItIsEdited) {
  for (const KeyRelease& key : {KeyRelease{32, true}, KeyRelease{35, false}, KeyRelease{9, false},
                                KeyRelease{16, false}, KeyRelease{17, false}}) {
    SCOPED_TRACE(key.keyCode);
    CmdRecords = CommandRecordList{};
    frmList& w = Open(1);
    Type(w.txtUserHEX[0], "00 41");
    EXPECT_EQ(w.txtUserASC[0].Text(), "|A");
    ui.ClearRecords();
    if (key.keyCode == 9) {
      w.txtInfo[0].SetFocus();
      uitest::PressKey(w.txtInfo[0], 9);
      ASSERT_TRUE(w.txtUserASC[0].HasFocus());
    } else {
      w.txtUserASC[0].SetFocus();
      uitest::PressKey(w.txtUserASC[0], key.keyCode);
    }
    ASSERT_EQ(ui.MessageBoxes().size(), key.warns ? 1u : 0u);
    EXPECT_EQ(Command(0, 1), key.warns ? "7C4120" : "0041");
    if (key.warns) {
      EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[515]);
      EXPECT_EQ(ui.MessageBoxes()[0].title, ui::DefaultTitle());
      EXPECT_EQ(ui.MessageBoxes()[0].style, platform::mb::OkOnly);
    }
  }
}

TEST_F(ListEditorTest, DoubleClickOnAPairMarksItsCharacter) {
  frmList& w = Open(1);
  Type(w.txtUserHEX[0], "41 42 43");
  QLineEdit& hex = Line(w.txtUserHEX[0]);
  const int x = 4 + QFontMetrics(hex.font()).horizontalAdvance("41 4");  // inside the "42"
  QTest::mouseDClick(&hex, Qt::LeftButton, {}, QPoint(x, hex.height() / 2));
  EXPECT_TRUE(w.txtUserASC[0].HasFocus());
  EXPECT_EQ(w.txtUserASC[0].SelStart(), 1);
  EXPECT_EQ(w.txtUserASC[0].SelText(), "B");
}

// Never set (NULs), not hex, mixed, a length out of range, lower case, too long.
TEST_F(ListEditorTest, CommandsTheBoxCannotShowAreKeptUntilTheRowGetsANewOne) {
  StoreAscFill("0");
  CmdRecords[0].RxCom1Len = 4;
  SetEntry(1, 1, "ZZ", "");
  SetEntry(2, 1, "41Z2", "");
  SetEntry(3, 1, "4142", "");
  CmdRecords[3].RxCom1Len = -3;
  SetEntry(4, 1, "4a", "");
  SetEntry(5, 1, std::string(254, 'A'), "");
  const CommandRecordList before = CmdRecords;
  frmList& w = Open(1);
  for (int row = 0; row <= 3; ++row) {
    EXPECT_EQ(w.txtUserHEX[row].Text(), "") << row;
  }
  EXPECT_EQ(w.txtUserHEX[4].Text(), "4A");
  EXPECT_EQ(w.txtUserHEX[5].Text().size(), 93u);
  uitest::ClickControl(w.imgUpDownList[1]);
  uitest::ClickControl(w.imgUpDownList[0]);
  EXPECT_EQ(ChangedRecords(before), std::vector<int>{});
  Type(w.txtInfo[1], "name");
  EXPECT_EQ(Name(1, 1), "name");
  EXPECT_EQ(Command(1, 1), "ZZ");
  Type(w.txtUserHEX[1], "12");
  EXPECT_EQ(Command(1, 1), "12");
}

// The focus passing through a row, and keys that leave its text as it is, give it no
// new command: one longer than the box shows stays whole.
TEST_F(ListEditorTest, ACommandLongerThanTheBoxStaysWholeWhileTheFocusPassesThrough) {
  StoreAscFill("0");
  const std::string longCommand(80, '4');
  SetEntry(0, 1, longCommand, "long");
  frmList& w = Open(1);
  uitest::PressKey(w.txtInfo[0], 9);
  uitest::PressKey(w.txtUserASC[0], 9);
  uitest::PressKey(w.txtUserHEX[0], 9);
  ASSERT_TRUE(w.txtInfo[1].HasFocus());
  const std::string shownPairs = w.txtUserHEX[0].Text();
  w.txtUserASC[0].SetFocus();
  uitest::PressKey(w.txtUserASC[0], 36);  // Home
  EXPECT_EQ(Command(0, 1), longCommand);
  EXPECT_EQ(w.txtUserHEX[0].Text(), shownPairs);
  w.txtUserHEX[0].SetFocus();
  w.txtUserHEX[0].SetSelStart(static_cast<int>(w.txtUserHEX[0].Text().size()));
  uitest::PressKey(w.txtUserHEX[0], 32);  // a blank behind the last pair
  EXPECT_EQ(Command(0, 1), longCommand);
  uitest::PressKey(w.txtUserHEX[0], 8);
  EXPECT_EQ(Command(0, 1), longCommand);
  uitest::PressKey(w.txtUserHEX[0], 8);
  EXPECT_EQ(Command(0, 1), std::string(61, '4'));
}

// Opening the Tx-COM1 list copies a command it keeps as stored into the back answers
// whole, with its name.
TEST_F(ListEditorTest, TxCom1CommandKeptAsStoredGoesIntoTheBackAnswersWhole) {
  StoreAscFill("0");
  SetEntry(0, 3, "4a", "lower");
  SetEntry(1, 3, std::string(80, '4'), "long");
  for (int r : {0, 1}) {
    SetEntry(r, 2, "FF", "old");
  }
  Open(3);
  for (int r : {0, 1}) {
    SCOPED_TRACE(r);
    EXPECT_EQ(CmdRecords[r].TxCom1BackLen, CmdRecords[r].TxCom1Len);
    EXPECT_EQ(CmdRecords[r].TxCom1BackCmd, CmdRecords[r].TxCom1Cmd);
    EXPECT_EQ(CmdRecords[r].TxCom1BackInfo, CmdRecords[r].TxCom1Info);
  }
  EXPECT_EQ(Command(0, 3), "4a");
}

// Punctuation, letters beyond A-Z and the euro sign, each key as the keyboard sends it.
TEST_F(ListEditorTest, EveryCharacterTypedIntoTheAsciiBoxIsStored) {
  StoreAscFill("0");
  frmList& w = Open(1);
  Type(w.txtUserASC[0], "a/\xE4\x80");
  EXPECT_EQ(w.txtUserHEX[0].Text(), "61 2F E4 80 ");
  EXPECT_EQ(Command(0, 1), "612FE480");
}

TEST_F(ListEditorTest, PastedTextIsCutToTheLimitAndFilteredInTheHexBox) {
  frmList& w = Open(1);
  QLineEdit& hex = Line(w.txtUserHEX[0]);
  ui::SetClipboardText(std::string(10000, '7'));
  w.txtUserHEX[0].SetFocus();
  QTest::keyClick(&hex, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(w.txtUserHEX[0].Text(), std::string(93, '7'));
  EXPECT_EQ(CmdRecords[0].RxCom1Len, 93);
  // Ctrl+V as the window system delivers it, with its control code.
  ui::SetClipboardText("4g1 x\tAB");
  hex.clear();
  QTest::sendKeyEvent(QTest::Click, &hex, Qt::Key_V, QChar(0x16), Qt::ControlModifier);
  EXPECT_EQ(w.txtUserHEX[0].Text(), "41 AB");
  EXPECT_EQ(Command(0, 1), "41AB");
  ui::SetClipboardText(std::string(10000, 'x'));
  w.txtUserASC[1].SetFocus();
  QTest::keyClick(&Line(w.txtUserASC[1]), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(w.txtUserASC[1].Text(), std::string(31, 'x'));
  EXPECT_EQ(CmdRecords[1].RxCom1Len, 62);
}

// Only the named fields of the edited record change: the rest of every record keeps
// each of its bytes.
TEST_F(ListEditorTest, EditingChangesOnlyTheFieldsOfTheEditedEntry) {
  StoreAscFill("0");
  for (int r = 0; r < kRecordCount; ++r) {
    for (int kind = 1; kind <= 5; ++kind) {
      SetEntry(r, kind, "A1B2", "name " + std::to_string(r));
    }
    CmdRecords[r].BackAnswerNo = 3;
    CmdRecords[r].TransToNo = 4;
    CmdRecords[r].TransTo2No = 255;
    CmdRecords[r].StatusMatrix.fill(2);
    CmdRecords[r].Filter1Matrix.fill(1);
  }
  CmdRecords[11].TxCom2Info.bytes.fill('\0');  // never set: a key that changes nothing keeps it
  CommandRecordList expected = CmdRecords;
  frmList& w = Open(4, 10);
  Type(w.txtInfo[2], " X");
  Type(w.txtUserASC[2], "Z");
  uitest::PressKey(w.txtInfo[3], 35);
  expected[10].TxCom2Info.Set("name 10 X");
  expected[10].TxCom2Cmd.Set("A1B25A");
  expected[10].TxCom2Len = 6;
  EXPECT_EQ(ChangedRecords(expected), std::vector<int>{});
}

struct NeverNamedEntry {
  int kind;
  const char* ascFill;
  const char* name;  // typed into the description first
  const char* hex;   // then typed into the HEX box
  const char* command;
  const char* storedName;  // before the blank padding of the field
};

// Names never set hold NULs, as at program start. A row the user stores gets its name
// left-aligned and padded with blanks, in the back answers too for Tx-COM1; rows only
// shown keep their NULs, an empty one whose HEX box a page turn empties included.
TEST_F(ListEditorTest, ARowTheUserStoresGetsANameNeverSetPaddedWithBlanks) {
  const NeverNamedEntry entries[] = {
      {1, "0", "", "41", "41", ""},
      {3, "0", "", "41 42", "4142", ""},
      {5, "0", "ab", "41", "41", "ab"},
      {4, "1", "", "42", "42", "B"},
  };
  const std::string never(64, '\0');
  for (const NeverNamedEntry& e : entries) {
    SCOPED_TRACE(e.kind);
    CmdRecords = CommandRecordList{};
    SetEntry(1, e.kind, "43", "");
    FieldsOf(CmdRecords[1], e.kind)->Info->bytes.fill('\0');
    StoreAscFill(e.ascFill);
    frmList& w = Open(e.kind);
    uitest::ClickControl(w.imgUpDownList[1]);  // row 1 turns from entry 2 to the empty 10
    ASSERT_EQ(w.VScroll1.Value(), 1);
    if (*e.name != '\0') {
      w.txtInfo[0].SetFocus();
      QTest::keyClicks(w.txtInfo[0].Widget(), QString::fromLatin1(e.name));
    }
    w.txtUserHEX[0].SetFocus();
    QTest::keyClicks(w.txtUserHEX[0].Widget(), QString::fromLatin1(e.hex));
    CommandName stored;
    stored.Set(e.storedName);
    for (int kind : e.kind == 3 ? std::vector{3, 2} : std::vector{e.kind}) {
      SCOPED_TRACE(kind);
      EXPECT_EQ(FieldsOf(CmdRecords[8], kind)->Info->Raw(), stored.Raw());
      EXPECT_EQ(Command(8, kind), e.command);
      EXPECT_EQ(FieldsOf(CmdRecords[1], kind)->Info->Raw(), never);
      EXPECT_EQ(FieldsOf(CmdRecords[9], kind)->Info->Raw(), never);
    }
  }
}

TEST_F(ListEditorTest, TheDescriptionSettingIsStoredWhenTheEditorCloses) {
  for (bool byCloseBox : {false, true}) {
    frmList& w = Open(1);
    ASSERT_EQ(w.chkDesc.Value(), ui::vb::Checked);
    uitest::ClickControl(w.chkDesc);
    if (byCloseBox) {
      uitest::CloseWindow(w);
    } else {
      uitest::ClickControl(w.cmdOK);
    }
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_EQ(platform::GetSetting(AppTitle, "AscFill", "On", "?"), "0");
    StoreAscFill("1");
  }
}

}  // namespace
