// The read-back button against the simulated module.
#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/date_stamp.h"
#include "project/program_state.h"
#include "project/project_file.h"
#include "project/records.h"
#include "simulator/module_state.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

const std::string kStampA = "20240102030405";
const std::string kStampB = "20240102030406";

class ReadBackFlowTest : public DeviceFlowTest {
 protected:
  // The sample project goes into the module; the project in memory holds only names and
  // a description of its own.
  void PrepareModule(const std::string& stampA = kStampA, const std::string& stampB = kStampB) {
    const ProjectCommands commands = FillProject();
    sample = CmdRecords;
    simulator::ModuleState state = ModuleStateOf(commands, stampA, stampB);
    module->Core().SetState(state);
    ProjHeader = ProjectHeader{};
    ProjHeader.FileInfo.Set("in memory");
    ProjHeader.SaveStamp.Set("19990101000000");
    CmdRecords = CommandRecordList{};
    for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
      CmdRecords[i].RxCom1Info.Set("kept " + std::to_string(i));
      CmdRecords[i].RxCom2Info.Set("kept too " + std::to_string(i));
    }
    before = CmdRecords;
    headerBefore = ProjHeader;
  }
  void ClickSearch(frmWizard& w) { testing_ui::ClickControl(w.cmdSearchCom); }

  // The records with one module side's fields taken from another set.
  static CommandRecordList WithSide(CommandRecordList records, const CommandRecordList& from,
                                    bool sideA) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      CommandRecord& to = records[i];
      const CommandRecord& source = from[i];
      if (sideA) {
        to.RxCom1Len = source.RxCom1Len;
        to.RxCom1Cmd = source.RxCom1Cmd;
        to.TxCom1BackLen = source.TxCom1BackLen;
        to.TxCom1BackCmd = source.TxCom1BackCmd;
        to.TxCom1Len = source.TxCom1Len;
        to.TxCom1Cmd = source.TxCom1Cmd;
        to.BackAnswerNo = source.BackAnswerNo;
        to.TransToNo = source.TransToNo;
        to.TransTo2No = source.TransTo2No;
        to.StatusMatrix = source.StatusMatrix;
        to.Filter1Matrix = source.Filter1Matrix;
        to.Filter2Matrix = source.Filter2Matrix;
      } else {
        to.TxCom2Len = source.TxCom2Len;
        to.TxCom2Cmd = source.TxCom2Cmd;
        to.RxCom2Len = source.RxCom2Len;
        to.RxCom2Cmd = source.RxCom2Cmd;
      }
    }
    return records;
  }
  // An autosave copy of the stamp: the sample's names replaced, its own description.
  std::string WriteAutosaveCopy(const std::string& stamp, bool goodMagic) {
    ProjectHeader header;
    header.Magic = goodMagic ? kProjectMagic : 0x12345678;
    header.FileInfo.Set("from the copy");
    header.Com1Baud = 3;
    copy = sample;
    for (std::size_t i = 0; i < copy.size(); ++i) {
      copy[i].RxCom1Info.Set("copy A " + std::to_string(i));
      copy[i].TxCom1BackInfo.Set("copy B " + std::to_string(i));
      copy[i].TxCom1Info.Set("copy C " + std::to_string(i));
      copy[i].TxCom2Info.Set("copy D " + std::to_string(i));
      copy[i].RxCom2Info.Set("copy E " + std::to_string(i));
      copy[i].TxCom2Len = 0;  // differs from the module
    }
    copyHeader = header;
    const std::string path = program.File("Autosave/" + stamp + ".vrx");
    EXPECT_TRUE(platform::MakeFolder(program.File("Autosave")) ||
                platform::FolderExists(program.File("Autosave")));
    EXPECT_TRUE(platform::WriteFileReplacing(path, ProjectFileBytes(header, copy)));
    return path;
  }
  static CommandRecordList WithNamesOf(CommandRecordList records, const CommandRecordList& from) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      records[i].RxCom1Info = from[i].RxCom1Info;
      records[i].TxCom1BackInfo = from[i].TxCom1BackInfo;
      records[i].TxCom1Info = from[i].TxCom1Info;
      records[i].TxCom2Info = from[i].TxCom2Info;
      records[i].RxCom2Info = from[i].RxCom2Info;
    }
    return records;
  }
  static std::vector<WatchingTransport::Sent> Queries(const WatchingTransport& watch) {
    std::vector<WatchingTransport::Sent> queries;
    for (const auto& sent : watch.sent) {
      if (sent.command.starts_with("_:PL") && sent.command.size() == 7 && sent.command[6] == 'Q') {
        queries.push_back(sent);
      }
    }
    return queries;
  }
  static std::string Failed() { return LangText[549] + "\r\n" + gsErrorCauses; }
  static std::string NotFound() { return LangText[544] + "\r\n" + gsErrorCauses; }
  void ExpectWindowAtRest(frmWizard& w) {
    EXPECT_TRUE(w.cmdSearchCom.Enabled() && w.CmdFactory.Enabled() && w.Frame1.Enabled() &&
                w.PicCtrl.Enabled());
    EXPECT_EQ(w.Pointer(), platform::ui::MousePointer::Default) << "no hourglass left";
    EXPECT_FALSE(w.FrameTransfer.Visible() || w.lblRunFind.Visible() ||
                 w.lblTransferWarn.Visible() || w.lblInfotext.Visible() ||
                 w.imgInfoCom[0].Visible() || w.imgInfoCom[1].Visible());
    EXPECT_FALSE(w.IsLoading);
    EXPECT_EQ(w.lblRunFind.Caption(), "");
    EXPECT_EQ(w.lblTransfer1.Caption(), LangText[550]);
    EXPECT_EQ(w.lblTransferStatus.Caption(), "0 %");
    EXPECT_EQ(w.ProgressBar1.Position(), 0);
  }

  CommandRecordList sample;
  CommandRecordList before;
  ProjectHeader headerBefore;
  CommandRecordList copy;
  ProjectHeader copyHeader;
};

