#pragma once

#include <cstddef>
#include <string>

namespace simulator {

// One end of a simulated serial line: a pseudo-terminal whose device path a
// program opens like a serial port. We keep a descriptor of that device open
// ourselves, so the line does not hang up (and reading does not fail) each time
// the program closes it between commands.
class PtyPort {
 public:
  PtyPort();
  ~PtyPort();
  PtyPort(const PtyPort&) = delete;
  PtyPort& operator=(const PtyPort&) = delete;

  bool IsOpen() const { return master_ >= 0; }
  int Master() const { return master_; }
  const std::string& DevicePath() const { return devicePath_; }
  // The speed the program set on its side, in baud (0 when unknown).
  int PcSpeed() const;
  // The bytes sent to the program that it has not read yet.
  std::size_t BytesUnread() const;
  void Close();

 private:
  int master_ = -1;
  int keptDevice_ = -1;
  std::string devicePath_;
};

}  // namespace simulator
