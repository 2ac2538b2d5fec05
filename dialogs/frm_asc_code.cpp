#include "dialogs/frm_asc_code.h"

#include <cstdio>
#include <sstream>
#include <string>

#include "project/program_state.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

namespace {

// The names of the control codes 0 to 31, in code order.
constexpr const char* kControlCodeNames =
    "NUL COH SIX EIX EOI ENQ ASK BEL BS HI LF VI FF CR SO SI SLE CS1 DC2 DC3 DC4 NAK SYN EIB "
    "CAN EM SIB ESC FS GS RS US ";

std::string HexDigits(int code, const char* format) {
  char digits[3];
  std::snprintf(digits, sizeof digits, format, code);
  return digits;
}

}  // namespace

frmAscCode::frmAscCode() : Form("frmAscCode") {
  SetCaption("Hex/ASCII Character Codes ");
  SetClientSize(330, 372);
  List1.Move(8, 8, 150, 356);
  List1.SetToolTipText("hier klicken");
  Label1[0].Move(170, 10, 150, 16);
  Text1.Move(170, 28, 152, 22);
  Label1[1].Move(170, 62, 150, 16);
  Text2.Move(170, 80, 152, 22);
  CmdHex[2].Move(170, 270, 152, 28);
  CmdHex[2].SetToolTipText(
      "\xDC"
      "bernehmen in das Eingabefeld und Schliessen");
  CmdHex[1].Move(170, 303, 152, 28);
  CmdHex[1].SetToolTipText("Kopieren in die Zwischenablage und Schliessen");
  CmdHex[0].Move(170, 336, 152, 28);
  CmdHex[0].SetCancel(true);
  List1.Click = [this] { List1_Click(); };
  CmdHex.Click = [this](int Index) { CmdHex_Click(Index); };
}

// Item i is code i: the list keeps the order of adding.
void frmAscCode::Form_Load() {
  SetFormTexts(*this, LanguageID == 0);
  // Only Ok hands codes back; leaving otherwise must not pass on those of an earlier chart.
  AscCodeResult.clear();
  Text1.SetText("");
  Text2.SetText("");
  List1.Clear();
  std::istringstream names(kControlCodeNames);
  for (int i = 0; i <= 255; ++i) {
    std::string shown;
    if (i < 32) {
      names >> shown;
    } else {
      shown = std::string(1, static_cast<char>(i));
    }
    List1.AddItem(HexDigits(i, "%X") + " " + shown);
    List1.SetItemData(i, i);
  }
}

void frmAscCode::List1_Click() {
  if (List1.ListCount() == 0 || List1.ListIndex() < 0) {
    return;
  }
  const int code = List1.ListIndex();
  Text1.SetText(Text1.Text() + HexDigits(code, "%02X"));
  Text2.SetText(Text2.Text() + std::string(1, static_cast<char>(code)));
}

void frmAscCode::CmdHex_Click(int Index) {
  if (Index == 1) {
    platform::ui::SetClipboardText(Text1.Text());
  } else if (Index == 2) {
    AscCodeResult = Text1.Text();
  }
  Unload();
}
