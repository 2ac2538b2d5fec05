#include "simulator/module_simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace simulator {
namespace {

// A frame begun but not finished within this time is dropped.
constexpr int kFrameIdleMs = 200;
// Pause after the line reported an error, so that a vanished program does not
// turn the loop into a busy one.
constexpr int kErrorPauseMs = 10;
constexpr std::size_t kPieces = 3;
// How long a released piece may take to reach the program's side, in 1 ms polls.
constexpr int kDeliveryPolls = 5000;

}  // namespace

ModuleSimulator::ModuleSimulator(SimOptions options) : core_(options) {}

ModuleSimulator::~ModuleSimulator() {
  Stop();
  if (stopRead_ >= 0) {
    close(stopRead_);
    close(stopWrite_);
  }
}

bool ModuleSimulator::Start() {
  int pipeEnds[2];
  if (!ports_[0].IsOpen() || !ports_[1].IsOpen() || pipe2(pipeEnds, O_CLOEXEC) != 0) {
    return false;
  }
  stopRead_ = pipeEnds[0];
  stopWrite_ = pipeEnds[1];
  const int lines = core_.Options().oneCable ? 1 : 2;
  if (lines == 1) {
    ports_[1].Close();
  }
  for (int line = 0; line < lines; ++line) {
    const int master = ports_[static_cast<std::size_t>(line)].Master();
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    threads_[static_cast<std::size_t>(line)] = std::thread([this, line] { Serve(line); });
  }
  return true;
}

const std::string& ModuleSimulator::DevicePath(int side) const {
  return ports_[static_cast<std::size_t>(side)].DevicePath();
}

void ModuleSimulator::Stop() {
  if (stopWrite_ >= 0) {
    const char wake = 1;
    [[maybe_unused]] const ssize_t n = write(stopWrite_, &wake, 1);
  }
  for (std::thread& thread : threads_) {
    if (thread.joinable()) {
      thread.join();
    }
  }
  for (PtyPort& port : ports_) {
    port.Close();
  }
}

void ModuleSimulator::MoveCable() {
  const int from = cableSide_;
  cableSide_ = 1 - from;
  core_.DropPartialFrame(from);
}

bool ModuleSimulator::WaitForStop(int milliseconds) const {
  pollfd stop{stopRead_, POLLIN, 0};
  return poll(&stop, 1, milliseconds) > 0;
}

void ModuleSimulator::Serve(int line) {
  PtyPort& port = ports_[static_cast<std::size_t>(line)];
  const bool oneCable = core_.Options().oneCable;
  char buffer[4096];
  for (;;) {
    pollfd fds[2] = {{stopRead_, POLLIN, 0}, {port.Master(), POLLIN, 0}};
    const int ready = poll(fds, 2, kFrameIdleMs);
    if (fds[0].revents != 0) {
      return;
    }
    const int side = oneCable ? cableSide_.load() : line;
    if (ready == 0) {
      core_.DropPartialFrame(side);
      continue;
    }
    const ssize_t n = ready > 0 ? read(port.Master(), buffer, sizeof buffer) : -1;
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
        continue;
      }
      if (WaitForStop(kErrorPauseMs)) {
        return;
      }
      continue;
    }
    const int speed = port.PcSpeed();
    for (const std::string& answer :
         core_.Receive(side, speed, std::string_view(buffer, static_cast<std::size_t>(n)))) {
      SendAnswer(line, answer);
    }
  }
}

void ModuleSimulator::SendAnswer(int line, const std::string& answer) {
  const int master = ports_[static_cast<std::size_t>(line)].Master();
  if (core_.Options().pieceGapMs <= 0) {
    WriteAll(master, answer);
    return;
  }
  const std::size_t pieceSize = (answer.size() + kPieces - 1) / kPieces;
  if (!holdPieces_) {
    SendPiecesOnClock(master, answer, pieceSize);
    return;
  }
  std::lock_guard lock(heldMutex_);
  for (std::size_t from = 0; from < answer.size(); from += pieceSize) {
    held_[static_cast<std::size_t>(line)].push_back(answer.substr(from, pieceSize));
  }
}

void ModuleSimulator::SendPiecesOnClock(int master, std::string_view answer,
                                        std::size_t pieceSize) {
  for (std::size_t from = 0; from < answer.size(); from += pieceSize) {
    if (from > 0 && WaitForStop(core_.Options().pieceGapMs)) {
      return;
    }
    WriteAll(master, answer.substr(from, pieceSize));
  }
}

bool ModuleSimulator::ReleasePiece() {
  std::lock_guard lock(heldMutex_);
  for (std::size_t line = 0; line < held_.size(); ++line) {
    PtyPort& port = ports_[line];
    if (held_[line].empty() || !port.IsOpen() || port.BytesUnread() > 0) {
      continue;
    }
    const std::string piece = std::move(held_[line].front());
    held_[line].pop_front();
    WriteAll(port.Master(), piece);
    // The line hands bytes on a moment after the write; wait until they are there.
    for (int i = 0; i < kDeliveryPolls && port.BytesUnread() < piece.size(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }
  return false;
}

void ModuleSimulator::WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
      return;
    } else {
      pollfd fds[2] = {{stopRead_, POLLIN, 0}, {fd, POLLOUT, 0}};
      if (poll(fds, 2, kFrameIdleMs) <= 0 || fds[0].revents != 0) {
        return;
      }
    }
  }
}

}  // namespace simulator
