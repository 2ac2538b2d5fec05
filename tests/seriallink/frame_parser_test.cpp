// The simulated module's reading of the bytes that arrive on one of its ports.
#include "simulator/frame_parser.h"

#include <gtest/gtest.h>

#include "simulator/module_core.h"

#include <string>
#include <vector>

namespace {

using simulator::Frame;
using simulator::FrameParser;
using Kind = Frame::Kind;

std::vector<Frame> FeedAll(FrameParser& parser, const std::string& bytes) {
  std::vector<Frame> frames;
  for (const char byte : bytes) {
    for (Frame& frame : parser.Feed(byte)) {
      frames.push_back(std::move(frame));
    }
  }
  return frames;
}

std::vector<Kind> Kinds(const std::vector<Frame>& frames) {
  std::vector<Kind> kinds;
  for (const Frame& frame : frames) {
    kinds.push_back(frame.kind);
  }
  return kinds;
}

TEST(FrameParser, FramesBehindABrokenFrameAreAllFound) {
  const struct {
    std::string bytes;
    std::vector<Kind> kinds;
    bool partialLeft;
  } cases[] = {
      {"_:V\r_:I\r", {Kind::Version, Kind::Info}, false},
      {"xx_:V\ry_:_:I\r:", {Kind::Version, Kind::Info}, false},
      // A stamp frame whose closing CR is missing holds the frames behind its start.
      {"_:PT\r_:V\r_:I\rxxxxxxy", {Kind::Version, Kind::Info}, false},
      {"_:PT\r_:V\r_:PB9\r_:PLA", {Kind::Version, Kind::SetBaud}, true},
      {"_:PB9x_:PLA\x01Q", {Kind::Query}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    FrameParser parser;
    EXPECT_EQ(Kinds(FeedAll(parser, c.bytes)), c.kinds);
    EXPECT_EQ(parser.HasPartialFrame(), c.partialLeft);
  }
}

TEST(FrameParser, PartialFrameLeftByARescanIsFinishedByLaterBytes) {
  FrameParser parser;
  ASSERT_EQ(FeedAll(parser, "_:PT\r_:V\r_:PB9\r_:PLA").size(), 2u);
  const std::vector<Frame> frames = FeedAll(parser, "\x02S\x01hi_:V\r");
  ASSERT_EQ(Kinds(frames), (std::vector<Kind>{Kind::Store, Kind::Version}));
  EXPECT_EQ(frames[0].list, 'A');
  EXPECT_EQ(frames[0].index, 2);
  EXPECT_EQ(frames[0].data, "hi");
}

TEST(FrameParser, ModuleAnswersEveryFrameThatARescanFinds) {
  simulator::ModuleCore core;
  const std::vector<std::string> answers = core.Receive(0, 9600, "_:PT\r_:V\r_:I\rxxxxxxy");
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0], "Pelvaron-A5\r\n");
  EXPECT_TRUE(answers[1].starts_with("Baud 9600\r\n")) << answers[1];
}

}  // namespace
