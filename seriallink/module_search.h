#pragma once

#include <cstdint>
#include <string>

#include "seriallink/device_controls.h"

// FindModulePort's result when no port answered.
inline const std::string kModuleNotFound = "Unbekannt";

// Asks for the version at every present port of portList from startIndex on, at
// every speed of speedList, until one answers. On an answer both lists stay on
// that port and speed and startIndex becomes the item after the port.
std::string FindModulePort(ListControl& portList, ListControl& speedList, int& startIndex);

// Puts the lists of one module side into factory state (side A: lists A, B, C;
// else D, E), then the port settings and the stamp of a module without a
// project. Each failure is told in a critical box; a module whose version or side
// cannot be read is reported as not found, and nothing more is sent to it.
void FactoryResetModule(const std::string& sPortItem, const std::string& sSpeed, bool bSideA,
                        std::int16_t iPollCount, const TransferProgressControls& progress);
