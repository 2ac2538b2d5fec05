#include <fstream>
#include <functional>
#include <ostream>
#include <string>

#include "dialogs/frm_asc_code.h"
#include "dialogs/frm_list.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/caption_table.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

class StartupTest : public WizardTest {};

TEST_F(StartupTest, WithoutStoredLanguageTheSecondLanguageOfTheFileIsShown) {
  WriteLanguageFile(kTwoLanguageFile);
  frmWizard& w = Start();
  EXPECT_EQ(LanguageID, 2);
  EXPECT_EQ(w.cmdNew.Caption(), "New");
  EXPECT_EQ(w.mnuLanguageList[0].Caption(), "Deutsch");
  EXPECT_EQ(w.mnuLanguageList[1].Caption(), "English");
  EXPECT_EQ(w.mnuLanguageList[2].Caption(), "");
  EXPECT_EQ(w.Caption(), AppTitle);
  EXPECT_EQ(w.lblVersionInfo.Caption(), "Version 1.4.155");
}

TEST_F(StartupTest, WithoutLanguageFileGermanAndDefaultMenuCaptions) {
  frmWizard& w = Start();
  EXPECT_EQ(LanguageID, 0);
  EXPECT_EQ(w.cmdNew.Caption(), "Neu");
  EXPECT_EQ(w.cmdNavi[1].Caption(), "&Weiter >");
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(w.mnuLanguageList[i].Caption(), "Default");
  }
}

// Junk counts as missing (language 2); a whole number outside 1..5 means German.
struct StoredLanguage {
  const char* stored;
  int language;
  friend void PrintTo(const StoredLanguage& value, std::ostream* out) {
    *out << '"' << value.stored << '"';
  }
};

class StoredLanguageTest : public WizardTest,
                           public ::testing::WithParamInterface<StoredLanguage> {};

TEST_P(StoredLanguageTest, ValueChoosesTheLanguage) {
  WriteLanguageFile(kTwoLanguageFile);
  StoreSetting("Appname", "Language", "ID", GetParam().stored);
  frmWizard& w = Start();
  EXPECT_EQ(LanguageID, GetParam().language);
  EXPECT_EQ(w.cmdNew.Caption(), GetParam().language == 2 ? "New" : "Neu");
}

INSTANTIATE_TEST_SUITE_P(Values, StoredLanguageTest,
                         ::testing::Values(StoredLanguage{"abc", 2},
                                           StoredLanguage{"99999999999", 2}, StoredLanguage{"", 2},
                                           StoredLanguage{"2.5", 2}, StoredLanguage{"-1", 0},
                                           StoredLanguage{"0", 0}, StoredLanguage{"6", 0},
                                           StoredLanguage{"1", 1}));

TEST_F(StartupTest, ASettingsStoreOfJunkStartsWithTheDefaults) {
  WriteLanguageFile(kTwoLanguageFile);
  for (const char* junk : {"", "\x01\x02\xFF[[[\n=\n[Language\nID", "[Language]\nID\n"}) {
    std::ofstream(platform::SettingsFilePath("Appname"), std::ios::binary) << junk;
    std::ofstream(platform::SettingsFilePath(AppTitle), std::ios::binary) << junk;
    frmWizard& w = Start();
    EXPECT_EQ(LanguageID, 2);
    EXPECT_EQ(w.Combo1.ListCount(), 6);
    for (const std::string& entry : RecentFiles) {
      EXPECT_EQ(entry, "");
    }
  }
}

TEST_F(StartupTest, RecentFilesAreReadAndOnlyExistingFilesShowInTheMenu) {
  const std::string project = program.File("a.vrx");
  std::ofstream(project) << "x";
  const std::string longPath = "/" + std::string(10000, 'p');
  StoreSetting(AppTitle, "RecentFileList", "0", longPath);
  StoreSetting(AppTitle, "RecentFileList", "1", program.path());
  StoreSetting(AppTitle, "RecentFileList", "2", project);
  frmWizard& w = Start();
  EXPECT_EQ(RecentFiles[0], longPath);
  EXPECT_EQ(RecentFiles[1], program.path());
  EXPECT_EQ(RecentFiles[2], project);
  EXPECT_EQ(RecentFiles[3], "");
  // Item 0 is never hidden; a folder or an unusable path is no file.
  EXPECT_TRUE(w.mnuRecentFileList[0].Visible());
  EXPECT_EQ(w.mnuRecentFileList[0].Caption(), "");
  EXPECT_FALSE(w.mnuRecentFileList[1].Visible());
  EXPECT_TRUE(w.mnuRecentFileList[2].Visible());
  EXPECT_NE(w.mnuRecentFileList[2].Caption(), "");
  EXPECT_FALSE(w.mnuRecentFileList[3].Visible());
}

