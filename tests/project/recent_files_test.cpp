#include "project/recent_files.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/files.h"
#include "project/paths.h"
#include "project/program_state.h"
#include "tests/common/temp_folder.h"

namespace {

using Entries = std::array<std::string, kRecentFileCount>;

// Records what the recent-file refresh does to the five menu items.
class FakeMenu : public RecentFileMenu {
 public:
  std::array<bool, kRecentFileCount> visible{true, true, true, true, true};
  std::array<std::string, kRecentFileCount> caption{"?", "?", "?", "?", "?"};

  void SetItemVisible(int index, bool show) override { visible.at(index) = show; }
  void SetItemCaption(int index, const std::string& text) override { caption.at(index) = text; }
};

class RecentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetRecentFileMenu(&menu_); }
  void TearDown() override {
    SetRecentFileMenu(nullptr);
    RecentFiles = {};
  }
  FakeMenu menu_;
};

TEST_F(RecentFilesTest, AddingMovesAKnownEntryToTheTopAndDropsTheOldest) {
  struct Case {
    Entries before;
    std::string added;
    Entries after;
  };
  const Case cases[] = {
      {{"a", "b", "c", "d", "e"}, "c", {"c", "a", "b", "d", "e"}},
      {{"a", "b", "c", "d", "e"}, "x", {"x", "a", "b", "c", "d"}},
      {{"a", "b", "c", "d", "e"}, "e", {"e", "a", "b", "c", "d"}},
      {{"a", "", "b", "", ""}, "x", {"x", "a", "", "b", ""}},
      {{"a", "", "b", "", ""}, "b", {"b", "a", "", "", ""}},
      {{"", "", "", "", ""}, "x", {"x", "", "", "", ""}},
      {{"c:/p/a.vrx", "", "", "", ""}, "C:/P/A.vrx", {"C:/P/A.vrx", "c:/p/a.vrx", "", "", ""}},
  };
  for (const Case& c : cases) {
    RecentFiles = c.before;
    AddToRecentFiles(c.added);
    EXPECT_EQ(RecentFiles, c.after) << c.added;
  }
}

TEST_F(RecentFilesTest, MenuShowsExistingFilesOnlyAndNeverHidesItemZero) {
  TempFolder folder;
  const std::string present = folder.File("present.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(present, "x"));
  const std::string longPath = folder.File(std::string(60, 'L') + ".vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(longPath, "x"));
  RecentFiles = {folder.File("gone.vrx"), present, "", folder.path(), longPath};

  RefreshRecentFileMenu();

  const std::array<bool, kRecentFileCount> visible{true, true, false, false, true};
  EXPECT_EQ(menu_.visible, visible);
  EXPECT_EQ(menu_.caption[0], "");
  EXPECT_EQ(menu_.caption[1], ShortenPath(present, 50));
  EXPECT_EQ(menu_.caption[2], "");
  EXPECT_EQ(menu_.caption[3], "");
  EXPECT_EQ(menu_.caption[4], ShortenPath(longPath, 50));
  EXPECT_EQ(RecentFiles[0], folder.File("gone.vrx"));
}

TEST_F(RecentFilesTest, AddingRefreshesTheMenu) {
  TempFolder folder;
  const std::string file = folder.File("a.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(file, "x"));
  AddToRecentFiles(file);
  EXPECT_EQ(menu_.caption[0], ShortenPath(file, 50));
  EXPECT_FALSE(menu_.visible[1]);
}

TEST(ShortenPath, KeepsHeadAndTailFromASeparator) {
  // 60 characters; the search for "/" starts at position 16.
  const std::string plain = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ01234567";
  ASSERT_EQ(plain.size(), 60u);
  EXPECT_EQ(ShortenPath(plain, 50), "abc..." + plain.substr(16));
  EXPECT_EQ(ShortenPath(plain, 50).size(), 50u);

  std::string at20 = plain;
  at20[19] = '/';
  at20[10] = '/';
  EXPECT_EQ(ShortenPath(at20, 50), "abc..." + at20.substr(19));
  EXPECT_EQ(ShortenPath(at20, 50).size(), 47u);

  std::string at16 = plain;
  at16[15] = '/';
  EXPECT_EQ(ShortenPath(at16, 50), "abc..." + at16.substr(15));
  EXPECT_EQ(ShortenPath(at16, 50).size(), 51u);

  EXPECT_EQ(ShortenPath(plain.substr(0, 50), 50), plain.substr(0, 50));
  EXPECT_EQ(ShortenPath("", 50), "");
}

TEST(ShortenPath, SurvivesTinyLimits) {
  EXPECT_EQ(ShortenPath("abcdefgh", 0), "abc...");
  EXPECT_EQ(ShortenPath("a/cdefg/", 3), "a/c.../");
  EXPECT_EQ(ShortenPath("abcdefgh", -5), "abc...");
}

TEST(PathJoin, AddsOneSeparator) {
  EXPECT_EQ(PathJoin("/opt/", "Autosave/"), "/opt/Autosave/");
  EXPECT_EQ(PathJoin("/opt/prog", "Language.dat"), "/opt/prog/Language.dat");
  EXPECT_EQ(PathJoin("", "x"), "/x");
}

TEST(FileExists, IsTrueForRegularVisibleFilesOnly) {
  TempFolder folder;
  ASSERT_TRUE(platform::WriteFileReplacing(folder.File("f"), ""));
  ASSERT_TRUE(platform::WriteFileReplacing(folder.File(".hidden"), ""));
  EXPECT_TRUE(FileExists(folder.File("f")));
  EXPECT_FALSE(FileExists(folder.path()));
  EXPECT_FALSE(FileExists(folder.File(".hidden")));
  EXPECT_FALSE(FileExists(folder.File("none")));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