TEST_F(ReadBackFlowTest, OneCableReadsSideAThenSideBOnceTheCableMoved) {
  Connect({.oneCable = true}, 1, 0);
  frmWizard& w = StartOnPage(1);
  PrepareModule();
  WatchingTransport watch(w);
  ClickWatchingTheWindow(w.cmdSearchCom);

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[547]});
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);
  EXPECT_EQ(ui.MessageBoxes()[0].title, AppTitle);
  EXPECT_TRUE(w.SideADataOk);
  EXPECT_FALSE(w.SideBDataOk);
  EXPECT_TRUE(CmdRecords == WithSide(before, sample, true));
  EXPECT_EQ(CmdRecords[10].RxCom1Len, 0) << "\"empty entry\" reads as an empty command";
  EXPECT_EQ(CmdRecords[2].BackAnswerNo, 255) << "status query beside a filter row";
  EXPECT_EQ(CmdRecords[1].TransTo2No, 255);
  EXPECT_EQ(ProjHeader.Com1Baud, 5);
  EXPECT_EQ(ProjHeader.Com1Handshake, 1);
  EXPECT_EQ(ProjHeader.Com1Parity.Raw(), "M");
  EXPECT_EQ(ProjHeader.SaveStamp.Raw(), kStampA);
  EXPECT_EQ(ModuleStampCom1.Raw(), kStampA);
  EXPECT_EQ(ProjHeader.FileInfo.Read(), "in memory") << "the module keeps no description";
  EXPECT_EQ(w.Combo3.Text(), "57600");
  EXPECT_EQ(w.lblModulVersionView.Caption(), LangText[543] + " Pelvaron-A5");
  EXPECT_EQ(w.lblModulDateView.Caption(), "Date: 03:04:05 02.01.2024");
  EXPECT_TRUE(w.PicPortParameter.Visible());
  const std::vector<WatchingTransport::Sent> sideA = Queries(watch);
  ASSERT_EQ(sideA.size(), 96u);
  for (std::size_t n = 0; n < sideA.size(); ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(sideA[n].command.substr(4, 2),
              std::string({"ABC"[n / 32], static_cast<char>(n % 32)}));
    EXPECT_EQ(sideA[n].label,
              LangText[static_cast<TextKey>(551 + n / 32)] + " " + std::to_string(n % 32));
    EXPECT_EQ(sideA[n].status, std::to_string(n + 1) + " %");
  }
  ExpectWindowAtRest(w);
  Navigate(1);
  EXPECT_EQ(w.WizardPage, 1) << "side B is still missing";

  module->MoveCable();
  ui.ClearRecords();
  watch.sent.clear();
  ClickSearch(w);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[548]});
  EXPECT_TRUE(w.SideADataOk && w.SideBDataOk);
  EXPECT_TRUE(CmdRecords == WithSide(WithSide(before, sample, true), sample, false));
  EXPECT_EQ(ProjHeader.Com2Baud, 4);
  EXPECT_EQ(ProjHeader.Com2Parity.Raw(), "S");
  EXPECT_EQ(ModuleStampCom2.Raw(), kStampB);
  EXPECT_EQ(ProjHeader.SaveStamp.Raw(), kStampA) << "side B leaves the project's stamp";
  const std::vector<WatchingTransport::Sent> sideB = Queries(watch);
  ASSERT_EQ(sideB.size(), 64u);
  EXPECT_EQ(sideB[0].label, LangText[554] + " 0");
  EXPECT_EQ(sideB[31].status, "32 %");
  EXPECT_EQ(sideB[32].label, LangText[555] + " 0");
  EXPECT_EQ(sideB[32].status, "51 %");
  EXPECT_EQ(sideB[63].status, "82 %");
  EXPECT_TRUE(w.FrameParameter.Visible() && w.FrameList.Visible());
  EXPECT_EQ(w.TestWindow.Text1.Text(), "");
  ExpectWindowAtRest(w);
  Navigate(1);
  EXPECT_EQ(w.WizardPage, 2);
}

