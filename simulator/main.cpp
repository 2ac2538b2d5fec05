// pelvaron-sim: a Pelvaron module on two pseudo-terminals, until killed.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "simulator/module_simulator.h"

int main(int argc, char** argv) {
  std::string error;
  const std::optional<simulator::SimOptions> options =
      simulator::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fputs(error.c_str(), stderr);
    return 2;
  }
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  // Blocked before the serving threads start, so that they inherit the mask.
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  simulator::ModuleSimulator module(*options);
  if (!module.Start()) {
    std::perror("pelvaron-sim: cannot make pseudo-terminals");
    return 1;
  }
  std::printf("A (module COM1): %s\nB (module COM2): %s\n", module.DevicePath(0).c_str(),
              module.DevicePath(1).c_str());
  std::fflush(stdout);
  int received = 0;
  sigwait(&signals, &received);
  module.Stop();
  return 0;
}
