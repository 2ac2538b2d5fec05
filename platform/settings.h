#pragma once

#include <string>

namespace platform {

// The per-user settings store: one INI file per application name in
// $XDG_CONFIG_HOME (default ~/.config), the section as INI group. Names and values
// are byte strings; a missing or unreadable store gives the default.
std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue);

// False when the store cannot be written, or is there but cannot be read whole; the old
// store then stays as it was, and errno tells why.
bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value);

// The file that holds an application's settings.
std::string SettingsFilePath(const std::string& app);

}  // namespace platform
