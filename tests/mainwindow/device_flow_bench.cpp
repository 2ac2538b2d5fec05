// device-flow-bench: a side-A transfer, a side-B transfer and a side-A read-back through
// the main window's own buttons, against the simulator in a child process. For each it
// prints the elapsed time against the floor (the waits and poll periods of the commands
// sent, and the pauses of the port list's rebuild), the CPU time and the longest gap
// between two handled window events.
#include <sys/wait.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mainwindow/frm_wizard.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/program_state.h"
#include "tests/common/bench_support.h"
#include "tests/common/temp_folder.h"
#include "tests/mainwindow/sample_project.h"
#include "texts/text_table.h"

namespace testing_ui = platform::ui::testing;

namespace {

// Six probes of the PC ports, each followed by a 150 ms pause.
constexpr long kPortListPausesMs = 6 * 150;
constexpr int kTickMs = 10;

struct Figures {
  int commands = 0;
  double elapsed = 0;
  double floor = 0;
  double cpu = 0;
  long longestGapMs = 0;
};

// Runs one click and measures it; the flow's last box must be the expected one.
template <typename Click>
bool Measure(const char* name, testing_ui::UiHarness& ui, const std::string& expectedBox,
             Click click) {
  ui.ClearRecords();
  FloorCountingTransport transport;
  QElapsedTimer sinceTick;
  long longestGap = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout,
                   [&] { longestGap = std::max<long>(longestGap, sinceTick.restart()); });
  ticker.start(kTickMs);
  sinceTick.start();
  const double cpuBefore = CpuSeconds();
  QElapsedTimer clock;
  clock.start();
  click();
  Figures f;
  f.elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
  f.cpu = CpuSeconds() - cpuBefore;
  longestGap = std::max<long>(longestGap, sinceTick.elapsed());
  ticker.stop();
  f.commands = transport.commands;
  f.floor = static_cast<double>(transport.floorMs + kPortListPausesMs) / 1000.0;
  f.longestGapMs = longestGap;
  const bool ok = !ui.MessageBoxes().empty() && ui.MessageBoxes().back().text == expectedBox;
  std::printf(
      "%-17s %3d commands  elapsed %6.3f s  floor %6.3f s (commands %6.3f s) +%.1f %%  "
      "cpu %.3f s (%.2f %%)  longest gap %ld ms%s\n",
      name, f.commands, f.elapsed, f.floor, f.floor - kPortListPausesMs / 1000.0,
      100.0 * (f.elapsed - f.floor) / f.floor, f.cpu, 100.0 * f.cpu / f.elapsed, f.longestGapMs,
      ok ? "" : "  FAILED");
  return ok;
}

void PlugIn(const std::string& pcCom1) {
  setenv("PELVARON_COM1", pcCom1.c_str(), 1);
}

}  // namespace

int main() {
  // The module's process is made before any thread of this one.
  std::string sideA;
  std::string sideB;
  const pid_t child = StartSimulatorChild(sideA, sideB);
  if (child <= 0) {
    std::fputs("device-flow-bench: cannot start the simulator\n", stderr);
    return 1;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  TempFolder config;
  TempFolder program;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  platform::SetProgramFolder(program.path());
  for (int n = 2; n <= 6; ++n) {
    setenv(("PELVARON_COM" + std::to_string(n)).c_str(), program.File("none").c_str(), 1);
  }

  testing_ui::UiHarness ui;
  InfoShown = true;
  frmWizard w;
  w.Load();
  ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);  // the New question
  w.cmdNew.PerformClick();
  FillProject();
  for (int page = 1; page <= 4; ++page) {
    w.cmdNavi[1].PerformClick();
  }

  PlugIn(sideA);
  bool ok = Measure("side-A transfer", ui, LangText[578],
                    [&] { testing_ui::ClickControl(w.CmdTransmit); });
  PlugIn(sideB);
  ok = Measure("side-B transfer", ui, LangText[578],
               [&] { testing_ui::ClickControl(w.CmdTransmit); }) &&
       ok;
  w.cmdNavi[1].PerformClick();  // from the last page to page 1
  PlugIn(sideA);
  ok = Measure("side-A read-back", ui, LangText[547],
               [&] { testing_ui::ClickControl(w.cmdSearchCom); }) &&
       ok;

  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return ok ? 0 : 1;
}
