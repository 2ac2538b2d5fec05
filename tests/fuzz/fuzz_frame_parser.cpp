// The simulated module's frame parser against any byte stream, checked against a
// plain reading of the frame table: from the first byte on, a frame that stands
// whole is taken, a byte that begins none is dropped, and what is left at the end
// is a frame begun. Every frame found must be exactly the bytes it came from.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/frame_parser.h"
#include "simulator/module_core.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using simulator::Frame;
using Kind = Frame::Kind;

// The frames as byte patterns: '?' any byte, '#' a length byte n followed by n + 1
// data bytes; anything else stands for itself.
constexpr std::string_view kPatterns[] = {
    "_:V\r",   "_:I\r",    "_:PB?\r",  "_:PH?\r", "_:PP?\r", "_:PT\r??????????????\r",
    "_:PL??Q", "_:PL??S#", "_:PL??E#",
};

enum class Match { Whole, Begun, No };

Match MatchAt(std::string_view bytes, std::string_view pattern, std::size_t& length) {
  std::size_t at = 0;
  for (const char want : pattern) {
    if (at == bytes.size()) {
      return Match::Begun;
    }
    if (want == '#') {
      length = at + 1 + static_cast<unsigned char>(bytes[at]) + 1;
      return length <= bytes.size() ? Match::Whole : Match::Begun;
    }
    if (want != '?' && want != bytes[at]) {
      return Match::No;
    }
    ++at;
  }
  length = at;
  return Match::Whole;
}

struct Expected {
  std::vector<std::string_view> frames;
  bool begun = false;
};

Expected ReadPlainly(std::string_view bytes) {
  Expected expected;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::string_view rest = bytes.substr(start);
    bool begun = false;
    std::size_t length = 0;
    for (const std::string_view pattern : kPatterns) {
      const Match match = MatchAt(rest, pattern, length);
      if (match == Match::Whole) {
        break;
      }
      begun = begun || match == Match::Begun;
      length = 0;
    }
    if (length > 0) {
      expected.frames.push_back(rest.substr(0, length));
      start += length;
    } else if (begun) {
      expected.begun = true;
      break;
    } else {
      ++start;
    }
  }
  return expected;
}

std::string Encode(const Frame& frame) {
  const std::string entry = std::string("_:PL") + frame.list + static_cast<char>(frame.index);
  const auto stored = [&](char operation) {
    return entry + operation + static_cast<char>(frame.data.size() - 1) + frame.data;
  };
  switch (frame.kind) {
    case Kind::Version:
      return "_:V\r";
    case Kind::Info:
      return "_:I\r";
    case Kind::SetBaud:
      return "_:PB" + frame.data + "\r";
    case Kind::SetHandshake:
      return "_:PH" + frame.data + "\r";
    case Kind::SetParity:
      return "_:PP" + frame.data + "\r";
    case Kind::SetStamp:
      return "_:PT\r" + frame.data + "\r";
    case Kind::Query:
      return entry + "Q";
    case Kind::Store:
      return stored('S');
    case Kind::StoreFlags:
      return stored('E');
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = Bytes(data, size);
  simulator::FrameParser parser;
  std::vector<Frame> frames;
  for (const char byte : bytes) {
    for (Frame& frame : parser.Feed(byte)) {
      frames.push_back(std::move(frame));
    }
  }
  const Expected expected = ReadPlainly(bytes);
  Require(frames.size() == expected.frames.size(), "every whole frame is found, and no other");
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Require(Encode(frames[i]) == expected.frames[i], "a frame is exactly the bytes it came from");
  }
  Require(parser.HasPartialFrame() == expected.begun, "only a frame begun is kept");

  // The module behind the parser answers at most one answer a frame.
  simulator::ModuleCore core;
  const std::size_t answers = core.Receive(0, 9600, bytes).size();
  Require(static_cast<std::size_t>(core.FramesReceived()) == frames.size(),
          "the module receives the frames the parser finds");
  Require(answers <= frames.size(), "at most one answer a frame");
  return 0;
}
