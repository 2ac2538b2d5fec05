#pragma once

#include <optional>
#include <string>
#include <vector>

namespace simulator {

// How the simulated module behaves; each misbehaviour can be switched on alone.
struct SimOptions {
  bool silent = false;      // never answer
  bool wrongEntry = false;  // answer list frames for the next entry
  int pieceGapMs = 0;       // > 0: send each answer in three pieces this far apart
  int stopAfter = -1;       // >= 0: answer only this many frames
  int onlySpeed = 0;        // 9600 or 19200: answer only at this PC speed
  int release = 5;          // module release in the version answer
  bool lowerCase = false;   // text answers in lower case
  bool oneCable = false;    // one PC-side line, plugged into either module port
};

// The options of pelvaron-sim; nullopt and an explanation for a bad argument.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kSimUsage;

}  // namespace simulator
