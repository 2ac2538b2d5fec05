// The read-back: finds the module, reads the settings and time stamp of the side that
// answers, offers the autosave copy of that stamp and reads the side's lists.
#include <cerrno>
#include <cstddef>
#include <span>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "mainwindow/wizard_device_controls.h"
#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/date_stamp.h"
#include "project/flag_blocks.h"
#include "project/hex_text.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "seriallink/module_search.h"
#include "seriallink/send_code.h"
#include "texts/text_table.h"

namespace mb = platform::mb;

namespace {

constexpr std::int16_t kSidePolls = 20;
constexpr std::int16_t kCommandPolls = 100;
constexpr std::size_t kCommandDigits = 254;
// Index byte, length byte, the command bytes, then three bytes that are not read.
constexpr std::size_t kBytesBeforeCommand = 2;
constexpr std::size_t kBytesAfterCommand = 3;

void DecodeListAFlags(const std::string& flags, CommandRecord& record) {
  bool query = false;
  DecodeFlagsA(flags, record.StatusMatrix, record.Filter1Matrix, record.BackAnswerNo,
               record.TransToNo, query);
  record.TransToNo = ModuleByteToRecordNo(record.TransToNo);
  record.BackAnswerNo = query ? kStatusQuery : ModuleByteToRecordNo(record.BackAnswerNo);
}

void DecodeListCFlags(const std::string& flags, CommandRecord& record) {
  bool query = false;
  DecodeFlagsC(flags, record.Filter2Matrix, record.TransTo2No, query);
  record.TransTo2No = query ? kStatusQuery : ModuleByteToRecordNo(record.TransTo2No);
}

// One list of a side as the read-back takes it: its letter, its progress label, the
// percentage of its first entry less one, and the record fields it fills.
struct ReadList {
  const char* letter;
  TextKey label;
  int percentBase;
  std::int16_t CommandRecord::*length;
  CommandText CommandRecord::*command;
  void (*decodeFlags)(const std::string&, CommandRecord&);  // lists A and C only
};

const ReadList kSideALists[] = {
    {"A", 551, 0, &CommandRecord::RxCom1Len, &CommandRecord::RxCom1Cmd, DecodeListAFlags},
    {"B", 552, 32, &CommandRecord::TxCom1BackLen, &CommandRecord::TxCom1BackCmd, nullptr},
    {"C", 553, 64, &CommandRecord::TxCom1Len, &CommandRecord::TxCom1Cmd, DecodeListCFlags},
};

const ReadList kSideBLists[] = {
    {"D", 554, 0, &CommandRecord::TxCom2Len, &CommandRecord::TxCom2Cmd, nullptr},
    {"E", 555, 50, &CommandRecord::RxCom2Len, &CommandRecord::RxCom2Cmd, nullptr},
};

std::span<const ReadList> ListsOfSide(bool sideA) {
  return sideA ? std::span<const ReadList>(kSideALists) : std::span<const ReadList>(kSideBLists);
}

// Decodes one answer into the record. An answer without its length byte counts as
// unanswered: false. A command longer than the field is cut to it, its length with it.
bool DecodeEntry(const std::string& answer, const ReadList& list, CommandRecord& record) {
  if (answer.size() < kBytesBeforeCommand) {
    return false;
  }
  const std::size_t n = static_cast<unsigned char>(answer[1]) + 1u;
  const std::string data = answer.substr(kBytesBeforeCommand, n);
  if (data == kEmptyEntryText) {
    record.*list.length = 0;
    (record.*list.command).Set("");
  } else {
    const std::string hex = AsciiToHex(data, true).substr(0, kCommandDigits);
    (record.*list.command).Set(hex);
    record.*list.length = static_cast<std::int16_t>(hex.size());
  }
  if (list.decodeFlags != nullptr) {
    const std::size_t flagsAt = kBytesBeforeCommand + n + kBytesAfterCommand;
    list.decodeFlags(answer.size() > flagsAt ? answer.substr(flagsAt) : std::string(), record);
  }
  return true;
}

// The side's fields of every record, from what was read.
void TakeSide(const CommandRecordList& read, bool sideA) {
  for (std::size_t i = 0; i < read.size(); ++i) {
    const CommandRecord& from = read[i];
    CommandRecord& to = CmdRecords[i];
    for (const ReadList& list : ListsOfSide(sideA)) {
      to.*list.length = from.*list.length;
      to.*list.command = from.*list.command;
    }
    if (sideA) {
      to.BackAnswerNo = from.BackAnswerNo;
      to.TransToNo = from.TransToNo;
      to.TransTo2No = from.TransTo2No;
      to.StatusMatrix = from.StatusMatrix;
      to.Filter1Matrix = from.Filter1Matrix;
      to.Filter2Matrix = from.Filter2Matrix;
    }
  }
}

void BlankAllNames() {
  for (CommandRecord& record : CmdRecords) {
    for (CommandName* name : {&record.RxCom1Info, &record.TxCom1BackInfo, &record.TxCom1Info,
                              &record.TxCom2Info, &record.RxCom2Info}) {
      name->Set("");
    }
  }
}

bool CanBeRead(const std::string& path) {
  ProjectHeader header;
  CommandRecordList records;
  return ReadProjectFile(path, header, records) != ProjectFileRead::Unreadable;
}

}  // namespace

