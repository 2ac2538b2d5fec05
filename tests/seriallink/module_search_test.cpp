// The module search over the port and speed lists, and the factory reset.
#include <gtest/gtest.h>

#include "seriallink/module_search.h"
#include "seriallink/send_code.h"
#include "simulator/module_state.h"
#include "tests/seriallink/test_doubles.h"
#include "texts/text_table.h"

namespace {

using simulator::SimOptions;

const std::vector<std::string> kSpeeds = {"9600", "19200"};

TEST(FindModulePort, SkipsAbsentPortsAndStopsAtTheAnsweringSpeed) {
  // COM1 holds a line with nothing answering, COM3 the module at 19200 only.
  PtyModule silent({.silent = true});
  simulator::ModuleSimulator module({.onlySpeed = 19200});
  ASSERT_TRUE(silent.started && module.Start());
  MapComPort(3, module.DevicePath(0));
  RecordedBoxes boxes;
  FakeList ports({"COM1:", "----", "COM3:", "COM4:"});
  FakeList speeds(kSpeeds);
  int start = 0;
  EXPECT_EQ(FindModulePort(ports, speeds, start), "Pelvaron-A5");
  EXPECT_EQ(start, 3);
  EXPECT_EQ(ports.selections, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(speeds.selections, (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(ports.Text(), "COM3:");
  EXPECT_EQ(speeds.Text(), "19200");
  EXPECT_EQ(silent.sim.Core().FramesReceived(), 2);
  EXPECT_TRUE(boxes.calls.empty());
}

TEST(FindModulePort, NoModuleSelectsTheFirstItems) {
  MemoryTransport transport({.silent = true});
  FakeList ports({"COM1:", "COM2:", "----"});
  FakeList speeds(kSpeeds);
  int start = 1;
  EXPECT_EQ(FindModulePort(ports, speeds, start), kModuleNotFound);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(transport.ports, (std::vector<std::string>{"COM2:", "COM2:"}));
  EXPECT_EQ(ports.Text(), "COM1:");
  EXPECT_EQ(speeds.Text(), "9600");

  transport.ports.clear();
  start = 3;
  EXPECT_EQ(FindModulePort(ports, speeds, start), kModuleNotFound);
  EXPECT_TRUE(transport.ports.empty());
}

TEST(FindModulePort, SecondCallContinuesAfterTheFirstHit) {
  MemoryTransport transport;
  FakeList ports({"COM1:", "COM2:"});
  FakeList speeds(kSpeeds);
  int start = 0;
  EXPECT_EQ(FindModulePort(ports, speeds, start), "Pelvaron-A5");
  EXPECT_EQ(FindModulePort(ports, speeds, start), "Pelvaron-B5");
  EXPECT_EQ(start, 2);
}

class FactoryReset : public ::testing::Test {
 protected:
  FactoryReset() {
    for (TextKey key = 681; key <= 694; ++key) {
      LangText[key] = 'T' + std::to_string(key);
    }
    LangText[534] = "T534";
    gsErrorCauses = "causes";
  }
  // A module whose every list entry, flag block and setting differs from the
  // factory state.
  static simulator::ModuleState UsedState() {
    simulator::ModuleState state = simulator::FactoryState();
    for (auto& list : state.entries) {
      list.fill("used");
    }
    state.flagsA.fill(std::string(14, '\x11'));
    state.flagsC.fill(std::string(5, '\x22'));
    state.ports = {{{5, 1, 'E', "20240101010101"}, {4, 1, 'O', "20240101010102"}}};
    return state;
  }
  // The progress events for one entry.
  static std::vector<std::string> EntrySteps(int position, TextKey label, int i, int percent) {
    return {"Position=" + std::to_string(position),
            "lblTransfer1=T" + std::to_string(label) + " " + std::to_string(i),
            "lblTransferStatus=" + std::to_string(percent) + " %"};
  }
  static std::vector<std::string> Start() {
    return {"Max=100", "Min=0", "Position=0", "lblTransferStatus=0 %", "lblTransferWarn.Visible"};
  }
  static std::vector<std::string> End() {
    return {"lblTransferStatus=0 %", "Position=0", "lblTransfer1=T694", "lblTransferWarn.Hidden"};
  }
  static void Append(std::vector<std::string>& to, const std::vector<std::string>& events) {
    to.insert(to.end(), events.begin(), events.end());
  }
  RecordedBoxes boxes_;
  FakeProgress progress_;
};

TEST_F(FactoryReset, SideAPutsListsABCAndModuleComOneIntoFactoryState) {
  MemoryTransport transport;
  transport.core.SetState(UsedState());
  FactoryResetModule("COM1:", "9600", true, 100, progress_.Controls());

  const simulator::ModuleState state = transport.core.State();
  simulator::ModuleState expected = simulator::FactoryState();
  for (int list : {3, 4}) {
    expected.entries[static_cast<std::size_t>(list)].fill("used");
  }
  expected.ports[1] = UsedState().ports[1];
  EXPECT_EQ(state, expected);
  EXPECT_TRUE(boxes_.calls.empty());

  std::vector<std::string> events = Start();
  for (int i = 0; i < 32; ++i) {
    Append(events, EntrySteps(i + 1, 681, i, i + 1));
  }
  for (int i = 0; i < 32; ++i) {
    Append(events, EntrySteps(i + 33, 684, i, i + 32));
  }
  for (int i = 0; i < 32; ++i) {
    Append(events, EntrySteps(i + 65, 686, i, i + 64));
  }
  Append(events, End());
  EXPECT_EQ(progress_.events, events);
  EXPECT_EQ(transport.core.FramesReceived(), 2 + 160 + 4);
}

TEST_F(FactoryReset, SideBOverTheLineLeavesSideAAlone) {
  PtyModule module;
  ASSERT_TRUE(module.started);
  module.sim.Core().SetState(UsedState());
  FactoryResetModule("COM2:", "9600", false, 100, progress_.Controls());

  simulator::ModuleState expected = UsedState();
  for (int list : {3, 4}) {
    expected.entries[static_cast<std::size_t>(list)].fill(simulator::kEmptyEntry);
  }
  expected.ports[1] = {};  // side A keeps its stamp
  EXPECT_EQ(module.sim.Core().State(), expected);
  EXPECT_TRUE(boxes_.calls.empty());

  std::vector<std::string> events = Start();
  for (int i = 0; i < 64; ++i) {
    Append(events, EntrySteps(i + 1, i < 32 ? 689 : 691, i % 32, i % 32 + 32));
  }
  Append(events, End());
  EXPECT_EQ(progress_.events, events);
}

TEST_F(FactoryReset, ModuleWithoutVersionOrSideIsReportedAndChangesNothing) {
  const struct {
    simulator::SimOptions options;
    std::size_t commands;
  } cases[] = {
      {{.silent = true}, 1},     // no side check after a silent version check
      {{.lowerCase = true}, 2},  // the side letter cannot be read
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commands);
    MemoryTransport transport(c.options);
    transport.core.SetState(UsedState());
    boxes_.calls.clear();
    FactoryResetModule("COM1:", "9600", true, 100, progress_.Controls());
    EXPECT_TRUE(progress_.events.empty());
    ASSERT_EQ(boxes_.calls.size(), 1u);
    EXPECT_EQ(boxes_.calls[0].prompt, "T534\r\ncauses");
    EXPECT_EQ(boxes_.calls[0].style, platform::mb::Critical | platform::mb::SetForeground);
    EXPECT_EQ(transport.ports.size(), c.commands);
    EXPECT_EQ(transport.core.State(), UsedState());
  }
}

TEST_F(FactoryReset, FirstUnansweredCommandStopsWithItsMessage) {
  const struct {
    int answered;  // frames the module answers
    TextKey key;
    int framesSent;
  } cases[] = {
      {2, 682, 3},                      // first entry of list A
      {3, 683, 4},                      // its flag block
      {2 + 64 + 5, 685, 2 + 64 + 6},    // entry 5 of list B
      {2 + 96 + 1, 688, 2 + 96 + 2},    // flag block of list C entry 0
      {2 + 160 + 2, 693, 2 + 160 + 3},  // the parity frame
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    MemoryTransport transport({.stopAfter = c.answered});
    boxes_.calls.clear();
    progress_.events.clear();
    FactoryResetModule("COM1:", "9600", true, 100, progress_.Controls());
    EXPECT_EQ(transport.core.FramesReceived(), c.framesSent);
    ASSERT_EQ(boxes_.calls.size(), 1u);
    EXPECT_EQ(boxes_.calls[0].prompt, "T" + std::to_string(c.key) + "\r\ncauses");
    EXPECT_EQ(boxes_.calls[0].style, platform::mb::Critical | platform::mb::SetForeground);
    const std::vector<std::string> tail(progress_.events.end() - 4, progress_.events.end());
    EXPECT_EQ(tail, End());
  }
}

// The simulated module, but every flag-block write is answered for the next entry.
class FlagsAnsweredForAnotherEntry : public MemoryTransport {
 public:
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override {
    std::string answer = MemoryTransport::Send(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
    // "_:PL", list, index, "E", ...; the answer: CR LF, index, ...
    if (sCommand.starts_with("_:PL") && sCommand.size() > 6 && sCommand[6] == 'E' &&
        answer.size() > 2) {
      answer[2] = static_cast<char>(sCommand[5] + 1);
      ++rewritten;
    }
    return answer;
  }
  int rewritten = 0;
};

TEST_F(FactoryReset, AnswerForAnotherEntryCountsAsDone) {
  FlagsAnsweredForAnotherEntry transport;
  transport.core.SetState(UsedState());
  ASSERT_EQ(WriteEntryFlags("COM1:", "9600", "C", 4, std::string(5, '\0'), 100), kWrongEntryAnswer);
  transport.rewritten = 0;

  FactoryResetModule("COM1:", "9600", true, 100, progress_.Controls());
  EXPECT_TRUE(boxes_.calls.empty());
  EXPECT_EQ(transport.rewritten, 64) << "every flag block of lists A and C";
  EXPECT_EQ(transport.core.FramesReceived(), 1 + 2 + 160 + 4);
  EXPECT_EQ(progress_.position, 0);
  const std::vector<std::string> tail(progress_.events.end() - 4, progress_.events.end());
  EXPECT_EQ(tail, End());
  const simulator::ModuleState state = transport.core.State();
  EXPECT_EQ(state.flagsA, simulator::FactoryState().flagsA);
  EXPECT_EQ(state.ports[0], simulator::FactoryState().ports[0]);
}

}  // namespace
