#pragma once

#include <string>

namespace platform {

// The device file of a port name "COM1".."COM9" (letter case ignored): the
// environment variable PELVARON_COMn, else the key "COMn" of section "Ports" in
// the settings of settingsApp, else /dev/ttyS(n-1). Empty for any other name.
std::string ComDevicePath(const std::string& portName, const std::string& settingsApp);

}  // namespace platform
