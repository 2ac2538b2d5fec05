// Port transactions against unusable ports and misbehaving far ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/events.h"
#include "platform/serial_port.h"
#include "seriallink/rs232.h"
#include "tests/common/temp_folder.h"
#include "tests/seriallink/raw_peer.h"
#include "tests/seriallink/test_doubles.h"
#include "texts/text_table.h"

namespace {

using Clock = std::chrono::steady_clock;

long ElapsedMs(Clock::time_point since) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

class PortTest : public ::testing::Test {
 protected:
  PortTest() {
    UnmapAllComPorts();
    LangText[670] = "cannot open";
    LangText[671] = "is busy";
  }
  // One transaction with 2 polls and no wait: 150 ms without an answer.
  std::string Send(const std::string& port = "COM1:", const std::string& speed = "9600") {
    const auto start = Clock::now();
    std::string answer = SendCommand(port, speed, "_:V\r", 2, 0);
    elapsedMs_ = ElapsedMs(start);
    return answer;
  }
  RecordedBoxes boxes_;
  long elapsedMs_ = 0;
};

TEST_F(PortTest, UnusablePortsGiveOneBoxAndNoAnswer) {
  TempFolder folder;
  std::ofstream(folder.File("plain")) << "x";
  struct Case {
    std::string port;
    std::string device;
    std::string boxText;
  } cases[] = {
      {"----", "", "cannot open\r\nDie ---- is busy"},
      {"COM1:", "/nonexistent/tty", "cannot open\r\nDie COM1 is busy"},
      {"COM2:", "/dev/null", "Inappropriate ioctl for device"},
      {"COM3:", folder.File("plain"), "Inappropriate ioctl for device"},
      {"COM4:", folder.path(), "cannot open\r\nDie COM4 is busy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port + " " + c.device);
    if (!c.device.empty()) {
      MapComPort(c.port[3] - '0', c.device);
    }
    boxes_.calls.clear();
    EXPECT_EQ(Send(c.port), "");
    ASSERT_EQ(boxes_.calls.size(), 1u);
    EXPECT_EQ(boxes_.calls[0].prompt, c.boxText);
    EXPECT_EQ(boxes_.calls[0].style, platform::mb::Critical | platform::mb::SetForeground);
    EXPECT_EQ(boxes_.calls[0].title, AppTitle);
    EXPECT_EQ(GetComPortMaxBaud(c.port), 0u);
  }
}

TEST_F(PortTest, SpeedThatIsNoNumberFailsConfiguration) {
  PtyModule module;
  EXPECT_EQ(Send("COM1:", "fast"), "");
  ASSERT_EQ(boxes_.calls.size(), 1u);
  EXPECT_EQ(boxes_.calls[0].prompt, "Invalid argument");
  EXPECT_EQ(module.sim.Core().FramesReceived(), 0);
  EXPECT_EQ(Send("COM1:", "0"), "");
  EXPECT_EQ(boxes_.calls.back().prompt, "Overflow");
  MapComPort(2, "/dev/null");
  EXPECT_EQ(Send("COM2:", "0"), "");
  EXPECT_EQ(boxes_.calls.back().prompt, "Inappropriate ioctl for device")
      << "the line is checked before the speed is used";
  EXPECT_EQ(boxes_.calls.size(), 3u);
}

TEST_F(PortTest, PseudoTerminalIsASerialPortAndComTenOpensComOne) {
  PtyModule module;
  EXPECT_NE(GetComPortMaxBaud("COM1:"), 0u);
  EXPECT_EQ(Send("COM10:"), "Pelvaron-A5\r\n");
}

// The pauses of a transaction and the window-message passes between them, in order,
// on a clock of the test's own: a pause takes no time.
class PauseTrace {
 public:
  PauseTrace() {
    platform::SetSleepHook([this](int ms) { steps.push_back("sleep " + std::to_string(ms)); });
    platform::SetDoEventsHook([this] { steps.push_back("events"); });
  }
  ~PauseTrace() {
    platform::SetSleepHook(nullptr);
    platform::SetDoEventsHook(nullptr);
  }
  std::vector<std::string> steps;
};

TEST_F(PortTest, SilentModuleCostsExactlyThePollCountPlusOnePolls) {
  PtyModule module({.silent = true});
  for (const std::int16_t polls : {0, 1, 4, 5, 20, 100}) {
    PauseTrace trace;
    EXPECT_EQ(SendCommand("COM1:", "9600", "_:V\r", polls, 0), "");
    EXPECT_EQ(std::count(trace.steps.begin(), trace.steps.end(), "sleep 50"), polls + 1) << polls;
    EXPECT_EQ(trace.steps.size(), polls + 1 + 1 + (polls / 5 + 1)) << "nothing else: " << polls;
  }
  EXPECT_TRUE(boxes_.calls.empty());
}

TEST_F(PortTest, WindowMessagesAreHandledAfterTheWriteAndInEveryFifthPoll) {
  PtyModule module({.silent = true});
  PauseTrace trace;
  EXPECT_EQ(SendCommand("COM1:", "9600", "_:V\r", 10, 0), "");
  const std::vector<std::string> expected = {
      "events", "sleep 50", "events",   "sleep 50", "sleep 50", "sleep 50", "sleep 50", "sleep 50",
      "events", "sleep 50", "sleep 50", "sleep 50", "sleep 50", "sleep 50", "events"};
  EXPECT_EQ(trace.steps, expected) << "after the write, then in polls 0, 5 and 10";
}

TEST_F(PortTest, WindowMessagesAreHandledDuringALongWaitBeforeThePolls) {
  PtyModule module({.silent = true});
  PauseTrace trace;
  EXPECT_EQ(SendCommand("COM1:", "9600", "_:I\r", 0, 500), "");
  const std::vector<std::string> expected = {"events", "sleep 200", "events",   "sleep 200",
                                             "events", "sleep 100", "sleep 50", "events"};
  EXPECT_EQ(trace.steps, expected) << "after the write, at 200 and 400 ms of the wait, in poll 0";
}

// The module's pieces come in the program's pauses, when the test lets them: a piece
// that comes within the quiet pause after a read is joined to the reply, and a pause
// that brings none ends it.
TEST_F(PortTest, ReplyInPiecesIsWholeOnlyWhileEachPieceComesWithinTheQuietPause) {
  for (const bool piecesCome : {true, false}) {
    SCOPED_TRACE(piecesCome);
    PtyModule module({.pieceGapMs = 1});
    module.sim.HoldPieces();
    int released = 0;
    platform::SetSleepHook([&](int ms) {
      EXPECT_EQ(ms, 50);
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      if (released == 0 || piecesCome) {
        released += module.sim.ReleasePiece() ? 1 : 0;
      }
    });
    const std::string answer = Send();
    platform::SetSleepHook(nullptr);
    EXPECT_EQ(answer, piecesCome ? "Pelvaron-A5\r\n" : "Pelva");
    EXPECT_EQ(released, piecesCome ? 3 : 1);
  }
}

TEST_F(PortTest, PortIsNeverShared) {
  PtyModule module;
  const int first = platform::CreateComFile(module.sim.DevicePath(0));
  ASSERT_GE(first, 0);
  EXPECT_EQ(Send(), "");
  ASSERT_EQ(boxes_.calls.size(), 1u);
  platform::CloseComHandle(first);
  EXPECT_EQ(Send(), "Pelvaron-A5\r\n");
}

TEST_F(PortTest, GarbageAndFloodsEndWithinTheBound) {
  const std::string garbage(100 * 1024, '\x55');
  RawPeer flood(
      [&](simulator::PtyPort& line, const std::string&) { WriteBytes(line.Master(), garbage); });
  MapComPort(1, flood.DevicePath());
  const std::string answer = Send();
  EXPECT_FALSE(answer.empty());
  EXPECT_LE(answer.size(), garbage.size());
  EXPECT_LT(elapsedMs_, 3000);
  EXPECT_TRUE(boxes_.calls.empty());
}

TEST_F(PortTest, FarEndVanishingMidCommandIsNoAnswer) {
  PtyModule module({.silent = true});
  std::thread unplug([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    module.sim.Stop();
  });
  const auto start = Clock::now();
  EXPECT_EQ(SendCommand("COM1:", "9600", "_:V\r", 10, 0), "");
  unplug.join();
  EXPECT_LT(ElapsedMs(start), 1000);
  EXPECT_TRUE(boxes_.calls.empty());
}

TEST(LastErrorText, GivesTheSystemTextOnceThenNothing) {
  platform::SetLastError(2);
  EXPECT_EQ(GetLastErrorText(), "No such file or directory");
  EXPECT_EQ(GetLastErrorText(), "");
}

}  // namespace
