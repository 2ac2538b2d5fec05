#include <QTest>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/recent_files.h"
#include "project/records.h"
#include "tests/common/as_nobody.h"
#include "tests/common/hostile_files.h"
#include "tests/mainwindow/sample_project.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

namespace mb = platform::mb;
namespace ui = platform::ui;
namespace testing_ui = platform::ui::testing;
using platform::MsgResult;

namespace {

class ProjectFilesTest : public WizardTest {
 protected:
  // The window on page 1, where load, save and the recent-file arrow are shown.
  frmWizard& StartOnPage1() {
    frmWizard& w = Start();
    Navigate(1);
    return w;
  }
  void Load(const std::string& path) {
    ui.QueueFileDialogAnswer(path);
    testing_ui::ClickControl(wizard->cmdLoadSave[0]);
  }
  void Save(const std::string& path) {
    ui.QueueFileDialogAnswer(path);
    testing_ui::ClickControl(wizard->cmdLoadSave[1]);
  }
  void OpenRecent(int item) {
    ui.QueuePopupMenuAnswer(item);
    testing_ui::ClickControl(wizard->cmdRecentFileList);
  }
  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = program.File(name);
    EXPECT_TRUE(platform::WriteFileReplacing(path, bytes));
    return path;
  }
  static std::string Project() { return ProjectFileBytes(ProjHeader, CmdRecords); }
  static std::string Contents(const std::string& path) {
    std::string bytes;
    platform::ReadFileBytes(path, bytes, kProjectFileSize + 1);
    return bytes;
  }
  // The sample project, made the project in memory, as a file holds it.
  static std::string SampleFile() {
    FillProject();
    ProjHeader.Magic = kProjectMagic;
    ProjHeader.Version = kProjectVersion;
    return Project();
  }
  // The sample's file image with another description.
  static std::string WithDescription(std::string_view description) {
    std::string bytes = SampleFile();
    bytes.replace(40, description.size(), description);
    return bytes;
  }
};

// The file image written field by field from the format's offsets.
class FileImage {
 public:
  void Put(std::size_t offset, std::string_view text) { bytes.replace(offset, text.size(), text); }
  void Number(std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
  }
  std::string bytes = std::string(56712, '\0');
};

TEST_F(ProjectFilesTest, ReadsAFileLaidOutByTheFormat) {
  FileImage file;
  file.Put(0, "PVLX");
  file.Number(4, 2, 4);  // another version loads all the same
  file.Number(8, 3, 4);
  file.Number(12, 1, 4);
  file.Put(16, "E");
  file.Number(17, 5, 4);
  file.Number(21, 0, 4);
  file.Put(25, "O");
  file.Put(26, "20090215143005");
  file.Put(40, std::string(2048, ' '));
  file.Put(40, "Anlage Halle 3");
  file.Put(2088, std::string(256, 'R'));
  const std::size_t r7 = 2344 + 1699 * 7;
  file.Number(r7, 6, 2);
  file.Put(r7 + 2, "41420D");
  file.Put(r7 + 256, "Licht an");
  file.Number(r7 + 320, 255, 1);
  file.Number(r7 + 321, 3, 1);
  file.Put(r7 + 578, "Antwort");
  file.Number(r7 + 642, 0xFFFE, 2);
  file.Put(r7 + 964, "FF00");
  file.Put(r7 + 1538, "Rx2");
  file.Number(r7 + 1602, 32, 1);
  file.Number(r7 + 1603 + 5, 1, 1);
  file.Number(r7 + 1635 + 31, 1, 1);
  file.Number(r7 + 1667, 1, 1);
  file.Put(2344 + 1699 * 31 + 1538, "last");
  const std::string path = WriteFile("layout.vrx", file.bytes);

  frmWizard& w = StartOnPage1();
  Load(path);
  EXPECT_EQ(ProjHeader.Magic, kProjectMagic);
  EXPECT_EQ(ProjHeader.Version, 2);
  EXPECT_EQ(ProjHeader.Com1Baud, 3);
  EXPECT_EQ(ProjHeader.Com1Handshake, 1);
  EXPECT_EQ(ProjHeader.Com1Parity.Raw(), "E");
  EXPECT_EQ(ProjHeader.Com2Baud, 5);
  EXPECT_EQ(ProjHeader.Com2Parity.Raw(), "O");
  EXPECT_EQ(ProjHeader.SaveStamp.Raw(), "20090215143005");
  EXPECT_EQ(ProjHeader.FileInfo.Read(), "Anlage Halle 3");
  EXPECT_EQ(ProjHeader.Reserved.Raw(), std::string(256, 'R'));
  const CommandRecord& r = CmdRecords[7];
  EXPECT_EQ(r.RxCom1Len, 6);
  EXPECT_EQ(r.RxCom1Cmd.Left(6), "41420D");
  EXPECT_EQ(r.RxCom1Info.Read(), "Licht an");
  EXPECT_EQ(r.BackAnswerNo, 255);
  EXPECT_EQ(r.TransToNo, 3);
  EXPECT_EQ(r.TxCom1BackInfo.Read(), "Antwort");
  EXPECT_EQ(r.TxCom1Len, -2);
  EXPECT_EQ(r.TxCom2Cmd.Read(), "FF00");
  EXPECT_EQ(r.RxCom2Info.Read(), "Rx2");
  EXPECT_EQ(r.TransTo2No, 32);
  EXPECT_EQ(r.StatusMatrix[5], 1);
  EXPECT_EQ(r.StatusMatrix[4], 0);
  EXPECT_EQ(r.Filter1Matrix[31], 1);
  EXPECT_EQ(r.Filter2Matrix[0], 1);
  EXPECT_EQ(CmdRecords[6].RxCom1Len, 0);
  EXPECT_EQ(CmdRecords[31].RxCom2Info.Read(), "last");
  EXPECT_EQ(w.Combo3.Text(), "38400");
  EXPECT_EQ(w.chkHandshakeCom1.Value(), 1);
  EXPECT_EQ(w.Combo5.Text(), "57600");
  // Written back, the image is the same, but for the version.
  file.Number(4, 1, 4);
  Save(program.File("again.vrx"));
  EXPECT_TRUE(Contents(program.File("again.vrx")) == file.bytes);
}