TEST_F(ReadBackFlowTest, TwoPortsReadBothSidesInPcOrderAndAskForTheCopyOnce) {
  Connect({}, 2, 1);
  frmWizard& w = StartOnPage(1);
  PrepareModule(kStampA, kStampA);  // a transfer gives both ports one stamp
  WriteAutosaveCopy(kStampA, true);
  w.chkTwoPort.SetValue(1);
  w.SideADataOk = w.SideBDataOk = true;  // cleared by the run first
  WatchingTransport watch(w);
  ui.QueueMessageBoxAnswer(MsgResult::No);
  ClickSearch(w);

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{LangText[546], LangText[548], LangText[547]}));
  EXPECT_EQ(ui.MessageBoxes()[0].buttons, mb::YesNo);
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Question);
  // The lists come from the module, the names and the description from the copy.
  EXPECT_TRUE(CmdRecords == WithNamesOf(sample, copy));
  EXPECT_EQ(ProjHeader.FileInfo.Read(), "from the copy");
  EXPECT_EQ(ProjHeader.Com1Baud, 5);
  EXPECT_EQ(ProjHeader.Com2Baud, 4);
  const std::vector<WatchingTransport::Sent> queries = Queries(watch);
  ASSERT_EQ(queries.size(), 64u + 96u);
  EXPECT_EQ(queries[0].command[4], 'D') << "side B lies on the lower PC port";
  EXPECT_EQ(queries[0].hint, "");
  EXPECT_EQ(queries[64].command[4], 'A');
  // The hint to plug in side A stays in view while the second pass searches, until side
  // A's settings are read.
  std::size_t listsSeen = 0;
  std::vector<std::string> secondPass;
  for (const auto& sent : watch.sent) {
    listsSeen += sent.command.starts_with("_:PL") ? 1 : 0;
    if (listsSeen == 64 && !sent.command.starts_with("_:PL")) {
      secondPass.push_back(sent.command + "|" + sent.hint);
    }
  }
  EXPECT_EQ(secondPass,
            (std::vector<std::string>{"_:V\r|" + gsConnectHintCom1, "_:V\r|" + gsConnectHintCom1,
                                      "_:I\r|" + gsConnectHintCom1}));
  EXPECT_EQ(queries[64].hint, "");
  EXPECT_TRUE(w.SideADataOk && w.SideBDataOk);
  EXPECT_TRUE(w.FrameParameter.Visible() && w.FrameList.Visible());
  EXPECT_TRUE(w.PicPortParameter.Visible());
  ExpectWindowAtRest(w);
}

// The autosave question on side B. Names: what the records' names are afterwards.
enum class Names { Kept, Copy, Blank };

struct AutosaveCase {
  const char* name;
  std::string moduleStamp;
  bool copyExists;
  bool goodMagic;
  MsgResult answer;
  std::vector<TextKey> boxes;  // 0: the description box of the loaded copy
  bool listsRead;
  Names names;
  friend void PrintTo(const AutosaveCase& c, std::ostream* os) { *os << c.name; }
};

class AutosaveQuestion : public ReadBackFlowTest,
                         public ::testing::WithParamInterface<AutosaveCase> {};

