#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"
#include "tests/common/temp_folder.h"

namespace platform::ui {
namespace {

TEST(HarnessTest, MessageBoxesAreAnsweredInOrderAndRecorded) {
  testing::UiHarness harness;
  SetDefaultTitle("Pelvaron Test");
  harness.QueueMessageBoxAnswer(MsgResult::Yes);
  EXPECT_EQ(MsgBox("Beenden?", mb::YesNo | mb::Question | mb::SetForeground, "Titel"),
            MsgResult::Yes);
  EXPECT_EQ(MsgBox("Kein Titel", mb::Critical), MsgResult::Ok);
  EXPECT_EQ(MsgBox("Unanswered", mb::YesNo), MsgResult::No);
  ASSERT_EQ(harness.MessageBoxes().size(), 3u);
  EXPECT_EQ(harness.MessageBoxes()[0].text, "Beenden?");
  EXPECT_EQ(harness.MessageBoxes()[0].title, "Titel");
  EXPECT_EQ(harness.MessageBoxes()[0].buttons, mb::YesNo);
  EXPECT_EQ(harness.MessageBoxes()[0].icon, mb::Question);
  EXPECT_EQ(harness.MessageBoxes()[1].title, "Pelvaron Test");
  EXPECT_EQ(harness.MessageBoxes()[1].icon, mb::Critical);
  EXPECT_EQ(harness.PendingAnswers(), 0);
}

TEST(HarnessTest, FileDialogAnswersAndRequestsAreKept) {
  testing::UiHarness harness;
  harness.QueueFileDialogAnswer("/tmp/\xC4\x80.vrx");
  harness.QueueFileDialogUnicodeAnswer("/tmp/\u00C4\u20AC.vrx");
  harness.QueueFileDialogUnicodeAnswer("/tmp/\u03A9.vrx");
  FileDialogRequest request;
  request.title = "Open";
  struct Expected {
    std::string path;
    bool outsideCodePage;
  };
  const Expected expected[] = {
      {"/tmp/\u00C4\u20AC.vrx", false},
      {"/tmp/\u00C4\u20AC.vrx", false},
      {"", true},  // not "/tmp/?.vrx", which names another file
      {"", false},
  };
  for (const Expected& e : expected) {
    const FileDialogChoice choice = ShowFileDialogBox(request);
    EXPECT_EQ(choice.path, e.path);
    EXPECT_EQ(choice.outsideCodePage, e.outsideCodePage) << e.path;
  }
  ASSERT_EQ(harness.FileDialogs().size(), 4u);
  EXPECT_EQ(harness.FileDialogs()[0].title, "Open");
}

TEST(FileDialogChecks, OpenWantsAFileAndSaveAnExistingFolder) {
  testing::UiHarness harness;
  TempFolder folder;
  std::filesystem::create_directory(folder.File("sub"));
  { std::ofstream(folder.File("p.vrx")) << "PVLX"; }
  FileDialogRequest open;
  open.fileMustExist = true;
  EXPECT_TRUE(FileDialogAccepts(open, folder.File("p.vrx")));
  EXPECT_FALSE(FileDialogAccepts(open, folder.File("q.vrx")));
  EXPECT_FALSE(FileDialogAccepts(open, folder.File("sub")));
  FileDialogRequest save;
  save.save = true;
  save.pathMustExist = true;
  EXPECT_TRUE(FileDialogAccepts(save, folder.File("new.vrx")));
  EXPECT_TRUE(FileDialogAccepts(save, folder.File("sub/new.vrx")));
  EXPECT_FALSE(FileDialogAccepts(save, folder.File("missing/new.vrx")));
}

TEST(HarnessTest, ScreenshotIsWrittenAsPng) {
  testing::UiHarness harness;
  TempFolder folder;
  Form form("frmShot");
  form.SetClientSize(64, 48);
  Label lbl(form, "lbl");
  lbl.SetCaption("Hallo");
  form.Show();
  const std::string path = folder.File("shot.png");
  ASSERT_TRUE(testing::SaveScreenshot(form, path));
  EXPECT_GT(std::filesystem::file_size(path), 0u);
  EXPECT_FALSE(testing::SaveScreenshot(form, folder.File("missing/shot.png")));
}

}  // namespace
}  // namespace platform::ui