TEST_F(ProjectFilesTest, SavedProjectComesBackAfterARestart) {
  for (const bool fromMenu : {true, false}) {
    SCOPED_TRACE(fromMenu ? "recent-file menu" : "file dialog");
    const std::string path = program.File(fromMenu ? "menu.vrx" : "dialog.vrx");
    frmWizard& first = StartOnPage1();
    FillProject();
    Save(path);
    const std::string saved = Project();
    EXPECT_TRUE(Contents(path) == saved);
    ui.QueueMessageBoxAnswer(MsgResult::Yes);
    testing_ui::CloseWindow(first);
    wizard.reset();
    ProjHeader = ProjectHeader{};
    CmdRecords = CommandRecordList{};
    RecentFiles.fill("");

    frmWizard& second = StartOnPage1();
    EXPECT_EQ(RecentFiles[0], path);
    ui.ClearRecords();
    if (fromMenu) {
      OpenRecent(0);
    } else {
      Load(path);
    }
    EXPECT_TRUE(Project() == saved);
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[fromMenu ? 604 : 588] + "\r\n" + path);
    EXPECT_EQ(ui.MessageBoxes()[1].title, LangText[fromMenu ? 605 : 589]);
    EXPECT_EQ(ui.MessageBoxes()[1].text, "project with every kind of data");
    EXPECT_EQ(second.Combo3.Text(), "57600");
    Navigate(1);
    EXPECT_EQ(second.WizardPage, 2);
    wizard.reset();
    ui.ClearRecords();
  }
}

TEST_F(ProjectFilesTest, DialogsAskForProjectFiles) {
  StartOnPage1();
  Load("");
  Save("  ");
  ASSERT_EQ(ui.FileDialogs().size(), 2u);
  const auto& load = ui.FileDialogs()[0];
  const auto& save = ui.FileDialogs()[1];
  EXPECT_EQ(load.title,
            "VELDRAN Pelvaron Projectdata - \xD6"
            "ffnen");
  EXPECT_EQ(save.title, "VELDRAN Pelvaron Projectdata - Speichern unter");
  ASSERT_EQ(load.filters.size(), 1u);
  EXPECT_EQ(load.filters[0].first, "VELDRAN Pelvaron Projectdata (*.vrx)");
  EXPECT_EQ(load.filters[0].second, "*.vrx");
  EXPECT_TRUE(load.fileMustExist);
  EXPECT_TRUE(save.confirmOverwrite);
  EXPECT_TRUE(ui.MessageBoxes().empty());
  EXPECT_EQ(RecentFiles[0], "");
  EXPECT_FALSE(wizard->SideADataOk);
}

