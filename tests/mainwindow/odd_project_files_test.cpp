// Files and names that no project can come from, through every reader of project files
// as the user reaches it: the load and save buttons with the file dialog, the
// recent-file menu, and the autosave copy that the read-back offers (Yes loads it, No
// takes its names).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/common/as_nobody.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace testing_ui = platform::ui::testing;

namespace {

const std::string kStampB = "20240102030406";
// "Ω.vrx" as the file system names it, and the name it would become in Windows-1252.
const std::string kOmega = "\u03A9.vrx";
const std::string kQuestionMark = "?.vrx";

enum class Reader { LoadButton, RecentMenu, AutosaveYes, AutosaveNo, SaveButton };

enum class Content {
  MagicAlone,    // "PVLX", 4 bytes
  HeaderAlone,   // 2,344 bytes
  OneByteShort,  // 56,711 bytes
  Locked,        // a whole project file without read permission
  OmegaName,     // a whole project file named "Ω.vrx" beside another one named "?.vrx"
};

struct OddFileCase {
  const char* name;
  Reader reader;
  Content content;
  std::vector<TextKey> boxes;  // 607 stands for 607, the path and "Permission denied"
  bool listed;                 // the file heads the recent-file list afterwards
  friend void PrintTo(const OddFileCase& c, std::ostream* os) { *os << c.name; }
};

class OddProjectFiles : public DeviceFlowTest, public ::testing::WithParamInterface<OddFileCase> {
 protected:
  // The sample project in memory, as a file holds it.
  static std::string ProjectInMemory() {
    ProjHeader.Magic = kProjectMagic;
    ProjHeader.Version = kProjectVersion;
    return ProjectFileBytes(ProjHeader, CmdRecords);
  }
  // Another project in every byte after the magic.
  static std::string OtherProject(const std::string& project) {
    std::string other = project;
    for (std::size_t i = 4; i < other.size(); ++i) {
      other[i] = static_cast<char>(other[i] ^ 0x55);
    }
    return other;
  }
  static std::string Contents(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(platform::ReadFileBytes(path, bytes, kProjectFileSize + 1)) << path;
    return bytes;
  }
  // A name outside Windows-1252 can only be written past the program's own file layer.
  void WriteUtf8Named(const std::string& name, const std::string& bytes) {
    std::ofstream(program.path() + "/" + name, std::ios::binary) << bytes;
  }
  // The file the row reads, written where its reader looks.
  std::string WriteRowFile(const OddFileCase& c, const std::string& other) {
    const bool autosave = c.reader == Reader::AutosaveYes || c.reader == Reader::AutosaveNo;
    if (autosave) {
      EXPECT_TRUE(platform::MakeFolder(program.File("Autosave")));
    }
    const std::string path = program.File(autosave ? "Autosave/" + kStampB + ".vrx" : "odd.vrx");
    switch (c.content) {
      case Content::MagicAlone:
        EXPECT_TRUE(platform::WriteFileReplacing(path, other.substr(0, 4)));
        break;
      case Content::HeaderAlone:
        EXPECT_TRUE(platform::WriteFileReplacing(path, other.substr(0, kHeaderFileSize)));
        break;
      case Content::OneByteShort:
        EXPECT_TRUE(platform::WriteFileReplacing(path, other.substr(0, kProjectFileSize - 1)));
        break;
      case Content::Locked:
        EXPECT_TRUE(platform::WriteFileReplacing(path, other));
        std::filesystem::permissions(path, std::filesystem::perms::none);
        break;
      case Content::OmegaName:
        if (c.reader != Reader::SaveButton) {
          WriteUtf8Named(kOmega, other);
        }
        EXPECT_TRUE(platform::WriteFileReplacing(program.File(kQuestionMark), other));
        return program.path() + "/" + kOmega;
    }
    return path;
  }
  // Reads the row's file through its reader, as the user does.
  void ReadThroughTheWindow(frmWizard& w, const OddFileCase& c, const std::string& path) {
    switch (c.reader) {
      case Reader::LoadButton:
      case Reader::SaveButton:
        ui.QueueFileDialogUnicodeAnswer(path);
        testing_ui::ClickControl(w.cmdLoadSave[c.reader == Reader::SaveButton ? 1 : 0]);
        break;
      case Reader::RecentMenu:
        RecentFiles[0] = path;
        ui.QueuePopupMenuAnswer(0);
        testing_ui::ClickControl(w.cmdRecentFileList);
        break;
      case Reader::AutosaveYes:
      case Reader::AutosaveNo:
        ui.QueueMessageBoxAnswer(c.reader == Reader::AutosaveYes ? MsgResult::Yes : MsgResult::No);
        testing_ui::ClickControl(w.cmdSearchCom);
        break;
    }
  }
};

TEST_P(OddProjectFiles, LeaveTheProjectAsItWasAndAreTold) {
  const OddFileCase& c = GetParam();
  if (c.content == Content::Locked) {
    // Rights only bite on a user without special rights.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    RUN_TEST_AS_NOBODY(std::string(test->test_suite_name()) + "." + test->name());
  }
  const bool autosave = c.reader == Reader::AutosaveYes || c.reader == Reader::AutosaveNo;
  if (autosave) {
    Connect({}, 0, 1);
  }
  frmWizard& w = StartOnPage(1);
  const ProjectCommands commands = FillProject();
  const std::string before = ProjectInMemory();
  const ProjectHeader headerBefore = ProjHeader;
  CommandRecordList expected = CmdRecords;
  if (autosave) {
    // The module holds the project in memory, so reading its lists changes nothing.
    module->Core().SetState(ModuleStateOf(commands, "20240102030405", kStampB));
  }
  const std::string path = WriteRowFile(c, OtherProject(before));
  ReadThroughTheWindow(w, c, path);

  std::vector<std::string> boxes;
  for (const TextKey key : c.boxes) {
    boxes.push_back(key == 607 ? LangText[607] + "\r\n" + path + "\r\nPermission denied"
                               : LangText[key]);
  }
  EXPECT_EQ(BoxTexts(), boxes);
  EXPECT_EQ(RecentFiles[0] == path, c.listed);
  if (c.content == Content::OmegaName) {
    EXPECT_TRUE(Contents(program.File(kQuestionMark)) == OtherProject(before));
    EXPECT_EQ(std::filesystem::exists(path), c.reader != Reader::SaveButton);
  }
  // The read-back blanks the names before it asks; the copy gives none.
  if (autosave) {
    for (CommandRecord& r : expected) {
      for (CommandName* n :
           {&r.RxCom1Info, &r.TxCom1BackInfo, &r.TxCom1Info, &r.TxCom2Info, &r.RxCom2Info}) {
        n->Set("");
      }
    }
  }
  EXPECT_TRUE(ProjHeader == headerBefore && CmdRecords == expected)
      << "the project in memory as it was";

  const std::string saved = program.File("after.vrx");
  ui.QueueFileDialogAnswer(saved);
  testing_ui::ClickControl(w.cmdLoadSave[1]);
  EXPECT_EQ(ui.MessageBoxes().back().text, LangText[590] + "\r\n" + saved);
  EXPECT_TRUE(Contents(saved) == ProjectFileBytes(headerBefore, expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OddProjectFiles,
    ::testing::Values(
        OddFileCase{"LoadMagicAlone", Reader::LoadButton, Content::MagicAlone, {587}, true},
        OddFileCase{"LoadHeaderAlone", Reader::LoadButton, Content::HeaderAlone, {587}, true},
        OddFileCase{"LoadOneByteShort", Reader::LoadButton, Content::OneByteShort, {587}, true},
        OddFileCase{"LoadLocked", Reader::LoadButton, Content::Locked, {607}, true},
        OddFileCase{"LoadOmega", Reader::LoadButton, Content::OmegaName, {620}, false},
        OddFileCase{"SaveOmega", Reader::SaveButton, Content::OmegaName, {620}, false},
        OddFileCase{"RecentMagicAlone", Reader::RecentMenu, Content::MagicAlone, {603}, true},
        OddFileCase{"RecentHeaderAlone", Reader::RecentMenu, Content::HeaderAlone, {603}, true},
        OddFileCase{"RecentOneByteShort", Reader::RecentMenu, Content::OneByteShort, {603}, true},
        OddFileCase{"RecentLocked", Reader::RecentMenu, Content::Locked, {607}, true},
        OddFileCase{
            "AutosaveMagicAlone", Reader::AutosaveYes, Content::MagicAlone, {546, 614}, true},
        OddFileCase{
            "AutosaveHeaderAlone", Reader::AutosaveYes, Content::HeaderAlone, {546, 614}, true},
        OddFileCase{
            "AutosaveOneByteShort", Reader::AutosaveYes, Content::OneByteShort, {546, 614}, true},
        OddFileCase{
            "NamesMagicAlone", Reader::AutosaveNo, Content::MagicAlone, {546, 614, 548}, false},
        OddFileCase{
            "NamesHeaderAlone", Reader::AutosaveNo, Content::HeaderAlone, {546, 614, 548}, false},
        OddFileCase{"NamesOneByteShort",
                    Reader::AutosaveNo,
                    Content::OneByteShort,
                    {546, 614, 548},
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
