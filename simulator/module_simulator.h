#pragma once

#include <array>
#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "simulator/module_core.h"
#include "simulator/pty_port.h"

namespace simulator {

// A module on two pseudo-terminals: side 0 is module COM1 (side A), side 1 is
// module COM2 (side B). Each side is served by its own thread. With the option
// oneCable there is one line only, DevicePath(0), plugged into module COM1 at
// first; MoveCable plugs it into the other port.
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
  void MoveCable();
  // The module side the one cable is plugged into.
  int CableSide() const { return cableSide_; }
  // Ends serving and removes both lines, as if the module were unplugged.
  void Stop();
  // With pieceGapMs, the pieces of the answers wait for ReleasePiece instead of the
  // clock, so that a test paces them by the program's own pauses.
  void HoldPieces() { holdPieces_ = true; }
  // Sends the next held piece of a line whose earlier bytes the program has all read;
  // true when one went out, and then it waits at the program's side to be read.
  bool ReleasePiece();

 private:
  // line: the pseudo-terminal served.
  void Serve(int line);
  void SendAnswer(int line, const std::string& answer);
  void SendPiecesOnClock(int master, std::string_view answer, std::size_t pieceSize);
  void WriteAll(int fd, std::string_view bytes);
  // Waits up to the given time; true when Stop was called.
  bool WaitForStop(int milliseconds) const;

  ModuleCore core_;
  std::array<PtyPort, 2> ports_;
  int stopRead_ = -1;
  int stopWrite_ = -1;
  std::array<std::thread, 2> threads_;
  std::atomic<int> cableSide_ = 0;
  std::atomic<bool> holdPieces_ = false;
  std::mutex heldMutex_;
  std::array<std::deque<std::string>, 2> held_;  // by line
};

}  // namespace simulator
