#include <gtest/gtest.h>

#include <QListWidget>
#include <QScopeGuard>
#include <QTest>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"
#include "tests/ui/gallery_form.h"

namespace platform::ui {
namespace {

// Two entry boxes: Enter in the first moves the focus to the second.
class EnterChainForm : public Form {
 public:
  EnterChainForm() : Form("frmEnterChain") {
    SetClientSize(300, 100);
    txtFirst.Move(10, 10, 120, 22);
    txtSecond.Move(10, 40, 120, 22);
    txtFirst.KeyPress = [this](int& KeyAscii) {
      if (KeyAscii == 13) {
        KeyAscii = 0;
        txtSecond.SetFocus();
      }
    };
    txtFirst.KeyUp = [this](int& KeyCode, int) {
      released.push_back("first" + std::to_string(KeyCode));
    };
    txtSecond.KeyUp = [this](int& KeyCode, int) {
      released.push_back("second" + std::to_string(KeyCode));
    };
  }
  TextBox txtFirst{*this, "txtFirst"};
  TextBox txtSecond{*this, "txtSecond"};
  std::vector<std::string> released;
};

class InputDispatchTest : public ::testing::Test {
 protected:
  testing::UiHarness harness;
};

// The window system sends a key's release to the control that has the focus by then;
// the harness must do the same, or Enter chains cannot be tested.
TEST_F(InputDispatchTest, KeyReleaseAfterAFocusMoveGoesToTheNewFocus) {
  using Deliver = std::function<void(EnterChainForm&)>;
  const std::vector<std::pair<const char*, Deliver>> routes = {
      {"window system",
       [](EnterChainForm& form) {
         QTest::keyClick(form.Window()->windowHandle(), Qt::Key_Return);
       }},
      {"harness", [](EnterChainForm& form) { testing::PressKey(form.txtFirst, 13); }},
  };
  for (const auto& [name, deliver] : routes) {
    SCOPED_TRACE(name);
    EnterChainForm form;
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    form.txtFirst.SetFocus();
    testing::ProcessEvents();
    deliver(form);
    testing::ProcessEvents();
    EXPECT_TRUE(form.txtSecond.HasFocus());
    EXPECT_EQ(form.released, (std::vector<std::string>{"second13"}));
    // Without a focus move the release stays with the pressed control.
    form.released.clear();
    testing::PressKey(form.txtSecond, 'A');
    EXPECT_EQ(form.released, (std::vector<std::string>{"second65"}));
  }
}

// Mouse moves, presses, releases and double clicks from the window system reach every
// kind of control once, with the position relative to the control.
TEST_F(InputDispatchTest, MouseInputReachesEveryKindOfControlRelativeToIt) {
  frmGallery form;
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  for (Control* control : form.Controls()) {
    SCOPED_TRACE(control->Name());
    if (control == &form.shpSel) {
      continue;  // the mouse passes through
    }
    std::vector<std::string> seen;
    auto record = [&seen](const char* what) {
      return [&seen, what](int Button, int, float X, float Y) {
        seen.push_back(std::string(what) + std::to_string(Button) + "@" +
                       std::to_string(static_cast<int>(X)) + "," +
                       std::to_string(static_cast<int>(Y)));
      };
    };
    control->MouseMove = record("move");
    control->MouseDown = record("down");
    control->MouseUp = record("up");
    int doubleClicks = 0;
    control->DblClick = [&doubleClicks] { ++doubleClicks; };
    const auto forget = qScopeGuard([control] {
      control->MouseMove = nullptr;
      control->MouseDown = nullptr;
      control->MouseUp = nullptr;
      control->DblClick = nullptr;
    });
    // A point off the control's children and inner scroll bars; a picture box counts
    // from inside its border.
    const QPoint point(6, control->Height() - 6);
    const QPoint inside = point - testing::ClientOrigin(*control);
    const std::string at = '@' + std::to_string(inside.x()) + ',' + std::to_string(inside.y());
    QWindow* window = form.Window()->windowHandle();
    const QPoint inWindow = control->Widget()->mapTo(form.Window(), point);
    QTest::mouseMove(window, inWindow);
    EXPECT_EQ(seen, (std::vector<std::string>{"move0" + at}));
    if (control == &form.Combo1) {
      continue;  // a press opens the list, which takes the release
    }
    seen.clear();
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow);
    EXPECT_EQ(seen, (std::vector<std::string>{"down1" + at, "up1" + at}));
    seen.clear();
    QTest::mouseDClick(window, Qt::LeftButton, {}, inWindow);
    EXPECT_EQ(doubleClicks, 1);
    // The second press of a double click is a press too.
    EXPECT_EQ(seen, (std::vector<std::string>{"down1" + at, "up1" + at, "down1" + at, "up1" + at}));
  }
}

// A list, a drop-down list and a scroll bar, used through the window system.
class ListsForm : public Form {
 public:
  ListsForm() : Form("frmLists") {
    SetClientSize(300, 200);
    List1.Move(10, 10, 120, 120);
    Combo1.Move(150, 10, 100, 22);
    VScroll1.Move(270, 10, 17, 120);
    VScroll1.SetMax(7);
    for (const char* item : {"00 NUL", "01 SOH", "02 STX"}) {
      List1.AddItem(item);
      Combo1.AddItem(item);
    }
    List1.Click = [this] { clicks.push_back("list" + std::to_string(List1.ListIndex())); };
    Combo1.Click = [this] { clicks.push_back("combo" + std::to_string(Combo1.ListIndex())); };
    VScroll1.Change = [this] { clicks.push_back("scroll" + std::to_string(VScroll1.Value())); };
  }
  // Clicks the middle of a list item as the user does.
  void ClickItem(int row) {
    auto* list = static_cast<QListWidget*>(List1.Widget());
    const QPoint center = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(Window()->windowHandle(), Qt::LeftButton, {},
                      list->viewport()->mapTo(Window(), center));
  }
  void ClickScrollDownArrow() {
    QTest::mouseClick(Window()->windowHandle(), Qt::LeftButton, {},
                      VScroll1.Widget()->mapTo(Window(), QPoint(8, VScroll1.Height() - 4)));
  }
  ListBox List1{*this, "List1"};
  ComboBox Combo1{*this, "Combo1"};
  VScrollBar VScroll1{*this, "VScroll1"};
  std::vector<std::string> clicks;
};

class ListsTest : public InputDispatchTest {
 protected:
  ListsTest() {
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Window()));
  }
  ListsForm form;
};

