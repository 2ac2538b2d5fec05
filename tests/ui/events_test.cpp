#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QTest>
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"

namespace platform::ui {
namespace {

class EventForm : public Form {
 public:
  EventForm() : Form("frmEvents") {
    SetClientSize(400, 200);
    txtName.Move(10, 10, 120, 22);
    picGrid.Move(10, 40, 100, 100);
    Combo1.Move(140, 10, 80, 22);
    VScroll1.Move(230, 10, 17, 60);
    for (int i = 0; i <= 3; ++i) {
      txtInfo[i].Move(260, 10 + 30 * i, 120, 22);
    }
    txtNotes.Move(140, 80, 100, 40);
    List1.Move(140, 130, 100, 40);
    lblInfo.Move(260, 130, 100, 20);
  }
  TextBox txtName{*this, "txtName"};
  CheckBox chkOn{*this, "chkOn"};
  ComboBox Combo1{*this, "Combo1"};
  VScrollBar VScroll1{*this, "VScroll1"};
  PictureBox picGrid{*this, "picGrid"};
  ControlArray<TextBox> txtInfo{*this, "txtInfo", 0, 3};
  TextBox txtNotes{*this, "txtNotes", -1, true};
  Label lblInfo{*this, "lblInfo"};
  ListBox List1{*this, "List1"};
};

class EventsTest : public ::testing::Test {
 protected:
  testing::UiHarness harness;
  EventForm form;
};

TEST_F(EventsTest, ValuesSetFromCodeFireTheirHandlerOnce) {
  int changes = 0, clicks = 0, comboClicks = 0, scrolls = 0;
  form.txtName.Change = [&] { ++changes; };
  form.chkOn.Click = [&] { ++clicks; };
  form.Combo1.Click = [&] { ++comboClicks; };
  form.VScroll1.Change = [&] { ++scrolls; };
  form.Combo1.AddItem("9600");
  form.Combo1.AddItem("19200");

  form.txtName.SetText("abc");
  form.chkOn.SetValue(vb::Checked);
  form.Combo1.SetListIndex(1);
  form.VScroll1.SetMax(7);
  form.VScroll1.SetValue(3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(comboClicks, 1);
  EXPECT_EQ(scrolls, 1);

  // Setting the value a control already holds is no change.
  form.txtName.SetText("abc");
  form.Combo1.SetListIndex(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(comboClicks, 1);
}

TEST_F(EventsTest, MultiLineTextFromCodeFiresChangeOnce) {
  int changes = 0;
  form.txtNotes.Change = [&] { ++changes; };
  form.txtNotes.SetText("Zeile 1\r\nZeile 2");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form.txtNotes.Text(), "Zeile 1\r\nZeile 2");
  form.txtNotes.SetText("Zeile 1\r\nZeile 2");
  EXPECT_EQ(changes, 1);
}

TEST_F(EventsTest, OverlongTextsAreCutOrKeptWhole) {
  const std::string huge(10000, 'A');
  form.lblInfo.Move(10, 10, 100, 20);
  form.lblInfo.SetCaption(huge);
  EXPECT_EQ(form.lblInfo.Caption(), huge);
  int changes = 0;
  form.txtName.Change = [&] { ++changes; };
  form.txtName.SetMaxLength(31);
  form.txtName.SetText(huge);
  EXPECT_EQ(form.txtName.Text(), std::string(31, 'A'));
  EXPECT_EQ(changes, 1);
  form.Show();
  testing::TypeText(form.txtName, "B");  // a full box takes no more
  EXPECT_EQ(form.txtName.Text(), std::string(31, 'A'));
  form.txtNotes.SetMaxLength(31);
  form.txtNotes.SetText(huge);
  EXPECT_EQ(form.txtNotes.Text(), std::string(31, 'A'));
}

TEST_F(EventsTest, ListIndexOutOfRangeIsRefusedWithoutAnEvent) {
  int comboClicks = 0, listClicks = 0;
  form.Combo1.Click = [&] { ++comboClicks; };
  form.List1.Click = [&] { ++listClicks; };
  form.Combo1.AddItem("9600");
  form.Combo1.AddItem("19200");
  form.Combo1.SetItemData(1, 19200);
  form.List1.AddItem("A");
  EXPECT_EQ(form.Combo1.ListIndex(), -1);  // adding selects nothing
  EXPECT_FALSE(form.Combo1.SetListIndex(2));
  EXPECT_FALSE(form.Combo1.SetListIndex(-2));
  EXPECT_FALSE(form.List1.SetListIndex(1));
  EXPECT_EQ(form.Combo1.ListIndex(), -1);
  EXPECT_EQ(comboClicks + listClicks, 0);
  EXPECT_EQ(form.Combo1.List(5), "");
  EXPECT_EQ(form.Combo1.ItemData(5), 0);
  EXPECT_EQ(form.Combo1.ItemData(1), 19200);
  EXPECT_TRUE(form.Combo1.SetListIndex(1));
  EXPECT_EQ(form.Combo1.Text(), "19200");
  form.Combo1.Clear();  // emptying the list is no click
  EXPECT_EQ(form.Combo1.ListIndex(), -1);
  EXPECT_EQ(form.Combo1.ListCount(), 0);
  EXPECT_EQ(comboClicks, 1);
}

TEST_F(EventsTest, ArrayHandlersReceiveTheIndex) {
  std::vector<int> changed;
  form.txtInfo.Change = [&](int Index) { changed.push_back(Index); };
  form.txtInfo[2].SetText("x");
  form.txtInfo[0].SetText("y");
  EXPECT_EQ(changed, (std::vector<int>{2, 0}));
  EXPECT_EQ(form.txtInfo.LBound(), 0);
  EXPECT_EQ(form.txtInfo.UBound(), 3);
  EXPECT_THROW(form.txtInfo[4], std::out_of_range);
}

TEST_F(EventsTest, KeyPressCanSwallowOrChangeTheKey) {
  form.Show();
  int changes = 0;
  form.txtName.Change = [&] { ++changes; };
  form.txtName.KeyPress = [](int& KeyAscii) {
    if (KeyAscii == 'x') {
      KeyAscii = 0;
    } else if (KeyAscii >= 'a' && KeyAscii <= 'z') {
      KeyAscii -= 32;
    }
  };
  testing::TypeText(form.txtName, "x");
  EXPECT_EQ(form.txtName.Text(), "");
  EXPECT_EQ(changes, 0);
  testing::TypeText(form.txtName, "axb");
  EXPECT_EQ(form.txtName.Text(), "AB");
  EXPECT_EQ(changes, 2);
}

TEST_F(EventsTest, KeyDownAndKeyUpGetVirtualKeyCodes) {
  form.Show();
  std::vector<int> down, up;
  form.picGrid.KeyDown = [&](int& KeyCode, int Shift) { down.push_back(KeyCode * 10 + Shift); };
  form.picGrid.KeyUp = [&](int& KeyCode, int) { up.push_back(KeyCode); };
  testing::PressKey(form.picGrid, 37);
  testing::PressKey(form.picGrid, 40, vb::ShiftMask);
  testing::PressKey(form.picGrid, 32);
  EXPECT_EQ(down, (std::vector<int>{370, 401, 320}));
  EXPECT_EQ(up, (std::vector<int>{37, 40, 32}));
}

TEST_F(EventsTest, KeyPressSeesWindows1252Bytes) {
  form.Show();
  std::vector<int> keys;
  form.txtName.KeyPress = [&](int& KeyAscii) { keys.push_back(KeyAscii); };
  testing::TypeText(form.txtName, "\xE4\x80");  // a umlaut, euro sign
  EXPECT_EQ(keys, (std::vector<int>{0xE4, 0x80}));
  EXPECT_EQ(form.txtName.Text(), "\xE4\x80");
}

TEST_F(EventsTest, PictureBoxMouseEventsCarryButtonShiftAndPosition) {
  form.Show();
  std::vector<std::string> seen;
  auto record = [&](const char* what) {
    return [&seen, what](int Button, int Shift, float X, float Y) {
      seen.push_back(std::string(what) + std::to_string(Button) + "/" + std::to_string(Shift) +
                     "@" + std::to_string(static_cast<int>(X)) + "," +
                     std::to_string(static_cast<int>(Y)));
    };
  };
  form.picGrid.MouseDown = record("down");
  form.picGrid.MouseMove = record("move");
  form.picGrid.MouseUp = record("up");
  testing::MouseMoveTo(form.picGrid, 0, 5, 6);  // the pointer arrives before the press
  seen.clear();
  testing::MousePress(form.picGrid, vb::LeftButton, 5, 6, vb::CtrlMask);
  testing::MouseMoveTo(form.picGrid, vb::LeftButton, 50, 60);
  testing::MouseRelease(form.picGrid, vb::LeftButton, 50, 60);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], "down1/2@5,6");
  EXPECT_EQ(seen[1], "move1/0@50,60");
  EXPECT_EQ(seen[2], "up1/0@50,60");
}

TEST_F(EventsTest, CheckBoxClickComesBeforeUpWhichSeesTheNewValue) {
  form.chkOn.Move(10, 150, 120, 24);
  form.Show();
  std::vector<std::string> seen;
  auto value = [&] { return std::to_string(form.chkOn.Value()); };
  form.chkOn.Click = [&] { seen.push_back("click" + value()); };
  form.chkOn.MouseUp = [&](int, int, float, float) { seen.push_back("mouseup" + value()); };
  form.chkOn.KeyUp = [&](int& KeyCode, int) {
    seen.push_back("keyup" + std::to_string(KeyCode) + "/" + value());
  };
  testing::ClickControl(form.chkOn);
  testing::PressKey(form.chkOn, 32);
  testing::PressKey(form.chkOn, 'A');
  // Released away from the box: no change, the release is still reported.
  testing::MousePress(form.chkOn, vb::LeftButton, 5, 12);
  testing::MouseRelease(form.chkOn, vb::LeftButton, 200, 12);
  EXPECT_EQ(seen, (std::vector<std::string>{"click1", "mouseup1", "click0", "keyup32/0",
                                            "keyup65/0", "mouseup0"}));
}

TEST_F(EventsTest, FocusMovesFromCodeAndRaisesFocusEvents) {
  form.Show();
  int got = 0, lost = 0;
  form.txtInfo[1].GotFocus = [&] { ++got; };
  form.txtInfo[1].LostFocus = [&] { ++lost; };
  form.txtInfo[1].SetFocus();
  testing::ProcessEvents();
  EXPECT_TRUE(form.txtInfo[1].HasFocus());
  form.txtName.SetFocus();
  testing::ProcessEvents();
  EXPECT_FALSE(form.txtInfo[1].HasFocus());
  EXPECT_EQ(got, 1);
  EXPECT_EQ(lost, 1);
}

// Value 2 shows the box greyed, unlike 0 and 1; the user only ticks and clears it.
TEST_F(EventsTest, GreyedCheckBoxShowsAsSuchAndTheUserTicksOrClearsIt) {
  form.chkOn.Move(10, 150, 120, 24);
  form.Show();
  std::vector<QImage> looks;
  for (int value : {vb::Unchecked, vb::Checked, vb::Grayed}) {
    form.chkOn.SetValue(value);
    EXPECT_EQ(form.chkOn.Value(), value);
    looks.push_back(form.chkOn.Widget()->grab().toImage());
  }
  EXPECT_NE(looks[2], looks[0]);
  EXPECT_NE(looks[2], looks[1]);
  std::vector<int> seen;
  form.chkOn.Click = [&] { seen.push_back(form.chkOn.Value()); };
  testing::ClickControl(form.chkOn);
  testing::ClickControl(form.chkOn);
  testing::PressKey(form.chkOn, 32);
  testing::ClickControl(form.chkOn);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 0}));
}

