// Pictures of page 1 while a device flow runs, for a look by a person: German
// (page1_read_back.png) and English (page1_read_back_en.png).
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "tests/mainwindow/device_fixture.h"

namespace {

struct ShotLanguage {
  const char* storedId;
  const char* suffix;
};

// Takes the window's picture while a box is up, then answers as the harness does.
class ShootingPresenter : public platform::MessageBoxPresenter {
 public:
  ShootingPresenter(platform::ui::testing::UiHarness& ui, frmWizard& w, std::string path)
      : ui_(ui), w_(w), path_(std::move(path)) {}
  platform::MsgResult Show(const platform::MessageBoxCall& call) override {
    EXPECT_TRUE(platform::ui::testing::SaveScreenshot(w_, path_));
    return ui_.Show(call);
  }

 private:
  platform::ui::testing::UiHarness& ui_;
  frmWizard& w_;
  std::string path_;
};

class FlowScreenshots : public DeviceFlowTest,
                        public ::testing::WithParamInterface<ShotLanguage> {};

TEST_P(FlowScreenshots, Page1DuringTheReadBackAndTheRefusedPageChange) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  StoreSetting("Appname", "Language", "ID", GetParam().storedId);
  Connect({.oneCable = true}, 1, 0);
  frmWizard& w = StartOnPage(1);
  module->Core().SetState(ModuleStateOf(FillProject(), "20240102030405", "20240102030406"));
  ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
  w.cmdNew.PerformClick();  // the port parameters and list buttons in view
  w.chkTwoPort.SetValue(platform::ui::vb::Checked);
  w.Show();
  const std::string folder = PELVARON_SCREENSHOT_FOLDER;
  ASSERT_TRUE(platform::MakeFolder(folder) || platform::FolderExists(folder));
  const std::string suffix = std::string(GetParam().suffix) + ".png";

  WatchingTransport watch(w);
  bool shot = false;
  watch.rewrite = [&](const std::string&, std::string answer) {
    if (!shot && w.ProgressBar1.Position() > 20) {
      shot = platform::ui::testing::SaveScreenshot(w, folder + "/page1_read_back" + suffix);
    }
    return answer;
  };
  platform::ui::testing::ClickControl(w.cmdSearchCom);
  EXPECT_TRUE(shot);
  ASSERT_EQ(w.Combo3.Text(), "57600") << "side A read, side B not";

  // Next is refused while side B is missing; the page is disabled while the box is up.
  ShootingPresenter shooter(ui, w, folder + "/page1_page_change" + suffix);
  platform::SetMessageBoxPresenter(&shooter);
  Navigate(1);
  platform::SetMessageBoxPresenter(&ui);
  EXPECT_EQ(w.WizardPage, 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, FlowScreenshots,
                         ::testing::Values(ShotLanguage{"0", ""}, ShotLanguage{"2", "_en"}),
                         [](const auto& info) {
                           return std::string(info.param.suffix).empty() ? "German" : "English";
                         });

}  // namespace
