#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"

namespace {

constexpr std::size_t kAnySize = 1 << 20;

TEST(FileExists, OnlyVisibleRegularFilesCount) {
  TempFolder folder;
  ASSERT_TRUE(platform::WriteFileReplacing(folder.File("a.vrx"), "x"));
  ASSERT_TRUE(platform::WriteFileReplacing(folder.File(".hidden"), "x"));
  EXPECT_TRUE(platform::FileExists(folder.File("a.vrx")));
  EXPECT_FALSE(platform::FileExists(folder.File(".hidden")));
  EXPECT_FALSE(platform::FileExists(folder.path()));
  EXPECT_FALSE(platform::FileExists(folder.File("missing")));
  EXPECT_FALSE(platform::FileExists(""));
}

TEST(WriteFileReplacing, ReplacesALongerFileWhole) {
  TempFolder folder;
  const std::string path = folder.File("p.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(path, std::string(100, 'a')));
  ASSERT_TRUE(platform::WriteFileReplacing(path, "bb"));
  std::string content;
  ASSERT_TRUE(platform::ReadFileBytes(path, content, kAnySize));
  EXPECT_EQ(content, "bb");
}

TEST(WriteFileReplacing, FailureLeavesTheOldFileAndNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.File("p.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(path, "good"));
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(platform::WriteFileReplacing(path, "bad"));
  EXPECT_FALSE(platform::WriteFileReplacing(folder.File("gone/p.vrx"), "bad"));
  std::string content;
  ASSERT_TRUE(platform::ReadFileBytes(path, content, kAnySize));
  EXPECT_EQ(content, "good");
  ASSERT_TRUE(platform::SetNormalAttributes(path));
  EXPECT_TRUE(platform::WriteFileReplacing(path, "new"));
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(WriteFileReplacing, FailureLeavesTheSystemsReasonInErrno) {
  TempFolder folder;
  const std::string readOnly = folder.File("r.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(readOnly, "good"));
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  struct Case {
    std::string path;
    int error;
  };
  const Case cases[] = {
      {readOnly, EACCES},
      {folder.path(), EISDIR},
      {folder.File("gone/p.vrx"), ENOENT},
      {folder.File(std::string(4000, 'n')), ENAMETOOLONG},
  };
  for (const Case& c : cases) {
    errno = 0;
    EXPECT_FALSE(platform::WriteFileReplacing(c.path, "bad"));
    EXPECT_EQ(errno, c.error) << c.path.substr(0, 80);
  }
}

// Whatever a folder is named, its path is the file system's bytes; "?" names another file.
TEST(Files, PathsAreTheFileSystemsOwnBytes) {
  TempFolder root;
  for (const char* name :
       {"\u0417\u0430\u0433\u0440\u0443\u0437\u043A\u0438", "\u00DCbung \u20AC"}) {
    SCOPED_TRACE(name);
    const std::string folder = root.File(name);
    ASSERT_TRUE(platform::MakeFolder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(platform::FolderExists(folder));
    const std::string file = folder + "/p.vrx";
    ASSERT_TRUE(platform::WriteFileReplacing(file, "data"));
    EXPECT_TRUE(platform::FileExists(file));
    std::string content;
    ASSERT_TRUE(platform::ReadFileBytes(file, content, kAnySize));
    EXPECT_EQ(content, "data");
    EXPECT_TRUE(platform::RemoveFile(file));
    EXPECT_FALSE(std::filesystem::exists(file));
  }
  EXPECT_FALSE(std::filesystem::exists(root.File("????????")));
}

TEST(ReadFileBytes, ReadsOnlyRegularFilesAndNeverWaits) {
  TempFolder folder;
  const std::string pipe = folder.File("pipe.vrx");
  ASSERT_TRUE(MakeNamedPipe(pipe));
  std::string content = "kept";
  bool read = true;
  EXPECT_TRUE(ReturnsPromptly(pipe, [&] { read = platform::ReadFileBytes(pipe, content, 4); }));
  EXPECT_FALSE(read);
  EXPECT_EQ(errno, EINVAL);
  const std::pair<std::string, int> refused[] = {
      {folder.path(), EISDIR},
      {folder.File("missing"), ENOENT},
      {"/dev/zero", EINVAL},
      {folder.File(std::string(4000, 'p')), ENAMETOOLONG},
  };
  for (const auto& [path, reason] : refused) {
    errno = 0;
    EXPECT_FALSE(platform::ReadFileBytes(path, content, kAnySize)) << path;
    EXPECT_EQ(errno, reason) << path;
  }
  EXPECT_EQ(content, "kept");
}

TEST(ReadFileBytes, ReadsAPrefixOfAHugeFile) {
  TempFolder folder;
  const std::string path = folder.File("huge.vrx");
  ASSERT_TRUE(MakeSparseFile(path, "PVLX1234", off_t{100} << 20));
  std::string content;
  ASSERT_TRUE(platform::ReadFileBytes(path, content, 4));
  EXPECT_EQ(content, "PVLX");
  ASSERT_TRUE(platform::ReadFileBytes(path, content, 70000));
  EXPECT_EQ(content.size(), 70000u);
  EXPECT_EQ(content.substr(0, 8), "PVLX1234");
}

TEST(ProgramFolder, CanBeRedirected) {
  const std::string real = platform::ProgramFolder();
  EXPECT_TRUE(platform::FolderExists(real));
  platform::SetProgramFolder("/tmp/x");
  EXPECT_EQ(platform::ProgramFolder(), "/tmp/x");
  platform::SetProgramFolder("");
  EXPECT_EQ(platform::ProgramFolder(), real);
}

// This test binary, copied into folders of any name and run there, finds itself there.
TEST(ProgramFolder, IsTheFolderItRunsFromWhateverItsName) {
  constexpr const char* kExpected = "PELVARON_EXPECTED_PROGRAM_FOLDER";
  if (const char* expected = std::getenv(kExpected); expected != nullptr) {
    EXPECT_EQ(platform::ProgramFolder(), expected);
    return;
  }
  TempFolder root;
  for (const char* name :
       {"\u0417\u0430\u0433\u0440\u0443\u0437\u043A\u0438", "\u00DCbung mit Leerzeichen"}) {
    SCOPED_TRACE(name);
    const std::string folder = root.File(name);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string copy = folder + "/files_test";
    std::filesystem::copy_file(std::filesystem::read_symlink("/proc/self/exe"), copy);
    setenv(kExpected, folder.c_str(), 1);
    const int status = std::system(
        ("'" + copy +
         "' --gtest_filter=ProgramFolder.IsTheFolderItRunsFromWhateverItsName >/dev/null")
            .c_str());
    unsetenv(kExpected);
    EXPECT_EQ(status, 0);
  }
}

}  // namespace
