// The protocol against the simulated module, once without wires and once over
// pseudo-terminals with real port transactions.
#include <gtest/gtest.h>

#include <memory>

#include "seriallink/send_code.h"
#include "tests/seriallink/test_doubles.h"

namespace {

using simulator::SimOptions;

class Module {
 public:
  virtual ~Module() = default;
  virtual simulator::ModuleCore& Core() = 0;
};

class MemoryModule : public Module {
 public:
  explicit MemoryModule(SimOptions options) : transport_(options) {}
  simulator::ModuleCore& Core() override { return transport_.core; }

 private:
  MemoryTransport transport_;
};

class SerialModule : public Module {
 public:
  explicit SerialModule(SimOptions options) : pty_(options) {}
  simulator::ModuleCore& Core() override { return pty_.sim.Core(); }

 private:
  PtyModule pty_;
};

enum class Wire { Memory, Pty };

class ProtocolTest : public ::testing::TestWithParam<Wire> {
 protected:
  void Connect(SimOptions options = {}) {
    if (GetParam() == Wire::Memory) {
      module_ = std::make_unique<MemoryModule>(options);
    } else {
      module_ = std::make_unique<SerialModule>(options);
    }
  }
  simulator::ModuleCore& Core() { return module_->Core(); }

  RecordedBoxes boxes_;
  std::unique_ptr<Module> module_;
};

TEST_P(ProtocolTest, VersionAndSideOfBothModulePorts) {
  Connect();
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 20), "Pelvaron-A5");
  EXPECT_TRUE(gbModuleFw5);
  EXPECT_EQ(ReadModuleSide("COM2:", "19200", 20), "B");
  EXPECT_TRUE(boxes_.calls.empty());
}

TEST_P(ProtocolTest, Release4LeavesTheFlagClear) {
  Connect({.release = 4});
  EXPECT_EQ(ReadModuleSide("COM1:", "9600", 20), "A");
  EXPECT_FALSE(gbModuleFw5);
}

TEST_P(ProtocolTest, LowerCaseVersionIsAVersionWithoutSide) {
  Connect({.lowerCase = true});
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 20), "pelvaron-a5");
  EXPECT_TRUE(gbModuleFw5);
  EXPECT_EQ(ReadModuleSide("COM1:", "9600", 20), "");
}

TEST_P(ProtocolTest, SettingsWrittenAreReadBack) {
  Connect();
  ASSERT_TRUE(SetPortSettings("COM2:", "9600", 5, 1, "M", "20240229235959", 100));
  std::int32_t baud = 0;
  std::int32_t handshake = 0;
  std::string parity;
  std::string stamp;
  ASSERT_TRUE(ReadPortSettings("COM2:", "9600", baud, handshake, parity, stamp, 100));
  EXPECT_EQ(baud, 5);
  EXPECT_EQ(handshake, 1);
  EXPECT_EQ(parity, "M");
  EXPECT_EQ(stamp, "20240229235959");
  EXPECT_EQ(Core().State().ports[0].baudCode, 9) << "module COM1 keeps its own settings";
  std::string stampA;
  ASSERT_TRUE(ReadPortSettings("COM1:", "9600", baud, handshake, parity, stampA, 100));
  EXPECT_EQ(stampA, "20060000000000") << "module COM1 keeps its own stamp";
}

TEST_P(ProtocolTest, BadSettingsAreRefusedWithoutSending) {
  Connect();
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 2, 0, "N", "20060000000000", 100));
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 9, 2, "N", "20060000000000", 100));
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 9, 0, "n", "20060000000000", 100));
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 9, 0, "", "20060000000000", 100));
  EXPECT_FALSE(SetPortSettings("COM1:", "9600", 9, 0, "NO", "20060000000000", 100));
  EXPECT_EQ(Core().FramesReceived(), 0);
}

TEST_P(ProtocolTest, EntryAndFlagsWrittenAreQueried) {
  Connect();
  const std::string command(
      "\x02\r\n"
      "\x00"
      "ab",
      6);
  EXPECT_EQ(WriteListEntry("COM1:", "9600", "A", 13, command, 100), command);
  const std::string flags(14, '\x5A');
  EXPECT_EQ(WriteEntryFlags("COM1:", "9600", "A", 13, flags, 100).substr(0, 1), "\x0D");
  const std::string answer = ReadListEntry("COM1:", "9600", "A", 13, 100);
  ASSERT_GE(answer.size(), 2u + command.size() + 3u + flags.size());
  EXPECT_EQ(answer[0], '\x0D');
  EXPECT_EQ(answer[1], static_cast<char>(command.size() - 1));
  EXPECT_EQ(answer.substr(2, command.size()), command);
  EXPECT_EQ(answer.substr(2 + command.size() + 3), flags);
  EXPECT_EQ(Core().State().entries[0][13], command);
}

TEST_P(ProtocolTest, AnswersForAnotherEntryAreRejected) {
  Connect({.wrongEntry = true});
  EXPECT_EQ(WriteListEntry("COM1:", "9600", "B", 2, "abc", 100), "");
  EXPECT_EQ(WriteEntryFlags("COM1:", "9600", "C", 2, std::string(5, '\0'), 100), kWrongEntryAnswer);
  EXPECT_EQ(ReadListEntry("COM2:", "9600", "E", 2, 100), kWrongEntryAnswer);
}

TEST_P(ProtocolTest, ModuleAnsweringOnlyAtOtherSpeedIsAbsent) {
  Connect({.onlySpeed = 19200});
  EXPECT_EQ(ReadModuleVersion("COM1:", "9600", 0), "");
  EXPECT_EQ(ReadModuleVersion("COM1:", "19200", 0), "Pelvaron-A5");
}

INSTANTIATE_TEST_SUITE_P(Wires, ProtocolTest, ::testing::Values(Wire::Memory, Wire::Pty),
                         [](const auto& info) {
                           return std::string(info.param == Wire::Memory ? "Memory" : "Pty");
                         });

}  // namespace
