#include "platform/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/com_mapping.h"
#include "platform/files.h"
#include "tests/common/as_nobody.h"
#include "tests/common/hostile_files.h"
#include "tests/common/temp_folder.h"

namespace {

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", (folder_.path() + "/config").c_str(), 1); }
  void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }
  TempFolder folder_;
};

constexpr const char* kApp = "VELDRAN Pelvaron (Tramelon)";

TEST_F(SettingsTest, MissingStoreGivesTheDefault) {
  EXPECT_EQ(platform::GetSetting(kApp, "RecentFileList", "0", "dflt"), "dflt");
}

TEST_F(SettingsTest, ValuesRoundTripBesideEachOther) {
  ASSERT_TRUE(platform::SaveSetting(kApp, "RecentFileList", "0", "/home/u/a.vrx"));
  ASSERT_TRUE(platform::SaveSetting(kApp, "RecentFileList", "1", "/home/u/b.vrx"));
  ASSERT_TRUE(platform::SaveSetting(kApp, "FilterMixMode", "On", "0"));
  ASSERT_TRUE(platform::SaveSetting(kApp, "RecentFileList", "0", "/home/u/c.vrx"));
  EXPECT_EQ(platform::GetSetting(kApp, "RecentFileList", "0", ""), "/home/u/c.vrx");
  EXPECT_EQ(platform::GetSetting(kApp, "RecentFileList", "1", ""), "/home/u/b.vrx");
  EXPECT_EQ(platform::GetSetting(kApp, "FilterMixMode", "On", "1"), "0");
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", "2"), "2");
}

TEST_F(SettingsTest, AnyBytesRoundTrip) {
  std::string value;
  for (int byte = 1; byte < 256; ++byte) {
    value += static_cast<char>(byte);
  }
  value += "=[x]\\x41\r\n";
  ASSERT_TRUE(platform::SaveSetting(kApp, "a]b=[c", "k=\n", value));
  EXPECT_EQ(platform::GetSetting(kApp, "a]b=[c", "k=\n", ""), value);
}

TEST_F(SettingsTest, JunkStoreReadsAsDefaultsAndCanBeWritten) {
  ASSERT_TRUE(platform::SaveSetting("Appname", "Language", "ID", "3"));
  ASSERT_TRUE(platform::WriteFileReplacing(platform::SettingsFilePath("Appname"),
                                           std::string("\0\0garbage\n[[\n=\n[Language\nID", 26)));
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", "2"), "2");
  ASSERT_TRUE(platform::SaveSetting("Appname", "Language", "ID", "4"));
  EXPECT_EQ(platform::GetSetting("Appname", "Language", "ID", "2"), "4");
}