TEST_P(AutosaveQuestion, AnswerDecidesWhatTheProjectTakes) {
  const AutosaveCase& c = GetParam();
  Connect({}, 0, 1);
  frmWizard& w = StartOnPage(1);
  PrepareModule(kStampA, c.moduleStamp);
  const std::string path = c.copyExists ? WriteAutosaveCopy(c.moduleStamp, c.goodMagic) : "";
  WatchingTransport watch(w);
  ui.QueueMessageBoxAnswer(c.answer);
  ClickSearch(w);

  std::vector<std::string> expected;
  for (const TextKey key : c.boxes) {
    expected.push_back(key == 615 ? LangText[615] + "\r\n" + path
                       : key == 0 ? "from the copy"
                                  : LangText[key]);
  }
  EXPECT_EQ(BoxTexts(), expected);
  EXPECT_EQ(Queries(watch).size(), c.listsRead ? 64u : 0u);
  if (!c.listsRead && c.goodMagic) {
    EXPECT_TRUE(CmdRecords == copy && ProjHeader == copyHeader) << "the whole copy";
    EXPECT_EQ(RecentFiles[0], path);
  } else {
    CommandRecordList records = c.listsRead ? WithSide(before, sample, false) : before;
    if (c.names == Names::Copy) {
      records = WithNamesOf(records, copy);
    } else if (c.names == Names::Blank) {
      for (CommandRecord& r : records) {
        for (CommandName* n :
             {&r.RxCom1Info, &r.TxCom1BackInfo, &r.TxCom1Info, &r.TxCom2Info, &r.RxCom2Info}) {
          n->Set("");
        }
      }
    }
    EXPECT_TRUE(CmdRecords == records);
    EXPECT_EQ(ProjHeader.FileInfo.Read(), c.names == Names::Copy ? "from the copy" : "in memory");
    EXPECT_EQ(ProjHeader.Com2Baud, 4);
  }
  EXPECT_EQ(w.SideBDataOk, c.listsRead || c.goodMagic);
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutosaveQuestion,
    ::testing::Values(
        AutosaveCase{"YesLoadsTheCopy",
                     kStampB,
                     true,
                     true,
                     MsgResult::Yes,
                     {546, 615, 0},
                     false,
                     Names::Copy},
        AutosaveCase{"NoTakesNamesAndReadsLists",
                     kStampB,
                     true,
                     true,
                     MsgResult::No,
                     {546, 548},
                     true,
                     Names::Copy},
        AutosaveCase{"BadMagicYesLeavesNamesBlank",
                     kStampB,
                     true,
                     false,
                     MsgResult::Yes,
                     {546, 614},
                     false,
                     Names::Blank},
        AutosaveCase{"BadMagicNoReadsLists",
                     kStampB,
                     true,
                     false,
                     MsgResult::No,
                     {546, 614, 548},
                     true,
                     Names::Blank},
        AutosaveCase{"FactoryStampNeverAsks",
                     simulator::kFactoryStamp,
                     true,
                     true,
                     MsgResult::Yes,
                     {548},
                     true,
                     Names::Kept},
        AutosaveCase{"StampLeadingOutOfTheFolderNeverAsks",
                     "../outside",
                     true,
                     true,
                     MsgResult::Yes,
                     {548},
                     true,
                     Names::Kept},
        AutosaveCase{
            "NoCopyNoQuestion", kStampB, false, true, MsgResult::Yes, {548}, true, Names::Kept}),
    [](const auto& info) { return std::string(info.param.name); });

// A copy that exists but cannot be read is told with its reason, once per run also when
// both ports read it, then treated as none: no question, names kept.
struct UnreadableCase {
  const char* name;
  bool twoPorts;
  std::vector<TextKey> boxes;  // 607 stands for 607, the path and the reason
  friend void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }
};

