#pragma once

#include <cstdint>
#include <string>

// Where the module commands go: the PC's serial ports unless a test puts
// something else in their place.
class CommandTransport {
 public:
  virtual ~CommandTransport() = default;
  virtual std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                           const std::string& sCommand, std::int16_t iPollCount,
                           std::int32_t lWaitMs) = 0;
};

// nullptr restores the serial ports.
void SetCommandTransport(CommandTransport* transport);

// SendCommand over the current transport.
std::string TransmitCommand(const std::string& sPortItem, const std::string& sSpeed,
                            const std::string& sCommand, std::int16_t iPollCount,
                            std::int32_t lWaitMs);
