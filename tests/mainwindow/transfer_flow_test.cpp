// The transfer button against the simulated module.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/records.h"
#include "seriallink/send_code.h"
#include "simulator/module_state.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

class TransferFlowTest : public DeviceFlowTest {
 protected:
  frmWizard& StartTransferPage() {
    frmWizard& w = StartOnPage(4);
    commands_ = FillProject();
    return w;
  }
  void ExpectWindowAtRest(frmWizard& w) {
    EXPECT_TRUE(w.CmdTransmit.Enabled() && w.PicCtrl.Enabled());
    EXPECT_EQ(w.Pointer(), platform::ui::MousePointer::Default) << "no hourglass left";
    EXPECT_FALSE(w.FrameTransfer.Visible() || w.lblFindModul.Visible() ||
                 w.lblTransferWarn.Visible() || w.imgInfoCom[0].Visible() ||
                 w.imgInfoCom[1].Visible());
    EXPECT_EQ(w.lblTransfer1.Caption(), LangText[577]);
    EXPECT_EQ(w.lblTransferStatus.Caption(), "0 %");
    EXPECT_EQ(w.lblComSideinfo.Caption(), "VELDRAN Pelvaron COM ???");
    EXPECT_EQ(w.ProgressBar1.Position(), 0);
  }
  // What the module holds for a command of the project.
  static std::string OnModule(const std::string& command) {
    return command.empty() ? simulator::kEmptyEntry : command;
  }
  std::string AutosavePath() const {
    return program.File("Autosave/" + ProjHeader.SaveStamp.Raw() + ".vrx");
  }
  // The list and flag commands among those sent: "_:PL" and a list letter.
  static std::vector<WatchingTransport::Sent> ListCommands(const WatchingTransport& watch) {
    std::vector<WatchingTransport::Sent> list;
    for (const auto& sent : watch.sent) {
      if (sent.command.starts_with("_:PL")) {
        list.push_back(sent);
      }
    }
    return list;
  }
  ProjectCommands commands_;
};

TEST_F(TransferFlowTest, SideASendsItsListsThenFlagBlocksThenSettingsAndStamp) {
  Connect({}, 1, 0);
  frmWizard& w = StartTransferPage();
  w.chkAutosave.SetValue(1);
  const CommandRecordList records = CmdRecords;
  const TimeStamp oldStamp = ProjHeader.SaveStamp;
  WatchingTransport watch(w);
  ClickWatchingTheWindow(w.CmdTransmit);

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[578]});
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Information);

  const std::vector<WatchingTransport::Sent> sent = ListCommands(watch);
  ASSERT_EQ(sent.size(), 160u);
  const std::string letters = "ABCAC";
  const std::string operations = "SSSEE";
  const TextKey labels[] = {561, 564, 566, 568, 569};
  for (std::size_t n = 0; n < sent.size(); ++n) {
    const std::size_t row = n / 32;
    const int i = static_cast<int>(n % 32);
    SCOPED_TRACE(n);
    ASSERT_EQ(sent[n].command.substr(4, 3),
              (std::string{letters[row], static_cast<char>(i), operations[row]}));
    EXPECT_EQ(sent[n].label, LangText[labels[row]] + " " + std::to_string(i));
    EXPECT_EQ(sent[n].status, std::to_string((n + 1) * 100 / 160) + " %");
  }
  EXPECT_EQ(sent.front().status, "0 %");
  EXPECT_EQ(sent.back().status, "100 %");

  const simulator::ModuleState state = module->Core().State();
  for (std::size_t k = 0; k < 3; ++k) {
    for (std::size_t i = 0; i < 32; ++i) {
      EXPECT_EQ(state.entries[k][i], OnModule(commands_[k][i])) << k << " " << i;
    }
  }
  EXPECT_EQ(state.entries[3], simulator::FactoryState().entries[3]);
  // Record 0: status (j mod 3): keep DB, set 49 repeating; no links, no filter.
  EXPECT_EQ(state.flagsA[0], std::string("\xDB\x6D\xB6\xDB\x49\x24\x92\x49\0\0\0\0\0\0", 14));
  // Record 1: back answer 2, link 5, filter at columns 1 and 30.
  EXPECT_EQ(state.flagsA[1].substr(8), std::string("\x81\x84\x40\x00\x00\x02", 6));
  // Record 2: the status query travels as 00 beside its filter row.
  EXPECT_EQ(state.flagsA[2].substr(8), std::string("\x00\x89\x20\x00\x00\x04", 6));
  EXPECT_EQ(state.flagsC[0], std::string("\x80\x00\x00\x00\x80", 5));
  EXPECT_EQ(state.flagsC[1], std::string("\x01\x00\x00\x00\x00", 5));

  const std::string stamp = ProjHeader.SaveStamp.Raw();
  EXPECT_NE(ProjHeader.SaveStamp, oldStamp);
  EXPECT_EQ(state.ports[0], (simulator::ModulePortSettings{5, 1, 'M', stamp}));
  EXPECT_EQ(state.ports[1], simulator::ModulePortSettings{});
  EXPECT_EQ(ModuleStampCom1.Raw(), stamp);
  EXPECT_EQ(ModuleStampCom2.Raw(), stamp);
  EXPECT_TRUE(platform::FileExists(AutosavePath()));
  EXPECT_TRUE(CmdRecords == records) << "the project is only read";
  ExpectWindowAtRest(w);
  EXPECT_FALSE(w.lblRunFind.Visible()) << "page 1 shows no progress text of the transfer";
}

