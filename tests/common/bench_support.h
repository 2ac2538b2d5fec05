#pragma once

#include <sys/types.h>

#include <string>

#include "simulator/sim_options.h"
#include "tests/common/installed_transport.h"

// Helpers of the benchmarks that time module commands against the protocol's floor.

// Runs a simulated module in a child process, so that its threads and CPU time stay
// apart from the measured process. Returns the child's id (-1 on failure) and the
// device paths of module side A and side B. End it with SIGTERM.
pid_t StartSimulatorChild(std::string& sideA, std::string& sideB,
                          simulator::SimOptions options = {});

// Passes every command on to the serial ports and adds up the protocol's floor: an
// answered command costs its wait, one 50 ms poll period and one 50 ms quiet period.
// Installed for its lifetime.
class FloorCountingTransport : public InstalledTransport {
 public:
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override;
  int commands = 0;
  long floorMs = 0;
};

// User and system CPU time of this process so far.
double CpuSeconds();
