#include <array>

#include "mainwindow/frm_wizard.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "texts/text_table.h"

namespace {

constexpr std::int16_t kLastPage = 4;

struct PagePlace {
  int left;
  int top;
};

// Where the title band's lower edge and the transfer panel lie on each page.
constexpr std::array<PagePlace, 5> kFrameTopPlace = {
    {{-6, 92}, {-6, 42}, {-6, 42}, {-6, 42}, {-6, 42}}};
constexpr std::array<PagePlace, 5> kTransferPlace = {
    {{4, 500}, {4, 500}, {4, 528}, {4, 528}, {4, 452}}};

}  // namespace

void frmWizard::ConnectNavigationHandlers() {
  cmdNavi.Click = [this](int Index) { cmdNavi_Click(Index); };
}

void frmWizard::cmdNavi_Click(int Index) {
  // End asks before anything is touched: Yes ends the program, No leaves the window as
  // it was, so a device flow that lets window messages be handled keeps its progress in
  // view and its controls disabled.
  if (Index == 2) {
    Unload();
    return;
  }
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  SetMousePointer(ui::MousePointer::Hourglass);
  const std::int16_t oldPage = WizardPage;
  MainPic[0].SetEnabled(false);
  MainPic[1].SetEnabled(false);
  cmdNavi[0].SetEnabled(false);
  cmdNavi[1].SetEnabled(false);
  for (ui::Control* fileButton : FileButtons()) {
    fileButton->SetVisible(false);
  }

  if (Index == 0) {
    --WizardPage;
  } else if (Index == 1) {
    ++WizardPage;
  }

  if (WizardPage == 2 && oldPage == 1 && !(SideADataOk && SideBDataOk)) {
    platform::MsgBox(LangText[591], platform::mb::Exclamation | platform::mb::SetForeground,
                     "Weiter/Next");
    WizardPage = 1;
  } else if (WizardPage == kLastPage + 1 && oldPage == kLastPage) {
    WizardPage = 1;  // Next on the last page starts over on page 1, not the start page
  }

  if (WizardPage <= 0) {
    WizardPage = 0;
    cmdNavi[0].SetEnabled(false);
    cmdNavi[1].SetCaption(LangText[592]);
  } else if (WizardPage == kLastPage) {
    cmdNavi[0].SetEnabled(true);
    cmdNavi[1].SetCaption(LangText[593]);
  } else {
    cmdNavi[0].SetEnabled(true);
    cmdNavi[1].SetCaption(LangText[594]);
  }
  ShowWizardPage(WizardPage);
  cmdNavi[1].SetEnabled(true);
  MainPic[0].SetEnabled(true);
  MainPic[1].SetEnabled(true);
  SetMousePointer(ui::MousePointer::Default);
}

void frmWizard::ShowWizardPage(std::int16_t& Page) {
  for (int page = 0; page <= kLastPage; ++page) {
    MainPic[page].SetVisible(false);
  }
  MainPic[Page].SetVisible(true);

  const bool titled = Page != 0;
  if (titled) {
    // Page n has its title and subtitle in texts 593 + 2n and 594 + 2n.
    lblCaption1.SetCaption(LangText[593 + 2 * Page]);
    lblCaption2.SetCaption(LangText[594 + 2 * Page]);
  }
  ImgLogo.SetVisible(!titled);
  FrameTop.Move(kFrameTopPlace[Page].left, kFrameTopPlace[Page].top);
  imgBanner.SetVisible(titled);
  lblCaption1.SetVisible(titled);
  lblCaption2.SetVisible(titled);
  const bool projectButtons = Page == 1;
  lblFileOption.SetVisible(projectButtons);
  cmdNew.SetVisible(projectButtons);
  cmdLoadSave[0].SetVisible(projectButtons);
  cmdRecentFileList.SetVisible(projectButtons);
  cmdLoadSave[1].SetVisible(titled);
  CmdFileInfo.SetVisible(titled);
  FrameTransfer.Move(kTransferPlace[Page].left, kTransferPlace[Page].top);
  FrameTransfer.SetVisible(false);

  if (Page == 1 && !InfoShown) {
    InfoWindow.ShowModal(this);
  }
  for (ui::Control* fileButton : FileButtons()) {
    fileButton->Refresh();
  }
  FrameTransfer.Refresh();
  SetPageTabOrder(Page);
}

void frmWizard::SetPageTabOrder(std::int16_t Page) {
  int position = 1;
  const auto inOrder = [&position](auto&... controls) { (controls.SetTabIndex(position++), ...); };
  inOrder(cmdNew, cmdLoadSave[0], cmdRecentFileList, cmdLoadSave[1], CmdFileInfo);
  switch (Page) {
    case 1:
      inOrder(cmdSearchCom, chkTwoPort, CmdFactory, Combo3, Combo4, chkHandshakeCom1, Combo5,
              Combo6, chkHandshakeCom2, cmdList[0], cmdList[2], cmdList[1], cmdList[3],
              cmdStatusList2, cmdFilter1B, cmdFilter2B);
      break;
    case 2:
      for (int r = 0; r <= 3; ++r) {
        inOrder(txtInfo[r], txtUserASC[r], txtUserHEX[r], cmbTransTo[r], cmdListTo[r],
                cmbBackAnswer[r], cmdListBack[r]);
      }
      inOrder(VScroll1, cmdFilter1B);
      break;
    case 3:
      for (int r = 0; r <= 3; ++r) {
        inOrder(txtInfo2[r], txtUserASC2[r], txtUserHEX2[r], cmbTransTo2[r], cmdListTo2[r]);
      }
      inOrder(VScroll2, cmdFilter2B);
      break;
    case 4:
      inOrder(CmdTransmit, chkOnlyParameter, chkTwoPort2, chkAutosave);
      break;
    default:
      break;
  }
}