// Every click on an item counts, also one on the item already selected (a chart that
// collects one code per click); emptying the list is no click.
TEST_F(ListsTest, ListBoxClickOnTheSelectedItemClicksAgain) {
  form.Combo1.SetFocus();
  form.List1.SetFocus();  // taking the focus selects nothing
  testing::ProcessEvents();
  EXPECT_EQ(form.List1.ListIndex(), -1);
  form.ClickItem(1);
  form.ClickItem(1);
  form.ClickItem(0);
  QTest::mouseDClick(form.Window()->windowHandle(), Qt::LeftButton, {},
                     form.List1.Widget()->mapTo(form.Window(), QPoint(10, 100)));  // no item
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"list1", "list1", "list0"}));
  form.List1.Clear();
  EXPECT_EQ(form.List1.ListIndex(), -1);
  EXPECT_EQ(form.clicks.size(), 3u);
}

// A list emptied and filled again inside a handler raises no click of its own.
TEST_F(ListsTest, ComboBoxClearRaisesNoClick) {
  form.Combo1.SetFocus();
  testing::ProcessEvents();
  QTest::keyClick(form.Window()->windowHandle(), Qt::Key_Down);
  ASSERT_EQ(form.clicks, (std::vector<std::string>{"combo0"}));
  form.Combo1.Clear();
  EXPECT_EQ(form.Combo1.ListIndex(), -1);
  EXPECT_EQ(form.Combo1.ListCount(), 0);
  form.Combo1.AddItem("9600");
  EXPECT_TRUE(form.Combo1.SetListIndex(0));
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"combo0", "combo0"}));
}

