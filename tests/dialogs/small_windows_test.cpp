#include <gtest/gtest.h>

#include "dialogs/frm_file_info.h"
#include "dialogs/frm_info.h"
#include "dialogs/frm_test.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "project/records.h"
#include "texts/text_table.h"

namespace {

class SmallWindowsTest : public ::testing::Test {
 protected:
  SmallWindowsTest() {
    LanguageID = 0;
    InfoShown = false;
    ProjHeader = ProjectHeader{};
  }
  platform::ui::testing::UiHarness ui;
};

TEST_F(SmallWindowsTest, DescriptionIsTrimmedOnShowAndStoredOnOk) {
  ProjHeader.FileInfo.Set("   first line\r\nsecond  ");
  frmFileInfo window;
  window.Show();
  EXPECT_EQ(window.txtDescription.Text(), "first line\r\nsecond");
  window.txtDescription.SetText("  new text");
  window.cmdOk.PerformClick();
  EXPECT_FALSE(window.IsLoaded());
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), "  new text" + std::string(2038, ' '));
}

TEST_F(SmallWindowsTest, ALongDescriptionKeepsItsFirst2048Characters) {
  frmFileInfo window;
  window.Show();
  const std::string text = std::string(2048, 'a') + "bcd";
  window.txtDescription.SetText(text);
  window.cmdOk.PerformClick();
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), text.substr(0, 2048));
}

TEST_F(SmallWindowsTest, CancelLeavesTheDescriptionAsItWas) {
  ProjHeader.FileInfo.Set("  kept ");
  const std::string before = ProjHeader.FileInfo.Raw();
  frmFileInfo window;
  window.Show();
  window.txtDescription.SetText("changed");
  window.cmdCancel.PerformClick();
  EXPECT_EQ(ProjHeader.FileInfo.Raw(), before);
}

TEST_F(SmallWindowsTest, ANeverAssignedDescriptionShowsEmpty) {
  frmFileInfo window;
  window.Show();
  EXPECT_EQ(window.txtDescription.Text(), "");
  EXPECT_EQ(window.FrameDescription.Caption(), "Projektbeschreibung");
}

TEST_F(SmallWindowsTest, InstructionsMarkThemselvesShownAndBreakLines) {
  frmInfo window;
  window.ShowModal();
  EXPECT_TRUE(InfoShown);
  window.Load();
  EXPECT_NE(window.Text1.Text().find("'Prog'.\r\n"), std::string::npos);
  EXPECT_EQ(window.Text3.Text().find("[CRLF]"), std::string::npos);
  window.Command1.PerformClick();
  EXPECT_FALSE(window.IsLoaded());
}

TEST_F(SmallWindowsTest, LogIsEmptiedByItsButton) {
  frmTest window;
  window.Text1.SetText("ERROR READ IDNUMBER\r\n");
  window.Command1.PerformClick();
  EXPECT_EQ(window.Text1.Text(), "");
  EXPECT_EQ(window.Command1.Caption(), "l\xF6schen");
}

}  // namespace
