#pragma once

#include <functional>

namespace platform {

struct LocalDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime LocalNow();

// Replaces the clock (tests); an empty function restores the system clock.
void SetClockSource(std::function<LocalDateTime()> source);

}  // namespace platform
