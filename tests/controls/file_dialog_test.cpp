#include "controls/file_dialog.h"

#include <gtest/gtest.h>

#include "platform/ui/testing/ui_harness.h"

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
