// Every way the user changes a row's name, ASCII or HEX box stores what typing the same
// text stores, on both link pages and in the list editor of every list; keys that type
// nothing, focus moves, the program's own texts and a page turn store nothing more than
// a page change copies.
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>

#include "dialogs/frm_list.h"
#include "dialogs/list_fields.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/hex_text.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"

namespace ui = platform::ui;
namespace uitest = platform::ui::testing;

namespace {

constexpr int kTxCom1 = 3;
constexpr int kBackAnswers = 2;

// Where rows are edited: a link page (2 or 3) or the list editor of a list kind.
struct Place {
  const char* name;
  int page;  // 0: the list editor
  int kind;  // the list the rows show
};
const Place kPlaces[] = {
    {"page 2", 2, 1},
    {"page 3", 3, 5},
    {"list editor Rx-COM1", 0, 1},
    {"list editor back answers", 0, kBackAnswers},
    {"list editor Tx-COM1", 0, kTxCom1},
    {"list editor Tx-COM2", 0, 4},
    {"list editor Rx-COM2", 0, 5},
};

enum class Box { Name, Ascii, Hex };
const Box kBoxes[] = {Box::Name, Box::Ascii, Box::Hex};

const char* NameOf(Box box) {
  switch (box) {
    case Box::Name:
      return "name box";
    case Box::Ascii:
      return "ASCII box";
    default:
      return "HEX box";
  }
}

// What a row puts into a box: the HEX box takes digits, in lower case to be filtered.
std::string TextFor(Box box) {
  return box == Box::Hex ? "7e" : "XY";
}

void SetEntry(int record, int kind, const std::string& cmd, const std::string& name) {
  const ListFields fields = *FieldsOf(CmdRecords[record], kind);
  fields.Cmd->Set(cmd);
  *fields.Len = static_cast<std::int16_t>(cmd.size());
  fields.Info->Set(name);
}

// Every list: a byte 00 in the row edited (entry 2), an odd digit count after a byte 00
// in entry 3. The Tx-COM1 list has no command in entries 3 and 9, whose back answers
// have one, and a name never set in entry 3; entry 10 has a back answer of its own,
// entry 12 one too, and the same command as entry 4, which shows on the row before it.
void FillLists() {
  for (int kind = 1; kind <= 5; ++kind) {
    const std::string k = std::to_string(kind);
    SetEntry(0, kind, "414243", "Entry " + k + "/1");
    SetEntry(1, kind, "410042", "Entry " + k + "/2");
    SetEntry(2, kind, "41004", "Entry " + k + "/3");
    SetEntry(3, kind, "4344", "Entry " + k + "/4");
    SetEntry(8, kind, "", "Entry " + k + "/9");
    SetEntry(9, kind, "55", "Entry " + k + "/10");
    SetEntry(11, kind, "4344", "Entry " + k + "/12");
  }
  const ListFields tx1 = *FieldsOf(CmdRecords[2], kTxCom1);
  *tx1.Len = 0;
  tx1.Cmd->Set("");
  *tx1.Info = CommandName{};
  SetEntry(1, kBackAnswers, "FF", "Back 2");
  SetEntry(2, kBackAnswers, "4243", "Back 3");
  SetEntry(8, kBackAnswers, "4243", "Back 9");
  SetEntry(9, kBackAnswers, "66", "Back 10");
  SetEntry(11, kBackAnswers, "77", "Back 12");
}

// One way to edit the focused box, with the keys that type the same text.
struct Input {
  const char* name;
  std::function<void(ui::TextBox&, const std::string& text)> edit;
  std::function<void(QWindow*, const std::string& text)> typed;
  // False where the box ends with the text it showed, which may still store (a byte 00
  // given back in the ASCII box comes back as 7C, a description follows the ASCII text).
  bool changes;
};

void Type(QWindow* window, const std::string& text) {
  for (const char c : text) {
    QTest::keyClick(window, c);
  }
}

void Choose(ui::TextBox& box, const char* item) {
  EXPECT_TRUE(uitest::ChooseFromContextMenu(box, item)) << item;
}

void SelectAll(QWindow* window) {
  QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
}

// Select All and the item from the context menu, against Ctrl+A and the key.
Input EmptyingTheBox(const char* name, const char* item, Qt::Key key) {
  return {name,
          [item](ui::TextBox& box, const std::string&) {
            Choose(box, "Select All");
            Choose(box, item);
          },
          [key](QWindow* window, const std::string&) {
            SelectAll(window);
            QTest::keyClick(window, key);
          },
          true};
}

// Each given with the caret at the end of the box's text.
const Input kInputs[] = {
    {"typing",
     [](ui::TextBox& box, const std::string& text) {
       Type(box.Widget()->window()->windowHandle(), text);
     },
     Type, true},
    {"context menu Select All, Paste",
     [](ui::TextBox& box, const std::string& text) {
       ui::SetClipboardText(text);
       Choose(box, "Select All");
       Choose(box, "Paste");
     },
     [](QWindow* window, const std::string& text) {
       SelectAll(window);
       Type(window, text);
     },
     true},
    EmptyingTheBox("context menu Select All, Cut", "Cut", Qt::Key_Backspace),
    EmptyingTheBox("context menu Select All, Delete", "Delete", Qt::Key_Delete),
    {"a key, then context menu Undo",
     [](ui::TextBox& box, const std::string&) {
       Type(box.Widget()->window()->windowHandle(), "7");
       Choose(box, "Undo");
     },
     [](QWindow* window, const std::string&) {
       Type(window, "7");
       QTest::keyClick(window, Qt::Key_Backspace);
     },
     false},
    {"a key, context menu Undo, Redo",
     [](ui::TextBox& box, const std::string&) {
       Type(box.Widget()->window()->windowHandle(), "7");
       Choose(box, "Undo");
       Choose(box, "Redo");
     },
     [](QWindow* window, const std::string&) { Type(window, "7"); }, true},
    {"middle-click paste",
     [](ui::TextBox& box, const std::string& text) {
       uitest::MiddleClickPaste(box, text, box.Width() - 3, box.Height() / 2);
     },
     Type, true},
    {"drop",
     [](ui::TextBox& box, const std::string& text) {
       uitest::DropText(box, text, box.Width() - 3, box.Height() / 2);
     },
     Type, true},
};

// Keys that type nothing, given to the box of a row, and focus moves through it.
struct IdleKeys {
  const char* name;
  // Given with the box focused from code.
  std::function<void(QWindow*)> press;
};

void Key(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(window, key, modifiers);
}

const IdleKeys kIdleKeys[] = {
    {"Home", [](QWindow* w) { Key(w, Qt::Key_Home); }},
    {"End", [](QWindow* w) { Key(w, Qt::Key_End); }},
    {"Left", [](QWindow* w) { Key(w, Qt::Key_Left); }},
    {"Escape", [](QWindow* w) { Key(w, Qt::Key_Escape); }},
    {"F2", [](QWindow* w) { Key(w, Qt::Key_F2); }},
    {"Enter", [](QWindow* w) { Key(w, Qt::Key_Return); }},
    {"Tab into the box and out of it",
     [](QWindow* w) {
       Key(w, Qt::Key_Backtab, Qt::ShiftModifier);
       Key(w, Qt::Key_Tab);
       Key(w, Qt::Key_Tab);
     }},
    {"Shift+Tab into the box and out of it",
     [](QWindow* w) {
       Key(w, Qt::Key_Tab);
       Key(w, Qt::Key_Backtab, Qt::ShiftModifier);
       Key(w, Qt::Key_Backtab, Qt::ShiftModifier);
     }},
};

class UserEditsTest : public LinkPageTest {
 protected:
  // The window of the place shown from the lists of FillLists.
  void Show(const Place& place) {
    CmdRecords = lists_;
    if (place.page == 0) {
      editor_.reset();
      ListKind = static_cast<std::int16_t>(place.kind);
      ListRecordNo = 0;
      editor_ = std::make_unique<frmList>();
      editor_->Show();
      EXPECT_TRUE(QTest::qWaitForWindowActive(editor_->Window()));
      return;
    }
    while (wizard->WizardPage != place.page) {
      Navigate(1);
    }
    if (place.page == 2) {
      wizard->ShowLinkPage1();
    } else {
      wizard->ShowLinkPage2();
    }
  }