// What one click keeps from pass to pass.
struct frmWizard::ReadBackRun {
  int startIndex = 0;
  std::int32_t baudCode = 0;
  std::int32_t handshake = 0;
  std::string parity;
  std::string stamp;
  bool asked = false;   // the autosave question was answered No, or the copy not read
  bool failed = false;  // the side, settings or lists of this pass could not be read
};

void frmWizard::cmdSearchCom_Click() {
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  SetMousePointer(ui::MousePointer::Hourglass);
  IsLoading = true;
  cmdSearchCom.SetEnabled(false);
  CmdFactory.SetEnabled(false);
  lblRunFind.SetVisible(true);
  lblTransferWarn.SetVisible(true);
  PicPortParameter.SetVisible(true);
  Frame1.SetEnabled(false);
  FrameTransfer.SetVisible(true);
  lblRunFind.SetCaption(LangText[540]);
  FillComPortList(Combo1);
  lblRunFind.SetCaption(LangText[541]);
  if (chkTwoPort.Value() == ui::vb::Checked) {
    SideADataOk = false;
    SideBDataOk = false;
  }
  lblModulVersionView.SetCaption(LangText[542]);

  ReadBackRun run;
  ReadBackPassEnd end = ReadBackPassEnd::Done;
  do {
    end = ReadBackPass(run);
  } while (end == ReadBackPassEnd::Done && !(SideADataOk && SideBDataOk) &&
           chkTwoPort.Value() == ui::vb::Checked);
  if (end != ReadBackPassEnd::EndRun) {
    if (run.failed) {
      PicPortParameter.SetVisible(false);
      ShowDeviceError(LangText[549]);
    } else if (SideADataOk && SideBDataOk) {
      imgInfoCom[0].SetVisible(false);
      imgInfoCom[1].SetVisible(false);
      lblInfotext.SetVisible(false);
      FrameParameter.SetVisible(true);
      FrameList.SetVisible(true);
    }
  }

  lblRunFind.SetCaption("");
  FrameTransfer.SetVisible(false);
  FrameParameter.Refresh();
  lblRunFind.SetVisible(false);
  imgInfoCom[0].SetVisible(false);
  imgInfoCom[1].SetVisible(false);
  lblInfotext.SetVisible(false);
  lblTransferWarn.SetVisible(false);
  Frame1.SetEnabled(true);
  cmdSearchCom.SetEnabled(true);
  CmdFactory.SetEnabled(true);
  IsLoading = false;
  FrameList.Refresh();
  lblTransfer1.SetCaption(LangText[550]);
  lblTransferStatus.SetCaption("0 %");
  ProgressBar1.SetPosition(0);
  Refresh();
  SetMousePointer(ui::MousePointer::Default);
}

