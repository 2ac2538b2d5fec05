#include "simulator/module_core.h"

#include <algorithm>
#include <cctype>

namespace simulator {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBaudCodes = "49135";

std::string BaudText(int code) {
  switch (code) {
    case 4:
      return "4800";
    case 1:
      return "19200";
    case 3:
      return "38400";
    case 5:
      return "57600";
    default:
      return "9600";
  }
}

std::string ParityText(char letter) {
  switch (letter) {
    case 'O':
      return "Odd";
    case 'E':
      return "Even";
    case 'M':
      return "Mark";
    case 'S':
      return "Space";
    default:
      return "None";
  }
}

std::string Byte(int value) {
  return std::string(1, static_cast<char>(value));
}

}  // namespace

ModuleCore::ModuleCore(SimOptions options) : options_(options) {}

std::vector<std::string> ModuleCore::Receive(int side, int pcSpeed, std::string_view bytes) {
  std::lock_guard lock(mutex_);
  std::vector<std::string> answers;
  for (const char byte : bytes) {
    for (const Frame& frame : parsers_[static_cast<std::size_t>(side)].Feed(byte)) {
      ++framesReceived_;
      if (options_.silent || (options_.onlySpeed != 0 && pcSpeed != options_.onlySpeed) ||
          (options_.stopAfter >= 0 && framesAnswered_ >= options_.stopAfter)) {
        continue;
      }
      std::string answer = Answer(side, frame);
      if (!answer.empty()) {
        ++framesAnswered_;
        answers.push_back(std::move(answer));
      }
    }
  }
  return answers;
}

void ModuleCore::DropPartialFrame(int side) {
  std::lock_guard lock(mutex_);
  parsers_[static_cast<std::size_t>(side)].Reset();
}

ModuleState ModuleCore::State() const {
  std::lock_guard lock(mutex_);
  return state_;
}

void ModuleCore::SetState(const ModuleState& state) {
  std::lock_guard lock(mutex_);
  state_ = state;
}

int ModuleCore::FramesReceived() const {
  std::lock_guard lock(mutex_);
  return framesReceived_;
}

std::string ModuleCore::Text(std::string text) const {
  if (options_.lowerCase) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  }
  return text;
}

std::string ModuleCore::InfoAnswer(int side) const {
  const ModulePortSettings& port = state_.ports[static_cast<std::size_t>(side)];
  std::string info = "Baud " + BaudText(port.baudCode) + std::string(kLineEnd);
  info += std::string("Handshake ") + (port.handshake == 1 ? "On" : "Off") + std::string(kLineEnd);
  info += "Parity " + ParityText(port.parity) + std::string(kLineEnd);
  info += "Date " + port.stamp + std::string(kLineEnd);
  return Text(info);
}

std::string ModuleCore::Answer(int side, const Frame& frame) {
  ModulePortSettings& port = state_.ports[static_cast<std::size_t>(side)];
  const std::string ok = Text("OK") + std::string(kLineEnd);
  const char value = frame.data.empty() ? '\0' : frame.data[0];
  switch (frame.kind) {
    case Frame::Kind::Version:
      return Text(std::string("Pelvaron-") + (side == 0 ? 'A' : 'B') +
                  std::to_string(options_.release)) +
             std::string(kLineEnd);
    case Frame::Kind::Info:
      return InfoAnswer(side);
    case Frame::Kind::SetBaud:
      if (kBaudCodes.find(value) == std::string_view::npos) {
        return {};
      }
      port.baudCode = value - '0';
      return ok;
    case Frame::Kind::SetHandshake:
      if (value != '0' && value != '1') {
        return {};
      }
      port.handshake = value - '0';
      return ok;
    case Frame::Kind::SetParity:
      if (std::string_view("NOEMS").find(value) == std::string_view::npos) {
        return {};
      }
      port.parity = value;
      return ok;
    case Frame::Kind::SetStamp:
      if (!std::all_of(frame.data.begin(), frame.data.end(),
                       [](unsigned char c) { return std::isdigit(c); })) {
        return {};
      }
      port.stamp = frame.data;
      return Text("Date ") + port.stamp + std::string(kLineEnd);
    default:
      return ListAnswer(side, frame);
  }
}

std::string ModuleCore::ListAnswer(int side, const Frame& frame) {
  const int list = ListNumber(frame.list);
  if (!SideHoldsList(side, list) || frame.index >= kEntries) {
    return {};
  }
  const auto index = static_cast<std::size_t>(frame.index);
  std::string& entry = state_.entries[static_cast<std::size_t>(list)][index];
  std::string* flags = list == 0   ? &state_.flagsA[index]
                       : list == 2 ? &state_.flagsC[index]
                                   : nullptr;
  const int answeredIndex = options_.wrongEntry ? (frame.index + 1) % kEntries : frame.index;
  const std::string lengthByte = Byte(static_cast<int>(frame.data.size()) - 1);
  switch (frame.kind) {
    case Frame::Kind::Store:
      entry = frame.data;
      return std::string(1, frame.list) + "S" + Byte(answeredIndex) + lengthByte + entry;
    case Frame::Kind::StoreFlags:
      if (flags == nullptr || frame.data.size() != flags->size()) {
        return {};
      }
      *flags = frame.data;
      return std::string(kLineEnd) + Byte(answeredIndex) + lengthByte + frame.data;
    default:
      return std::string(kLineEnd) + Byte(answeredIndex) +
             Byte(static_cast<int>(entry.size()) - 1) + entry + "FL" +
             Byte(flags == nullptr ? 0 : static_cast<int>(flags->size())) +
             (flags == nullptr ? std::string() : *flags);
  }
}

}  // namespace simulator