  ui::TextBox& BoxOf(const Place& place, Box box, int row) {
    if (place.page == 0) {
      return box == Box::Name    ? editor_->txtInfo[row]
             : box == Box::Ascii ? editor_->txtUserASC[row]
                                 : editor_->txtUserHEX[row];
    }
    frmWizard& w = *wizard;
    if (place.page == 2) {
      return box == Box::Name    ? w.txtInfo[row]
             : box == Box::Ascii ? w.txtUserASC[row]
                                 : w.txtUserHEX[row];
    }
    return box == Box::Name    ? w.txtInfo2[row]
           : box == Box::Ascii ? w.txtUserASC2[row]
                               : w.txtUserHEX2[row];
  }

  ui::TextBox& HexOf(const Place& place, int row) { return BoxOf(place, Box::Hex, row); }
  ui::TextBox& AsciiOf(const Place& place, int row) { return BoxOf(place, Box::Ascii, row); }

  static std::string Saved() { return ProjectFileBytes(ProjHeader, CmdRecords); }

  // The saved bytes after the input into the box of row 1, with the caret at the end.
  std::string Edited(const Place& place, Box box, const std::function<void(ui::TextBox&)>& input,
                     bool& warned) {
    Show(place);
    ui::TextBox& target = BoxOf(place, box, 1);
    uitest::MousePress(target, 1, 4, 4);
    uitest::MouseRelease(target, 1, 4, 4);
    QTest::keyClick(target.Widget()->window()->windowHandle(), Qt::Key_End);
    const std::size_t boxes = ui.MessageBoxes().size();
    input(target);
    warned = ui.MessageBoxes().size() > boxes;
    const std::optional<std::string> ascii = HexToAscii(HexOf(place, 1).Text(), true);
    EXPECT_TRUE(ascii && *ascii == AsciiOf(place, 1).Text()) << "HEX and ASCII disagree";
    return Saved();
  }

