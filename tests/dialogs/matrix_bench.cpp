// matrix-bench: times the repaints of the matrix grid (query filter with the status
// tint, and status register) headless: a full repaint with and without the axis
// labels, one click and one move of the rubber band, each until its pixels are on
// the (offscreen) screen. Prints the median and the slowest of each.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/frm_filter.h"
#include "dialogs/frm_status.h"
#include "platform/ui/testing/ui_harness.h"
#include "project/records.h"

namespace {

namespace testing_ui = platform::ui::testing;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 200;

void FillProject() {
  SetNewProjectValues();
  for (std::size_t r = 0; r < CmdRecords.size(); ++r) {
    CmdRecords[r].RxCom1Info.Set("Empfang Befehl " + std::to_string(r + 1));
    CmdRecords[r].TxCom1Info.Set("Melder " + std::to_string(r + 1));
    for (std::size_t c = 0; c < kMatrixColumns; ++c) {
      CmdRecords[r].Filter1Matrix[c] = (r + c) % 2;
    }
  }
}

void Measure(const char* name, const std::function<void(int)>& run) {
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    const Clock::time_point start = Clock::now();
    run(i);
    testing_ui::ProcessEvents();  // the repaint reaches the screen
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("  %-34s median %7.3f ms   slowest %7.3f ms\n", name, ms[ms.size() / 2], ms.back());
}

void Bench(const char* title, MatrixEditor& window) {
  std::printf("%s\n", title);
  window.Show();
  testing_ui::ProcessEvents();
  Measure("RedrawAll with axis labels", [&](int) { window.RedrawAll(false); });
  Measure("RedrawAll without labels", [&](int) { window.RedrawAll(true); });
  Measure("click repaint", [&](int i) {
    const int x = 20 * (i % 32) + 10;
    const int y = 15 * (i / 7 % 32) + 7;
    testing_ui::MousePress(window.picStatus, 1, x, y);
    testing_ui::MouseRelease(window.picStatus, 1, x, y);
  });
  testing_ui::MousePress(window.picStatus, 1, 15, 12);
  Measure("rubber-band move", [&](int i) {
    testing_ui::MouseMoveTo(window.picStatus, 1, 200 + (i % 50) * 8, 150 + (i % 40) * 7);
  });
  testing_ui::MouseRelease(window.picStatus, 1, 15, 12);  // back in the press cell: a click
}

}  // namespace

int main() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  char folder[] = "/tmp/matrix-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  setenv("XDG_CONFIG_HOME", folder, 1);  // the window stores its boxes there
  testing_ui::UiHarness ui;
  FillProject();
  {
    frmFilter filter;
    Bench("frmFilter (status tint on)", filter);
    filter.Unload();
    frmStatus status;
    Bench("frmStatus", status);
    status.Unload();
  }
  std::system((std::string("rm -rf ") + folder).c_str());
  return 0;
}
