#pragma once

#include <functional>

namespace platform {

// Lets pending window messages be handled; does nothing until the window layer
// installs its hook.
void DoEvents();

void SetDoEventsHook(std::function<void()> hook);

void SleepMs(int milliseconds);

// Takes the place of the pauses of SleepMs (tests: a clock of their own); an empty
// function restores them. The hook is called only for pauses longer than 0 ms.
void SetSleepHook(std::function<void(int milliseconds)> hook);

}  // namespace platform