class UnreadableAutosaveCopy : public ReadBackFlowTest,
                               public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableAutosaveCopy, IsToldOnceAndCountsAsNone) {
  const UnreadableCase& c = GetParam();
  Connect({}, c.twoPorts ? 2 : 0, 1);
  frmWizard& w = StartOnPage(1);
  PrepareModule(kStampA, c.twoPorts ? kStampA : kStampB);
  // A regular file whose first byte cannot be read, even by root: memory at address 0.
  const std::string path = WriteAutosaveCopy(c.twoPorts ? kStampA : kStampB, true);
  ASSERT_EQ(unlink(path.c_str()), 0);
  ASSERT_EQ(symlink("/proc/self/mem", path.c_str()), 0);
  std::string bytes;
  if (!platform::FileExists(path) || platform::ReadFileBytes(path, bytes, 1)) {
    GTEST_SKIP() << "no unreadable regular file on this system";
  }
  w.chkTwoPort.SetValue(c.twoPorts ? 1 : 0);
  ClickSearch(w);
  ASSERT_EQ(BoxTexts().size(), c.boxes.size());
  for (std::size_t i = 0; i < c.boxes.size(); ++i) {
    SCOPED_TRACE(i);
    if (c.boxes[i] == 607) {
      const std::string told = LangText[607] + "\r\n" + path + "\r\n";
      EXPECT_TRUE(BoxTexts()[i].starts_with(told));
      EXPECT_GT(BoxTexts()[i].size(), told.size()) << "with the reason";
      EXPECT_EQ(ui.MessageBoxes()[i].icon, mb::Exclamation);
      EXPECT_EQ(ui.MessageBoxes()[i].title, AppTitle);
    } else {
      EXPECT_EQ(BoxTexts()[i], LangText[c.boxes[i]]);
    }
  }
  EXPECT_TRUE(CmdRecords == (c.twoPorts ? WithSide(WithSide(before, sample, false), sample, true)
                                        : WithSide(before, sample, false)));
  EXPECT_EQ(ProjHeader.FileInfo.Read(), "in memory");
}

INSTANTIATE_TEST_SUITE_P(Ports, UnreadableAutosaveCopy,
                         ::testing::Values(UnreadableCase{"OnePort", false, {607, 548}},
                                           UnreadableCase{"BothPorts", true, {607, 548, 547}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Answers as a module might give them: the three bytes before the flag block hold
// anything, a command longer than the field, a short block.
TEST_F(ReadBackFlowTest, SideAAnswersAreTakenApartByTheirLayout) {
  Connect({}, 1, 0);
  frmWizard& w = StartOnPage(1);
  PrepareModule();
  simulator::ModuleState state = module->Core().State();
  std::string longCommand;
  for (int j = 0; j < 200; ++j) {
    longCommand += static_cast<char>(j);
  }
  state.entries[1][2] = longCommand;
  state.flagsA[6] = state.flagsA[6].substr(0, 13);
  module->Core().SetState(state);
  WatchingTransport watch(w);
  watch.rewrite = [](const std::string& command, std::string answer) {
    const std::string entry = command.substr(4, 2);
    if (entry == std::string("A\0", 2) && answer.size() > 7) {
      const std::size_t n = static_cast<unsigned char>(answer[3]) + 1u;
      answer.replace(4 + n, 3, "\xFF\r\n");
    }
    return answer;
  };
  ClickSearch(w);

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[547]});
  CommandRecordList expected = WithSide(before, sample, true);
  CommandRecord& r2 = expected[2];
  r2.TxCom1BackCmd.Set(HexDigits(longCommand).substr(0, 254));
  r2.TxCom1BackLen = 254;
  CommandRecord& r6 = expected[6];  // a 13-byte block clears the rows and links
  r6.StatusMatrix = MatrixRow{};
  r6.Filter1Matrix = MatrixRow{};
  r6.BackAnswerNo = 0;
  r6.TransToNo = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(CmdRecords[i] == expected[i]);
  }
  EXPECT_TRUE(w.SideADataOk);
  ExpectWindowAtRest(w);
}

