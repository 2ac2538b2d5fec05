#pragma once

#include <array>
#include <string>
#include <thread>

#include "simulator/module_core.h"
#include "simulator/pty_port.h"

namespace simulator {

// A module on two pseudo-terminals: side 0 is module COM1 (side A), side 1 is
// module COM2 (side B). Each side is served by its own thread.
class ModuleSimulator {
 public:
  explicit ModuleSimulator(SimOptions options = {});
  ~ModuleSimulator();
  ModuleSimulator(const ModuleSimulator&) = delete;
  ModuleSimulator& operator=(const ModuleSimulator&) = delete;

  // False when the pseudo-terminals cannot be made.
  bool Start();
  const std::string& DevicePath(int side) const;
  ModuleCore& Core() { return core_; }
  // Ends serving and removes both lines, as if the module were unplugged.
  void Stop();

 private:
  void Serve(int side);
  void SendAnswer(int side, const std::string& answer);
  void WriteAll(int fd, std::string_view bytes);
  // Waits up to the given time; true when Stop was called.
  bool WaitForStop(int milliseconds) const;

  ModuleCore core_;
  std::array<PtyPort, 2> ports_;
  int stopRead_ = -1;
  int stopWrite_ = -1;
  std::array<std::thread, 2> threads_;
};

}  // namespace simulator
