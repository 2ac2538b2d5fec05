#include "simulator/frame_parser.h"

namespace simulator {
namespace {

constexpr char kCr = '\r';
constexpr std::size_t kStampDigits = 14;

}  // namespace

std::vector<Frame> FrameParser::Feed(char byte) {
  pending_ += byte;
  std::vector<Frame> frames;
  while (!pending_.empty()) {
    Frame frame;
    std::size_t size = 0;
    switch (Parse(frame, size)) {
      case Status::Incomplete:
        return frames;
      case Status::Complete:
        frames.push_back(std::move(frame));
        pending_.erase(0, size);
        break;
      case Status::Invalid:
        pending_.erase(0, 1);
        break;
    }
  }
  return frames;
}

FrameParser::Status FrameParser::Parse(Frame& frame, std::size_t& frameSize) const {
  const std::string& p = pending_;
  const std::size_t size = p.size();
  if (p[0] != '_' || (size > 1 && p[1] != ':')) {
    return Status::Invalid;
  }
  if (size < 3) {
    return Status::Incomplete;
  }
  // A frame of fixed size that is complete once `total` bytes are in and whose
  // last byte is a CR.
  const auto fixed = [&](std::size_t total, Frame::Kind kind, std::size_t from, std::size_t count) {
    if (size < total) {
      return Status::Incomplete;
    }
    if (p[total - 1] != kCr) {
      return Status::Invalid;
    }
    frame.kind = kind;
    frame.data = p.substr(from, count);
    frameSize = total;
    return Status::Complete;
  };
  if (p[2] == 'V' || p[2] == 'I') {
    return fixed(4, p[2] == 'V' ? Frame::Kind::Version : Frame::Kind::Info, 0, 0);
  }
  if (p[2] != 'P') {
    return Status::Invalid;
  }
  if (size < 4) {
    return Status::Incomplete;
  }
  switch (p[3]) {
    case 'B':
      return fixed(6, Frame::Kind::SetBaud, 4, 1);
    case 'H':
      return fixed(6, Frame::Kind::SetHandshake, 4, 1);
    case 'P':
      return fixed(6, Frame::Kind::SetParity, 4, 1);
    case 'T':
      if (size >= 5 && p[4] != kCr) {
        return Status::Invalid;
      }
      return fixed(6 + kStampDigits, Frame::Kind::SetStamp, 5, kStampDigits);
    case 'L':
      break;
    default:
      return Status::Invalid;
  }
  if (size < 7) {
    return Status::Incomplete;
  }
  frame.list = p[4];
  frame.index = static_cast<unsigned char>(p[5]);
  if (p[6] == 'Q') {
    frame.kind = Frame::Kind::Query;
    frameSize = 7;
    return Status::Complete;
  }
  if (p[6] != 'S' && p[6] != 'E') {
    return Status::Invalid;
  }
  if (size < 8) {
    return Status::Incomplete;
  }
  const std::size_t count = static_cast<unsigned char>(p[7]) + 1u;
  if (size < 8 + count) {
    return Status::Incomplete;
  }
  frame.kind = p[6] == 'S' ? Frame::Kind::Store : Frame::Kind::StoreFlags;
  frame.data = p.substr(8, count);
  frameSize = 8 + count;
  return Status::Complete;
}

}  // namespace simulator