TEST_F(StartupTest, SmallScreenAsksWhetherToEnd) {
  platform::ui::SetScreenSizeOverride(platform::ui::ScreenSize{800, 600});
  ui.QueueMessageBoxAnswer(MsgResult::No);
  frmWizard& w = Start();
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[581]);
  EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
  EXPECT_EQ(ui.MessageBoxes()[0].buttons, mb::YesNo);
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Question);
  EXPECT_FALSE(ui.ProgramEnded());
  EXPECT_EQ(w.Combo1.ListCount(), 6);
}

TEST_F(StartupTest, SmallScreenAnsweredYesEndsAtOnce) {
  platform::ui::SetScreenSizeOverride(platform::ui::ScreenSize{800, 600});
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  frmWizard& w = Start();
  EXPECT_TRUE(ui.ProgramEnded());
  EXPECT_EQ(w.Combo1.ListCount(), 0);
  EXPECT_EQ(ui.MessageBoxes().size(), 1u);  // no closing question
}

TEST_F(StartupTest, AScreenThatReachesOneLimitPasses) {
  for (platform::ui::ScreenSize size :
       {platform::ui::ScreenSize{1024, 600}, platform::ui::ScreenSize{800, 768}}) {
    platform::ui::SetScreenSizeOverride(size);
    Start();
    EXPECT_TRUE(ui.MessageBoxes().empty());
  }
}

TEST_F(StartupTest, ListsAndRowsAreSetUp) {
  frmWizard& w = Start();
  EXPECT_EQ(w.Combo2.Text(), "9600");
  EXPECT_EQ(w.Combo3.Text(), "9600");
  EXPECT_EQ(w.Combo5.Text(), "9600");
  EXPECT_EQ(w.Combo4.Text(), "None");
  EXPECT_EQ(w.Combo6.Text(), "None");
  EXPECT_EQ(w.Combo6.ListCount(), 5);
  EXPECT_EQ(w.Combo1.Text(), "----");
  EXPECT_EQ(w.lblFindModul.Caption(), LangText[580] + "----");
  EXPECT_FALSE(w.IsLoading);
  // Filling the lists stores nothing into the project.
  EXPECT_EQ(ProjHeader.Com1Baud, 0);
  EXPECT_EQ(w.lblListCmdInfo[2].Caption(), "Tx-COM2\r\n" + LangText[584]);
  for (int r = 0; r <= 3; ++r) {
    EXPECT_EQ(w.txtInfo[r].MaxLength(), 64);
    EXPECT_EQ(w.txtUserASC2[r].MaxLength(), 31);
    EXPECT_EQ(w.txtUserHEX[r].MaxLength(), 93);
    EXPECT_EQ(w.txtUserHEX2[r].MaxLength(), 93);
    EXPECT_EQ(w.txtUserHEX[r].ForeColor(), 0x80);
  }
  w.txtUserHEX[0].SetText(std::string(120, 'A'));
  EXPECT_EQ(w.txtUserHEX[0].Text().size(), 93u);
}

TEST_F(StartupTest, InitialStateIsTheStartPage) {
  frmWizard& w = Start();
  EXPECT_EQ(w.WizardPage, 0);
  EXPECT_TRUE(w.MainPic[0].Visible());
  EXPECT_FALSE(w.MainPic[1].Visible());
  EXPECT_FALSE(w.cmdNavi[0].Enabled());
  EXPECT_FALSE(w.cmdNew.Visible());
  EXPECT_FALSE(w.FrameList.Visible());
  EXPECT_FALSE(w.FrameParameter.Visible());
  EXPECT_FALSE(w.FrameTransfer.Visible());
  EXPECT_EQ(w.ClientWidth(), 852);
  EXPECT_EQ(w.ClientHeight(), 658);
}

