#include "platform/files.h"
#include "platform/messagebox.h"
#include "tests/mainwindow/wizard_fixture.h"

// Pictures of the start page and pages 1 to 4 for a look by a person, drawn with the
// pictures and language file that travel with the program.
namespace {

class ScreenshotTest : public WizardTest {};

TEST_F(ScreenshotTest, EveryPage) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  StoreSetting("Appname", "Language", "ID", "0");
  frmWizard& w = Start();
  ASSERT_TRUE(platform::MakeFolder(PELVARON_SCREENSHOT_FOLDER) ||
              platform::FolderExists(PELVARON_SCREENSHOT_FOLDER));
  const std::string folder = PELVARON_SCREENSHOT_FOLDER;
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(w, folder + "/page0.png"));
  platform::ui::testing::MousePress(w.PicGermanyShow, 1, 10, 10);
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(w, folder + "/page0_pressed.png"));
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
        platform::ui::testing::SaveScreenshot(w, folder + "/page" + std::to_string(page) + ".png"));
  }
  frmInfo& info = w.InfoWindow;
  info.Show();
  EXPECT_TRUE(platform::ui::testing::SaveScreenshot(info, folder + "/frmInfo.png"));
}

}  // namespace
