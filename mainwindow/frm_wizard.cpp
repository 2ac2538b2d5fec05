#include "mainwindow/frm_wizard.h"

frmWizard::frmWizard() : ui::Form("frmWizard") {
  LayoutWindowFrame();
  LayoutStartPage();
  LayoutPage1();
  LayoutLinkPage2();
  LayoutLinkPage3();
  LayoutPage4();
  LoadPictures();
  SetStartPageState();
  ConnectNavigationHandlers();
  ConnectPortParameterHandlers();
  ConnectNewProjectHandlers();
  ConnectDeviceFlowHandlers();
  ConnectProjectFileHandlers();
  ConnectListButtonHandlers();
  ConnectDialogButtonHandlers();
  ConnectStartPageHandlers();
  ConnectLinkPage2Handlers();
  ConnectLinkPage3Handlers();
  ConnectHoverHandlers();
  SetRecentFileMenu(this);
}

frmWizard::~frmWizard() {
  SetRecentFileMenu(nullptr);
}

// The designed initial state: the start page as the navigation lays out page 0.
void frmWizard::SetStartPageState() {
  for (int page = 1; page <= 4; ++page) {
    MainPic[page].SetVisible(false);
  }
  for (ui::Control* fileButton : FileButtons()) {
    fileButton->SetVisible(false);
  }
  cmdNavi[0].SetEnabled(false);
}

std::array<ui::Control*, 6> frmWizard::FileButtons() {
  return {&lblFileOption,     &cmdNew,         &cmdLoadSave[0],
          &cmdRecentFileList, &cmdLoadSave[1], &CmdFileInfo};
}

void frmWizard::SetItemVisible(int index, bool visible) {
  mnuRecentFileList[index].SetVisible(visible);
}

void frmWizard::SetItemCaption(int index, const std::string& caption) {
  mnuRecentFileList[index].SetCaption(caption);
}
