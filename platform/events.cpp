#include "platform/events.h"

#include <chrono>
#include <thread>
#include <utility>

namespace platform {
namespace {

std::function<void()>& Hook() {
  static std::function<void()> hook;
  return hook;
}

}  // namespace

void DoEvents() {
  if (Hook()) {
    Hook()();
  }
}

void SetDoEventsHook(std::function<void()> hook) {
  Hook() = std::move(hook);
}

void SleepMs(int milliseconds) {
  if (milliseconds > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

}  // namespace platform