TEST_F(TransferFlowTest, SideBSendsListsDAndEWithEmptyEntriesForBlankAndUnsetCommands) {
  Connect({}, 0, 1);
  frmWizard& w = StartTransferPage();
  CmdRecords[3].TxCom2Cmd = CommandText{};  // never set: all NUL
  CmdRecords[3].TxCom2Len = 0;
  CmdRecords[5].RxCom2Cmd.Set("4");  // half a byte, as a HEX box keeps it: no bytes
  CmdRecords[5].RxCom2Len = 1;
  WatchingTransport watch(w);
  testing_ui::ClickControl(w.CmdTransmit);

  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[578]});
  const std::vector<WatchingTransport::Sent> sent = ListCommands(watch);
  ASSERT_EQ(sent.size(), 64u);
  EXPECT_EQ(sent[0].label, LangText[571] + " 0");
  EXPECT_EQ(sent[32].label, LangText[574] + " 0");
  EXPECT_EQ(sent[63].status, "100 %");
  const simulator::ModuleState state = module->Core().State();
  commands_[3][3].clear();
  commands_[4][5].clear();
  for (std::size_t k = 3; k < 5; ++k) {
    for (std::size_t i = 0; i < 32; ++i) {
      EXPECT_EQ(state.entries[k][i], OnModule(commands_[k][i])) << k << " " << i;
    }
  }
  EXPECT_EQ(state.entries[3][10], simulator::kEmptyEntry);
  EXPECT_EQ(state.entries[0], simulator::FactoryState().entries[0]);
  EXPECT_EQ(state.ports[1], (simulator::ModulePortSettings{4, 0, 'S', ProjHeader.SaveStamp.Raw()}));
  EXPECT_EQ(state.ports[0], simulator::ModulePortSettings{});
  EXPECT_FALSE(platform::FileExists(AutosavePath())) << "autosave box clear";
  ExpectWindowAtRest(w);
}

// Transfers of the port settings only. Boxes: "8" the not-found box 558, "E" the
// error box of an unknown side, "P" the settings error 576, "1"/"2" the reminders
// 578/579. A port's expected stamp "new" stands for the stamp the transfer made.
struct SettingsCase {
  const char* name;
  simulator::SimOptions options;
  int pcPortA;
  int pcPortB;
  bool twoPort;
  std::string boxes;
  simulator::ModulePortSettings sideA;
  simulator::ModulePortSettings sideB;
  friend void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }
};

