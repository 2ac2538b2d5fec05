#include "mainwindow/frm_wizard.h"
#include "project/program_state.h"

void frmWizard::ConnectDialogButtonHandlers() {
  CmdFileInfo.Click = [this] { CmdFileInfo_Click(); };
  cmdFilter1B.Click = [this] { cmdFilter1B_Click(); };
  cmdFilter2B.Click = [this] { cmdFilter2B_Click(); };
  cmdStatusList2.Click = [this] { cmdStatusList2_Click(); };
  cmdStatusList3.Click = [this] { cmdStatusList3_Click(); };
}

void frmWizard::CmdFileInfo_Click() {
  FileInfoWindow.Show();
}

void frmWizard::cmdFilter1B_Click() {
  FilterSide = 0;
  FilterWindow.ShowModal(this);
}

void frmWizard::cmdFilter2B_Click() {
  FilterSide = 1;
  FilterWindow.ShowModal(this);
}

void frmWizard::cmdStatusList2_Click() {
  FilterSide = 0;
  StatusWindow.ShowModal(this);
}

// The status-register matrix belongs to the Rx-COM1 commands on either page.
void frmWizard::cmdStatusList3_Click() {
  FilterSide = 0;
  StatusWindow.ShowModal(this);
}
