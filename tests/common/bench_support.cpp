#include "tests/common/bench_support.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

#include "seriallink/rs232.h"
#include "simulator/module_simulator.h"

pid_t StartSimulatorChild(std::string& sideA, std::string& sideB, simulator::SimOptions options) {
  int ends[2];
  if (pipe(ends) != 0) {
    return -1;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    simulator::ModuleSimulator module(options);
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
  if (child < 0 || newline == std::string::npos) {
    return -1;
  }
  sideA = paths.substr(0, newline);
  sideB = paths.substr(newline + 1, paths.find('\n', newline + 1) - newline - 1);
  return child;
}

std::string FloorCountingTransport::Send(const std::string& sPortItem, const std::string& sSpeed,
                                         const std::string& sCommand, std::int16_t iPollCount,
                                         std::int32_t lWaitMs) {
  ++commands;
  floorMs += lWaitMs + 50 + 50;
  return SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
