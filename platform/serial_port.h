#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A serial device in the terms of the Windows communications calls, over termios.
// Handles are file descriptors; -1 means no port. Every call sets the last error
// (an errno value) on failure and never blocks longer than its own bound.

struct CommTimeouts {
  std::uint32_t readIntervalTimeout = 0;
  std::uint32_t readTotalTimeoutMultiplier = 0;
  std::uint32_t readTotalTimeoutConstant = 0;
  std::uint32_t writeTotalTimeoutMultiplier = 0;  // ms per byte
  std::uint32_t writeTotalTimeoutConstant = 0;    // ms
};

// Line settings of a port.
struct DeviceControlBlock {
  int baudRate = 0;
  int byteSize = 8;
  char parity = 'N';  // N, O, E, M or S
  int stopBits = 1;   // 1 or 2
};

// Opens the device exclusively (no second opener, root included), without
// becoming its controlling terminal and without waiting for carrier. A handle still
// open when the process exits is flushed and released as CloseComHandle does.
int CreateComFile(const std::string& devicePath);

// Each fails with ENOTTY on something that is not a terminal.
bool SetCommMask(int handle, std::uint32_t mask);
bool SetupComm(int handle, std::size_t inQueue, std::size_t outQueue);
bool PurgeComm(int handle);  // drops what is queued in both directions
bool SetCommTimeouts(int handle, const CommTimeouts& timeouts);
bool GetCommState(int handle, DeviceControlBlock& dcb);

// Parses "COMn:speed,parity,data,stop" (the "COMn:" part optional); false with
// EINVAL for a string that names no valid line setting.
bool BuildCommDCB(const std::string& settings, DeviceControlBlock& dcb);

// Raw mode, no flow control, local line, DTR kept on close; fails unless every
// setting was taken by the driver.
bool SetCommState(int handle, const DeviceControlBlock& dcb);

// Writes within the handle's write timeout (2 ms per byte when none was set);
// the count written, 0 when the time ran out first, -1 on an error.
long WriteComFile(int handle, const char* data, std::size_t count);

// The number of received bytes waiting; false when the device is gone.
bool ClearCommError(int handle, std::size_t& bytesQueued);

// Reads up to count bytes that are already queued (0 when none); -1 when the
// device fails. A vanished adapter may look readable while reading nothing:
// callers read only what ClearCommError counted and stop at a short read.
long ReadComFile(int handle, char* data, std::size_t count);

// Releases the exclusivity and closes.
void CloseComHandle(int handle);

// True for a serial terminal (a pseudo-terminal counts).
bool IsSerialTerminal(int handle);

int GetLastError();
void SetLastError(int code);
// The system's text for an error code.
std::string SystemErrorText(int code);

}  // namespace platform