TEST_F(ProjectFilesTest, RecentFileOrderFollowsLoadsAndSaves) {
  frmWizard& w = StartOnPage1();
  const std::string a = program.File("a.vrx");
  const std::string b = WriteFile("b.vrx", SampleFile());
  const std::string c = WriteFile("c.txt", "not a project");
  Save(a);
  EXPECT_EQ(ui.MessageBoxes().back().text, LangText[590] + "\r\n" + a);
  Load(b);
  EXPECT_EQ(ui.MessageBoxes().back().title, LangText[589]);
  Load(c);
  EXPECT_EQ(ui.MessageBoxes().back().text, LangText[587]);
  const std::array<std::string, 5> expected = {c, b, a, "", ""};
  EXPECT_EQ(RecentFiles, expected);
  OpenRecent(2);
  EXPECT_EQ(ui.MessageBoxes().back().title, LangText[605]);
  EXPECT_EQ(ui.MessageBoxes()[ui.MessageBoxes().size() - 2].text, LangText[604] + "\r\n" + a);
  EXPECT_EQ(RecentFiles, expected);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(w.mnuRecentFileList[i].Visible());
    EXPECT_EQ(w.mnuRecentFileList[i].Caption(), ShortenPath(expected[i], 50));
  }
  EXPECT_FALSE(w.mnuRecentFileList[3].Visible());
  EXPECT_EQ(ui.PopupMenus(), std::vector<std::string>{"mnuRFileList"});
}

TEST_F(ProjectFilesTest, DescriptionBoxFollowsOnlyATextBeforeTheFirstNul) {
  struct Case {
    const char* name;
    std::string description;
    std::string shown;  // "" for no box
  };
  const Case cases[] = {
      {"blank", std::string(2048, ' '), ""},
      {"all NUL", std::string(2048, '\0'), ""},
      {"NUL first", std::string("\0Rest", 5), ""},
      {"cut at NUL", std::string("  Teil A \0Teil B", 16), "Teil A"},
      {"full field", std::string(2048, 'D'), std::string(2048, 'D')},
  };
  frmWizard& w = StartOnPage1();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = WriteFile("d.vrx", WithDescription(c.description));
    ProjHeader = ProjectHeader{};
    ui.ClearRecords();
    Load(path);
    ASSERT_EQ(ui.MessageBoxes().size(), c.shown.empty() ? 1u : 2u);
    EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
    if (!c.shown.empty()) {
      EXPECT_TRUE(ui.MessageBoxes()[1].text == c.shown);
      EXPECT_EQ(ui.MessageBoxes()[1].title, LangText[589]);
    }
    // Kept only up to the NUL, blank-filled.
    std::string kept = c.description.substr(0, c.description.find('\0'));
    kept.resize(2048, ' ');
    EXPECT_TRUE(ProjHeader.FileInfo.Raw() == kept);
    EXPECT_TRUE(w.SideADataOk && w.SideBDataOk);
  }
}

// A file with baud code 0 and no parity letter: the lists show nothing instead of the
// previous project's settings, until the user picks an item.
TEST_F(ProjectFilesTest, PortSettingsWithoutItemShowNoSelection) {
  frmWizard& w = StartOnPage1();
  const std::string full = SampleFile();
  Load(WriteFile("sample.vrx", full));
  ASSERT_EQ(w.Combo3.Text(), "57600");
  ASSERT_EQ(w.Combo6.Text(), "Space");
  std::string noSettings = full;
  noSettings.replace(8, 18, std::string(18, '\0'));
  Load(WriteFile("no settings.vrx", noSettings));
  ASSERT_EQ(ProjHeader.Com1Baud, 0);
  for (const ui::ComboBox* list : {&w.Combo3, &w.Combo4, &w.Combo5, &w.Combo6}) {
    SCOPED_TRACE(list->Name());
    EXPECT_EQ(list->ListIndex(), -1);
  }
  EXPECT_EQ(w.Combo3.BackColor(), platform::vbWindowBackground);
  EXPECT_EQ(ProjHeader.Com1Baud + ProjHeader.Com2Baud, 0) << "nothing written back";
  EXPECT_EQ(ProjHeader.Com1Parity.bytes[0] + ProjHeader.Com2Parity.bytes[0], 0);
  QTest::keyClick(w.Combo3.Widget(), Qt::Key_Down);
  QTest::keyClick(w.Combo6.Widget(), Qt::Key_Down);
  EXPECT_EQ(ProjHeader.Com1Baud, 4);
  EXPECT_EQ(ProjHeader.Com2Parity.bytes[0], 'N');
}