// Paging past either end from code is refused and the caller may go on; the user's
// arrow still moves the bar.
TEST_F(ListsTest, ScrollBarRefusesAValueOutsideItsRange) {
  form.ClickScrollDownArrow();
  ASSERT_EQ(form.clicks, (std::vector<std::string>{"scroll1"}));
  for (int outside : {8, -1, 1000}) {
    EXPECT_FALSE(form.VScroll1.SetValue(outside)) << outside;
  }
  EXPECT_EQ(form.VScroll1.Value(), 1);
  EXPECT_TRUE(form.VScroll1.SetValue(7));
  form.ClickScrollDownArrow();  // already at the end
  EXPECT_TRUE(form.VScroll1.SetValue(0));
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"scroll1", "scroll7", "scroll0"}));
}

// A dialog with a Default and a Cancel button, and a text box.
class DialogKeysForm : public Form {
 public:
  DialogKeysForm() : Form("frmDialogKeys") {
    SetClientSize(300, 100);
    txtName.Move(10, 10, 120, 22);
    cmdOK.Move(10, 40, 80, 25);
    cmdCancel.Move(100, 40, 80, 25);
    cmdOK.SetDefault(true);
    cmdCancel.SetCancel(true);
    cmdOK.Click = [this] { clicks.push_back("ok"); };
    cmdCancel.Click = [this] { clicks.push_back("cancel"); };
  }
  TextBox txtName{*this, "txtName"};
  CommandButton cmdOK{*this, "cmdOK"};
  CommandButton cmdCancel{*this, "cmdCancel"};
  std::vector<std::string> clicks;
};

struct HeldKey {
  const char* name;
  Control& (*focus)(DialogKeysForm&);
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<std::string> clicks;
};

// A key held down, as the window system sends it: the press, its repeats, the release.
// Each key acts once however long it is held, and Ctrl or Alt make it no dialog key.
TEST_F(InputDispatchTest, AHeldDialogKeyActsOnceAndCtrlOrAltMakeItNone) {
  const auto name = [](DialogKeysForm& f) -> Control& { return f.txtName; };
  const auto cancel = [](DialogKeysForm& f) -> Control& { return f.cmdCancel; };
  const HeldKey kKeys[] = {
      {"Return in the box", name, Qt::Key_Return, Qt::NoModifier, {"ok"}},
      {"Escape in the box", name, Qt::Key_Escape, Qt::NoModifier, {"cancel"}},
      {"Return on a button", cancel, Qt::Key_Return, Qt::NoModifier, {"cancel"}},
      {"Alt+Return", name, Qt::Key_Return, Qt::AltModifier, {}},
      {"Ctrl+Return", name, Qt::Key_Return, Qt::ControlModifier, {}},
      {"Ctrl+Escape", name, Qt::Key_Escape, Qt::ControlModifier, {}},
      {"Alt+Escape", name, Qt::Key_Escape, Qt::AltModifier, {}},
  };
  for (const HeldKey& held : kKeys) {
    DialogKeysForm form;
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    held.focus(form).SetFocus();
    QWindow* window = form.Window()->windowHandle();
    const QString text = held.key == Qt::Key_Return ? QStringLiteral("\r") : QString(QChar(27));
    for (const bool repeat : {false, true, true, true}) {
      QTest::simulateEvent(window, true, held.key, held.modifiers, text, repeat);
    }
    QTest::simulateEvent(window, false, held.key, held.modifiers, text, false);
    EXPECT_EQ(form.clicks, held.clicks) << held.name;
  }
}

}  // namespace
}  // namespace platform::ui
