#include <cerrno>
#include <functional>
#include <optional>
#include <span>

#include "mainwindow/frm_wizard.h"
#include "mainwindow/wizard_device_controls.h"
#include "platform/cp1252.h"
#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/autosave.h"
#include "project/date_stamp.h"
#include "project/flag_blocks.h"
#include "project/hex_text.h"
#include "project/program_state.h"
#include "project/records.h"
#include "seriallink/module_search.h"
#include "seriallink/send_code.h"
#include "texts/text_table.h"

namespace {

constexpr std::int16_t kSidePolls = 20;
constexpr std::int16_t kCommandPolls = 100;
constexpr std::int32_t kBaud57600 = 5;
constexpr std::int32_t kBaud9600 = 9;

// What goes on the wire for a command field: its raw bytes; "empty entry" for a
// field without a whole byte (blank, a lone digit) and for one never set (all NUL);
// nothing for a field that is not hex.
std::optional<std::string> CommandData(const CommandText& field) {
  const std::string raw = field.Raw();
  if (raw.find_first_not_of('\0') == std::string::npos) {
    return kEmptyEntryText;
  }
  const std::optional<std::string> bytes = HexToAscii(std::string(TrimBlanks(raw)), false);
  if (bytes && bytes->empty()) {
    return kEmptyEntryText;
  }
  return bytes;
}

// One row of what a side sends: for each entry i, a command of list `list` with the
// data of record i, its progress label and its error box.
struct TransferRow {
  const char* list;
  bool flagBlock;  // sent as the entry's flag block, else as its command
  std::function<std::optional<std::string>(const CommandRecord&)> data;
  TextKey label;
  TextKey error;  // 0: the fixed text of the Rx-COM1 flags
  bool plainBox;  // only the text, no icon and no causes
  bool blankBeforeBreak;
};

std::function<std::optional<std::string>(const CommandRecord&)> CommandOf(
    CommandText CommandRecord::*field) {
  return [field](const CommandRecord& record) { return CommandData(record.*field); };
}

const TransferRow kSideARows[] = {
    {"A", false, CommandOf(&CommandRecord::RxCom1Cmd), 561, 562, true, false},
    {"B", false, CommandOf(&CommandRecord::TxCom1BackCmd), 564, 565, false, true},
    {"C", false, CommandOf(&CommandRecord::TxCom1Cmd), 566, 567, false, false},
    {"A", true,
     [](const CommandRecord& record) -> std::optional<std::string> {
       return EncodeFlagsA(record.StatusMatrix, record.Filter1Matrix,
                           RecordNoToModuleByte(record.BackAnswerNo),
                           RecordNoToModuleByte(record.TransToNo));
     },
     568, 0, false, false},
    {"C", true,
     [](const CommandRecord& record) -> std::optional<std::string> {
       return EncodeFlagsC(record.Filter2Matrix, RecordNoToModuleByte(record.TransTo2No));
     },
     569, 570, false, false},
};

const TransferRow kSideBRows[] = {
    {"D", false, CommandOf(&CommandRecord::TxCom2Cmd), 571, 572, true, false},
    {"E", false, CommandOf(&CommandRecord::RxCom2Cmd), 574, 575, false, false},
};

void ShowRowError(const TransferRow& row) {
  if (row.plainBox) {
    platform::MsgBox(LangText[row.error]);
    return;
  }
  const std::string text =
      row.error != 0 ? LangText[row.error]
                     : platform::Utf8ToCp1252("Fehler bei der Übertragung der Rx-COM1 Flags!");
  ShowDeviceError(row.blankBeforeBreak ? text + " " : text);
}

}  // namespace

void frmWizard::CmdTransmit_Click() {
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  SetMousePointer(ui::MousePointer::Hourglass);
  CmdTransmit.SetEnabled(false);
  lblFindModul.SetVisible(true);
  lblRunFind.SetCaption(LangText[556]);
  FillComPortList(Combo1);
  lblFindModul.SetCaption(LangText[557]);
  PicCtrl.SetEnabled(false);

  ComboListControl ports(Combo1);
  ComboListControl speeds(Combo2);
  int startIndex = 0;
  for (bool secondPass = false;; secondPass = true) {
    if (FindModulePort(ports, speeds, startIndex) == kModuleNotFound) {
      PicPortParameter.SetVisible(false);
      ShowDeviceError(LangText[558]);
      break;
    }
    if (!TransmitPass(!secondPass) || chkTwoPort.Value() != ui::vb::Checked || secondPass) {
      break;
    }
  }

  FrameTransfer.SetVisible(false);
  lblFindModul.SetVisible(false);
  CmdTransmit.SetEnabled(true);
  PicCtrl.SetEnabled(true);
  imgInfoCom[0].SetVisible(false);
  imgInfoCom[1].SetVisible(false);
  lblTransferStatus.SetCaption("0 %");
  ProgressBar1.SetPosition(0);
  lblTransfer1.SetCaption(LangText[577]);
  lblComSideinfo.SetCaption("VELDRAN Pelvaron COM ???");
  lblTransferWarn.SetVisible(false);
  SetMousePointer(ui::MousePointer::Default);
  platform::MsgBox(LangText[chkTwoPort.Value() == ui::vb::Checked ? 579 : 578],
                   platform::mb::Information | platform::mb::SetForeground, AppTitle);
}

