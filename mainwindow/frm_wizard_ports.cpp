#include <algorithm>
#include <array>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "platform/events.h"
#include "project/records.h"
#include "seriallink/rs232.h"
#include "texts/text_table.h"

namespace {

constexpr int kPcPortCount = 6;
constexpr int kProbePauseMs = 150;
constexpr int kIndex57600 = 4;
// Light yellow marks 57600 baud, which only module release 5 and later accept.
constexpr platform::OleColor kColor57600 = 0xC0FFFF;

// List index to stored value: baud code and parity letter.
constexpr std::array<std::int32_t, 5> kBaudCodes = {4, 9, 1, 3, 5};
constexpr std::array<char, 5> kParityLetters = {'N', 'O', 'E', 'M', 'S'};

void StoreBaud(ui::ComboBox& list, std::int32_t& baudCode) {
  list.SetBackColor(platform::vbWindowBackground);
  const int index = list.ListIndex();
  if (index < 0 || index >= static_cast<int>(kBaudCodes.size())) {
    return;
  }
  baudCode = kBaudCodes[index];
  if (index == kIndex57600) {
    list.SetBackColor(kColor57600);
  }
}

void StoreParity(const ui::ComboBox& list, FixedText<1>& parity) {
  const int index = list.ListIndex();
  if (index >= 0 && index < static_cast<int>(kParityLetters.size())) {
    parity.Set(std::string(1, kParityLetters[index]));
  }
}

// The list index of value in items; -1 when no item stands for it.
template <typename T, std::size_t N>
int IndexOf(const std::array<T, N>& items, T value) {
  const auto found = std::find(items.begin(), items.end(), value);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// Shows one module port's baud code, parity letter and handshake. A baud code or parity
// that no item stands for leaves its list without selection, so that the user sees the
// value missing; a handshake the box does not take leaves the box as it was.
void ShowPortParameters(ui::ComboBox& baudList, ui::ComboBox& parityList,
                        ui::CheckBox& handshakeBox, std::int32_t baudCode,
                        const FixedText<1>& parity, std::int32_t handshake) {
  baudList.SetBackColor(platform::vbWindowBackground);
  const int baudIndex = IndexOf(kBaudCodes, baudCode);
  baudList.SetListIndex(baudIndex);
  if (baudIndex == kIndex57600) {
    baudList.SetBackColor(kColor57600);
  }
  parityList.SetListIndex(IndexOf(kParityLetters, parity.bytes[0]));
  if (handshake >= ui::vb::Unchecked && handshake <= ui::vb::Grayed) {
    handshakeBox.SetValue(handshake);
  }
}

// A handshake box's value into the record when it differs from the one it showed. A
// stored value the box does not take stays until the user toggles the box.
void StoreHandshake(const ui::CheckBox& box, int& shown, std::int32_t& handshake) {
  if (box.Value() != shown) {
    shown = box.Value();
    handshake = shown;
  }
}

}  // namespace

void frmWizard::ConnectPortParameterHandlers() {
  Combo1.Click = [this] { Combo1_Click(); };
  Combo3.Click = [this] { Combo3_Click(); };
  Combo4.Click = [this] { Combo4_Click(); };
  Combo5.Click = [this] { Combo5_Click(); };
  Combo6.Click = [this] { Combo6_Click(); };
  chkHandshakeCom1.MouseUp = [this](int Button, int Shift, float X, float Y) {
    chkHandshakeCom1_MouseUp(Button, Shift, X, Y);
  };
  chkHandshakeCom1.KeyUp = [this](int& KeyCode, int Shift) {
    chkHandshakeCom1_KeyUp(KeyCode, Shift);
  };
  chkHandshakeCom2.MouseUp = [this](int Button, int Shift, float X, float Y) {
    chkHandshakeCom2_MouseUp(Button, Shift, X, Y);
  };
  chkHandshakeCom2.KeyUp = [this](int& KeyCode, int Shift) {
    chkHandshakeCom2_KeyUp(KeyCode, Shift);
  };
  chkTwoPort.Click = [this] { chkTwoPort_Click(); };
  chkTwoPort2.Click = [this] { chkTwoPort2_Click(); };
}

// Item k always stands for PC port COM(k + 1): "----" marks a port that is missing.
void frmWizard::FillComPortList(ui::ComboBox& cbo) {
  SetMousePointer(ui::MousePointer::Hourglass);
  const int selected = cbo.ListIndex();
  cbo.Clear();
  for (int n = 1; n <= kPcPortCount; ++n) {
    const std::string name = "COM" + std::to_string(n) + ":";
    const std::uint32_t maxBaud = GetComPortMaxBaud(name);
    platform::SleepMs(kProbePauseMs);
    platform::DoEvents();
    cbo.AddItem(maxBaud > 0 ? name : "----");
  }
  cbo.SetListIndex(selected >= 0 ? selected : 0);
  SetMousePointer(ui::MousePointer::Default);
}

void frmWizard::ShowCom1Parameters() {
  ShowPortParameters(Combo3, Combo4, chkHandshakeCom1, ProjHeader.Com1Baud, ProjHeader.Com1Parity,
                     ProjHeader.Com1Handshake);
  HandshakeShownCom1 = chkHandshakeCom1.Value();
}

void frmWizard::ShowCom2Parameters() {
  ShowPortParameters(Combo5, Combo6, chkHandshakeCom2, ProjHeader.Com2Baud, ProjHeader.Com2Parity,
                     ProjHeader.Com2Handshake);
  HandshakeShownCom2 = chkHandshakeCom2.Value();
}

void frmWizard::Combo1_Click() {
  lblFindModul.SetCaption(LangText[580] + Combo1.Text());
}

void frmWizard::Combo3_Click() {
  if (!IsLoading) {
    StoreBaud(Combo3, ProjHeader.Com1Baud);
  }
}

void frmWizard::Combo5_Click() {
  if (!IsLoading) {
    StoreBaud(Combo5, ProjHeader.Com2Baud);
  }
}

void frmWizard::Combo4_Click() {
  if (!IsLoading) {
    StoreParity(Combo4, ProjHeader.Com1Parity);
  }
}

void frmWizard::Combo6_Click() {
  if (!IsLoading) {
    StoreParity(Combo6, ProjHeader.Com2Parity);
  }
}

void frmWizard::chkHandshakeCom1_MouseUp(int, int, float, float) {
  if (!IsLoading) {
    StoreHandshake(chkHandshakeCom1, HandshakeShownCom1, ProjHeader.Com1Handshake);
  }
}

// A change by keyboard is stored like one by mouse.
void frmWizard::chkHandshakeCom1_KeyUp(int&, int) {
  chkHandshakeCom1_MouseUp(0, 0, 0, 0);
}

void frmWizard::chkHandshakeCom2_MouseUp(int, int, float, float) {
  if (!IsLoading) {
    StoreHandshake(chkHandshakeCom2, HandshakeShownCom2, ProjHeader.Com2Handshake);
  }
}

void frmWizard::chkHandshakeCom2_KeyUp(int&, int) {
  chkHandshakeCom2_MouseUp(0, 0, 0, 0);
}

// The two-port boxes of page 1 and page 4 always agree.
void frmWizard::chkTwoPort_Click() {
  if (chkTwoPort2.Value() != chkTwoPort.Value()) {
    chkTwoPort2.SetValue(chkTwoPort.Value());
  }
}

void frmWizard::chkTwoPort2_Click() {
  if (chkTwoPort.Value() != chkTwoPort2.Value()) {
    chkTwoPort.SetValue(chkTwoPort2.Value());
  }
}