struct UserEdit {
  const char* name;
  // Given the focused box holding "abc" with the caret at its end; a typed "d" before
  // the edit counts as the row's preparation.
  bool typeFirst;
  std::function<void(TextBox&)> edit;
  const char* result;
};

void ChooseItem(TextBox& box, const char* item) {
  EXPECT_TRUE(testing::ChooseFromContextMenu(box, item)) << item;
}

void ChooseAll(TextBox& box, const char* item) {
  ChooseItem(box, "Select All");
  ChooseItem(box, item);
}

const UserEdit kUserEdits[] = {
    {"typing", false, [](TextBox& box) { testing::TypeText(box, "d"); }, "abcd"},
    {"context menu Paste over all", false,
     [](TextBox& box) {
       SetClipboardText("XY");
       ChooseAll(box, "Paste");
     },
     "XY"},
    {"context menu Cut of all", false, [](TextBox& box) { ChooseAll(box, "Cut"); }, ""},
    {"context menu Delete of all", false, [](TextBox& box) { ChooseAll(box, "Delete"); }, ""},
    {"context menu Undo", true, [](TextBox& box) { ChooseItem(box, "Undo"); }, "abc"},
    {"context menu Redo", true,
     [](TextBox& box) {
       ChooseItem(box, "Undo");
       ChooseItem(box, "Redo");
     },
     "abcd"},
    {"middle-click paste", false,
     [](TextBox& box) { testing::MiddleClickPaste(box, "XY", box.Width() - 4, 6); }, "abcXY"},
    {"drop", false, [](TextBox& box) { testing::DropText(box, "XY", box.Width() - 4, 6); },
     "abcXY"},
    {"input method", false,
     [](TextBox& box) {
       QInputMethodEvent commit;
       commit.setCommitString(QStringLiteral("\u00e9"));
       QCoreApplication::sendEvent(box.Widget(), &commit);
     },
     "abc\xE9"},
};

