// pelvaron-sim as a user runs it: its options, its device paths, its end.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/serial_port.h"
#include "seriallink/rs232.h"
#include "seriallink/send_code.h"
#include "simulator/module_simulator.h"
#include "simulator/sim_options.h"
#include "tests/seriallink/test_doubles.h"

extern char** environ;

namespace {

using simulator::ParseSimOptions;
using simulator::SimOptions;

std::optional<SimOptions> Parse(std::vector<std::string> args) {
  std::string error;
  std::optional<SimOptions> options = ParseSimOptions(args, error);
  EXPECT_EQ(error.empty(), options.has_value());
  return options;
}

TEST(SimOptions, EachMisbehaviourIsSwitchedOnAlone) {
  EXPECT_EQ(Parse({})->release, 5);
  EXPECT_TRUE(Parse({"--silent"})->silent);
  EXPECT_TRUE(Parse({"--wrong-entry"})->wrongEntry);
  EXPECT_TRUE(Parse({"--lower-case"})->lowerCase);
  EXPECT_TRUE(Parse({"--one-cable"})->oneCable);
  EXPECT_EQ(Parse({"--pieces=70"})->pieceGapMs, 70);
  EXPECT_EQ(Parse({"--stop-after=0"})->stopAfter, 0);
  EXPECT_EQ(Parse({"--only-speed=19200"})->onlySpeed, 19200);
  EXPECT_EQ(Parse({"--release=4"})->release, 4);
  const SimOptions one = *Parse({"--silent"});
  EXPECT_FALSE(one.wrongEntry || one.lowerCase || one.pieceGapMs != 0 || one.stopAfter != -1 ||
               one.onlySpeed != 0 || one.oneCable);
  for (const char* bad :
       {"--loud", "--silent=1", "--one-cable=1", "--pieces", "--pieces=0", "--pieces=x",
        "--stop-after=-1", "--only-speed=4800", "--release=10", "-s"}) {
    EXPECT_FALSE(Parse({bad})) << bad;
  }
}

// pelvaron-sim in a child process with its standard input and output in pipes.
class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args) {
    int ends[2];
    int inputEnds[2];
    if (pipe(ends) != 0) {
      return;
    }
    if (pipe(inputEnds) != 0) {
      close(ends[0]);
      close(ends[1]);
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    posix_spawn_file_actions_adddup2(&actions, inputEnds[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, inputEnds[1]);
    args.insert(args.begin(), PELVARON_SIM);
    std::vector<char*> argv;
    for (std::string& arg : args) {
      argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, PELVARON_SIM, &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    close(inputEnds[0]);
    output_ = ends[0];
    input_ = inputEnds[1];
  }
  ~SimProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(output_);
    close(input_);
  }
  // What it printed next within two seconds, up to the given number of lines.
  std::string Lines(long count) {
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::count(text.begin(), text.end(), '\n') < count &&
           std::chrono::steady_clock::now() < deadline) {
      pollfd pfd{output_, POLLIN, 0};
      char buffer[256];
      const ssize_t n = poll(&pfd, 1, 100) > 0 ? read(output_, buffer, sizeof buffer) : 0;
      if (n < 0 || (n == 0 && pfd.revents != 0)) {
        break;
      }
      text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
  }
  // The exit status after the signal (0: none sent), or -1 when it did not end
  // within two seconds.
  int ExitAfter(int signal) {
    kill(pid_, signal);
    for (int i = 0; i < 200; ++i) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  bool Started() const { return pid_ > 0; }
  void Type(const std::string& text) {
    ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void Signal(int signal) { kill(pid_, signal); }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  int input_ = -1;
};

// The device path after "label: " in the printed lines.
std::string PathAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label + ": ");
  if (at == std::string::npos) {
    return {};
  }
  const std::size_t from = at + label.size() + 2;
  return text.substr(from, text.find('\n', from) - from);
}

TEST(SimProcess, PrintsBothPortsAnswersOnThemAndEndsCleanlyOnItsSignals) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    UnmapAllComPorts();
    SimProcess sim({"--release=4"});
    ASSERT_TRUE(sim.Started());
    const std::string printed = sim.Lines(2);
    MapComPort(1, PathAfter(printed, "A (module COM1)"));
    MapComPort(2, PathAfter(printed, "B (module COM2)"));
    RecordedBoxes boxes;
    EXPECT_EQ(SendCommand("COM1:", "9600", "_:V\r", 2, 0), "Pelvaron-A4\r\n") << printed;
    EXPECT_EQ(SendCommand("COM2:", "19200", "_:V\r", 2, 0), "Pelvaron-B4\r\n");
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(sim.ExitAfter(signal), 0);
  }
}

