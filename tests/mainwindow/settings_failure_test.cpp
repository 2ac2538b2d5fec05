// A settings store that cannot take a setting, met through the language menu and the
// closing of the main window: told once per run, with the store's path and the reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "tests/common/hostile_files.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

enum class Store { Folder, NamedPipe, InAFile };
enum class First { LanguageMenu, Closing };

struct FailureCase {
  const char* name;
  Store store;
  int error;
  First first;
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsFailure : public WizardTest, public ::testing::WithParamInterface<FailureCase> {
 protected:
  // Both stores the main window writes: the language's and the recent files'.
  void BreakStores(Store store) {
    if (store == Store::InAFile) {
      std::ofstream(config.File("plain")) << "x";
      setenv("XDG_CONFIG_HOME", config.File("plain/sub").c_str(), 1);
      return;
    }
    for (const std::string& app : {std::string("Appname"), AppTitle}) {
      const std::string path = platform::SettingsFilePath(app);
      ASSERT_TRUE(store == Store::Folder ? platform::MakeFolder(path) : MakeNamedPipe(path));
    }
  }
  static std::string Told(const std::string& app, int error) {
    return LangText[618] + "\r\n" + platform::PathToText(platform::SettingsFilePath(app)) + "\r\n" +
           platform::ErrorText(error);
  }
  void ChooseLanguage(frmWizard& w, int index) {
    ui.QueuePopupMenuAnswer(index);
    testing_ui::ClickControl(w.imgFlag);
  }
};

TEST_P(SettingsFailure, IsToldOnceWithThePathAndTheReason) {
  const FailureCase& c = GetParam();
  BreakStores(c.store);
  frmWizard& w = Start();
  ASSERT_EQ(LanguageID, 0);
  ASSERT_FALSE(LangText[618].empty());
  RecentFiles[0] = "/p/a.vrx";

  if (c.first == First::LanguageMenu) {
    ChooseLanguage(w, 2);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u) << "no claim that the choice applies";
    EXPECT_EQ(ui.MessageBoxes()[0].text, Told("Appname", c.error));
  } else {
    ui.QueueMessageBoxAnswer(MsgResult::Ok);
    ui.QueueMessageBoxAnswer(MsgResult::No);
    EXPECT_FALSE(w.Unload());
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].text, Told(AppTitle, c.error));
    EXPECT_EQ(ui.MessageBoxes()[1].text, LangText[586]);
  }
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Exclamation);
  EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
  EXPECT_TRUE(w.IsLoaded());

  // The rest of the run tells nothing more: a language choice changes nothing, the
  // closing asks only its question, and the program still ends.
  ui.ClearRecords();
  ChooseLanguage(w, 4);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_TRUE(w.IsLoaded());
  ui.QueueMessageBoxAnswer(MsgResult::Yes);
  EXPECT_TRUE(w.Unload());
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[586]);
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", "none"), "none");
}

INSTANTIATE_TEST_SUITE_P(
    Stores, SettingsFailure,
    ::testing::Values(
        FailureCase{"FolderInPlaceOfTheStoreLanguageMenu", Store::Folder, EISDIR,
                    First::LanguageMenu},
        FailureCase{"FolderInPlaceOfTheStoreClosing", Store::Folder, EISDIR, First::Closing},
        FailureCase{"NamedPipeLanguageMenu", Store::NamedPipe, EINVAL, First::LanguageMenu},
        FailureCase{"NamedPipeClosing", Store::NamedPipe, EINVAL, First::Closing},
        FailureCase{"SettingsFolderIsAFileLanguageMenu", Store::InAFile, ENOTDIR,
                    First::LanguageMenu},
        FailureCase{"SettingsFolderIsAFileClosing", Store::InAFile, ENOTDIR, First::Closing}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
