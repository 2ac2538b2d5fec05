#include "platform/clock.h"

#include <ctime>
#include <utility>

namespace platform {
namespace {

std::function<LocalDateTime()>& ClockSource() {
  static std::function<LocalDateTime()> source;
  return source;
}

LocalDateTime SystemNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

LocalDateTime LocalNow() {
  return ClockSource() ? ClockSource()() : SystemNow();
}

void SetClockSource(std::function<LocalDateTime()> source) {
  ClockSource() = std::move(source);
}

}  // namespace platform