TEST(SimProcess, OneCableIsMovedByEnterAndBySigusr1) {
  UnmapAllComPorts();
  SimProcess sim({"--one-cable"});
  ASSERT_TRUE(sim.Started());
  const std::string printed = sim.Lines(3);
  EXPECT_EQ(PathAfter(printed, "B (module COM2)"), "") << printed;
  MapComPort(1, PathAfter(printed, "PC cable"));
  EXPECT_NE(printed.find("Cable on module COM1 (side A)"), std::string::npos) << printed;
  RecordedBoxes boxes;
  const auto side = [] { return ReadModuleSide("COM1:", "9600", 4); };
  EXPECT_EQ(side(), "A");
  sim.Type("\n");
  EXPECT_EQ(sim.Lines(1), "Cable on module COM2 (side B)\n");
  EXPECT_EQ(side(), "B");
  sim.Signal(SIGUSR1);
  EXPECT_EQ(sim.Lines(1), "Cable on module COM1 (side A)\n");
  EXPECT_EQ(side(), "A");
  EXPECT_TRUE(boxes.calls.empty());
  EXPECT_EQ(sim.ExitAfter(SIGTERM), 0);
}

TEST(OneCable, CarriesEveryFrameToThePortItIsOn) {
  UnmapAllComPorts();
  simulator::ModuleSimulator module({.oneCable = true});
  ASSERT_TRUE(module.Start());
  MapComPort(1, module.DevicePath(0));
  RecordedBoxes boxes;
  module.MoveCable();
  ASSERT_TRUE(SetPortSettings("COM1:", "9600", 3, 1, "E", "20250102030405", 100));
  ASSERT_FALSE(WriteListEntry("COM1:", "9600", "D", 4, "on B", 100).empty());
  const simulator::ModuleState state = module.Core().State();
  EXPECT_EQ(state.ports[1], (simulator::ModulePortSettings{3, 1, 'E', "20250102030405"}));
  EXPECT_EQ(state.ports[0], simulator::ModulePortSettings{});
  EXPECT_EQ(state.entries[3][4], "on B");
  EXPECT_EQ(module.CableSide(), 1);
  module.MoveCable();
  EXPECT_EQ(WriteListEntry("COM1:", "9600", "D", 4, "x", 20), "") << "side A holds no list D";
  EXPECT_TRUE(boxes.calls.empty());
}

TEST(SimProcess, Sigusr1LeavesTwoLineModuleAsItIs) {
  UnmapAllComPorts();
  SimProcess sim({});
  ASSERT_TRUE(sim.Started());
  const std::string printed = sim.Lines(2);
  MapComPort(1, PathAfter(printed, "A (module COM1)"));
  sim.Signal(SIGUSR1);
  RecordedBoxes boxes;
  EXPECT_EQ(ReadModuleSide("COM1:", "9600", 4), "A");
  EXPECT_EQ(sim.ExitAfter(SIGTERM), 0);
}

TEST(Pieces, GoOutOnTheClockAtLeastTheGapApart) {
  simulator::ModuleSimulator module({.pieceGapMs = 100});
  ASSERT_TRUE(module.Start());
  const int handle = platform::CreateComFile(module.DevicePath(0));
  ASSERT_GE(handle, 0);
  platform::DeviceControlBlock dcb{9600, 8, 'N', 1};
  ASSERT_TRUE(platform::SetCommState(handle, dcb));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(platform::WriteComFile(handle, "_:V\r", 4), 4);
  std::string answer;
  std::vector<std::chrono::steady_clock::duration> arrivals;
  while (answer.size() < 13 &&
         std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
    pollfd pfd{handle, POLLIN, 0};
    char buffer[16];
    const long n =
        poll(&pfd, 1, 100) > 0 ? platform::ReadComFile(handle, buffer, sizeof buffer) : 0;
    ASSERT_GE(n, 0);
    answer.append(buffer, static_cast<std::size_t>(n));
    if (n > 0) {
      arrivals.push_back(std::chrono::steady_clock::now() - start);
    }
  }
  platform::CloseComHandle(handle);
  EXPECT_EQ(answer, "Pelvaron-A5\r\n");
  ASSERT_FALSE(arrivals.empty());
  EXPECT_GE(arrivals.back(), std::chrono::milliseconds(200)) << "two gaps before the last piece";
}

TEST(SimProcess, BadArgumentEndsWithUsage) {
  SimProcess sim({"--pieces=soon"});
  ASSERT_TRUE(sim.Started());
  EXPECT_EQ(sim.ExitAfter(0), 2);
}

}  // namespace