TEST_F(SettingsTest, NamedPipeAsStoreGivesDefaultsAtOnceAndStays) {
  unsetenv("PELVARON_COM1");
  ASSERT_TRUE(platform::MakeFolder(folder_.path() + "/config"));
  const std::string store = platform::SettingsFilePath(kApp);
  ASSERT_TRUE(MakeNamedPipe(store));
  std::string value;
  std::string device;
  bool saved = true;
  int error = 0;
  EXPECT_TRUE(ReturnsPromptly(store, [&] {
    value = platform::GetSetting(kApp, "RecentFileList", "0", "d");
    device = platform::ComDevicePath("COM1", kApp);
    saved = platform::SaveSetting(kApp, "RecentFileList", "0", "x");
    error = errno;
  }));
  EXPECT_EQ(error, EINVAL);
  EXPECT_EQ(value, "d");
  EXPECT_EQ(device, "/dev/ttyS0");
  EXPECT_FALSE(saved);
  struct stat info {};
  ASSERT_EQ(stat(store.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(SettingsTest, UnwritableStoreReportsFailure) {
  ASSERT_TRUE(platform::MakeFolder(folder_.path() + "/config"));
  ASSERT_TRUE(platform::MakeFolder(platform::SettingsFilePath(kApp)));
  EXPECT_FALSE(platform::SaveSetting(kApp, "RecentFileList", "0", "x"));
  EXPECT_EQ(errno, EISDIR);
  // A settings folder whose name is taken by a file.
  ASSERT_TRUE(platform::WriteFileReplacing(folder_.path() + "/config/plain", ""));
  setenv("XDG_CONFIG_HOME", (folder_.path() + "/config/plain/sub").c_str(), 1);
  EXPECT_FALSE(platform::SaveSetting(kApp, "RecentFileList", "0", "x"));
  EXPECT_EQ(errno, ENOTDIR);
  EXPECT_EQ(platform::GetSetting(kApp, "RecentFileList", "0", "d"), "d");
}

// A store that is there but cannot be read whole keeps every setting it holds.
TEST_F(SettingsTest, StoreThatCannotBeReadWholeIsNotWrittenOver) {
  RUN_TEST_AS_NOBODY("SettingsTest.StoreThatCannotBeReadWholeIsNotWrittenOver");
  const std::string kept = "[RecentFileList]\n0=/home/u/a.vrx\n";
  struct Case {
    const char* name;
    off_t size;
    std::filesystem::perms rights;
    int error;
  };
  const Case cases[] = {
      {"write-only", 0, std::filesystem::perms::owner_write, EACCES},
      {"larger than any store", off_t{17} << 20, std::filesystem::perms::owner_all, EFBIG},
  };
  ASSERT_TRUE(platform::MakeFolder(folder_.path() + "/config"));
  const std::string store = platform::SettingsFilePath(kApp);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(MakeSparseFile(store, kept, std::max<off_t>(c.size, kept.size())));
    std::filesystem::permissions(store, c.rights);
    EXPECT_EQ(platform::GetSetting(kApp, "RecentFileList", "0", "d"), "d");
    EXPECT_FALSE(platform::SaveSetting(kApp, "RecentFileList", "1", "/home/u/b.vrx"));
    EXPECT_EQ(errno, c.error);
    std::filesystem::permissions(store, std::filesystem::perms::owner_all);
    std::string content;
    ASSERT_TRUE(platform::ReadFileBytes(store, content, kept.size()));
    EXPECT_EQ(content, kept);
    EXPECT_EQ(std::filesystem::file_size(store), std::max<off_t>(c.size, kept.size()));
  }
}

// A settings folder is found by its own bytes, whatever it is named.
TEST_F(SettingsTest, AnyFolderNameHoldsTheStore) {
  struct Case {
    const char* variable;  // the one set, the other unset
    std::string folder;    // under the temporary folder
    std::string store;     // the folder of the store
  };
  const std::string cyrillic = "\u0417\u0430\u0433\u0440\u0443\u0437\u043A\u0438";
  const Case cases[] = {
      {"XDG_CONFIG_HOME", "/" + cyrillic, "/" + cyrillic},
      {"HOME", "/" + cyrillic, "/" + cyrillic + "/.config"},
      {"XDG_CONFIG_HOME", "/\u00DCbung mit Leerzeichen", "/\u00DCbung mit Leerzeichen"},
  };
  const char* home = std::getenv("HOME");
  const std::string oldHome = home != nullptr ? home : "";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + " " + c.variable);
    unsetenv("XDG_CONFIG_HOME");
    setenv(c.variable, (folder_.path() + c.folder).c_str(), 1);
    const std::string store = folder_.path() + c.store + "/" + kApp + ".ini";
    EXPECT_EQ(platform::SettingsFilePath(kApp), store);
    ASSERT_TRUE(platform::SaveSetting(kApp, "Language", "ID", "3"));
    EXPECT_EQ(platform::GetSetting(kApp, "Language", "ID", "2"), "3");
    EXPECT_TRUE(std::filesystem::is_regular_file(store));
    setenv("HOME", oldHome.c_str(), 1);
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.path() + "/????????"));
}

TEST_F(SettingsTest, ApplicationNamesBecomeSafeFileNames) {
  EXPECT_EQ(platform::SettingsFilePath("../x/y"), folder_.path() + "/config/_.._x_y.ini");
  EXPECT_EQ(platform::SettingsFilePath(kApp),
            folder_.path() + "/config/VELDRAN Pelvaron (Tramelon).ini");
}

}  // namespace
