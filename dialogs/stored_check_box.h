#pragma once

#include <string>

#include "platform/ui/buttons.h"

// A check box kept in the settings store: application AppTitle, the given section,
// key "On", the box value as decimal text.

// Sets the box to the stored value (default "1"). A value that is no whole number
// 0, 1 or 2 leaves the box as it is.
void ReadCheckBoxSetting(platform::ui::CheckBox& box, const std::string& section);
void StoreCheckBoxSetting(const platform::ui::CheckBox& box, const std::string& section);
