#pragma once

#include <cstddef>
#include <string>
#include <vector>

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
  // The frames that this byte completes, in order: usually none or one, more when
  // a frame that turned out broken held whole frames behind its start.
  std::vector<Frame> Feed(char byte);
  void Reset() { pending_.clear(); }
  bool HasPartialFrame() const { return !pending_.empty(); }

 private:
  enum class Status { Incomplete, Invalid, Complete };
  // On Complete, size is the frame's length in bytes.
  Status Parse(Frame& frame, std::size_t& size) const;
  std::string pending_;
};

}  // namespace simulator
