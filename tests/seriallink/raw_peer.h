#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "simulator/pty_port.h"

// The far end of a line that does whatever a test tells it once the first
// bytes arrive: the bytes received are passed to `reply`, which writes to the
// line (or closes it) through the given descriptor.
class RawPeer {
 public:
  using Reply = std::function<void(simulator::PtyPort& line, const std::string& received)>;
  explicit RawPeer(Reply reply);
  ~RawPeer();
  const std::string& DevicePath() const { return devicePath_; }

 private:
  simulator::PtyPort line_;
  std::string devicePath_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

void WriteBytes(int fd, const std::string& bytes);
