// pelvaron-sim: a Pelvaron module on two pseudo-terminals, until killed. With
// --one-cable: one line, moved between the module ports by Enter or SIGUSR1.
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "simulator/module_simulator.h"

namespace {

void PrintCable(const simulator::ModuleSimulator& module) {
  std::printf("Cable on module %s\n", module.CableSide() == 0 ? "COM1 (side A)" : "COM2 (side B)");
  std::fflush(stdout);
}

// Serves until a signal to end arrives; in one-cable mode every line read from
// standard input and every SIGUSR1 moves the cable.
void WaitForEnd(simulator::ModuleSimulator& module, const sigset_t& signals, bool oneCable) {
  const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
  bool readInput = oneCable;
  for (;;) {
    pollfd fds[2] = {{signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    if (poll(fds, readInput ? 2 : 1, -1) < 0) {
      continue;
    }
    if (fds[0].revents != 0) {
      signalfd_siginfo info{};
      if (read(signalFd, &info, sizeof info) != sizeof info || info.ssi_signo != SIGUSR1) {
        break;
      }
      if (oneCable) {
        module.MoveCable();
        PrintCable(module);
      }
    }
    if (readInput && fds[1].revents != 0) {
      char buffer[256];
      const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
      readInput = n > 0;  // standard input closed: only signals from now on
      for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] == '\n') {
          module.MoveCable();
          PrintCable(module);
        }
      }
    }
  }
  close(signalFd);
}

}  // namespace

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
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) {
    sigaddset(&signals, signal);
  }
  // Blocked before the serving threads start, so that they inherit the mask.
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  simulator::ModuleSimulator module(*options);
  if (!module.Start()) {
    std::perror("pelvaron-sim: cannot make pseudo-terminals");
    return 1;
  }
  if (options->oneCable) {
    std::printf("PC cable: %s\n", module.DevicePath(0).c_str());
    PrintCable(module);
    std::printf("Enter (or SIGUSR1 to process %d) moves the cable.\n", static_cast<int>(getpid()));
  } else {
    std::printf("A (module COM1): %s\nB (module COM2): %s\n", module.DevicePath(0).c_str(),
                module.DevicePath(1).c_str());
  }
  std::fflush(stdout);
  WaitForEnd(module, signals, options->oneCable);
  module.Stop();
  return 0;
}
