#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/records.h"
#include "tests/mainwindow/link_fixture.h"
#include "tests/mainwindow/sample_project.h"

// Pictures of both link pages filled with names, commands and every kind of link, with
// the signal-flow picture labelled, for a look by a person: German and English.
namespace {

namespace testing = platform::ui::testing;

struct ShotLanguage {
  const char* storedId;
  const char* suffix;
};

class LinkScreenshotTest : public LinkPageTest,
                           public ::testing::WithParamInterface<ShotLanguage> {};

TEST_P(LinkScreenshotTest, FilledLinkPages) {
  platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
  StoreSetting("Appname", "Language", "ID", GetParam().storedId);
  frmWizard& w = OpenLinkPage(2);
  FillProject();
  NameEveryEntry();
  w.RefreshListPages();
  ASSERT_TRUE(platform::MakeFolder(PELVARON_SCREENSHOT_FOLDER) ||
              platform::FolderExists(PELVARON_SCREENSHOT_FOLDER));
  const std::string folder = std::string(PELVARON_SCREENSHOT_FOLDER) + "/";
  const std::string suffix = std::string(GetParam().suffix) + ".png";
  // Row 1 of page 2: a back answer and a COM2 link; row 2: the status query; row 0:
  // no link at all.
  MoveMouseOver(w.txtInfo[1]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links2_entry" + suffix));
  MoveMouseOver(w.txtInfo[2]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links2_query" + suffix));
  MoveMouseOver(w.txtInfo[0]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links2_none" + suffix));
  w.VScroll1.SetValue(7);
  MoveMouseOver(w.lblNumber[3]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links2_last" + suffix));
  Navigate(1);
  MoveMouseOver(w.txtInfo2[0]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links3_entry" + suffix));
  MoveMouseOver(w.txtInfo2[3]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links3_none" + suffix));
  w.VScroll2.SetValue(3);
  MoveMouseOver(w.txtInfo2[1]);
  EXPECT_TRUE(testing::SaveScreenshot(w, folder + "links3_query" + suffix));
}

INSTANTIATE_TEST_SUITE_P(Languages, LinkScreenshotTest,
                         ::testing::Values(ShotLanguage{"0", ""}, ShotLanguage{"2", "_en"}),
                         [](const auto& info) {
                           return std::string(info.param.suffix).empty() ? "German" : "English";
                         });

}  // namespace