const simulator::ModulePortSettings kUntouched;
const simulator::ModulePortSettings kProjectA{5, 1, 'M', "new"};
const simulator::ModulePortSettings kProjectB{4, 0, 'S', "new"};
const simulator::ModulePortSettings kProjectAAt9600{9, 1, 'M', "new"};
const simulator::ModulePortSettings kBaudAndHandshakeOnly{5, 1, 'N', simulator::kFactoryStamp};

class TransferSettings : public TransferFlowTest,
                         public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(TransferSettings, OnlyParametersAreSentToEachSideFound) {
  const SettingsCase& c = GetParam();
  Connect(c.options, c.pcPortA, c.pcPortB);
  frmWizard& w = StartTransferPage();
  const TimeStamp oldStamp = ProjHeader.SaveStamp;
  w.chkOnlyParameter.SetValue(1);
  w.chkTwoPort2.SetValue(c.twoPort ? 1 : 0);
  testing_ui::ClickControl(w.CmdTransmit);

  std::vector<std::string> expected;
  for (const char box : c.boxes) {
    switch (box) {
      case '8':
        expected.push_back(LangText[558] + "\r\n" + gsErrorCauses);
        break;
      case 'E':
        expected.push_back(LangText[549] + "\r\n" + gsErrorCauses);
        break;
      case 'P':
        expected.push_back(LangText[576] + "\r\n" + gsErrorCauses);
        break;
      default:
        expected.push_back(LangText[box == '1' ? 578 : 579]);
    }
  }
  EXPECT_EQ(BoxTexts(), expected);
  const simulator::ModuleState state = module->Core().State();
  const auto withStamp = [](simulator::ModulePortSettings port) {
    if (port.stamp == "new") {
      port.stamp = ProjHeader.SaveStamp.Raw();
    }
    return port;
  };
  EXPECT_EQ(state.ports[0], withStamp(c.sideA));
  EXPECT_EQ(state.ports[1], withStamp(c.sideB));
  EXPECT_EQ(state.entries, simulator::FactoryState().entries) << "no list was sent";
  EXPECT_EQ(ProjHeader.Com1Baud, 5) << "the project keeps its baud code";
  if (c.sideA == kUntouched && c.sideB == kUntouched) {
    EXPECT_EQ(ProjHeader.SaveStamp, oldStamp) << "nothing was sent, no new stamp";
  }
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TransferSettings,
    ::testing::Values(
        SettingsCase{"Release5Sends57600", {}, 1, 0, false, "1", kProjectA, kUntouched},
        SettingsCase{
            "Release4Sends9600", {.release = 4}, 1, 0, false, "1", kProjectAAt9600, kUntouched},
        SettingsCase{"BothModulePortsOneStamp", {}, 2, 1, true, "2", kProjectA, kProjectB},
        SettingsCase{"OneModulePortOfTwo", {}, 1, 0, true, "82", kProjectA, kUntouched},
        SettingsCase{"NoModule", {}, 0, 0, false, "81", kUntouched, kUntouched},
        SettingsCase{"SilentModule", {.silent = true}, 1, 2, false, "81", kUntouched, kUntouched},
        SettingsCase{"OnlyAt19200", {.onlySpeed = 19200}, 0, 1, false, "1", kUntouched, kProjectB},
        SettingsCase{
            "AnswersInPieces", {.pieceGapMs = 20}, 0, 1, false, "1", kUntouched, kProjectB},
        SettingsCase{"SideUnknown", {.lowerCase = true}, 1, 2, true, "E2", kUntouched, kUntouched},
        // the versions of the search and the side check, baud and handshake, then
        // silence: what arrived stays in the module
        SettingsCase{"StopsMidSettings",
                     {.stopAfter = 4},
                     1,
                     0,
                     false,
                     "P1",
                     kBaudAndHandshakeOnly,
                     kUntouched}),
    [](const auto& info) { return std::string(info.param.name); });