  void SetUp() override {
    OpenLinkPage(2);
    FillLists();
    lists_ = CmdRecords;
  }
  void TearDown() override { editor_.reset(); }

  CommandRecordList lists_;
  std::unique_ptr<frmList> editor_;
};

TEST_F(UserEditsTest, EveryEditStoresWhatTypingTheSameTextStores) {
  for (const Place& place : kPlaces) {
    for (const Box box : kBoxes) {
      for (const Input& input : kInputs) {
        SCOPED_TRACE(std::string(place.name) + ", " + NameOf(box) + ": " + input.name);
        const std::string text = TextFor(box);
        Show(place);
        const std::string shown = Saved();
        bool warned = false;
        bool warnedTyping = false;
        const std::string edited = Edited(
            place, box, [&](ui::TextBox& target) { input.edit(target, text); }, warned);
        const std::string typed = Edited(
            place, box,
            [&](ui::TextBox& target) {
              input.typed(target.Widget()->window()->windowHandle(), text);
            },
            warnedTyping);
        EXPECT_TRUE(edited == typed) << "the saved bytes differ from those of typing";
        if (input.changes) {
          EXPECT_TRUE(edited != shown) << "nothing was stored";
        }
        EXPECT_EQ(warned, warnedTyping);
      }
    }
  }
}

TEST_F(UserEditsTest, KeysFocusMovesAndTheProgramsTextsStoreNothing) {
  for (const Place& place : kPlaces) {
    for (const Box box : kBoxes) {
      for (const IdleKeys& keys : kIdleKeys) {
        SCOPED_TRACE(std::string(place.name) + ", " + NameOf(box) + ": " + keys.name);
        Show(place);
        const std::string shown = Saved();
        ui::TextBox& target = BoxOf(place, box, 2);
        target.SetFocus();
        uitest::ProcessEvents();
        keys.press(target.Widget()->window()->windowHandle());
        EXPECT_TRUE(Saved() == shown) << "a byte changed";
      }
      SCOPED_TRACE(std::string(place.name) + ", " + NameOf(box));
      Show(place);
      const std::string shown = Saved();
      ui::TextBox& target = BoxOf(place, box, 2);
      uitest::MousePress(target, 1, 4, 4);
      uitest::MouseRelease(target, 1, 4, 4);
      EXPECT_TRUE(Saved() == shown) << "a click changed a byte";
      target.SetText(box == Box::Hex ? "41 4" : "A|");
      BoxOf(place, Box::Name, 3).SetFocus();
      uitest::ProcessEvents();
      EXPECT_TRUE(Saved() == shown) << "the program's text changed a byte";
    }
  }
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

// A page turn stores again only rows whose command is not empty and shows anew: in the
// Tx-COM1 list that copies entry 10 into the back answers, and keeps those of entry 9
// (no command) and entry 12 (the command of the row before).
TEST_F(UserEditsTest, APageTurnCopiesOnlyTheTxCom1RowsWithANewCommand) {
  for (const Place& place : kPlaces) {
    if (place.page != 0) {
      continue;
    }
    SCOPED_TRACE(place.name);
    Show(place);
    CommandRecordList expected = CmdRecords;
    if (place.kind == kTxCom1) {
      CommandRecord& copied = expected[9];
      copied.TxCom1BackLen = copied.TxCom1Len;
      copied.TxCom1BackCmd = copied.TxCom1Cmd;
      copied.TxCom1BackInfo = copied.TxCom1Info;
    }
    uitest::ClickControl(editor_->imgUpDownList[1]);
    ASSERT_EQ(editor_->VScroll1.Value(), 1);
    EXPECT_TRUE(Saved() == ProjectFileBytes(ProjHeader, expected)) << "turning to page 2";
    uitest::ClickControl(editor_->imgUpDownList[0]);
    EXPECT_TRUE(Saved() == ProjectFileBytes(ProjHeader, expected)) << "turning back";
  }
}

}  // namespace
