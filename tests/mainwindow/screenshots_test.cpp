#include "dialogs/frm_asc_code.h"
#include "dialogs/frm_list.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "tests/mainwindow/sample_project.h"
#include "tests/mainwindow/wizard_fixture.h"

// Pictures of the start page, pages 1 to 4 and the instructions for a look by a person,
// drawn with the pictures and language file that travel with the program: German
// (page1.png) and English (page1_en.png).
namespace {

struct ShotLanguage {
  const char* storedId;
  const char* suffix;
};

class ScreenshotTest : public WizardTest, public ::testing::WithParamInterface<ShotLanguage> {};

TEST_P(ScreenshotTest, EveryPage) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  StoreSetting("Appname", "Language", "ID", GetParam().storedId);
  frmWizard& w = Start();
  ASSERT_TRUE(platform::MakeFolder(PELVARON_SCREENSHOT_FOLDER) ||
              platform::FolderExists(PELVARON_SCREENSHOT_FOLDER));
  const std::string folder = PELVARON_SCREENSHOT_FOLDER;
  const std::string suffix = std::string(GetParam().suffix) + ".png";
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(w, folder + "/page0" + suffix));
  platform::ui::testing::MousePress(w.PicGermanyShow, 1, 10, 10);
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(w, folder + "/page0_pressed" + suffix));
  platform::ui::testing::MouseRelease(w.PicGermanyShow, 1, 10, 10);
  ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
  w.cmdNew_Click();
  for (int page = 1; page <= 4; ++page) {
    w.cmdNavi[1].PerformClick();
    ASSERT_EQ(w.WizardPage, page);
    if (page == 4) {
      w.FrameTransfer.SetVisible(true);  // as the transfer shows it, part of the way
      w.ProgressBar1.SetPosition(40);
    }
    EXPECT_TRUE(
        platform::ui::testing::SaveScreenshot(w, folder + "/page" + std::to_string(page) + suffix));
  }
  frmInfo& info = w.InfoWindow;
  info.Show();
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(info, folder + "/frmInfo" + suffix));
  frmFileInfo& description = w.FileInfoWindow;
  description.Show();
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(description, folder + "/frmFileInfo" + suffix));
  FillProject();  // commands of up to 31 bytes: the boxes at their widest
  ui.QueueModalFormAction([&](platform::ui::Form& list) {
    ui.QueueModalFormAction([&](platform::ui::Form& chart) {
      static_cast<frmAscCode&>(chart).List1.SetListIndex(65);
      EXPECT_TRUE(platform::ui::testing::SaveScreenshot(chart, folder + "/frmAscCode" + suffix));
    });
    static_cast<frmList&>(list).cmdAscHex[0].PerformClick();
    EXPECT_TRUE(platform::ui::testing::SaveScreenshot(list, folder + "/frmList" + suffix));
  });
  w.cmdList[1].PerformClick();
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenshotTest,
                         ::testing::Values(ShotLanguage{"0", ""}, ShotLanguage{"2", "_en"}),
                         [](const auto& info) {
                           return std::string(info.param.suffix).empty() ? "German" : "English";
                         });

}  // namespace
