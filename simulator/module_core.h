#pragma once

#include <array>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/frame_parser.h"
#include "simulator/module_state.h"
#include "simulator/sim_options.h"

namespace simulator {

// The module without its wires: takes the bytes that arrive on one of its two
// ports and gives the answers. Safe to share between the threads of both ports.
class ModuleCore {
 public:
  explicit ModuleCore(SimOptions options = {});

  // side 0 = module COM1 (side A), 1 = module COM2 (side B); pcSpeed is the line
  // speed the bytes came at. One answer per completed frame that is answered.
  std::vector<std::string> Receive(int side, int pcSpeed, std::string_view bytes);

  // Drops a frame begun but never finished (the line fell quiet).
  void DropPartialFrame(int side);

  ModuleState State() const;
  void SetState(const ModuleState& state);
  // Frames completed on either port, answered or not.
  int FramesReceived() const;
  const SimOptions& Options() const { return options_; }

 private:
  std::string Answer(int side, const Frame& frame);
  std::string ListAnswer(int side, const Frame& frame);
  std::string InfoAnswer(int side) const;
  std::string Text(std::string text) const;

  const SimOptions options_;
  mutable std::mutex mutex_;
  std::array<FrameParser, 2> parsers_;
  ModuleState state_ = FactoryState();
  int framesReceived_ = 0;
  int framesAnswered_ = 0;
};

}  // namespace simulator
