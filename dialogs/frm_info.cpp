#include "dialogs/frm_info.h"

#include "dialogs/program_pictures.h"
#include "project/program_state.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

frmInfo::frmInfo() : Form("frmInfo") {
  SetCaption("Info");
  SetClientSize(760, 606);
  // One PC port: side A first, then the same for side B. The boxes hold their whole
  // text in German and in English without scrolling.
  Frame1.Move(8, 6, 744, 302);
  Text1.Move(10, 20, 390, 184);
  Text2.Move(10, 210, 390, 82);
  Pic1.Move(408, 20, 330, 200);
  // Two PC ports: both sides in one run.
  Frame2.Move(8, 314, 744, 224);
  Text3.Move(10, 20, 390, 194);
  Picture1.Move(408, 20, 330, 200);
  for (platform::ui::TextBox* text : {&Text1, &Text2, &Text3}) {
    text->SetLocked(true);
  }
  Image3.Move(16, 546, 120, 50);
  Image1.Move(150, 546, 160, 30);
  Label1.Move(150, 578, 250, 18);
  Image2.Move(410, 546, 160, 30);
  Label2.Move(410, 578, 262, 18);
  Command1.Move(680, 566, 72, 28);

  Pic1.SetPicture(ProgramPicture("info_one_port.png"));
  Picture1.SetPicture(ProgramPicture("info_two_ports.png"));
  Image1.SetPicture(ProgramPicture("cable_straight.png"));
  Image2.SetPicture(ProgramPicture("cable_crossed.png"));
  Image3.SetPicture(ProgramPicture("switch_prog.png"));
  // Return and Escape close the window as Ok does.
  Command1.SetDefault(true);
  Command1.SetCancel(true);
  Command1.Click = [this] { Command1_Click(); };
}

void frmInfo::Form_Load() {
  SetFormTexts(*this, LanguageID == 0);
  InfoShown = true;
}

void frmInfo::Command1_Click() {
  Unload();
}
