#pragma once

#include <string>

// Stores a setting as platform::SaveSetting does. A store that cannot take it is told
// once per run, with its path and the system's reason; false then.
bool SaveSettingOrTell(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value);
