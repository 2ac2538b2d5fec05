#include "mainwindow/frm_wizard.h"

// Designed layout of the start page, page 1 and page 4, in pixels within each page.

void frmWizard::LayoutStartPage() {
  // Only the pictures of these boxes are painted onto the page.
  PicPelvaron.Move(-4, 0, 473, 502);
  PicGermany.Move(-6, 0, 473, 502);
  PicStemp.Move(474, 0, 170, 170);
  PicMIG.Move(676, 40, 91, 46);
  PicGermanyMini.Move(0, 0, 139, 179);
  for (ui::PictureBox* source : {&PicPelvaron, &PicGermany, &PicStemp, &PicMIG, &PicGermanyMini}) {
    source->SetVisible(false);
  }
  PicGermanyShow.Move(688, 198, 139, 179);

  Label1.Move(478, 176, 200, 34);
  Label1.SetWordWrap(true);
  Label1.SetFontBold(true);
  // Labels without an entry in the text table carry texts that read in every language.
  Label1.SetCaption("VELDRAN Pelvaron");
  txtInfoAdress.Move(478, 214, 200, 170);
  txtInfoAdress.SetLocked(true);
  lblVersionInfo.Move(478, 392, 200, 16);
  const platform::OleColor linkBlue = platform::RGB(0, 0, 192);
  lblWeb.Move(478, 416, 200, 16);
  lblWebQm.Move(478, 436, 200, 16);
  lblEmail.Move(478, 456, 200, 16);
  for (ui::Label* link : {&lblWeb, &lblWebQm, &lblEmail}) {
    link->SetForeColor(linkBlue);
  }
  imgFlag.Move(780, 400, 48, 32);
}

void frmWizard::LayoutPage1() {
  Frame1.Move(8, 6, 400, 262);
  cmdSearchCom.Move(12, 22, 376, 32);
  chkTwoPort.Move(12, 60, 376, 20);
  PicPortParameter.Move(12, 88, 376, 100);
  lblCom[0].Move(4, 8, 60, 16);
  Combo1.Move(68, 4, 110, 22);
  Combo2.Move(186, 4, 90, 22);
  lblModulVersionView.Move(4, 40, 366, 16);
  lblModulDateView.Move(4, 64, 366, 16);
  lblRunFind.Move(12, 194, 376, 18);
  lblRunFind.SetVisible(false);  // shown by the search and the factory reset while they run
  CmdFactory.Move(12, 220, 376, 30);

  FrameParameter.Move(416, 6, 429, 262);
  Label2.Move(12, 20, 405, 16);
  Label2.SetFontBold(true);
  Label2.SetCaption("Schnittstellenparameter / Port parameters");
  struct PortBlock {
    ui::Image& picture;
    ui::Label& title;
    ui::Label& baudLabel;
    ui::ComboBox& baud;
    ui::Label& parityLabel;
    ui::ComboBox& parity;
    ui::CheckBox& handshake;
    ui::Label& handshakeLabel;
  };
  const PortBlock blocks[] = {
      {ImgParameter1, lblCom1Parameter, lblBaudCom1, Combo3, lblParityCom1, Combo4,
       chkHandshakeCom1, Label3},
      {ImgParameter2, lblCom2Parameter, lblBaudCom2, Combo5, lblParityCom2, Combo6,
       chkHandshakeCom2, Label4},
  };
  int top = 48;
  for (const PortBlock& block : blocks) {
    block.picture.Move(12, top, 48, 32);
    block.title.Move(68, top, 340, 16);
    block.title.SetFontBold(true);
    block.baudLabel.Move(68, top + 28, 60, 16);
    block.baudLabel.SetCaption("Baud");
    block.baud.Move(130, top + 24, 100, 22);
    block.parityLabel.Move(240, top + 28, 50, 16);
    block.parityLabel.SetCaption("Parity");
    block.parity.Move(292, top + 24, 110, 22);
    block.handshake.Move(130, top + 54, 20, 20);
    block.handshakeLabel.Move(152, top + 56, 150, 16);
    block.handshakeLabel.SetCaption("Handshake");
    top += 100;
  }

  FrameList.Move(8, 274, 837, 176);
  lblListCaption.Move(12, 20, 600, 18);
  lblListCaption.SetFontBold(true);
  // Rx-COM1, Tx-COM1, Tx-COM2, Rx-COM2 and the back answers side by side.
  for (int i = 0; i <= 4; ++i) {
    cmdList[i].Move(12 + i * 164, 46, 150, 70);
    if (i <= 3) {
      lblListCmdInfo[i].Move(12 + i * 164, 122, 150, 44);
      lblListCmdInfo[i].SetWordWrap(true);
      lblListCmdInfo[i].SetAlignment(ui::Alignment::Center);
    }
  }
  FrameList.SetVisible(false);
  FrameParameter.SetVisible(false);
}

void frmWizard::LayoutPage4() {
  Frame4.Move(8, 8, 837, 300);
  CmdTransmit.Move(16, 24, 400, 40);
  CmdTransmit.SetFontBold(true);
  chkOnlyParameter.Move(16, 82, 460, 20);
  chkTwoPort2.Move(16, 108, 460, 20);
  chkAutosave.Move(16, 134, 300, 20);
  cmdShowAutosave.Move(330, 130, 160, 26);
  lblFindModul.Move(16, 180, 600, 16);
  lblComSideinfo.Move(16, 204, 600, 16);
}
