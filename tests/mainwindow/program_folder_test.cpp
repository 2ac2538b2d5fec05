// The program copied with its language file, pictures and help into folders of any name:
// a transfer writes the autosave copy there and a read-back loads it again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/autosave.h"
#include "project/program_state.h"
#include "tests/common/fake_opener.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

struct FolderCase {
  const char* name;
  std::string folder;
  bool listed;  // the autosave copy's path stands in the recent-file list
  friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramFolder : public DeviceFlowTest, public ::testing::WithParamInterface<FolderCase> {
 protected:
  // The files that travel with the program, copied into a folder of the row's name.
  std::string CopyProgramFiles() {
    const std::string folder = program.File(GetParam().folder);
    std::filesystem::create_directory(folder);
    for (const char* name : {"Language.dat", "pictures", "Help"}) {
      std::filesystem::copy(std::string(PELVARON_PROGRAM_FOLDER) + "/" + name, folder + "/" + name,
                            std::filesystem::copy_options::recursive);
    }
    platform::SetProgramFolder(folder);
    return folder;
  }
  std::size_t BoxesWith(const std::string& text) const {
    const std::vector<std::string> texts = BoxTexts();
    return static_cast<std::size_t>(std::count(texts.begin(), texts.end(), text));
  }
};

TEST_P(ProgramFolder, FindsItsFilesAndKeepsItsAutosaveCopyThere) {
  const FolderCase& c = GetParam();
  const std::string folder = CopyProgramFiles();
  Connect({}, 1, 0);
  frmWizard& w = StartOnPage(4);

  EXPECT_EQ(LanguageID, 2) << "Language.dat found";
  EXPECT_EQ(w.cmdNew.Caption(), "New");
  EXPECT_EQ(w.mnuLanguageList[1].Caption(), "English");
  EXPECT_FALSE(w.PicPelvaron.GetPicture().Image().isNull()) << "pictures found";
  {
    FakeOpener opener;
    testing_ui::ClickControl(w.CmdHelp);
    EXPECT_EQ(opener.WaitForLog(), "1|" + folder + "/Help/help_en.htm|" + folder + "|");
  }

  w.chkAutosave.SetValue(1);
  w.chkOnlyParameter.SetValue(1);  // the stamp and the copy, no lists
  ClickWatchingTheWindow(w.CmdTransmit);
  const std::string copy = AutosaveFile(ProjHeader.SaveStamp.Raw());
  EXPECT_EQ(copy, folder + "/Autosave/" + ProjHeader.SaveStamp.Raw() + ".vrx");
  EXPECT_TRUE(std::filesystem::is_regular_file(copy));

  Navigate(1);  // page 4 leads to page 1
  ui.ClearRecords();
  ui.QueueMessageBoxAnswer(MsgResult::Yes);  // load the autosave copy
  testing_ui::ClickControl(w.cmdSearchCom);
  EXPECT_EQ(BoxTexts().at(0), LangText[546]);
  EXPECT_EQ(BoxesWith(LangText[615] + "\r\n" + platform::PathToText(copy)), 1u);
  const std::string unlisted = LangText[619] + "\r\n" + platform::PathToText(copy);
  if (c.listed) {
    EXPECT_EQ(RecentFiles[0], platform::PathToText(copy));
    EXPECT_EQ(BoxesWith(unlisted), 0u);
    // The menu finds the listed file and opens it.
    ui.ClearRecords();
    ui.QueuePopupMenuAnswer(0);
    testing_ui::ClickControl(w.cmdRecentFileList);
    EXPECT_EQ(BoxTexts().at(0), LangText[604] + "\r\n" + RecentFiles[0]);
  } else {
    EXPECT_EQ(RecentFiles[0], "") << "no \"?\" path in the list";
    ASSERT_EQ(BoxesWith(unlisted), 1u);
    const std::vector<std::string> texts = BoxTexts();
    const auto told = std::find(texts.begin(), texts.end(), unlisted) - texts.begin();
    EXPECT_EQ(ui.MessageBoxes()[static_cast<std::size_t>(told)].icon, mb::Exclamation);
    // Told once per run.
    ui.ClearRecords();
    ui.QueueMessageBoxAnswer(MsgResult::Yes);
    testing_ui::ClickControl(w.cmdSearchCom);
    EXPECT_EQ(BoxesWith(LangText[615] + "\r\n" + platform::PathToText(copy)), 1u);
    EXPECT_EQ(BoxesWith(unlisted), 0u);
  }
  EXPECT_TRUE(w.SideADataOk && w.SideBDataOk) << "the copy was loaded";
  EXPECT_FALSE(std::filesystem::exists(program.File("????????")));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ProgramFolder,
    ::testing::Values(FolderCase{"Cyrillic", "\u0417\u0430\u0433\u0440\u0443\u0437\u043A\u0438",
                                 false},
                      FolderCase{"UmlautsAndBlanks", "\u00DCbung mit Leerzeichen", true},
                      FolderCase{"Plain", "bin", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
