#include <unistd.h>

#include <string>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "tests/mainwindow/sample_project.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

namespace mb = platform::mb;

namespace {

class LoadersTest : public WizardTest {
 protected:
  // A project unlike the sample in every field, as an autosave copy would hold it.
  static std::string OtherProjectBytes() {
    ProjectHeader header;
    header.Magic = kProjectMagic;
    header.Com1Baud = 1;
    header.FileInfo.Set("  copy of the module  ");
    CommandRecordList records;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string n = std::to_string(i);
      records[i].RxCom1Cmd.Set("0D");
      records[i].RxCom1Len = 2;
      records[i].TransToNo = 7;
      records[i].StatusMatrix.fill(2);
      records[i].RxCom1Info.Set("a" + n);
      records[i].TxCom1BackInfo.Set("b" + n);
      records[i].TxCom1Info.Set("c" + n);
      records[i].TxCom2Info.Set("d" + n);
      records[i].RxCom2Info.Set("e" + n);
    }
    return ProjectFileBytes(header, records);
  }

  std::string WriteCopy(const std::string& name, const std::string& bytes) {
    const std::string path = program.File(name);
    EXPECT_TRUE(platform::WriteFileReplacing(path, bytes));
    return path;
  }
};

TEST_F(LoadersTest, AutosaveCopyIsFoundByItsStamp) {
  frmWizard& w = Start();
  ASSERT_TRUE(platform::MakeFolder(program.File("Autosave")));
  WriteCopy("Autosave/20090215143005.vrx", OtherProjectBytes());
  WriteCopy("Autosave/20060000000000.vrx", OtherProjectBytes());
  ASSERT_TRUE(platform::MakeFolder(program.File("Autosave/20100101000000.vrx")));
  struct Case {
    const char* stamp;
    std::string expected;
  };
  const Case cases[] = {
      {"20090215143005", program.File("Autosave/20090215143005.vrx")},
      {"20060000000000", ""},  // the factory stamp, even with a copy of that name
      {"20090215143006", ""},
      {"20100101000000", ""},  // a folder of that name
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(w.IsAutosaveFileExists(c.stamp), c.expected) << c.stamp;
  }
}

// Each stamp below would name an existing file if it went into the path unchecked.
TEST_F(LoadersTest, AStampThatIsNoFourteenDigitsHasNoCopy) {
  frmWizard& w = Start();
  ASSERT_TRUE(platform::MakeFolder(program.File("Autosave")));
  ASSERT_TRUE(platform::MakeFolder(program.File("Autosave/sub")));
  struct Case {
    std::string stamp;
    std::string reached;  // the file that the unchecked path names
  };
  const Case cases[] = {
      {"../outside", "outside.vrx"},
      {"../20090215143", "20090215143.vrx"},
      {"sub/2009021514", "Autosave/sub/2009021514.vrx"},
      {std::string("2009021514300\0", 14), "Autosave/2009021514300"},
      {"2009021514300", "Autosave/2009021514300.vrx"},
      {"200902151430055", "Autosave/200902151430055.vrx"},
      {"2009021514300 ", "Autosave/2009021514300 .vrx"},
  };
  for (const Case& c : cases) {
    WriteCopy(c.reached, OtherProjectBytes());
    ASSERT_TRUE(platform::FileExists(program.File(c.reached))) << c.reached;
    EXPECT_EQ(w.IsAutosaveFileExists(c.stamp), "") << c.reached;
  }
  WriteCopy("Autosave/20090215143005.vrx", OtherProjectBytes());
  EXPECT_EQ(w.IsAutosaveFileExists("20090215143005"), program.File("Autosave/20090215143005.vrx"));
}

TEST_F(LoadersTest, DescriptionsTakeOnlyTheNamesAndTheDescription) {
  frmWizard& w = Start();
  const std::string path = WriteCopy("copy.vrx", OtherProjectBytes());
  FillProject();
  ProjectHeader expectedHeader = ProjHeader;
  CommandRecordList expected = CmdRecords;
  expectedHeader.FileInfo.Set("copy of the module");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string n = std::to_string(i);
    expected[i].RxCom1Info.Set("a" + n);
    expected[i].TxCom1BackInfo.Set("b" + n);
    expected[i].TxCom1Info.Set("c" + n);
    expected[i].TxCom2Info.Set("d" + n);
    expected[i].RxCom2Info.Set("e" + n);
  }
  EXPECT_TRUE(w.LoadDescriptionsFromFile(path));
  EXPECT_TRUE(ProjHeader == expectedHeader);
  EXPECT_TRUE(CmdRecords == expected);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_EQ(RecentFiles[0], "");
}

