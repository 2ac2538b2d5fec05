#include "project/shell_links.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "tests/common/fake_opener.h"
#include "tests/common/temp_folder.h"
#include "texts/text_table.h"

namespace {

class FakeBoxes : public platform::MessageBoxPresenter {
 public:
  std::vector<platform::MessageBoxCall> calls;
  platform::MsgResult Show(const platform::MessageBoxCall& call) override {
    calls.push_back(call);
    return platform::MsgResult::Ok;
  }
};

// What the fake opener records for one target opened in folder.
std::string OpenedLog(const std::string& target, const std::string& folder) {
  return "1|" + target + "|" + folder + "|";
}

class ShellLinks : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetProgramFolder(program_.path());
    platform::SetMessageBoxPresenter(&boxes_);
  }
  void TearDown() override {
    platform::SetMessageBoxPresenter(nullptr);
    platform::SetProgramFolder("");
    LanguageID = 0;
  }
  void AddFile(const std::string& name) {
    std::filesystem::create_directories(std::filesystem::path(program_.File(name)).parent_path());
    ASSERT_TRUE(platform::WriteFileReplacing(program_.File(name), "help"));
  }

  TempFolder program_;
  FakeBoxes boxes_;
  FakeOpener opener_;
};

TEST(HelpFileCandidates, FollowTheLanguageOrder) {
  using Names = std::array<std::string, 4>;
  const Names german{"help_de.pdf", "help_de.chm", "help_de.htm", "Help/help_de.htm"};
  EXPECT_EQ(HelpFileCandidates(0), german);
  EXPECT_EQ(HelpFileCandidates(1), german);
  EXPECT_EQ(HelpFileCandidates(2),
            (Names{"help_en.pdf", "help_en.chm", "help_en.htm", "Help/help_en.htm"}));
  EXPECT_EQ(HelpFileCandidates(3),
            (Names{"help_3.pdf", "help_3.chm", "help_3.htm", "Help/help_3.pdf"}));
}

TEST_F(ShellLinks, HelpOpensTheFirstExistingCandidate) {
  AddFile("help_de.chm");
  AddFile("help_de.pdf");
  LanguageID = 0;
  ShowHelpFile();
  EXPECT_EQ(opener_.WaitForLog(), OpenedLog(program_.File("help_de.pdf"), program_.path()));
  EXPECT_TRUE(boxes_.calls.empty());
}

TEST_F(ShellLinks, HelpFindsTheFileInTheHelpFolder) {
  AddFile("Help/help_de.htm");
  LanguageID = 1;
  ShowHelpFile();
  EXPECT_EQ(opener_.WaitForLog(), OpenedLog(program_.File("Help/help_de.htm"), program_.path()));
}

TEST_F(ShellLinks, HelpNotFoundShowsTheTextFolderAndFirstName) {
  AddFile("Help/help_3.htm");
  struct Case {
    int language;
    std::string text;
    std::string first;
  };
  const Case cases[] = {{1, "Hilfe nicht gefunden !", "help_de.pdf"},
                        {2, "Help not found !", "help_en.pdf"},
                        {3, "Hilfe nicht gefunden / Help not found !", "help_3.pdf"}};
  for (const Case& c : cases) {
    LanguageID = c.language;
    ShowHelpFile();
  }
  ASSERT_EQ(boxes_.calls.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(boxes_.calls[i].prompt,
              cases[i].text + "\r\n" + program_.path() + "\r\n" + cases[i].first);
    EXPECT_EQ(boxes_.calls[i].style, platform::mb::Information | platform::mb::SetForeground);
    EXPECT_FALSE(boxes_.calls[i].title.has_value());
  }
}

TEST_F(ShellLinks, MailCarriesVersionAndLanguageInTheSubject) {
  LanguageID = 4;
  SendSupportMail();
  EXPECT_EQ(opener_.WaitForLog(),
            OpenedLog("mailto:support@example.com?subject=VELDRAN Pelvaron (Tramelon) Version "
                      "1.4.155 Language4&body=Hello , ...",
                      std::filesystem::current_path().string()));
}

TEST_F(ShellLinks, MakerPageComesFromTheTextTable) {
  LangText[650] = "https://maker.example.com/de/";
  OpenMakerWebPage();
  EXPECT_EQ(opener_.WaitForLog(), OpenedLog("https://maker.example.com/de/", "/"));
  LangText[650].clear();
}

}  // namespace
