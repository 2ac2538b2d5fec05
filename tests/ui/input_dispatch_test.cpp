#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"

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

}  // namespace
}  // namespace platform::ui