TEST_F(LoadersTest, RefusedCopiesChangeNothingAndAreTold) {
  frmWizard& w = Start();
  std::string lowerMagic = OtherProjectBytes();
  lowerMagic.replace(0, 4, "pvlx");
  const std::string missing = program.File("missing.vrx");
  struct Case {
    std::string path;
    std::string box;  // "" for none
  };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {missing, LangText[607] + "\r\n" + missing + "\r\nNo such file or directory"},
      {WriteCopy("lower.vrx", lowerMagic), LangText[614]},
      {WriteCopy("short.vrx", "PVL"), LangText[614]},
      {WriteCopy("cut.vrx", OtherProjectBytes().substr(0, 56711)), LangText[614]},
      {program.path(), LangText[607] + "\r\n" + program.path() + "\r\nIs a directory"},
  };
  FillProject();
  const ProjectHeader header = ProjHeader;
  const CommandRecordList records = CmdRecords;
  for (const Case& c : cases) {
    ui.ClearRecords();
    EXPECT_FALSE(w.LoadDescriptionsFromFile(c.path)) << c.path;
    EXPECT_TRUE(ProjHeader == header && CmdRecords == records) << c.path;
    if (c.box.empty()) {
      EXPECT_TRUE(ui.MessageBoxes().empty()) << c.path;
    } else {
      ASSERT_EQ(ui.MessageBoxes().size(), 1u) << c.path;
      EXPECT_EQ(ui.MessageBoxes()[0].text, c.box);
      EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Critical);
      EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
    }
  }
}

TEST_F(LoadersTest, AutosaveCopyLoadsAsTheWholeProject) {
  frmWizard& w = Start();
  const std::string path = WriteCopy("copy.vrx", OtherProjectBytes());
  RecentFiles = {"a", "b", "c", "d", "e"};
  EXPECT_TRUE(w.LoadProjectFile(path));
  EXPECT_EQ(ProjectFileBytes(ProjHeader, CmdRecords), OtherProjectBytes());
  EXPECT_EQ(RecentFiles[0], path);
  EXPECT_EQ(RecentFiles[1], "a");
  ASSERT_EQ(ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[615] + "\r\n" + path);
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
  EXPECT_EQ(ui.MessageBoxes()[1].title, LangText[616]);
  EXPECT_EQ(ui.MessageBoxes()[1].text, "copy of the module");
  EXPECT_TRUE(w.SideADataOk && w.SideBDataOk);
  EXPECT_TRUE(w.FrameParameter.Visible() && w.FrameList.Visible());
  EXPECT_FALSE(w.IsLoading);
  EXPECT_EQ(w.Combo3.Text(), "19200");
}

TEST_F(LoadersTest, RefusedAutosaveCopyIsNamedInTheRecentList) {
  frmWizard& w = Start();
  const std::string path = WriteCopy("other.vrx", std::string(56712, 'x'));
  FillProject();
  const ProjectHeader header = ProjHeader;
  const CommandRecordList records = CmdRecords;
  EXPECT_FALSE(w.LoadProjectFile("  "));
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_EQ(RecentFiles[0], "");
  EXPECT_FALSE(w.LoadProjectFile(path));
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[614]);
  EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Critical);
  EXPECT_EQ(RecentFiles[0], path);
  EXPECT_TRUE(ProjHeader == header && CmdRecords == records);
  EXPECT_FALSE(w.SideADataOk || w.SideBDataOk);
}

// A language file that exists but cannot be read names no language.
TEST_F(LoadersTest, UnreadableLanguageFileGivesDefaultMenuCaptions) {
  // A regular file whose first byte cannot be read, even by root: memory at address 0.
  const std::string path = program.File("Language.dat");
  ASSERT_EQ(symlink("/proc/self/mem", path.c_str()), 0);
  std::string bytes;
  if (!platform::FileExists(path) || platform::ReadFileBytes(path, bytes, 1)) {
    GTEST_SKIP() << "no unreadable regular file on this system";
  }
  frmWizard& w = Start();
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(w.mnuLanguageList[i].Caption(), "Default") << i;
  }
}

}  // namespace