// Every baud code, parity and handshake goes out and reads back from the module.
struct PortValues {
  std::int32_t baud;
  char parity;
  std::int32_t handshake;
  friend void PrintTo(const PortValues& v, std::ostream* os) {
    *os << v.baud << v.parity << v.handshake;
  }
};

class TransferPortValues : public TransferFlowTest,
                           public ::testing::WithParamInterface<PortValues> {};

TEST_P(TransferPortValues, ReadBackAsSent) {
  const PortValues& v = GetParam();
  Connect({}, 0, 1);
  frmWizard& w = StartTransferPage();
  ProjHeader.Com2Baud = v.baud;
  ProjHeader.Com2Parity.Set(std::string(1, v.parity));
  ProjHeader.Com2Handshake = v.handshake;
  w.chkOnlyParameter.SetValue(1);
  testing_ui::ClickControl(w.CmdTransmit);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[578]});
  const std::string stamp = ProjHeader.SaveStamp.Raw();

  // The read-back on page 1 brings them into the project and its controls.
  Navigate(1);
  ProjHeader.Com2Baud = 0;
  ProjHeader.Com2Parity = FixedText<1>{};
  ProjHeader.Com2Handshake = 1 - v.handshake;
  ui.ClearRecords();
  testing_ui::ClickControl(w.cmdSearchCom);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{LangText[548]});
  EXPECT_EQ(ProjHeader.Com2Baud, v.baud);
  EXPECT_EQ(ProjHeader.Com2Parity.Raw(), std::string(1, v.parity));
  EXPECT_EQ(ProjHeader.Com2Handshake, v.handshake);
  EXPECT_EQ(ModuleStampCom2.Raw(), stamp);
  EXPECT_EQ(w.Combo5.ListIndex(), std::string("49135").find(static_cast<char>('0' + v.baud)));
  EXPECT_EQ(w.Combo6.ListIndex(), std::string("NOEMS").find(v.parity));
  EXPECT_EQ(w.chkHandshakeCom2.Value(), v.handshake);
}

INSTANTIATE_TEST_SUITE_P(Values, TransferPortValues,
                         ::testing::Values(PortValues{4, 'N', 0}, PortValues{9, 'O', 1},
                                           PortValues{1, 'E', 0}, PortValues{3, 'M', 1},
                                           PortValues{5, 'S', 1}));

// A transfer that stops at its first list command.
struct StopCase {
  const char* name;
  simulator::SimOptions options;
  void (*spoil)();  // what is wrong with the project, if anything
  int framesSent;   // list and flag frames that reached the module
  TextKey box;
  bool plainBox;
  friend void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }
};

class TransferStops : public TransferFlowTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(TransferStops, FirstFailingCommandEndsTheRunWithItsBoxAfterTheAutosave) {
  const StopCase& c = GetParam();
  Connect(c.options, 1, 0);
  frmWizard& w = StartTransferPage();
  if (c.spoil != nullptr) {
    c.spoil();
  }
  w.chkAutosave.SetValue(1);
  w.chkTwoPort2.SetValue(1);
  WatchingTransport watch(w);
  testing_ui::ClickControl(w.CmdTransmit);

