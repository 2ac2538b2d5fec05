#pragma once

#include <cstdint>
#include <string>

// One module command per call: open the PC port, write, wait, poll, read, close.
// Port items are "COM1:".."COM9:" (only the first four characters name the
// device); speeds are the PC-speed texts "9600" and "19200".

// The answer, or the empty text when the port could not be opened or nothing
// arrived. Lasts about waitMs + (pollCount + 1) * 50 ms without an answer.
std::string SendCommand(const std::string& sPortItem, const std::string& sSpeed,
                        const std::string& sCommand, std::int16_t iPollCount, std::int32_t lWaitMs);

// An open, configured handle, or -1 after a message box.
int OpenComPort(const std::string& sSettings, std::int32_t lSpeed);

// True when a handle other than -1 was given (and closed).
bool CloseComPort(int hPort);

// 1 when all data went out; 0 for no port, no data or a write that stalled.
int WriteComPort(int hPort, std::string sData);

// Appends what the port received until it stayed quiet for 50 ms; the buffer's
// length, or 0 when the port failed.
int ReadComPort(int hPort, std::string& sBuffer);

// Non-zero exactly when the port opens and is a serial line.
std::uint32_t GetComPortMaxBaud(const std::string& sPortItem);

// The system's text for the last error, empty when there is none; clears it.
std::string GetLastErrorText();
