// seriallink-bench: times a full side-A list write and a side-A factory reset
// against the simulator on pseudo-terminals (in a child process), and compares
// them with the protocol's own floor: each answered command costs its wait, one
// 50 ms poll period and one 50 ms quiet period.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "seriallink/command_transport.h"
#include "seriallink/module_search.h"
#include "seriallink/rs232.h"
#include "seriallink/send_code.h"
#include "tests/common/bench_support.h"

namespace {

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

template <typename Run>
bool Measure(const char* name, Run run) {
  FloorCountingTransport transport;
  const double cpuBefore = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const bool ok = run();
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = CpuSeconds() - cpuBefore;
  const double floor = static_cast<double>(transport.floorMs) / 1000.0;
  std::printf(
      "%-20s %4d commands  elapsed %7.3f s  floor %7.3f s  (+%.1f %%)  cpu %.3f s (%.2f %%)%s\n",
      name, transport.commands, elapsed, floor, 100.0 * (elapsed - floor) / floor, cpu,
      100.0 * cpu / elapsed, ok ? "" : "  FAILED");
  return ok;
}

}  // namespace

int main() {
  std::string sideA;
  std::string sideB;
  const pid_t child = StartSimulatorChild(sideA, sideB);
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
