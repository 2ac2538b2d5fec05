#pragma once

#include "seriallink/command_transport.h"

// A transport that carries every module command for as long as it lives.
class InstalledTransport : public CommandTransport {
 public:
  InstalledTransport() { SetCommandTransport(this); }
  ~InstalledTransport() override { SetCommandTransport(nullptr); }
  InstalledTransport(const InstalledTransport&) = delete;
  InstalledTransport& operator=(const InstalledTransport&) = delete;
};
