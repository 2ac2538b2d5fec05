#pragma once

#include <functional>

namespace platform {

// Lets pending window messages be handled; does nothing until the window layer
// installs its hook.
void DoEvents();

void SetDoEventsHook(std::function<void()> hook);

void SleepMs(int milliseconds);

}  // namespace platform
