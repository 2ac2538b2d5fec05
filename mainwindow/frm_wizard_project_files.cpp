#include <cerrno>
#include <cstddef>
#include <string>

#include "controls/file_dialog.h"
#include "mainwindow/frm_wizard.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/trim_blanks.h"
#include "project/paths.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "texts/text_table.h"

using namespace std::string_literals;
namespace mb = platform::mb;

namespace {

constexpr const char* kProjectTitle = "VELDRAN Pelvaron Projectdata";
const std::string kProjectFilter = "VELDRAN Pelvaron Projectdata (*.vrx)\0*.vrx\0"s;
constexpr const char* kProjectExtension = "*.vrx";

}  // namespace

void frmWizard::ConnectProjectFileHandlers() {
  cmdLoadSave.Click = [this](int Index) { cmdLoadSave_Click(Index); };
  cmdRecentFileList.Click = [this] { cmdRecentFileList_Click(); };
  mnuRecentFileList.Click = [this](int Index) { mnuRecentFileList_Click(Index); };
}

void frmWizard::cmdLoadSave_Click(int Index) {
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  SetMousePointer(ui::MousePointer::Hourglass);
  const bool save = Index == 1;
  const std::string path =
      ShowFileDialog(*this, save, kProjectTitle, kProjectFilter, kProjectExtension, "");
  if (TrimBlanks(path).empty()) {
    // Cancelled.
  } else if (save) {
    SaveProjectAs(path);
  } else {
    // A refused file stands in the list too.
    AddPathToRecentFiles(path);
    const ProjectFileRead read = ReadProjectFile(path);
    if (read == ProjectFileRead::Loaded) {
      ShowLoadedProject();
      ProjHeader.FileInfo.Set(StripNull(ProjHeader.FileInfo.Raw()));
      ShowLoadedMessages(588, 589, path);
    } else {
      ShowRefusedFile(read, 587, path);
    }
  }
  SetMousePointer(ui::MousePointer::Default);
}

// A file that cannot be written is reported, and neither the saved message nor the
// recent-file entry follows; the old file stays as it was.
void frmWizard::SaveProjectAs(const std::string& path) {
  if (!WriteProjectFile(path)) {
    ShowFileError(617, path, errno);
    return;
  }
  platform::MsgBox(LangText[590] + "\r\n" + platform::PathToText(path),
                   mb::Information | mb::SetForeground);
  AddPathToRecentFiles(path);
}

void frmWizard::cmdRecentFileList_Click() {
  const ui::FocusReturn focusBack(*this, cmdNavi[1]);
  PopupMenu(mnuRFileList);
}

// Opens the file without changing the recent-file list.
void frmWizard::mnuRecentFileList_Click(int Index) {
  const std::string entry = RecentFiles[static_cast<std::size_t>(Index)];
  const std::string path = platform::TextToPath(entry);
  if (!FileExists(path)) {
    platform::MsgBox(LangText[606] + "\r\n" + entry, mb::Critical | mb::SetForeground, AppTitle);
  } else {
    const ProjectFileRead read = ReadProjectFile(path);
    if (read == ProjectFileRead::Loaded) {
      ShowLoadedProject();
      ShowLoadedMessages(604, 605, path);
    } else {
      ShowRefusedFile(read, 603, path);
    }
  }
  SetMousePointer(ui::MousePointer::Default);
}
