#include <pty.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/colors.h"
#include "platform/messagebox.h"
#include "project/records.h"
#include "tests/mainwindow/wizard_fixture.h"

namespace {

class PortParametersTest : public WizardTest {};

constexpr platform::OleColor kLightYellow = 0xC0FFFF;

TEST_F(PortParametersTest, BaudChoicesAreStoredAnd57600IsMarked) {
  frmWizard& w = Start();
  w.Combo3.SetListIndex(4);
  EXPECT_EQ(ProjHeader.Com1Baud, 5);
  EXPECT_EQ(w.Combo3.BackColor(), kLightYellow);
  EXPECT_EQ(w.Combo5.BackColor(), platform::vbWindowBackground);
  w.Combo3.SetListIndex(1);
  EXPECT_EQ(ProjHeader.Com1Baud, 9);
  EXPECT_EQ(w.Combo3.BackColor(), platform::vbWindowBackground);
  const int codes[] = {4, 9, 1, 3, 5};
  for (int i = 0; i <= 4; ++i) {
    w.Combo5.SetListIndex(i);
    EXPECT_EQ(ProjHeader.Com2Baud, codes[i]);
  }
  EXPECT_EQ(w.Combo5.BackColor(), kLightYellow);
  EXPECT_EQ(w.Combo3.BackColor(), platform::vbWindowBackground);
  EXPECT_EQ(ProjHeader.Com1Baud, 9);
}

TEST_F(PortParametersTest, ParityChoicesAreStored) {
  frmWizard& w = Start();
  const char letters[] = {'N', 'O', 'E', 'M', 'S'};
  for (int i : {1, 2, 3, 4, 0}) {
    w.Combo4.SetListIndex(i);
    w.Combo6.SetListIndex(4 - i);
    EXPECT_EQ(ProjHeader.Com1Parity.bytes[0], letters[i]);
    EXPECT_EQ(ProjHeader.Com2Parity.bytes[0], letters[4 - i]);
  }
}

TEST_F(PortParametersTest, NothingIsStoredWhileLoading) {
  frmWizard& w = Start();
  w.IsLoading = true;
  w.Combo3.SetListIndex(4);
  w.Combo6.SetListIndex(2);
  w.chkHandshakeCom1.SetValue(1);
  int space = 32;
  w.chkHandshakeCom1_KeyUp(space, 0);
  EXPECT_EQ(ProjHeader.Com1Baud, 0);
  EXPECT_EQ(ProjHeader.Com2Parity.bytes[0], '\0');
  EXPECT_EQ(ProjHeader.Com1Handshake, 0);
  EXPECT_EQ(w.Combo3.BackColor(), platform::vbWindowBackground);
}

TEST_F(PortParametersTest, HandshakeByKeyboardAndMouse) {
  frmWizard& w = Start();
  platform::ui::testing::PressKey(w.chkHandshakeCom1, 32);
  EXPECT_EQ(w.chkHandshakeCom1.Value(), 1);
  EXPECT_EQ(ProjHeader.Com1Handshake, 1);
  for (int expected : {1, 0}) {
    platform::ui::testing::MousePress(w.chkHandshakeCom2, 1, 7, 10);
    platform::ui::testing::MouseRelease(w.chkHandshakeCom2, 1, 7, 10);
    EXPECT_EQ(w.chkHandshakeCom2.Value(), expected);
    EXPECT_EQ(ProjHeader.Com2Handshake, expected);
  }
}

// A value that no item stands for leaves its list without selection, so page 1 shows
// no setting the records do not hold.
TEST_F(PortParametersTest, ShowParametersLeavesUnknownValuesUnselected) {
  frmWizard& w = Start();
  w.Combo5.SetListIndex(1);
  w.Combo6.SetListIndex(2);
  ProjHeader.Com1Baud = 5;
  ProjHeader.Com1Parity.Set("M");
  ProjHeader.Com1Handshake = 1;
  ProjHeader.Com2Baud = 7;         // no item stands for it
  ProjHeader.Com2Parity.Set("n");  // lower case is no parity letter
  ProjHeader.Com2Handshake = 3;
  w.IsLoading = true;
  w.ShowCom1Parameters();
  w.ShowCom2Parameters();
  w.IsLoading = false;
  EXPECT_EQ(w.Combo3.Text(), "57600");
  EXPECT_EQ(w.Combo3.BackColor(), kLightYellow);
  EXPECT_EQ(w.Combo4.Text(), "Mark");
  EXPECT_EQ(w.chkHandshakeCom1.Value(), 1);
  EXPECT_EQ(w.Combo5.ListIndex(), -1);
  EXPECT_EQ(w.Combo5.BackColor(), platform::vbWindowBackground);
  EXPECT_EQ(w.Combo6.ListIndex(), -1);
  EXPECT_EQ(w.chkHandshakeCom2.Value(), 0);
  EXPECT_EQ(ProjHeader.Com2Baud, 7);
  EXPECT_EQ(ProjHeader.Com2Parity.bytes[0], 'n');
}

// The handshake box takes 0, 1 and 2: a stored 2 shows it greyed until the user
// ticks it.
TEST_F(PortParametersTest, StoredHandshakeTwoShowsTheBoxGreyed) {
  frmWizard& w = Start();
  ProjHeader.Com1Handshake = 2;
  w.IsLoading = true;
  w.ShowCom1Parameters();
  w.IsLoading = false;
  EXPECT_EQ(w.chkHandshakeCom1.Value(), platform::ui::vb::Grayed);
  EXPECT_EQ(ProjHeader.Com1Handshake, 2);
  platform::ui::testing::PressKey(w.chkHandshakeCom1, 32);
  EXPECT_EQ(w.chkHandshakeCom1.Value(), 1);
  EXPECT_EQ(ProjHeader.Com1Handshake, 1);
}

// A handshake the box does not take, as a file may hold it, stays until the user
// toggles the box: keys that toggle nothing store nothing.
TEST_F(PortParametersTest, KeysThatToggleNothingStoreNoHandshake) {
  frmWizard& w = Start();
  ProjHeader.Com1Handshake = 5;
  w.IsLoading = true;
  w.ShowCom1Parameters();
  w.IsLoading = false;
  for (const int key : {16, 17, 18, 35, 37, 9}) {  // Shift, Ctrl, Alt, End, Left, Tab
    platform::ui::testing::PressKey(w.chkHandshakeCom1, key);
    EXPECT_EQ(ProjHeader.Com1Handshake, 5) << key;
  }
  platform::ui::testing::PressKey(w.chkHandshakeCom1, 32);
  EXPECT_EQ(ProjHeader.Com1Handshake, w.chkHandshakeCom1.Value());
}

TEST_F(PortParametersTest, TwoPortBoxesAgree) {
  frmWizard& w = Start();
  w.chkTwoPort.SetValue(1);
  EXPECT_EQ(w.chkTwoPort2.Value(), 1);
  w.chkTwoPort2.SetValue(0);
  EXPECT_EQ(w.chkTwoPort.Value(), 0);
}

// A pseudo-terminal stands in for a PC port.
class FakePort {
 public:
  FakePort() { EXPECT_EQ(openpty(&master_, &slave_, name_, nullptr, nullptr), 0); }
  ~FakePort() {
    close(slave_);
    close(master_);
  }
  const char* Name() const { return name_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  char name_[256] = {};
};

TEST_F(PortParametersTest, PortListKeepsEveryPortAtItsPlace) {
  FakePort com1;
  FakePort com3;
  setenv("PELVARON_COM1", com1.Name(), 1);
  setenv("PELVARON_COM3", com3.Name(), 1);
  frmWizard& w = Start();
  const char* expected[] = {"COM1:", "----", "COM3:", "----", "----", "----"};
  ASSERT_EQ(w.Combo1.ListCount(), 6);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(w.Combo1.List(k), expected[k]);
  }
  // A rebuild keeps the chosen item.
  w.Combo1.SetListIndex(2);
  w.FillComPortList(w.Combo1);
  EXPECT_EQ(w.Combo1.Text(), "COM3:");
  EXPECT_EQ(w.Pointer(), platform::ui::MousePointer::Default);
}

}  // namespace