// Every text of the caption table finds its control, also those whose handlers come later.
TEST_F(StartupTest, EveryCaptionOfTheTableHasItsControl) {
  frmWizard& w = Start();
  frmList list;
  frmAscCode chart;
  for (platform::ui::Form* form :
       {static_cast<platform::ui::Form*>(&w), static_cast<platform::ui::Form*>(&w.FileInfoWindow),
        static_cast<platform::ui::Form*>(&w.InfoWindow), static_cast<platform::ui::Form*>(&list),
        static_cast<platform::ui::Form*>(&chart), static_cast<platform::ui::Form*>(&w.FilterWindow),
        static_cast<platform::ui::Form*>(&w.StatusWindow)}) {
    int found = 0;
    for (const CaptionText& caption : CaptionTable()) {
      if (caption.form == form->Name()) {
        EXPECT_NE(form->FindItem(caption.control, caption.index), nullptr)
            << caption.form << "." << caption.control << "(" << caption.index << ")";
        ++found;
      }
    }
    EXPECT_GT(found, 0) << form->Name();
  }
}

class ShutdownTest : public WizardTest {};

TEST_F(ShutdownTest, RecentFilesAreStoredBeforeTheQuestion) {
  frmWizard& w = Start();
  RecentFiles = {"/p/a.vrx", "", "/p/c.vrx", "", ""};
  ui.QueueMessageBoxAnswer(MsgResult::No);
  EXPECT_FALSE(w.Unload());
  EXPECT_TRUE(w.IsLoaded());
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[586]);
  EXPECT_EQ(platform::GetSetting(AppTitle, "RecentFileList", "0", "?"), "/p/a.vrx");
  EXPECT_EQ(platform::GetSetting(AppTitle, "RecentFileList", "1", "?"), "");
  EXPECT_EQ(platform::GetSetting(AppTitle, "RecentFileList", "2", "?"), "/p/c.vrx");
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  EXPECT_TRUE(w.Unload());
}

TEST_F(ShutdownTest, EndAnsweredNoKeepsTheWindowAndItsPage) {
  frmWizard& w = Start();
  Navigate(1);
  ui.QueueMessageBoxAnswer(MsgResult::No);
  Navigate(2);
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_EQ(w.WizardPage, 1);
  EXPECT_TRUE(w.MainPic[1].Visible());
  EXPECT_TRUE(w.cmdNew.Visible());
  EXPECT_TRUE(w.cmdNavi[0].Enabled());
  EXPECT_TRUE(w.cmdNavi[1].Enabled());
  EXPECT_EQ(w.Pointer(), platform::ui::MousePointer::Default);
}

TEST_F(ShutdownTest, EndAnsweredYesUnloadsTheWindow) {
  frmWizard& w = Start();
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  Navigate(2);
  EXPECT_FALSE(w.IsLoaded());
}

// The end itself is recorded here; the process end is tested in a child process.
TEST_F(ShutdownTest, EveryCloseRequestAnsweredYesEndsTheProgram) {
  struct Request {
    const char* name;
    std::function<void(frmWizard&)> give;
    bool noteFirst;  // an information box comes before the question
  };
  const Request requests[] = {
      {"End button", [](frmWizard& w) { testing_ui::ClickControl(w.cmdNavi[2]); }, false},
      {"close box", [](frmWizard& w) { testing_ui::CloseWindow(w); }, false},
      {"language menu", [](frmWizard& w) { w.mnuLanguageList_Click(0); }, true},
  };
  for (const Request& request : requests) {
    for (const MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
      SCOPED_TRACE(std::string(request.name) + (answer == MsgResult::Yes ? " Yes" : " No"));
      frmWizard& w = Start();
      w.Show();
      ui.ClearRecords();
      if (request.noteFirst) {
        ui.QueueMessageBoxAnswer(MsgResult::Ok);
      }
      ui.QueueMessageBoxAnswer(answer);
      request.give(w);
      ASSERT_FALSE(ui.MessageBoxes().empty());
      EXPECT_EQ(ui.MessageBoxes().back().text, LangText[586]);
      EXPECT_EQ(ui.ProgramEnded(), answer == MsgResult::Yes);
      EXPECT_EQ(w.IsLoaded(), answer == MsgResult::No);
    }
  }
}

}  // namespace
