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

std::function<void(int)>& SleepHook() {
  static std::function<void(int)> hook;
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
  if (milliseconds <= 0) {
    return;
  }
  if (SleepHook()) {
    SleepHook()(milliseconds);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

void SetSleepHook(std::function<void(int milliseconds)> hook) {
  SleepHook() = std::move(hook);
}

}  // namespace platform
