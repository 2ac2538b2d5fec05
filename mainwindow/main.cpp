#include "mainwindow/frm_wizard.h"

// The program is its main window: it starts in the window's load handler and ends
// when the window is unloaded.
int main(int argc, char** argv) {
  platform::ui::InitApplication(argc, argv);
  frmWizard wizard;
  return platform::ui::RunApplication(wizard);
}
