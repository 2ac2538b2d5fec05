// seriallink-bench: times a full side-A list write and a side-A factory reset
// against the simulator on pseudo-terminals (in a child process), and compares
// them with the protocol's own floor: each answered command costs its wait, one
// 50 ms poll period and one 50 ms quiet period.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "seriallink/command_transport.h"
#include "seriallink/module_search.h"
#include "seriallink/rs232.h"
#include "seriallink/send_code.h"
#include "simulator/module_simulator.h"

namespace {

class FloorCountingTransport : public CommandTransport {
 public:
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override {
    ++commands;
    floorMs += lWaitMs + 50 + 50;
    return SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
  }
  int commands = 0;
  long floorMs = 0;
};

class NoBar : public ProgressBarControl {
 public:
  void SetMax(int) override {}
  void SetMin(int) override {}
  void SetPosition(int value) override { position_ = value; }
  int Position() const override { return position_; }

 private:
  int position_ = 0;
};

class NoLabel : public LabelControl {
 public:
  void SetCaption(const std::string&) override {}
  void SetVisible(bool) override {}
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

template <typename Run>
bool Measure(const char* name, Run run) {
  FloorCountingTransport transport;
  SetCommandTransport(&transport);
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const bool ok = run();
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = CpuSeconds() - cpuBefore;
  SetCommandTransport(nullptr);
  const double floor = static_cast<double>(transport.floorMs) / 1000.0;
  std::printf(
      "%-20s %4d commands  elapsed %7.3f s  floor %7.3f s  (+%.1f %%)  cpu %.3f s (%.2f %%)%s\n",
      name, transport.commands, elapsed, floor, 100.0 * (elapsed - floor) / floor, cpu,
      100.0 * cpu / elapsed, ok ? "" : "  FAILED");
  return ok;
}

// Runs the simulator in a child and returns its two device paths.
pid_t StartSimulator(std::string& sideA, std::string& sideB) {
  int ends[2];
  if (pipe(ends) != 0) {
    return -1;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    simulator::ModuleSimulator module;
    if (!module.Start()) {
      _exit(1);
    }
    const std::string paths = module.DevicePath(0) + "\n" + module.DevicePath(1) + "\n";
    if (write(ends[1], paths.data(), paths.size()) < 0) {
      _exit(1);
    }
    close(ends[1]);
    pause();
    _exit(0);
  }
  close(ends[1]);
  std::string paths;
  char buffer[256];
  for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) {
    paths.append(buffer, static_cast<std::size_t>(n));
    if (std::count(paths.begin(), paths.end(), '\n') == 2) {
      break;
    }
  }
  close(ends[0]);
  const std::size_t newline = paths.find('\n');
  if (newline == std::string::npos) {
    return -1;
  }
  sideA = paths.substr(0, newline);
  sideB = paths.substr(newline + 1, paths.find('\n', newline + 1) - newline - 1);
  return child;
}

}  // namespace

int main() {
  std::string sideA;
  std::string sideB;
  const pid_t child = StartSimulator(sideA, sideB);
  if (child <= 0) {
    std::fputs("seriallink-bench: cannot start the simulator\n", stderr);
    return 1;
  }
  setenv("PELVARON_COM1", sideA.c_str(), 1);
  setenv("PELVARON_COM2", sideB.c_str(), 1);

  const bool listsOk = Measure("side-A list write", [] {
    bool ok = true;
    for (const char* list : {"A", "B", "C"}) {
      for (int i = 0; i < 32; ++i) {
        ok = !WriteListEntry("COM1:", "9600", list, i, "bench entry", 100).empty() && ok;
        if (list[0] != 'B') {
          const std::string flags(list[0] == 'A' ? 14 : 5, '\0');
          ok = !WriteEntryFlags("COM1:", "9600", list, i, flags, 100).empty() && ok;
        }
      }
    }
    return ok;
  });
  NoBar bar;
  NoLabel label;
  const bool resetOk = Measure("side-A factory reset", [&] {
    FactoryResetModule("COM1:", "9600", true, 100, {bar, label, label, label});
    return true;
  });
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return listsOk && resetOk ? 0 : 1;
}
