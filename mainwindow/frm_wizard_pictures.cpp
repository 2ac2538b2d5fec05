#include <cstdint>

#include "dialogs/program_pictures.h"
#include "mainwindow/frm_wizard.h"
#include "project/drawing.h"

namespace {

constexpr std::uint32_t kTransparentGreen = 0x00FF00;

// The source's whole picture at (x, y) of the target, its pure green pixels left out.
void PaintTransparent(ui::PictureBox& source, ui::PictureBox& target, int x, int y) {
  DrawTransparentBitmap(&target.Canvas(), static_cast<std::int16_t>(x),
                        static_cast<std::int16_t>(y), &source.Canvas(), 0, 0,
                        static_cast<std::int16_t>(source.ScaleWidth()),
                        static_cast<std::int16_t>(source.ScaleHeight()), kTransparentGreen);
}

}  // namespace

void frmWizard::LoadPictures() {
  ImgLogo.SetPicture(ProgramPicture("logo.png"));
  imgBanner.SetPicture(ProgramPicture("banner.png"));
  PicPelvaron.SetPicture(ProgramPicture("pelvaron.png"));
  PicGermany.SetPicture(ProgramPicture("germany.png"));
  PicGermanyMini.SetPicture(ProgramPicture("germany_mini.png"));
  PicStemp.SetPicture(ProgramPicture("stamp.png"));
  PicMIG.SetPicture(ProgramPicture("mig.png"));
  imgFlag.SetPicture(ProgramPicture("flag.png"));
  PicInfo1.SetPicture(ProgramPicture("flow_com1_com2.png"));
  PicInfo2.SetPicture(ProgramPicture("flow_com2_com1.png"));
  imgInfoCom[0].SetPicture(ProgramPicture("com_a.png"));
  imgInfoCom[1].SetPicture(ProgramPicture("com_b.png"));
  ImgParameter1.SetPicture(ProgramPicture("port.png"));
  ImgParameter2.SetPicture(ProgramPicture("port.png"));
  for (ui::Image* image : {&ImgReg1, &ImgReg2, &ImgReg3}) {
    image->SetPicture(ProgramPicture("register.png"));
  }
  for (ui::Image* image : {&ImgClean1, &ImgClean2, &ImgClean3, &ImgClean4, &ImgClean5}) {
    image->SetPicture(ProgramPicture("no_command.png"));
  }
  const ui::Picture arrow = ProgramPicture("arrow.png");
  Arrow1.ForEach([&arrow](ui::Image& image) { image.SetPicture(arrow); });
  Arrow2.ForEach([&arrow](ui::Image& image) { image.SetPicture(arrow); });
  // Buttons whose caption is empty in every language.
  const ui::Picture list = ProgramPicture("list.png");
  cmdRecentFileList.SetPicture(ProgramPicture("down.png"));
  CmdFileInfo.SetPicture(ProgramPicture("description.png"));
  for (int i = 0; i <= 3; ++i) {
    cmdList[i].SetPicture(list);
  }
  for (ui::ControlArray<ui::CommandButton>* listButtons : {&cmdListTo, &cmdListBack, &cmdListTo2}) {
    listButtons->ForEach([&list](ui::CommandButton& button) { button.SetPicture(list); });
  }
  for (ui::ControlArray<ui::Image>* upDown : {&imgUpDownList, &imgUpDownList2}) {
    (*upDown)[0].SetPicture(ProgramPicture("up.png"));
    (*upDown)[1].SetPicture(ProgramPicture("down.png"));
  }
}

void frmWizard::DrawStartPageLogos() {
  PaintTransparent(PicPelvaron, MainPic[0], PicPelvaron.Left(), PicPelvaron.Top());
  PaintTransparent(PicStemp, MainPic[0], PicStemp.Left(), PicStemp.Top());
  PaintTransparent(PicGermanyMini, PicGermanyShow, 0, 0);
  PaintTransparent(PicMIG, MainPic[0], PicMIG.Left(), PicMIG.Top());
  PicGermanyShow.Refresh();
  MainPic[0].Refresh();
}
