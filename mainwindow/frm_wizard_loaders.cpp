#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/paths.h"
#include "project/project_file.h"
#include "project/records.h"
#include "texts/text_table.h"

namespace mb = platform::mb;

namespace {

// The time stamp of a module to which no project has been transferred.
constexpr const char* kFactoryStamp = "20060000000000";
constexpr std::size_t kStampDigits = 14;

// The module's answer names the file: anything but a stamp's digits could lead out of
// the autosave folder.
bool IsStampText(const std::string& text) {
  return text.size() == kStampDigits &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void frmWizard::ShowLoadedProject() {
  IsLoading = true;
  RefreshListPages();
  FrameParameter.SetVisible(true);
  FrameList.SetVisible(true);
  FrameParameter.Refresh();
  FrameList.Refresh();
  SideADataOk = true;
  SideBDataOk = true;
  IsLoading = false;
}

void frmWizard::ShowRefusedFile(ProjectFileRead Result, TextKey WrongFileKey,
                                const std::string& Path) {
  const int error = errno;
  if (Result == ProjectFileRead::Unreadable) {
    ShowFileError(607, Path, error);
  } else {
    platform::MsgBox(LangText[WrongFileKey], mb::Critical | mb::SetForeground, AppTitle);
  }
}

void frmWizard::ShowFileError(TextKey Key, const std::string& Path, int Error, int Icon) {
  platform::MsgBox(
      LangText[Key] + "\r\n" + platform::PathToText(Path) + "\r\n" + platform::ErrorText(Error),
      Icon | mb::SetForeground, AppTitle);
}

void frmWizard::ShowLoadedMessages(TextKey LoadedKey, TextKey DescriptionKey,
                                   const std::string& Path) {
  platform::MsgBox(LangText[LoadedKey] + "\r\n" + platform::PathToText(Path),
                   mb::Information | mb::SetForeground);
  const std::string description = ProjHeader.FileInfo.Read();
  if (!description.empty()) {
    platform::MsgBox(description, mb::Information | mb::SetForeground, LangText[DescriptionKey]);
  }
}

bool frmWizard::LoadProjectFile(std::string sFile) {
  if (TrimBlanks(sFile).empty()) {
    return false;
  }
  SetMousePointer(ui::MousePointer::Hourglass);
  AddPathToRecentFiles(sFile);
  const ProjectFileRead read = ReadProjectFile(sFile);
  if (read != ProjectFileRead::Loaded) {
    ShowRefusedFile(read, 614, sFile);
    SetMousePointer(ui::MousePointer::Default);
    return false;
  }
  ShowLoadedProject();
  ShowLoadedMessages(615, 616, sFile);
  SetMousePointer(ui::MousePointer::Default);
  return true;
}

// A copy that is refused leaves the records as they were.
bool frmWizard::LoadDescriptionsFromFile(std::string sFile) {
  if (TrimBlanks(sFile).empty()) {
    return false;
  }
  ProjectHeader header;
  CommandRecordList records;
  const ProjectFileRead read = ReadProjectFile(sFile, header, records);
  if (read != ProjectFileRead::Loaded) {
    ShowRefusedFile(read, 614, sFile);
    return false;
  }
  ProjHeader.FileInfo.Set(header.FileInfo.Read());
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    CommandRecord& target = CmdRecords[i];
    const CommandRecord& source = records[i];
    target.RxCom1Info = source.RxCom1Info;
    target.TxCom1BackInfo = source.TxCom1BackInfo;
    target.TxCom1Info = source.TxCom1Info;
    target.TxCom2Info = source.TxCom2Info;
    target.RxCom2Info = source.RxCom2Info;
  }
  return true;
}

std::string frmWizard::IsAutosaveFileExists(std::string sDate) {
  if (sDate == kFactoryStamp || !IsStampText(sDate)) {
    return "";
  }
  const std::string path =
      PathJoin(PathJoin(platform::ProgramFolder(), "Autosave/"), sDate + ".vrx");
  return FileExists(path) ? path : "";
}
