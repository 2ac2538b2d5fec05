#include "mainwindow/frm_wizard.h"
#include "mainwindow/wizard_device_controls.h"
#include "platform/messagebox.h"
#include "seriallink/module_search.h"
#include "seriallink/send_code.h"
#include "texts/text_table.h"

namespace {

constexpr std::int16_t kSidePolls = 20;
constexpr std::int16_t kResetPolls = 100;

}  // namespace

void frmWizard::ConnectDeviceFlowHandlers() {
  cmdSearchCom.Click = [this] { cmdSearchCom_Click(); };
  CmdFactory.Click = [this] { CmdFactory_Click(); };
  CmdTransmit.Click = [this] { CmdTransmit_Click(); };
}

void frmWizard::CmdFactory_Click() {
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  SetMousePointer(ui::MousePointer::Hourglass);
  lblRunFind.SetVisible(true);
  PicPortParameter.SetVisible(true);
  Frame1.SetEnabled(false);
  FrameTransfer.SetVisible(true);
  cmdSearchCom.SetEnabled(false);
  CmdFactory.SetEnabled(false);
  lblRunFind.SetCaption(LangText[530]);
  FillComPortList(Combo1);
  lblRunFind.SetCaption(LangText[531]);
  lblModulVersionView.SetCaption(LangText[532]);

  ComboListControl ports(Combo1);
  ComboListControl speeds(Combo2);
  ProgressBarAdapter bar(ProgressBar1);
  LabelAdapter transfer(lblTransfer1);
  LabelAdapter status(lblTransferStatus);
  LabelAdapter warn(lblTransferWarn);
  int startIndex = 0;
  bool secondPass = false;
  for (;;) {
    const std::string version = FindModulePort(ports, speeds, startIndex);
    lblModulVersionView.SetCaption(LangText[533] + version);
    if (version != kModuleNotFound) {
      lblRunFind.SetCaption(LangText[535]);
      const std::string side = ReadModuleSide(Combo1.Text(), Combo2.Text(), kSidePolls);
      const std::string portName = side == "A" ? "COM1" : "COM2";
      if (platform::MsgBox(
              LangText[536] + " " + portName + " ?",
              platform::mb::YesNo | platform::mb::Question | platform::mb::SetForeground,
              LangText[537]) == platform::MsgResult::Yes) {
        imgInfoCom[0].SetVisible(side == "A");
        imgInfoCom[1].SetVisible(side != "A");
        lblInfotext.SetVisible(false);
        FactoryResetModule(Combo1.Text(), Combo2.Text(), side == "A", kResetPolls,
                           {bar, transfer, status, warn});
      }
    } else {
      ShowDeviceError(LangText[534]);
    }
    if (chkTwoPort.Value() != ui::vb::Checked || secondPass) {
      break;
    }
    secondPass = true;
  }

  imgInfoCom[0].SetVisible(false);
  imgInfoCom[1].SetVisible(false);
  lblInfotext.SetVisible(false);
  lblRunFind.SetCaption("");
  lblRunFind.SetVisible(false);
  PicPortParameter.SetVisible(false);
  Frame1.SetEnabled(true);
  FrameTransfer.SetVisible(false);
  cmdSearchCom.SetEnabled(true);
  CmdFactory.SetEnabled(true);
  cmdNew_Click();
  Refresh();
  SetMousePointer(ui::MousePointer::Default);
}
