#include "mainwindow/frm_wizard.h"

// Designed layout of the window frame, in pixels: title band, pages, transfer panel
// and the button bar along the bottom edge.
void frmWizard::LayoutWindowFrame() {
  SetClientSize(852, 658);

  ImgLogo.Move(0, 0, 910, 91);
  imgBanner.Move(0, 0, 928, 44);
  imgBanner.SetVisible(false);
  lblVeldran.Move(560, 4, 284, 18);
  lblVeldran.SetAlignment(ui::Alignment::Right);
  lblVeldran.SetTransparent(true);
  lblVeldran.SetFontBold(true);
  lblVeldran.SetForeColor(platform::RGB(0, 32, 96));
  lblCaption1.Move(12, 3, 520, 18);
  lblCaption1.SetFontBold(true);
  lblCaption2.Move(12, 22, 620, 18);
  for (ui::Label* caption : {&lblCaption1, &lblCaption2}) {
    caption->SetTransparent(true);
    caption->SetForeColor(platform::RGB(255, 255, 255));
    caption->SetVisible(false);
  }
  FrameTop.Move(-6, 92, 870, 2);
  FrameButtom.Move(-6, 622, 870, 2);

  MainPic[0].Move(0, 96, 853, 505);
  MainPic[1].Move(0, 44, 853, 485);
  MainPic[2].Move(0, 44, 853, 565);
  MainPic[3].Move(0, 44, 853, 565);
  MainPic[4].Move(0, 44, 853, 417);

  FrameTransfer.Move(4, 500, 837, 93);
  lblTransfer1.Move(10, 16, 600, 16);
  lblTransferStatus.Move(760, 16, 60, 16);
  lblTransferStatus.SetAlignment(ui::Alignment::Right);
  ProgressBar1.Move(10, 36, 760, 20);
  // The bar's properties as stored with the window; this also creates the bar itself.
  ProgressBar1.ReadProperties({{"Smooth", -1}, {"Min", 1}});
  imgInfoCom[0].Move(780, 34, 24, 24);
  imgInfoCom[1].Move(806, 34, 24, 24);
  lblTransferWarn.Move(10, 62, 815, 28);
  lblTransferWarn.SetWordWrap(true);
  lblTransferWarn.SetFontBold(true);
  lblTransferWarn.SetForeColor(platform::RGB(192, 0, 0));
  FrameTransfer.SetVisible(false);

  // The connection hint lies over the transfer panel of page 1, beside its pictures of
  // the module ports, while the read-back waits for the other port.
  lblInfotext.Move(4, 500, 776, 93);
  lblInfotext.SetLocked(true);
  lblInfotext.ZOrder();
  lblInfotext.SetVisible(false);

  PicCtrl.Move(4, 628, 709, 29);
  lblFileOption.Move(2, 8, 84, 16);
  cmdNew.Move(88, 2, 64, 25);
  cmdLoadSave[0].Move(156, 2, 74, 25);
  cmdRecentFileList.Move(232, 2, 26, 25);
  cmdLoadSave[1].Move(262, 2, 84, 25);
  CmdFileInfo.Move(350, 2, 28, 25);
  cmdNavi.Add(PicCtrl, 0).Move(496, 2, 100, 25);
  cmdNavi.Add(PicCtrl, 1).Move(602, 2, 104, 25);
  cmdNavi.Add(*this, 2).Move(718, 630, 100, 25);
  CmdHelp.Move(824, 630, 24, 25);
}
