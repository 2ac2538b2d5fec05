#include "controls/file_dialog.h"

#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "platform/ui/testing/ui_harness.h"
#include "texts/message_texts.h"
#include "texts/text_table.h"

namespace {

using namespace std::string_literals;
using platform::ui::Form;
using platform::ui::testing::UiHarness;

TEST(StripNull, CutsAtTheFirstNul) {
  EXPECT_EQ(StripNull("AB\0CD"s), "AB");
  EXPECT_EQ(StripNull("\0AB"s), "");
  EXPECT_EQ(StripNull("AB"), "AB");
  EXPECT_EQ(StripNull(""), "");
}

class FileDialogTest : public ::testing::Test {
 protected:
  UiHarness harness;
  Form frmWizard{"frmWizard"};
  const std::string filter = "VELDRAN Pelvaron Projectdata (*.vrx)\0*.vrx\0"s;
};

TEST_F(FileDialogTest, SaveAsksForOverwriteAndAnExistingFolder) {
  harness.QueueFileDialogAnswer("/tmp/p.vrx");
  EXPECT_EQ(ShowFileDialog(frmWizard, true, "VELDRAN Pelvaron Projectdata", filter, "*.vrx", ""),
            "/tmp/p.vrx");
  const auto& request = harness.FileDialogs().at(0);
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.title, "VELDRAN Pelvaron Projectdata - Speichern unter");
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].first, "VELDRAN Pelvaron Projectdata (*.vrx)");
  EXPECT_EQ(request.filters[0].second, "*.vrx");
  EXPECT_EQ(request.selectedFilter, 0);
  EXPECT_EQ(request.defaultExtension, "vrx");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(request.pathMustExist);
  EXPECT_FALSE(request.fileMustExist);
  EXPECT_EQ(request.owner, &frmWizard);
}

TEST_F(FileDialogTest, OpenWantsAnExistingFileAndHasNoDefaultExtension) {
  harness.QueueFileDialogAnswer("/tmp/p.vrx");
  ShowFileDialog(frmWizard, false, "T", filter, "*.vrx", "");
  const auto& request = harness.FileDialogs().at(0);
  EXPECT_EQ(request.title,
            "T - \xD6"
            "ffnen");
  EXPECT_TRUE(request.fileMustExist);
  EXPECT_FALSE(request.confirmOverwrite);
  EXPECT_EQ(request.defaultExtension, "");
}

TEST_F(FileDialogTest, CancelGivesEmptyResult) {
  EXPECT_EQ(ShowFileDialog(frmWizard, false, "T", filter, "", ""), "");
  EXPECT_EQ(ShowFileDialog(frmWizard, true, "T", filter, "", ""), "");
}

// The name the program would use ("?.vrx") is another file: nothing is handed over.
TEST_F(FileDialogTest, NameOutsideTheCodePageIsRefusedAndTold) {
  SetMessageTexts(true);
  for (const bool save : {true, false}) {
    harness.ClearRecords();
    harness.QueueFileDialogUnicodeAnswer("/tmp/\u03A9.vrx");
    EXPECT_EQ(ShowFileDialog(frmWizard, save, "T", filter, "*.vrx", ""), "") << save;
    ASSERT_EQ(harness.MessageBoxes().size(), 1u);
    EXPECT_EQ(harness.MessageBoxes()[0].text, LangText[620]);
    EXPECT_NE(LangText[620], "");
    EXPECT_EQ(harness.MessageBoxes()[0].icon, platform::mb::Exclamation);
    EXPECT_EQ(harness.MessageBoxes()[0].title, AppTitle);
  }
  harness.ClearRecords();
  harness.QueueFileDialogUnicodeAnswer("/tmp/\u00DCbung \u20AC.vrx");
  EXPECT_EQ(ShowFileDialog(frmWizard, true, "T", filter, "*.vrx", ""),
            "/tmp/\u00DCbung \u20AC.vrx");
  EXPECT_TRUE(harness.MessageBoxes().empty());
}

TEST_F(FileDialogTest, EmptyFilterOffersAllFilesOnly) {
  ShowFileDialog(frmWizard, true, "T", "", "", "start.vrx");
  const auto& request = harness.FileDialogs().at(0);
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].first, "Alle Dateien (*.*)");
  EXPECT_EQ(request.filters[0].second, "*.*");
  EXPECT_EQ(request.defaultExtension, "");  // "*.*" names no extension
  EXPECT_EQ(request.initialFile, "start.vrx");
}

TEST_F(FileDialogTest, SeveralPairsKeepTheirOrder) {
  ShowFileDialog(frmWizard, false, "T", "A\0*.a\0B\0*.b;*.c\0"s, "", "");
  const auto& filters = harness.FileDialogs().at(0).filters;
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[1].first, "B");
  EXPECT_EQ(filters[1].second, "*.b;*.c");
}

}  // namespace
