#include "seriallink/command_transport.h"

#include "seriallink/rs232.h"

namespace {

CommandTransport* currentTransport = nullptr;

}  // namespace

void SetCommandTransport(CommandTransport* transport) {
  currentTransport = transport;
}

std::string TransmitCommand(const std::string& sPortItem, const std::string& sSpeed,
                            const std::string& sCommand, std::int16_t iPollCount,
                            std::int32_t lWaitMs) {
  if (currentTransport != nullptr) {
    return currentTransport->Send(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
  }
  return SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
}
