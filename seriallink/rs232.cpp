#include "seriallink/rs232.h"

#include "platform/com_mapping.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/serial_port.h"
#include "platform/trim_blanks.h"
#include "seriallink/number_text.h"
#include "texts/text_table.h"

namespace {

constexpr int kPollPeriodMs = 50;
// The longest stretch of a wait before polling in which window messages wait.
constexpr int kWaitSliceMs = 200;
constexpr int kQuietPeriodMs = 50;
constexpr std::size_t kQueueSize = 32768;
// No module answer comes near this; a line that never falls quiet (a device
// streaming data) must not keep a read going for ever.
constexpr std::size_t kMaxAnswerBytes = 8192;
// The value a serial provider reports as its maximum speed: any speed.
constexpr std::uint32_t kBaudUser = 0x10000000;

std::string DeviceName(const std::string& text) {
  return text.substr(0, 4);
}

void ShowPortError(const std::string& text) {
  platform::MsgBox(text, platform::mb::Critical | platform::mb::SetForeground, AppTitle);
}

// Shows why a configuration step failed and gives the port back; -1.
int FailConfiguration(int handle) {
  const std::string reason = GetLastErrorText();
  platform::CloseComHandle(handle);
  ShowPortError(reason);
  return -1;
}

// The wait before the polls. Window messages are handled within it as within the
// polls, so that the window does not look hung during the information query's wait.
void WaitBeforePolling(std::int32_t waitMs) {
  while (waitMs > kWaitSliceMs) {
    platform::SleepMs(kWaitSliceMs);
    platform::DoEvents();
    waitMs -= kWaitSliceMs;
  }
  platform::SleepMs(waitMs);
}

}  // namespace

std::string SendCommand(const std::string& sPortItem, const std::string& sSpeed,
                        const std::string& sCommand, std::int16_t iPollCount,
                        std::int32_t lWaitMs) {
  const std::string speedText(TrimBlanks(sSpeed));
  const std::string settings = std::string(TrimBlanks(sPortItem)) + speedText + ",N,8,1";
  std::int32_t speed = 9600;
  if (IsNumericText(speedText)) {
    // A speed too large for 32 bits keeps 9600.
    speed = RoundToInt32(LeadingNumber(speedText)).value_or(speed);
  }
  int handle = OpenComPort(settings, speed);
  if (handle == -1) {
    return {};
  }
  WriteComPort(handle, sCommand);
  WaitBeforePolling(lWaitMs);
  std::string buffer;
  int received = 0;
  for (int poll = 0;; ++poll) {
    platform::SleepMs(kPollPeriodMs);
    if (poll % 5 == 0) {
      platform::DoEvents();
    }
    received = ReadComPort(handle, buffer);
    if (poll >= iPollCount || received >= 1) {
      break;
    }
  }
  if (CloseComPort(handle)) {
    handle = -1;
  }
  return received > 0 ? buffer : std::string();
}

int OpenComPort(const std::string& sSettings, std::int32_t lSpeed) {
  const std::string device = DeviceName(sSettings);
  const int handle = platform::CreateComFile(platform::ComDevicePath(device, AppTitle));
  if (handle < 0) {
    ShowPortError(LangText[670] + "\r\n" + "Die " + device + " " + LangText[671]);
    return -1;
  }
  if (!platform::SetCommMask(handle, 1) || !platform::SetupComm(handle, kQueueSize, kQueueSize) ||
      !platform::PurgeComm(handle)) {
    return FailConfiguration(handle);
  }
  // The write time per byte is 2 * speed / speed ms; a speed of 0 or one whose
  // double overflows 32 bits is a runtime overflow.
  const std::int64_t doubled = 2 * std::int64_t{lSpeed};
  if (lSpeed == 0 || doubled != static_cast<std::int32_t>(doubled)) {
    platform::CloseComHandle(handle);
    ShowPortError("Overflow");
    return -1;
  }
  platform::CommTimeouts timeouts;
  timeouts.readIntervalTimeout = 0xFFFFFFFF;
  timeouts.readTotalTimeoutConstant = 1000;
  timeouts.writeTotalTimeoutMultiplier = 2;
  platform::DeviceControlBlock dcb;
  if (!platform::SetCommTimeouts(handle, timeouts) || !platform::GetCommState(handle, dcb) ||
      !platform::BuildCommDCB(sSettings, dcb) || !platform::SetCommState(handle, dcb)) {
    return FailConfiguration(handle);
  }
  return handle;
}

bool CloseComPort(int hPort) {
  if (hPort == -1) {
    return false;
  }
  platform::SetCommMask(hPort, 0);
  platform::PurgeComm(hPort);
  platform::CloseComHandle(hPort);
  return true;
}

int WriteComPort(int hPort, std::string sData) {
  if (hPort == -1 || sData.empty()) {
    return 0;
  }
  while (!sData.empty()) {
    const long written = platform::WriteComFile(hPort, sData.data(), sData.size());
    platform::DoEvents();
    if (written <= 0) {
      return 0;  // the line takes nothing within its write time: give up
    }
    sData.erase(0, static_cast<std::size_t>(written));
  }
  return 1;
}

int ReadComPort(int hPort, std::string& sBuffer) {
  if (hPort == -1) {
    return 0;
  }
  for (;;) {
    std::size_t queued = 0;
    if (!platform::ClearCommError(hPort, queued)) {
      return 0;
    }
    if (queued == 0 || sBuffer.size() >= kMaxAnswerBytes) {
      return static_cast<int>(sBuffer.size());
    }
    std::string chunk(queued, '\0');
    const long n = platform::ReadComFile(hPort, chunk.data(), queued);
    if (n < 0) {
      return 0;  // the device is gone
    }
    if (n == 0) {
      return static_cast<int>(sBuffer.size());
    }
    sBuffer.append(chunk, 0, static_cast<std::size_t>(n));
    platform::SleepMs(kQuietPeriodMs);
  }
}

std::uint32_t GetComPortMaxBaud(const std::string& sPortItem) {
  const int handle =
      platform::CreateComFile(platform::ComDevicePath(DeviceName(sPortItem), AppTitle));
  if (handle < 0) {
    return 0;
  }
  const std::uint32_t maxBaud = platform::IsSerialTerminal(handle) ? kBaudUser : 0;
  platform::CloseComHandle(handle);
  return maxBaud;
}

std::string GetLastErrorText() {
  const int code = platform::GetLastError();
  platform::SetLastError(0);
  return code == 0 ? std::string() : std::string(TrimBlanks(platform::SystemErrorText(code)));
}