// Runs that end before a side was read: the records stay as they were. Boxes: "-" the
// not-found box 544, "F" the failure box 549.
struct FailureCase {
  const char* name;
  simulator::SimOptions options;
  int pcPortA;
  int pcPortB;
  std::string boxes;
  bool settingsTaken;
  // rewrites the first list answer, if set
  std::string (*rewrite)(std::string answer);
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class ReadBackFailures : public ReadBackFlowTest,
                         public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReadBackFailures, LeaveTheRecordsAsTheyWere) {
  const FailureCase& c = GetParam();
  Connect(c.options, c.pcPortA, c.pcPortB);
  frmWizard& w = StartOnPage(1);
  PrepareModule();
  WatchingTransport watch(w);
  if (c.rewrite != nullptr) {
    watch.rewrite = [&c](const std::string& command, std::string answer) {
      return command.ends_with(std::string("D\0Q", 3)) ? c.rewrite(std::move(answer)) : answer;
    };
  }
  ClickSearch(w);

  std::vector<std::string> expected;
  for (const char box : c.boxes) {
    expected.push_back(box == '-' ? NotFound() : Failed());
  }
  EXPECT_EQ(BoxTexts(), expected);
  EXPECT_TRUE(CmdRecords == before);
  const bool sideA = c.pcPortA == 1;
  ProjectHeader header = headerBefore;
  if (c.settingsTaken && sideA) {
    header.Com1Baud = 5;
    header.Com1Handshake = 1;
    header.Com1Parity.Set("M");
    header.SaveStamp.Set(kStampA);
  } else if (c.settingsTaken) {
    header.Com2Baud = 4;
    header.Com2Handshake = 0;
    header.Com2Parity.Set("S");
  }
  EXPECT_TRUE(ProjHeader == header) << "the settings read stay, even when the lists fail";
  EXPECT_FALSE(w.SideADataOk || w.SideBDataOk);
  EXPECT_EQ(w.PicPortParameter.Visible(), c.boxes.empty());
  EXPECT_EQ(w.TestWindow.Text1.Text(), "") << "side B logs nothing";
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ReadBackFailures,
    ::testing::Values(
        FailureCase{"NoModule", {}, 0, 0, "-", false, nullptr},
        FailureCase{"Silent", {.silent = true}, 0, 1, "-", false, nullptr},
        // the versions of the search and of the side check, then silence
        FailureCase{"StopsBeforeTheSettings", {.stopAfter = 2}, 0, 1, "F", false, nullptr},
        FailureCase{"StopsMidList", {.stopAfter = 3 + 40}, 0, 1, "F", true, nullptr},
        FailureCase{"SideAStopsMidList", {.stopAfter = 3 + 5}, 1, 0, "F", true, nullptr},
        FailureCase{"AnswerOfOnlyTheIndexByte",
                    {},
                    0,
                    1,
                    "F",
                    true,
                    [](std::string answer) { return answer.substr(0, 3); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs on side B that read the side in spite of how the module answers.
struct SuccessCase {
  const char* name;
  simulator::SimOptions options;
  bool twoPort;
  std::vector<TextKey> boxes;
  const char* version;
  const char* speed;
  friend void PrintTo(const SuccessCase& c, std::ostream* os) { *os << c.name; }
};

class ReadBackSucceeds : public ReadBackFlowTest,
                         public ::testing::WithParamInterface<SuccessCase> {};

TEST_P(ReadBackSucceeds, SideBIsRead) {
  const SuccessCase& c = GetParam();
  Connect(c.options, 0, 1);
  frmWizard& w = StartOnPage(1);
  PrepareModule();
  w.chkTwoPort.SetValue(c.twoPort ? 1 : 0);
  ClickSearch(w);
  std::vector<std::string> expected;
  for (const TextKey key : c.boxes) {
    expected.push_back(key == 544 ? NotFound() : LangText[key]);
  }
  EXPECT_EQ(BoxTexts(), expected);
  EXPECT_TRUE(CmdRecords == WithSide(before, sample, false));
  EXPECT_TRUE(w.SideBDataOk);
  EXPECT_FALSE(w.SideADataOk);
  EXPECT_EQ(w.Combo2.Text(), c.speed);
  EXPECT_EQ(w.lblModulVersionView.Caption(), LangText[543] + " " + c.version);
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ReadBackSucceeds,
    ::testing::Values(
        SuccessCase{"AnswersInPieces", {.pieceGapMs = 20}, false, {548}, "Pelvaron-B5", "9600"},
        SuccessCase{"OnlyAt19200", {.onlySpeed = 19200}, false, {548}, "Pelvaron-B5", "19200"},
        SuccessCase{"Release4", {.release = 4}, false, {548}, "Pelvaron-B4", "9600"},
        // the second search finds nothing; the first side's data and flag stay
        SuccessCase{"TwoPortsWithOneModulePort", {}, true, {548, 544}, "Unbekannt", "9600"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadBackFlowTest, ModuleKilledDuringTheReadEndsItInOrder) {
  ConnectProcessKilledDuring(std::string("_:PLD") + char{12} + 'Q', 0, 1);
  frmWizard& w = StartOnPage(1);
  FillProject();
  const CommandRecordList records = CmdRecords;
  ClickSearch(w);
  EXPECT_EQ(CommandsSentAfterTheCut(), 1) << "one unanswered command, then the end";
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{Failed()});
  EXPECT_TRUE(CmdRecords == records);
  EXPECT_FALSE(w.SideBDataOk);
  ExpectWindowAtRest(w);
}

}  // namespace