frmWizard::ReadBackPassEnd frmWizard::ReadBackPass(ReadBackRun& Run) {
  Run.failed = false;
  ComboListControl ports(Combo1);
  ComboListControl speeds(Combo2);
  const std::string version = FindModulePort(ports, speeds, Run.startIndex);
  lblModulVersionView.SetCaption(LangText[543] + " " + version);
  lblModulDateView.SetCaption("Date: ???");
  if (version == kModuleNotFound) {
    PicPortParameter.SetVisible(false);
    ShowDeviceError(LangText[544]);
    return ReadBackPassEnd::EndRun;
  }
  lblRunFind.SetCaption(LangText[545]);
  const std::string side = ReadModuleSide(Combo1.Text(), Combo2.Text(), kSidePolls);
  if (side != "A" && side != "B") {
    Run.failed = true;
    return ReadBackPassEnd::LeavePasses;
  }
  const bool sideA = side == "A";
  ProgressBar1.SetMin(0);
  ProgressBar1.SetPosition(0);
  ProgressBar1.SetMax(sideA ? 96 : 64);

  if (ReadPortSettings(Combo1.Text(), Combo2.Text(), Run.baudCode, Run.handshake, Run.parity,
                       Run.stamp, kCommandPolls)) {
    TimeStamp& moduleStamp = sideA ? ModuleStampCom1 : ModuleStampCom2;
    (sideA ? ProjHeader.Com1Baud : ProjHeader.Com2Baud) = Run.baudCode;
    (sideA ? ProjHeader.Com1Handshake : ProjHeader.Com2Handshake) = Run.handshake;
    (sideA ? ProjHeader.Com1Parity : ProjHeader.Com2Parity).Set(Run.parity);
    moduleStamp.Set(Run.stamp);
    if (sideA) {
      ProjHeader.SaveStamp = moduleStamp;
    }
    lblModulDateView.SetCaption("Date: " + FormatDateStamp(moduleStamp.Raw()));
    imgInfoCom[0].SetVisible(sideA);
    imgInfoCom[1].SetVisible(!sideA);
    lblInfotext.SetVisible(false);
    ShowCom1Parameters();
    ShowCom2Parameters();
  } else {
    Run.failed = true;
  }
  if (OfferAutosaveCopy(Run)) {
    return ReadBackPassEnd::EndRun;
  }
  if (Run.failed) {
    return ReadBackPassEnd::LeavePasses;
  }

  bool ok = false;
  ReadModuleLists(side, ok);
  if (!ok) {
    Run.failed = true;
    return ReadBackPassEnd::Done;
  }
  RefreshListPages();
  bool& thisSideOk = sideA ? SideADataOk : SideBDataOk;
  thisSideOk = true;
  platform::MsgBox(LangText[sideA ? 547 : 548], mb::Information | mb::SetForeground, AppTitle);
  if (!(sideA ? SideBDataOk : SideADataOk)) {
    // The hint to plug in the other module port.
    imgInfoCom[0].SetVisible(!sideA);
    imgInfoCom[1].SetVisible(sideA);
    lblInfotext.SetText(sideA ? gsConnectHintCom2 : gsConnectHintCom1);
    lblInfotext.SetVisible(true);
  }
  return ReadBackPassEnd::Done;
}

// Asked at most once per run. On No the copy gives the description and the names.
bool frmWizard::OfferAutosaveCopy(ReadBackRun& Run) {
  const std::string path = IsAutosaveFileExists(Run.stamp);
  if (path.empty() || Run.asked) {
    return false;
  }
  if (!CanBeRead(path)) {
    // Told once, then taken as no copy: the names in memory stay.
    ShowFileError(607, path, errno, mb::Exclamation);
    Run.asked = true;
    return false;
  }
  BlankAllNames();
  if (platform::MsgBox(LangText[546], mb::YesNo | mb::Question | mb::SetForeground, AppTitle) ==
      platform::MsgResult::Yes) {
    LoadProjectFile(path);
    imgInfoCom[0].SetVisible(false);
    imgInfoCom[1].SetVisible(false);
    lblInfotext.SetVisible(false);
    return true;
  }
  LoadDescriptionsFromFile(path);
  Run.asked = true;
  return false;
}

// Reads into a copy first, so that a read that fails leaves CmdRecords as they were.
void frmWizard::ReadModuleLists(const std::string& Side, bool& Ok) {
  SetMousePointer(ui::MousePointer::Hourglass);
  PicCtrl.SetEnabled(false);
  Ok = false;
  const bool sideA = Side == "A";
  CommandRecordList read{};
  bool answered = true;
  for (const ReadList& list : ListsOfSide(sideA)) {
    for (int i = 0; i < kRecordCount && answered; ++i) {
      ProgressBar1.SetPosition(ProgressBar1.Position() + 1);
      lblTransfer1.SetCaption(LangText[list.label] + " " + std::to_string(i));
      lblTransferStatus.SetCaption(std::to_string(list.percentBase + i + 1) + " %");
      const std::string answer =
          ReadListEntry(Combo1.Text(), Combo2.Text(), list.letter, i, kCommandPolls);
      if (answer == kWrongEntryAnswer && sideA) {
        TestWindow.Text1.SetText(TestWindow.Text1.Text() + kWrongEntryAnswer + "\r\n");
      }
      // An answer for another entry fails the read like no answer: taken as an empty
      // entry, it would wipe the module's entry at the next transfer.
      answered = answer != kWrongEntryAnswer && !TrimBlanks(answer).empty() &&
                 DecodeEntry(answer, list, read[static_cast<std::size_t>(i)]);
    }
  }
  if (answered) {
    TakeSide(read, sideA);
    Ok = true;
  }
  SetMousePointer(ui::MousePointer::Default);
  PicCtrl.SetEnabled(true);
}