// A file that is no project file is named by the wrong-file text; one that cannot be read
// is named with its path and the system's reason.
TEST_F(ProjectFilesTest, RefusedFilesLeaveTheProjectAsItWas) {
  StartOnPage1();
  const std::string big = program.File("big.vrx");
  WriteFile("big.vrx", "");
  std::filesystem::resize_file(big, 100u << 20);
  const std::string pipe = program.File("pipe.vrx");
  ASSERT_TRUE(MakeNamedPipe(pipe));
  const std::string longName = program.File(std::string(4000, 'p'));
  struct Case {
    std::string path;
    std::string text;
  };
  const auto unread = [](const std::string& path, const std::string& reason) {
    return Case{path, LangText[607] + "\r\n" + path + "\r\n" + reason};
  };
  const Case cases[] = {
      unread(pipe, "Invalid argument"),
      {WriteFile("picture.png", "\x89PNG\r\n\x1A\n" + std::string(56704, 'x')), LangText[587]},
      {WriteFile("lower.vrx", "pvlx" + std::string(56708, '\0')), LangText[587]},
      {WriteFile("three.vrx", "PVL"), LangText[587]},
      {WriteFile("empty.vrx", ""), LangText[587]},
      {big, LangText[587]},
      unread(program.path(), "Is a directory"),
      unread(program.File("missing.vrx"), "No such file or directory"),
      unread(longName, "File name too long"),
  };
  FillProject();
  const std::string before = Project();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.substr(0, 80));
    ui.ClearRecords();
    EXPECT_TRUE(ReturnsPromptly(pipe, [&] { Load(c.path); }));
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].text, c.text);
    EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
    EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Critical);
    EXPECT_TRUE(Project() == before);
    EXPECT_EQ(RecentFiles[0], c.path);
  }
  EXPECT_FALSE(wizard->SideADataOk || wizard->SideBDataOk);
}

TEST_F(ProjectFilesTest, RecentFileThatCannotBeOpenedIsNamed) {
  StartOnPage1();
  const std::string deleted = program.File("deleted.vrx");
  const std::string wrong = WriteFile("wrong.vrx", "PVL");
  RecentFiles = {"", deleted, wrong, program.path(), program.File(std::string(4000, 'p'))};
  const auto recent = RecentFiles;
  FillProject();
  const std::string before = Project();
  struct Case {
    int item;
    std::string text;
  };
  const Case cases[] = {
      {0, LangText[606] + "\r\n"},
      {1, LangText[606] + "\r\n" + deleted},
      {2, LangText[603]},
      {3, LangText[606] + "\r\n" + program.path()},
      {4, LangText[606] + "\r\n" + recent[4]},
  };
  for (const Case& c : cases) {
    ui.ClearRecords();
    wizard->mnuRecentFileList_Click(c.item);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u) << c.item;
    EXPECT_EQ(ui.MessageBoxes()[0].text, c.text) << c.item;
    EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
    EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Critical);
    EXPECT_TRUE(Project() == before) << c.item;
  }
  EXPECT_EQ(RecentFiles, recent);
}

TEST_F(ProjectFilesTest, FailedSaveIsReportedAndKeepsTheOldFile) {
  StartOnPage1();
  const std::string readOnly = WriteFile("old.vrx", "old project");
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {readOnly, "Permission denied"},
      {program.File("gone/p.vrx"), "No such file or directory"},
      {program.path(), "Is a directory"},
      {program.File(std::string(4000, 'p')), "File name too long"},
  };
  FillProject();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    ui.ClearRecords();
    Save(c.path);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[617] + "\r\n" + c.path + "\r\n" + c.reason);
    EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
    EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Critical);
    EXPECT_EQ(RecentFiles[0], "");
  }
  EXPECT_EQ(Contents(readOnly), "old project");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()),
                          std::filesystem::directory_iterator()),
            1);
}

// Rights only bite on a user without special rights.
TEST_F(ProjectFilesTest, UnreadableFilesAndReadOnlyFolders) {
  RUN_TEST_AS_NOBODY("ProjectFilesTest.UnreadableFilesAndReadOnlyFolders");
  frmWizard& w = StartOnPage1();
  const std::string locked = WriteFile("locked.vrx", SampleFile());
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  ASSERT_TRUE(platform::MakeFolder(program.File("shelf")));
  const std::string kept = program.File("shelf/kept.vrx");
  ASSERT_TRUE(platform::WriteFileReplacing(kept, "old project"));
  std::filesystem::permissions(program.File("shelf"), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
  CmdRecords[3].RxCom1Info.Set("changed");
  const std::string before = Project();

  EXPECT_FALSE(w.LoadDescriptionsFromFile(locked));
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[607] + "\r\n" + locked + "\r\nPermission denied");
  EXPECT_TRUE(Project() == before);

  ui.ClearRecords();
  Save(kept);
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[617] + "\r\n" + kept + "\r\nPermission denied");
  EXPECT_EQ(RecentFiles[0], "");
  EXPECT_EQ(Contents(kept), "old project");
  std::filesystem::permissions(program.File("shelf"), std::filesystem::perms::owner_all);
}

}  // namespace
