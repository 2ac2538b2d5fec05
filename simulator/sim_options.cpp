#include "simulator/sim_options.h"

#include <charconv>

namespace simulator {
namespace {

std::optional<int> Number(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

const char* const kSimUsage =
    "usage: pelvaron-sim [options]\n"
    "  --silent            never answer\n"
    "  --wrong-entry       answer list frames for another entry\n"
    "  --pieces=MS         send each answer in three pieces MS milliseconds apart\n"
    "  --stop-after=N      stop answering after N frames\n"
    "  --only-speed=BAUD   answer only at PC speed 9600 or 19200\n"
    "  --release=R         report module release R (4 or 5; default 5)\n"
    "  --lower-case        text answers in lower case\n"
    "  --one-cable         one PC-side line, on module COM1 first; Enter or SIGUSR1\n"
    "                      moves it to the other module port\n";

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  SimOptions options;
  for (const std::string& arg : args) {
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const bool plain = equals == std::string::npos;
    // -1 for a missing or malformed value; no option takes a negative one.
    const int value = plain ? -1 : Number(arg.substr(equals + 1)).value_or(-1);
    if (name == "--silent" && plain) {
      options.silent = true;
    } else if (name == "--wrong-entry" && plain) {
      options.wrongEntry = true;
    } else if (name == "--lower-case" && plain) {
      options.lowerCase = true;
    } else if (name == "--one-cable" && plain) {
      options.oneCable = true;
    } else if (name == "--pieces" && value > 0) {
      options.pieceGapMs = value;
    } else if (name == "--stop-after" && value >= 0) {
      options.stopAfter = value;
    } else if (name == "--only-speed" && (value == 9600 || value == 19200)) {
      options.onlySpeed = value;
    } else if (name == "--release" && value >= 0 && value <= 9) {
      options.release = value;
    } else {
      error = "pelvaron-sim: bad argument '" + arg + "'\n" + kSimUsage;
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace simulator
