#include "mainwindow/frm_wizard.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/paths.h"
#include "project/records.h"
#include "texts/text_table.h"

void frmWizard::ConnectNewProjectHandlers() {
  cmdNew.Click = [this] { cmdNew_Click(); };
  cmdShowAutosave.Click = [this] { cmdShowAutosave_Click(); };
}

void frmWizard::cmdNew_Click() {
  if (platform::MsgBox(LangText[538] + "\r\n" + LangText[539],
                       platform::mb::YesNo | platform::mb::Question | platform::mb::SetForeground,
                       AppTitle) != platform::MsgResult::Yes) {
    return;
  }
  IsLoading = true;
  SetNewProjectValues();
  SideADataOk = true;
  SideBDataOk = true;
  RefreshListPages();
  FrameParameter.SetVisible(true);
  FrameList.SetVisible(true);
  FrameParameter.Refresh();
  FrameList.Refresh();
  IsLoading = false;
}

// The folder need not exist yet: it is made by the first autosave.
void frmWizard::cmdShowAutosave_Click() {
  platform::MsgBox(platform::PathToText(PathJoin(platform::ProgramFolder(), "Autosave") + "/"),
                   platform::mb::Information | platform::mb::SetForeground,
                   AppTitle + " - AutosaveDiretory");
}

void frmWizard::RefreshListPages() {
  ShowCom1Parameters();
  ShowLinkPage1();
  ShowCom2Parameters();
  ShowLinkPage2();
}
