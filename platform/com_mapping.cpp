#include "platform/com_mapping.h"

#include <cctype>
#include <cstdlib>

#include "platform/settings.h"

namespace platform {

std::string ComDevicePath(const std::string& portName, const std::string& settingsApp) {
  if (portName.size() != 4 || std::toupper(static_cast<unsigned char>(portName[0])) != 'C' ||
      std::toupper(static_cast<unsigned char>(portName[1])) != 'O' ||
      std::toupper(static_cast<unsigned char>(portName[2])) != 'M' || portName[3] < '1' ||
      portName[3] > '9') {
    return {};
  }
  const std::string key = std::string("COM") + portName[3];
  if (const char* fromEnvironment = std::getenv(("PELVARON_" + key).c_str());
      fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
    return fromEnvironment;
  }
  const std::string fallback = std::string("/dev/ttyS") + static_cast<char>(portName[3] - 1);
  return GetSetting(settingsApp, "Ports", key, fallback);
}

}  // namespace platform
