#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "tests/common/fake_opener.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

namespace {

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing = platform::ui::testing;

// What the fake opener records for one target opened in folder.
std::string OpenedLog(const std::string& target, const std::string& folder) {
  return "1|" + target + "|" + folder + "|";
}

void AddFile(const std::string& folder, const std::string& name) {
  const std::filesystem::path path = std::filesystem::path(folder) / name;
  std::filesystem::create_directories(path.parent_path());
  ASSERT_TRUE(platform::WriteFileReplacing(path.string(), "<html></html>"));
}

class LinksTest : public WizardTest {};

TEST_F(LinksTest, HelpOpensTheFirstFileOfTheLanguage) {
  frmWizard& w = Start();
  struct Case {
    int language;
    std::vector<std::string> present;
    std::string opened;  // "" = none: the not-found box
  };
  const Case cases[] = {
      {0, {"help_de.chm", "help_de.pdf", "Help/help_de.htm"}, "help_de.pdf"},
      {1, {"Help/help_de.htm", "help_en.pdf"}, "Help/help_de.htm"},
      {2, {"Help/help_en.htm", "help_en.htm", "help_de.pdf"}, "help_en.htm"},
      {2, {"Help/help_en.htm"}, "Help/help_en.htm"},
      {3, {"help_3.chm", "Help/help_3.pdf"}, "help_3.chm"},
      {3, {"Help/help_3.pdf"}, "Help/help_3.pdf"},
      {3, {"Help/help_3.htm", "help_de.pdf", "help_en.pdf"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    SCOPED_TRACE(c.opened);
    // A folder name a shell would take apart must reach the opener whole.
    TempFolder root;
    const std::string folder = root.File("it's $(touch x) & \"co\"; `y`");
    for (const std::string& name : c.present) {
      AddFile(folder, name);
    }
    platform::SetProgramFolder(folder);
    LanguageID = static_cast<std::int16_t>(c.language);
    ui.ClearRecords();
    FakeOpener opener;
    testing::ClickControl(w.CmdHelp);
    if (c.opened.empty()) {
      ASSERT_EQ(ui.MessageBoxes().size(), 1u);
      EXPECT_EQ(ui.MessageBoxes()[0].text,
                "Hilfe nicht gefunden / Help not found !\r\n" + folder + "\r\nhelp_3.pdf");
      EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
      EXPECT_FALSE(std::filesystem::exists(root.File("x")));
    } else {
      EXPECT_EQ(opener.WaitForLog(), OpenedLog(folder + "/" + c.opened, folder));
      EXPECT_TRUE(ui.MessageBoxes().empty());
    }
  }
}

TEST_F(LinksTest, HelpPagesShipForGermanAndEnglish) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  frmWizard& w = Start();
  for (int language : {1, 2}) {
    LanguageID = static_cast<std::int16_t>(language);
    FakeOpener opener;
    w.CmdHelp_Click();
    const std::string page = language == 1 ? "Help/help_de.htm" : "Help/help_en.htm";
    EXPECT_EQ(opener.WaitForLog(), OpenedLog(std::string(PELVARON_PROGRAM_FOLDER) + "/" + page,
                                             PELVARON_PROGRAM_FOLDER));
  }
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(LinksTest, MailLinkCarriesVersionAndLanguageAsOneArgument) {
  frmWizard& w = Start();
  LanguageID = 4;
  FakeOpener opener;
  testing::ClickControl(w.lblEmail);
  // The title's brackets and blanks are passed on as they stand.
  EXPECT_EQ(opener.WaitForLog(),
            OpenedLog("mailto:support@example.com?subject=VELDRAN Pelvaron (Tramelon) Version "
                      "1.4.155 Language4&body=Hello , ...",
                      std::filesystem::current_path().string()));
}

TEST_F(LinksTest, WebLinksOpenTheirAddressesUnchanged) {
  frmWizard& w = Start();
  {
    LangText[650] = "https://maker.example.com/?a=1&b='$(id)'|x";
    FakeOpener opener;
    testing::ClickControl(w.lblWeb);
    EXPECT_EQ(opener.WaitForLog(), OpenedLog("https://maker.example.com/?a=1&b='$(id)'|x", "/"));
  }
  {
    FakeOpener opener;
    testing::ClickControl(w.lblWebQm);
    EXPECT_EQ(opener.WaitForLog(), OpenedLog("https://dev.example.com/", "/"));
  }
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

// An opener that is missing or fails leaves the program running without a message.
TEST_F(LinksTest, AMissingOrFailingOpenerShowsNothing) {
  frmWizard& w = Start();
  AddFile(program.path(), "Help/help_en.htm");
  LanguageID = 2;
  TempFolder bin;
  std::filesystem::create_symlink("/bin/false", bin.File("xdg-open"));
  const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  for (const std::string& path : {bin.path() + "/missing", bin.path()}) {
    setenv("PATH", path.c_str(), 1);
    w.CmdHelp_Click();
    w.lblEmail_Click();
    w.lblWeb_Click();
    w.lblWebQm_Click();
  }
  setenv("PATH", oldPath.c_str(), 1);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_TRUE(w.IsLoaded());
}

TEST_F(LinksTest, FlagOpensTheLanguageMenu) {
  WriteLanguageFile(kTwoLanguageFile);
  frmWizard& w = Start();
  ui.QueuePopupMenuAnswer(-1);
  testing::ClickControl(w.imgFlag);
  ASSERT_EQ(ui.PopupMenus().size(), 1u);
  EXPECT_EQ(ui.PopupMenus()[0], "mnuLanguage");
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", "none"), "none");
}

TEST_F(LinksTest, ChoosingALanguageStoresItAndAsksToEnd) {
  WriteLanguageFile(kTwoLanguageFile);
  RecentFiles.fill("");
  frmWizard& w = Start();
  ASSERT_EQ(w.cmdNew.Caption(), "New");
  RecentFiles[0] = "/data/a.vrx";
  ui.QueuePopupMenuAnswer(2);
  ui.QueueMessageBoxAnswer(MsgResult::Ok);
  ui.QueueMessageBoxAnswer(MsgResult::No);
  testing::ClickControl(w.imgFlag);

  ASSERT_EQ(ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(ui.MessageBoxes()[0].title, "Spache/Language");
  EXPECT_EQ(
      ui.MessageBoxes()[0].text,
      platform::Utf8ToCp1252("Anwendung beenden zum übernehmen/close Application to refresh !"));
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
  EXPECT_EQ(ui.MessageBoxes()[1].text, "Do you really want to quit?");
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", ""), "3");
  EXPECT_EQ(platform::GetSetting(AppTitle, "RecentFileList", "0", ""), "/data/a.vrx");
  // No: the window stays, in the old language.
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_FALSE(ui.ProgramEnded());
  EXPECT_EQ(LanguageID, 2);
  EXPECT_EQ(w.cmdNew.Caption(), "New");

  // Yes ends the program with the latest choice stored.
  ui.ClearRecords();
  ui.QueueMessageBoxAnswer(MsgResult::Ok);
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  w.mnuLanguageList_Click(4);
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", ""), "5");
  EXPECT_FALSE(w.IsLoaded());
}

}  // namespace
