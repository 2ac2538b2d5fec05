#include "dialogs/frm_test.h"

frmTest::frmTest() : Form("frmTest") {
  SetCaption("Debug");
  SetClientSize(400, 300);
  Text1.Move(8, 8, 384, 250);
  Command1.Move(302, 266, 90, 26);
  Command1.SetCaption("l\xF6schen");  // Windows-1252
  SetEscapeCloses(true);
  Command1.Click = [this] { Command1_Click(); };
}

void frmTest::Command1_Click() {
  Text1.SetText("");
}
