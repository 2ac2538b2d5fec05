#pragma once

#include <optional>
#include <string>

namespace simulator {

struct Frame {
  enum class Kind {
    Version,
    Info,
    SetBaud,
    SetHandshake,
    SetParity,
    SetStamp,
    Store,
    StoreFlags,
    Query
  };
  Kind kind = Kind::Version;
  char list = 0;     // list-entry frames
  int index = 0;     // list-entry frames: the raw index byte
  std::string data;  // the value of a settings frame, the stamp, or the entry's bytes
};

// Collects the bytes of one port into frames. Bytes that cannot begin or
// continue a frame are dropped so that the next "_:" is found again.
class FrameParser {
 public:
  std::optional<Frame> Feed(char byte);
  void Reset() { pending_.clear(); }
  bool HasPartialFrame() const { return !pending_.empty(); }

 private:
  enum class Status { Incomplete, Invalid, Complete };
  Status Parse(Frame& frame) const;
  std::string pending_;
};

}  // namespace simulator