bool frmWizard::TransmitPass(bool FirstPass) {
  const std::string port = Combo1.Text();
  const std::string speed = Combo2.Text();
  FrameTransfer.SetVisible(true);
  lblFindModul.SetCaption(LangText[559] + port);
  lblRunFind.SetCaption(LangText[560]);
  lblModulDateView.SetCaption("Date: ???");
  ProgressBar1.SetMin(0);
  ProgressBar1.SetPosition(0);
  lblTransferStatus.SetCaption("0 %");
  lblTransferWarn.SetVisible(true);

  // Without a side answer nothing is sent: side B's lists must not reach an unknown port.
  const std::string side = ReadModuleSide(port, speed, kSidePolls);
  if (side != "A" && side != "B") {
    ShowDeviceError(LangText[549]);
    return false;
  }
  const bool sideA = side == "A";
  lblComSideinfo.SetCaption(sideA ? "Pelvaron COM1" : "Pelvaron COM2");
  std::int32_t baudCode = sideA ? ProjHeader.Com1Baud : ProjHeader.Com2Baud;
  const std::int32_t handshake = sideA ? ProjHeader.Com1Handshake : ProjHeader.Com2Handshake;
  const std::string parity = (sideA ? ProjHeader.Com1Parity : ProjHeader.Com2Parity).Raw();
  if (!gbModuleFw5 && baudCode == kBaud57600) {
    baudCode = kBaud9600;
  }
  if (FirstPass) {
    ProjHeader.SaveStamp.Set(GetDateStamp());
    ModuleStampCom1 = ProjHeader.SaveStamp;
    ModuleStampCom2 = ProjHeader.SaveStamp;
    if (chkAutosave.Value() == ui::vb::Checked) {
      // A copy that could not be written is told, but never stops the transfer:
      // without it the read-back cannot give back the names and the description.
      const std::string stamp = ProjHeader.SaveStamp.Raw();
      if (!WriteAutosave(stamp)) {
        ShowFileError(617, AutosaveFile(stamp), errno, platform::mb::Exclamation);
      }
    }
  }
  if (chkOnlyParameter.Value() != ui::vb::Checked && !TransmitLists(sideA)) {
    return false;
  }
  lblModulDateView.SetCaption("Date: " + FormatDateStamp(ProjHeader.SaveStamp.Raw()));
  if (!SetPortSettings(port, speed, baudCode, handshake, parity, ProjHeader.SaveStamp.Raw(),
                       kCommandPolls)) {
    ShowDeviceError(LangText[576]);
    return false;
  }
  return true;
}

bool frmWizard::TransmitLists(bool SideA) {
  imgInfoCom[0].SetVisible(SideA);
  imgInfoCom[1].SetVisible(!SideA);
  const std::span<const TransferRow> rows =
      SideA ? std::span<const TransferRow>(kSideARows) : std::span<const TransferRow>(kSideBRows);
  const int max = static_cast<int>(rows.size()) * kRecordCount;
  ProgressBar1.SetMax(max);
  const std::string port = Combo1.Text();
  const std::string speed = Combo2.Text();
  for (const TransferRow& row : rows) {
    for (int i = 0; i < kRecordCount; ++i) {
      ProgressBar1.SetPosition(ProgressBar1.Position() + 1);
      lblTransfer1.SetCaption(LangText[row.label] + " " + std::to_string(i));
      lblTransferStatus.SetCaption(std::to_string(ProgressBar1.Position() * 100 / max) + " %");
      const std::optional<std::string> data = row.data(CmdRecords[static_cast<std::size_t>(i)]);
      const bool answered =
          data && !(row.flagBlock ? WriteEntryFlags(port, speed, row.list, i, *data, kCommandPolls)
                                  : WriteListEntry(port, speed, row.list, i, *data, kCommandPolls))
                       .empty();
      if (!answered) {
        ShowRowError(row);
        return false;
      }
    }
  }
  return true;
}