  const std::string error = c.plainBox ? LangText[c.box] : LangText[c.box] + "\r\n" + gsErrorCauses;
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{error, LangText[579]}));
  EXPECT_EQ(ui.MessageBoxes()[0].icon, c.plainBox ? 0 : mb::Critical);
  EXPECT_EQ(static_cast<int>(ListCommands(watch).size()), c.framesSent);
  EXPECT_TRUE(platform::FileExists(AutosavePath()));
  EXPECT_EQ(module->Core().State().ports[0], simulator::ModulePortSettings{});
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TransferStops,
    ::testing::Values(
        StopCase{"SilentAfterTheSearch", {.stopAfter = 2}, nullptr, 1, 562, true},
        StopCase{"AnswersForAnotherEntry", {.wrongEntry = true}, nullptr, 1, 562, true},
        // lists A and B and six entries of list C went in
        StopCase{"StopsMidList", {.stopAfter = 2 + 70}, nullptr, 71, 567, false},
        StopCase{"CommandNotHex", {}, [] { CmdRecords[0].RxCom1Cmd.Set("41G2"); }, 0, 562, true},
        StopCase{"CommandPartlyUnset",
                 {},
                 [] {
                   CmdRecords[0].RxCom1Cmd = CommandText{};
                   CmdRecords[0].RxCom1Cmd.bytes[0] = '4';
                 },
                 0,
                 562,
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

// The closing question answered No while the transfer lets window messages be handled:
// the window looks as it did before the question and the transfer runs to its end.
struct CloseRequest {
  const char* name;
  void (*give)(frmWizard&);
  friend void PrintTo(const CloseRequest& c, std::ostream* os) { *os << c.name; }
};

class NoDuringTransfer : public TransferFlowTest,
                         public ::testing::WithParamInterface<CloseRequest> {};

TEST_P(NoDuringTransfer, KeepsTheRunningTransferInView) {
  Connect({}, 1, 0);
  frmWizard& w = StartTransferPage();
  WatchingTransport watch(w);
  int listCommands = 0;
  bool asked = false;
  platform::ui::MousePointer pointer{};
  watch.rewrite = [&](const std::string& command, std::string answer) {
    if (command.starts_with("_:PL") && ++listCommands == 20) {
      ui.QueueMessageBoxAnswer(MsgResult::No);
      pointer = w.Pointer();
      GetParam().give(w);
      asked = true;
    }
    if (asked) {
      EXPECT_TRUE(w.FrameTransfer.Visible() && w.ProgressBar1.Visible() &&
                  w.lblTransfer1.Visible() && w.lblTransferStatus.Visible())
          << "after " << listCommands << " list commands";
      EXPECT_FALSE(w.CmdTransmit.Enabled() || w.PicCtrl.Enabled());
      EXPECT_EQ(w.Pointer(), pointer);
    }
    return answer;
  };
  testing_ui::ClickControl(w.CmdTransmit);
  EXPECT_TRUE(asked);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{LangText[586], LangText[578]}));
  EXPECT_EQ(ListCommands(watch).size(), 160u) << "the transfer ran to its end";
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_FALSE(ui.ProgramEnded());
  ExpectWindowAtRest(w);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, NoDuringTransfer,
    ::testing::Values(CloseRequest{"EndButton",
                                   [](frmWizard& w) { testing_ui::ClickControl(w.cmdNavi[2]); }},
                      CloseRequest{"CloseBox", [](frmWizard& w) { testing_ui::CloseWindow(w); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferFlowTest, ModuleUnpluggedDuringTheTransferEndsItInOrder) {
  Connect({}, 1, 0);
  frmWizard& w = StartTransferPage();
  UnplugDuring(std::string("_:PLA") + char{12} + 'S');
  testing_ui::ClickControl(w.CmdTransmit);
  EXPECT_EQ(CommandsSentAfterTheCut(), 1) << "one unanswered command, then the end";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{LangText[562], LangText[578]}));
  EXPECT_EQ(module->Core().State().entries[0][11], OnModule(commands_[0][11]));
  EXPECT_EQ(module->Core().State().entries[0][13], simulator::kEmptyEntry) << "cut short";
  ExpectWindowAtRest(w);
}

TEST_F(TransferFlowTest, ModuleKilledDuringTheTransferEndsItInOrder) {
  ConnectProcessKilledDuring(std::string("_:PLA") + char{12} + 'S', 1, 0);
  frmWizard& w = StartTransferPage();
  testing_ui::ClickControl(w.CmdTransmit);
  EXPECT_EQ(CommandsSentAfterTheCut(), 1) << "one unanswered command, then the end";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{LangText[562], LangText[578]}));
  ExpectWindowAtRest(w);
}

}  // namespace
