#include "tests/mainwindow/wizard_fixture.h"

#include <cstdlib>
#include <fstream>

#include "platform/files.h"
#include "platform/settings.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

const char* const kTwoLanguageFile =
    "Key\tNote\tDeutsch\tEnglish\r\n"
    "78\tfrmWizard.cmdNavi(1)\t&Weiter >\t&Next >\r\n"
    "81\tfrmWizard.cmdNew\tNeu\tNew\r\n"
    "586\tEnd\tWollen Sie wirklich beenden ?\tDo you really want to quit?\r\n";

WizardTest::WizardTest() {
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  platform::SetProgramFolder(program.path());
  for (int n = 1; n <= 6; ++n) {
    const std::string variable = "PELVARON_COM" + std::to_string(n);
    setenv(variable.c_str(), program.File("no-such-port").c_str(), 1);
  }
  platform::ui::SetScreenSizeOverride(platform::ui::ScreenSize{1280, 1024});
  LangText.fill("");
  LanguageID = 0;
  RecentFiles.fill("");
  InfoShown = false;
  UnlistedPathTold = false;
  SettingFailureTold = false;
  ProjHeader = ProjectHeader{};
  CmdRecords = CommandRecordList{};
}

WizardTest::~WizardTest() {
  wizard.reset();
  platform::ui::SetScreenSizeOverride(std::nullopt);
  platform::SetProgramFolder("");
}

frmWizard& WizardTest::Start() {
  wizard = std::make_unique<frmWizard>();
  wizard->Load();
  return *wizard;
}

void WizardTest::WriteLanguageFile(const std::string& content) {
  std::ofstream(program.File("Language.dat"), std::ios::binary) << content;
}

void WizardTest::StoreSetting(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& value) {
  ASSERT_TRUE(platform::SaveSetting(app, section, key, value));
}

void WizardTest::Navigate(int index) {
  wizard->cmdNavi[index].PerformClick();
}
