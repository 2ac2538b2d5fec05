#include "project/autosave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "platform/files.h"
#include "project/project_file.h"
#include "tests/common/temp_folder.h"
#include "tests/project/project_reset.h"

namespace {

class Autosave : public ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    platform::SetProgramFolder(program_.path());
    SetNewProjectValues();
  }
  void TearDown() override {
    platform::SetProgramFolder("");
    ProjectTest::TearDown();
  }
  std::string CopyPath() const { return program_.File("Autosave/20090215143005.vrx"); }

  TempFolder program_;
};

TEST_F(Autosave, CreatesTheFolderAndWritesTheProjectNamedByTheStamp) {
  ASSERT_FALSE(platform::FolderExists(program_.File("Autosave")));
  EXPECT_TRUE(WriteAutosave(ProjHeader.SaveStamp.Read()));
  std::string bytes;
  ASSERT_TRUE(platform::ReadFileBytes(CopyPath(), bytes, kProjectFileSize + 1));
  EXPECT_EQ(bytes, ProjectFileBytes(ProjHeader, CmdRecords));
  EXPECT_EQ(ProjHeader.Magic, kProjectMagic);
  EXPECT_EQ(ProjHeader.Version, kProjectVersion);
}

TEST_F(Autosave, SameStampTwiceLeavesOneFileAndReplacesAReadOnlyCopy) {
  ASSERT_TRUE(WriteAutosave("20090215143005"));
  chmod(CopyPath().c_str(), 0444);
  ProjHeader.FileInfo.Set("second");
  EXPECT_TRUE(WriteAutosave("20090215143005"));

  int files = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(program_.File("Autosave"))) {
    ++files;
  }
  EXPECT_EQ(files, 1);
  ProjHeader = {};
  ASSERT_EQ(ReadProjectFile(CopyPath()), ProjectFileRead::Loaded);
  EXPECT_EQ(ProjHeader.FileInfo.Read(), "second");
}

TEST_F(Autosave, ReportsAFolderThatCannotBeMade) {
  ASSERT_TRUE(platform::WriteFileReplacing(program_.File("Autosave"), "a file, not a folder"));
  errno = 0;
  EXPECT_FALSE(WriteAutosave("20090215143005"));
  EXPECT_EQ(errno, ENOTDIR) << "the reason told to the user";
}

}  // namespace
