// Device flows against a module that fails them: each failure is told in a box, no
// success box comes, and the records keep what the module could not give.
#include <gtest/gtest.h>

#include <utility>

#include "platform/files.h"
#include "platform/messagebox.h"
#include "project/program_state.h"
#include "project/records.h"
#include "simulator/module_state.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

namespace mb = platform::mb;
namespace testing_ui = platform::ui::testing;

namespace {

enum class Flow { ReadBack, FactoryReset, Transfer };

// Boxes, in order: "F" the read failed (549), "-" no module (544), "N" no module for the
// reset (534), "a"/"b" the reset's question for COM1/COM2 (answered Yes), "n" the New
// question, "W" the autosave copy not written, "1" the closing reminder.
struct FailureRow {
  const char* name;
  Flow flow;
  simulator::SimOptions options;
  std::string boxes;
  int pcPortA = 1;
  int pcPortB = 0;
  bool twoPort = false;
  bool autosaveBlocked = false;   // a plain file named "Autosave" beside the program
  std::string settingsRead = "";  // the module sides whose port settings the read-back took
  std::string listsSent = "";     // the list letters of the list commands, each run once
  int loggedErrors = 0;           // lines in the log window
  friend void PrintTo(const FailureRow& r, std::ostream* os) { *os << r.name; }
};

class DeviceFailures : public DeviceFlowTest, public ::testing::WithParamInterface<FailureRow> {
 protected:
  std::pair<std::string, int> Box(char code) const {
    const std::string causes = "\r\n" + gsErrorCauses;
    switch (code) {
      case 'F':
        return {LangText[549] + causes, mb::Critical};
      case '-':
        return {LangText[544] + causes, mb::Critical};
      case 'N':
        return {LangText[534] + causes, mb::Critical};
      case 'a':
      case 'b':
        return {LangText[536] + (code == 'a' ? " COM1 ?" : " COM2 ?"), mb::Question};
      case 'n':
        return {LangText[538] + "\r\n" + LangText[539], mb::Question};
      case 'W':
        return {LangText[617] + "\r\n" +
                    program.File("Autosave/" + ProjHeader.SaveStamp.Raw() + ".vrx") +
                    "\r\nNot a directory",
                mb::Exclamation};
      default:
        return {LangText[578], mb::Information};
    }
  }
  static std::string ListsSent(const WatchingTransport& watch) {
    std::string letters;
    for (const auto& sent : watch.sent) {
      if (sent.command.starts_with("_:PL") && sent.command.size() > 4 &&
          (letters.empty() || letters.back() != sent.command[4])) {
        letters += sent.command[4];
      }
    }
    return letters;
  }
};

TEST_P(DeviceFailures, AreToldAndKeepTheRecords) {
  const FailureRow& r = GetParam();
  Connect(r.options, r.pcPortA, r.pcPortB).Core().SetState(UsedModuleState());
  frmWizard& w = StartOnPage(r.flow == Flow::Transfer ? 4 : 1);
  const ProjectCommands commands = FillProject();
  ProjHeader.SaveStamp.Set("19990101000000");
  const CommandRecordList records = CmdRecords;
  ProjectHeader header = ProjHeader;
  if (r.autosaveBlocked) {
    ASSERT_TRUE(platform::WriteFileReplacing(program.File("Autosave"), "in the way"));
    w.chkAutosave.SetValue(1);
  }
  w.chkTwoPort.SetValue(r.twoPort ? 1 : 0);
  WatchingTransport watch(w);
  switch (r.flow) {
    case Flow::ReadBack:
      testing_ui::ClickControl(w.cmdSearchCom);
      break;
    case Flow::FactoryReset:
      ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
      testing_ui::ClickControl(w.CmdFactory);
      break;
    case Flow::Transfer:
      testing_ui::ClickControl(w.CmdTransmit);
      break;
  }

  std::vector<std::pair<std::string, int>> shown;
  for (const auto& box : ui.MessageBoxes()) {
    shown.emplace_back(box.text, box.icon);
  }
  std::vector<std::pair<std::string, int>> expected;
  for (const char code : r.boxes) {
    expected.push_back(Box(code));
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(ListsSent(watch), r.listsSent);

  EXPECT_TRUE(CmdRecords == records) << "the module gave nothing to take";
  if (r.settingsRead.find('A') != std::string::npos) {
    header.Com1Baud = 5;
    header.Com1Handshake = 1;
    header.Com1Parity.Set("E");
    header.SaveStamp.Set("20240101010101");
  }
  if (r.settingsRead.find('B') != std::string::npos) {
    header.Com2Baud = 4;
    header.Com2Handshake = 1;
    header.Com2Parity.Set("O");
  }
  simulator::ModuleState held = UsedModuleState();
  if (r.flow == Flow::Transfer) {
    EXPECT_NE(ProjHeader.SaveStamp, header.SaveStamp);
    header.SaveStamp = ProjHeader.SaveStamp;
    const simulator::ModuleState sent = ModuleStateOf(commands, header.SaveStamp.Raw(), "");
    for (std::size_t k = 0; k < 3; ++k) {
      held.entries[k] = sent.entries[k];
    }
    held.flagsA = sent.flagsA;
    held.flagsC = sent.flagsC;
    held.ports[0] = sent.ports[0];
  }
  EXPECT_TRUE(ProjHeader == header);
  EXPECT_EQ(module->Core().State(), held);
  std::string log;
  for (int n = 0; n < r.loggedErrors; ++n) {
    log += "ERROR READ IDNUMBER\r\n";
  }
  EXPECT_EQ(w.TestWindow.Text1.Text(), log);
  if (r.flow == Flow::ReadBack) {
    EXPECT_FALSE(w.SideADataOk || w.SideBDataOk);
    EXPECT_FALSE(w.PicPortParameter.Visible());
  }
  EXPECT_TRUE(w.cmdSearchCom.Enabled() && w.CmdFactory.Enabled() && w.CmdTransmit.Enabled() &&
              w.PicCtrl.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, DeviceFailures,
                         ::testing::Values(
                             // the first answer names entry 1: the read stops there
                             FailureRow{.name = "ReadBackSideAAnswersForAnotherEntry",
                                        .flow = Flow::ReadBack,
                                        .options = {.wrongEntry = true},
                                        .boxes = "F",
                                        .settingsRead = "A",
                                        .listsSent = "A",
                                        .loggedErrors = 1},
                             FailureRow{.name = "ReadBackSideBAnswersForAnotherEntry",
                                        .flow = Flow::ReadBack,
                                        .options = {.wrongEntry = true},
                                        .boxes = "F",
                                        .pcPortA = 0,
                                        .pcPortB = 1,
                                        .settingsRead = "B",
                                        .listsSent = "D"},
                             // each side fails in its own pass; the third search finds no more
                             FailureRow{.name = "ReadBackTwoPortsAnswersForAnotherEntry",
                                        .flow = Flow::ReadBack,
                                        .options = {.wrongEntry = true},
                                        .boxes = "-",
                                        .pcPortB = 2,
                                        .twoPort = true,
                                        .settingsRead = "AB",
                                        .listsSent = "AD",
                                        .loggedErrors = 1},
                             FailureRow{.name = "ReadBackSideUnreadable",
                                        .flow = Flow::ReadBack,
                                        .options = {.lowerCase = true},
                                        .boxes = "F"},
                             FailureRow{.name = "FactoryResetSideUnreadable",
                                        .flow = Flow::FactoryReset,
                                        .options = {.lowerCase = true},
                                        .boxes = "bNn"},
                             // the search and the side question had the two answers
                             FailureRow{.name = "FactoryResetSilentAtItsVersionCheck",
                                        .flow = Flow::FactoryReset,
                                        .options = {.stopAfter = 2},
                                        .boxes = "aNn"},
                             FailureRow{.name = "FactoryResetSilentAtItsSideCheck",
                                        .flow = Flow::FactoryReset,
                                        .options = {.stopAfter = 3},
                                        .boxes = "aNn"},
                             FailureRow{.name = "TransferWithAnAutosaveThatCannotBeWritten",
                                        .flow = Flow::Transfer,
                                        .options = {},
                                        .boxes = "W1",
                                        .autosaveBlocked = true,
                                        .listsSent = "ABCAC"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
