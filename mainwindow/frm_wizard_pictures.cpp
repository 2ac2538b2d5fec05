#include "dialogs/program_pictures.h"
#include "mainwindow/frm_wizard.h"

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
  ImgReg1.SetPicture(ProgramPicture("register.png"));
  ImgReg2.SetPicture(ProgramPicture("register_query.png"));
  ImgReg3.SetPicture(ProgramPicture("register_query.png"));
  ImgClean1.SetPicture(ProgramPicture("no_link.png"));
  ImgClean2.SetPicture(ProgramPicture("no_answer_lane.png"));
  ImgClean3.SetPicture(ProgramPicture("no_answer.png"));
  ImgClean4.SetPicture(ProgramPicture("no_answer_lane.png"));
  ImgClean5.SetPicture(ProgramPicture("no_link.png"));
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