// Single line and multi-line alike; the program's own texts, also one set by the Change
// handler of the user's edit, are no edits. The context menu takes no focus.
TEST_F(EventsTest, EditedComesForEveryUserEditAndNeverForSetText) {
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
  for (TextBox* box : {&form.txtName, &form.txtNotes}) {
    for (const UserEdit& row : kUserEdits) {
      SCOPED_TRACE(std::string(box->Name()) + ": " + row.name);
      std::vector<std::string> edited;
      int lost = 0;
      box->Edited = [&] { edited.push_back(box->Text()); };
      box->LostFocus = [&] { ++lost; };  // a context menu keeps the user in the box
      box->SetText("abc");
      box->SetFocus();
      box->SetSelStart(3);
      if (row.typeFirst) {
        testing::TypeText(*box, "d");
      }
      edited.clear();
      row.edit(*box);
      EXPECT_EQ(box->Text(), row.result);
      ASSERT_FALSE(edited.empty());
      EXPECT_EQ(edited.back(), row.result);
      EXPECT_EQ(lost, 0);
      edited.clear();
      box->SetText("set by the program");
      EXPECT_TRUE(edited.empty());
      box->Edited = nullptr;
      box->LostFocus = nullptr;
    }
  }
  std::vector<std::string> edited;
  form.txtName.Edited = [&] { edited.push_back(form.txtName.Text()); };
  form.txtName.Change = [&] {
    std::string upper = form.txtName.Text();
    for (char& c : upper) {
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    form.txtName.SetText(upper);
  };
  form.txtName.SetText("");
  testing::TypeText(form.txtName, "a");
  EXPECT_EQ(edited, std::vector<std::string>{"A"});
}

// The focused box of a window that is destroyed loses its focus on the way; its
// handler would find the form half gone.
TEST_F(EventsTest, AControlBeingDestroyedRaisesNothing) {
  auto doomed = std::make_unique<EventForm>();
  doomed->Show();
  int lost = 0;
  doomed->txtInfo.LostFocus = [&lost](int) { ++lost; };
  doomed->txtInfo[3].SetFocus();
  testing::ProcessEvents();
  ASSERT_TRUE(doomed->txtInfo[3].HasFocus());
  doomed.reset();
  EXPECT_EQ(lost, 0);
}

}  // namespace
}  // namespace platform::ui
