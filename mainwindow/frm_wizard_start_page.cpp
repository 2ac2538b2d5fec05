#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/program_pictures.h"
#include "mainwindow/frm_wizard.h"
#include "platform/cp1252.h"
#include "platform/messagebox.h"
#include "project/drawing.h"
#include "project/shell_links.h"
#include "project/stored_settings.h"

namespace {

constexpr std::uint32_t kTransparentGreen = 0x00FF00;

// The source's whole picture at (x, y) of the target, its pure green pixels left out.
void PaintTransparent(ui::PictureBox& source, ui::PictureBox& target, int x, int y) {
  DrawTransparentBitmap(&target.Canvas(), static_cast<std::int16_t>(x),
                        static_cast<std::int16_t>(y), &source.Canvas(), 0, 0,
                        static_cast<std::int16_t>(source.ScaleWidth()),
                        static_cast<std::int16_t>(source.ScaleHeight()), kTransparentGreen);
}

void PaintAtOwnPlace(ui::PictureBox& source, ui::PictureBox& target) {
  PaintTransparent(source, target, source.Left(), source.Top());
}

}  // namespace

void frmWizard::ConnectStartPageHandlers() {
  PicGermanyShow.SetMouseIcon(ui::Cursor::FromFile(ProgramPicturePath("hand.png"), 7, 0));
  PicGermanyShow.SetMousePointer(ui::MousePointer::Custom);
  PicGermanyShow.MouseDown = [this](int Button, int Shift, float X, float Y) {
    PicGermanyShow_MouseDown(Button, Shift, X, Y);
  };
  PicGermanyShow.MouseUp = [this](int Button, int Shift, float X, float Y) {
    PicGermanyShow_MouseUp(Button, Shift, X, Y);
  };
  CmdHelp.Click = [this] { CmdHelp_Click(); };
  lblEmail.Click = [this] { lblEmail_Click(); };
  lblWeb.Click = [this] { lblWeb_Click(); };
  lblWebQm.Click = [this] { lblWebQm_Click(); };
  imgFlag.Click = [this] { imgFlag_Click(); };
  mnuLanguageList.Click = [this](int Index) { mnuLanguageList_Click(Index); };
}

void frmWizard::DrawStartPageLogos() {
  PaintAtOwnPlace(PicPelvaron, MainPic[0]);
  PaintAtOwnPlace(PicStemp, MainPic[0]);
  PaintTransparent(PicGermanyMini, PicGermanyShow, 0, 0);
  PaintAtOwnPlace(PicMIG, MainPic[0]);
  PicGermanyShow.Refresh();
  MainPic[0].Refresh();
}

// The top left corner of the page, border and inside, in the button-face colour: the
// logo and the larger flag both stand there.
void frmWizard::ClearLogoCorner() {
  std::uint32_t buttonFace = 0;
  platform::OleTranslateColor(platform::vbButtonFace, buttonFace);
  MainPic[0].Canvas().FillRect(0, 0, PicGermany.ScaleWidth() + 1, PicGermany.ScaleHeight() + 1,
                               buttonFace);
}

void frmWizard::PicGermanyShow_MouseDown(int, int, float, float) {
  ClearLogoCorner();
  PaintAtOwnPlace(PicGermany, MainPic[0]);
  MainPic[0].Refresh();
}

void frmWizard::PicGermanyShow_MouseUp(int, int, float, float) {
  ClearLogoCorner();
  PaintAtOwnPlace(PicPelvaron, MainPic[0]);
  MainPic[0].Refresh();
}

void frmWizard::SetHandCursors() {
  std::vector<ui::Control*> controls = {
      &imgFlag,     &cmdNew,          &cmdLoadSave[0], &cmdRecentFileList, &cmdLoadSave[1],
      &CmdFileInfo, &CmdHelp,         &cmdNavi[0],     &cmdNavi[1],        &cmdNavi[2],
      &lblWeb,      &lblEmail,        &lblWebQm,       &cmdSearchCom,      &chkTwoPort,
      &CmdFactory,  &Combo3,          &Combo4,         &chkHandshakeCom1,  &Combo5,
      &Combo6,      &chkHandshakeCom2};
  for (int i = 0; i <= 3; ++i) {
    controls.push_back(&cmdList[i]);
  }
  controls.insert(controls.end(), {&cmdStatusList2, &cmdFilter1B, &cmdFilter2B});
  for (int r = 0; r <= 3; ++r) {
    controls.insert(controls.end(), {&txtInfo[r], &txtUserASC[r], &txtUserHEX[r], &cmbTransTo[r],
                                     &cmdListTo[r], &cmbBackAnswer[r], &cmdListBack[r]});
  }
  controls.insert(controls.end(), {&VScroll1, &cmdFilter1B});
  for (int r = 0; r <= 3; ++r) {
    controls.insert(controls.end(), {&txtInfo2[r], &txtUserASC2[r], &txtUserHEX2[r],
                                     &cmbTransTo2[r], &cmdListTo2[r]});
  }
  controls.insert(controls.end(), {&VScroll2, &cmdFilter2B, &CmdTransmit, &chkOnlyParameter,
                                   &chkTwoPort2, &chkAutosave, &cmdShowAutosave});
  // All icons first, then all pointers.
  for (ui::Control* control : controls) {
    control->SetMouseIcon(PicGermanyShow.MouseIcon());
  }
  for (ui::Control* control : controls) {
    control->SetMousePointer(ui::MousePointer::Custom);
  }
}

void frmWizard::CmdHelp_Click() {
  ShowHelpFile();
}

void frmWizard::lblEmail_Click() {
  SendSupportMail();
}

void frmWizard::lblWeb_Click() {
  OpenMakerWebPage();
}

void frmWizard::lblWebQm_Click() {
  OpenDeveloperWebPage();
}

void frmWizard::imgFlag_Click() {
  PopupMenu(mnuLanguage);
}

// A stored choice applies at the next start; the closing question follows at once. A
// choice that could not be stored changes nothing.
void frmWizard::mnuLanguageList_Click(int Index) {
  if (!SaveSettingOrTell("Appname", "Language", "ID", std::to_string(Index + 1))) {
    return;
  }
  platform::MsgBox(
      platform::Utf8ToCp1252("Anwendung beenden zum übernehmen/close Application to refresh !"),
      platform::mb::Information | platform::mb::SetForeground, "Spache/Language");
  Unload();
}
