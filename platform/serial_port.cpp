#include "platform/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>

namespace platform {
namespace {

thread_local int lastError = 0;

bool Fail(int code) {
  lastError = code;
  return false;
}

struct SpeedEntry {
  int rate;
  speed_t code;
};

constexpr SpeedEntry kSpeeds[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

std::optional<speed_t> SpeedCode(int rate) {
  for (const SpeedEntry& entry : kSpeeds) {
    if (entry.rate == rate) {
      return entry.code;
    }
  }
  return std::nullopt;
}

int SpeedRate(speed_t code) {
  for (const SpeedEntry& entry : kSpeeds) {
    if (entry.code == code) {
      return entry.rate;
    }
  }
  return 0;
}

// Write timeouts by handle, as the driver would keep them.
std::mutex timeoutsMutex;
std::map<int, CommTimeouts> timeoutsByHandle;

CommTimeouts TimeoutsOf(int handle) {
  std::lock_guard lock(timeoutsMutex);
  const auto found = timeoutsByHandle.find(handle);
  if (found == timeoutsByHandle.end()) {
    return CommTimeouts{.writeTotalTimeoutMultiplier = 2};
  }
  return found->second;
}

// Handles opened by CreateComFile and not closed yet. The program may end while a
// command is under way (from within the window messages of its polls): they are
// released then, so that the exclusive flag does not stay behind on a line whose
// far end keeps it open and the next start can open the port again.
std::mutex openHandlesMutex;
std::set<int> openHandles;

void ReleaseOpenHandlesAtExit() {
  std::set<int> handles;
  {
    std::lock_guard lock(openHandlesMutex);
    handles.swap(openHandles);
  }
  for (const int handle : handles) {
    tcflush(handle, TCIOFLUSH);  // a half-sent command must not hold up the close
    CloseComHandle(handle);
  }
}

void NoteOpenHandle(int handle) {
  static const bool releasedAtExit = std::atexit(ReleaseOpenHandlesAtExit) == 0;
  (void)releasedAtExit;
  std::lock_guard lock(openHandlesMutex);
  openHandles.insert(handle);
}

bool GetTerminal(int handle, termios& tio) {
  if (tcgetattr(handle, &tio) != 0) {
    return Fail(errno);
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  while (!text.empty() && text.back() == ' ') {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<int> Digits(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text.size() > 9) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

tcflag_t ParityFlags(char parity) {
  switch (parity) {
    case 'O':
      return PARENB | PARODD;
    case 'E':
      return PARENB;
    case 'M':
      return PARENB | PARODD | CMSPAR;
    case 'S':
      return PARENB | CMSPAR;
    default:
      return 0;
  }
}

tcflag_t SizeFlag(int byteSize) {
  switch (byteSize) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

constexpr tcflag_t kCheckedControlFlags =
    CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CLOCAL | CREAD | HUPCL | CRTSCTS;
constexpr tcflag_t kCheckedInputFlags = IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP;

}  // namespace

int CreateComFile(const std::string& devicePath) {
  if (devicePath.empty()) {
    Fail(ENOENT);
    return -1;
  }
  int handle = -1;
  do {
    handle = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  } while (handle < 0 && errno == EINTR);
  if (handle < 0) {
    Fail(errno);
    return -1;
  }
  // TIOCEXCL does not stop root; the lock stops every program that locks too.
  if (flock(handle, LOCK_EX | LOCK_NB) != 0) {
    const int code = errno == EWOULDBLOCK ? EBUSY : errno;
    close(handle);
    Fail(code);
    return -1;
  }
  if (isatty(handle) && ioctl(handle, TIOCEXCL) != 0) {
    const int code = errno;
    close(handle);
    Fail(code);
    return -1;
  }
  NoteOpenHandle(handle);
  return handle;
}

bool SetCommMask(int handle, std::uint32_t /*mask*/) {
  termios tio{};
  return GetTerminal(handle, tio);
}

bool SetupComm(int handle, std::size_t /*inQueue*/, std::size_t /*outQueue*/) {
  termios tio{};
  return GetTerminal(handle, tio);
}

bool PurgeComm(int handle) {
  return tcflush(handle, TCIOFLUSH) == 0 || Fail(errno);
}

bool SetCommTimeouts(int handle, const CommTimeouts& timeouts) {
  termios tio{};
  if (!GetTerminal(handle, tio)) {
    return false;
  }
  std::lock_guard lock(timeoutsMutex);
  timeoutsByHandle[handle] = timeouts;
  return true;
}

bool GetCommState(int handle, DeviceControlBlock& dcb) {
  termios tio{};
  if (!GetTerminal(handle, tio)) {
    return false;
  }
  dcb.baudRate = SpeedRate(cfgetospeed(&tio));
  return true;
}

bool BuildCommDCB(const std::string& settings, DeviceControlBlock& dcb) {
  std::string_view rest = settings;
  if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
    rest.remove_prefix(colon + 1);
  }
  std::string_view fields[4];
  int count = 0;
  while (count < 4) {
    const std::size_t comma = rest.find(',');
    fields[count++] = Trim(rest.substr(0, comma));
    if (comma == std::string_view::npos) {
      rest = {};
      break;
    }
    rest.remove_prefix(comma + 1);
  }
  if (count != 4 || !Trim(rest).empty()) {
    return Fail(EINVAL);
  }
  const std::optional<int> rate = Digits(fields[0]);
  const std::optional<int> byteSize = Digits(fields[2]);
  const std::optional<int> stopBits = Digits(fields[3]);
  const std::string_view parities = "NOEMS";
  if (!rate || !SpeedCode(*rate) || fields[1].size() != 1 || !byteSize || *byteSize < 5 ||
      *byteSize > 8 || !stopBits || (*stopBits != 1 && *stopBits != 2)) {
    return Fail(EINVAL);
  }
  const char parity = static_cast<char>(std::toupper(static_cast<unsigned char>(fields[1][0])));
  if (parities.find(parity) == std::string_view::npos) {
    return Fail(EINVAL);
  }
  dcb = {*rate, *byteSize, parity, *stopBits};
  return true;
}

bool SetCommState(int handle, const DeviceControlBlock& dcb) {
  const std::optional<speed_t> speed = SpeedCode(dcb.baudRate);
  termios tio{};
  if (!speed) {
    return Fail(EINVAL);
  }
  if (!GetTerminal(handle, tio)) {
    return false;
  }
  cfmakeraw(&tio);
  tio.c_iflag &= ~(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | HUPCL | CRTSCTS);
  tio.c_cflag |= SizeFlag(dcb.byteSize) | ParityFlags(dcb.parity) | CLOCAL | CREAD;
  if (dcb.stopBits == 2) {
    tio.c_cflag |= CSTOPB;
  }
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, *speed);
  cfsetospeed(&tio, *speed);
  if (tcsetattr(handle, TCSANOW, &tio) != 0) {
    return Fail(errno);
  }
  // tcsetattr reports success when any one change was taken.
  termios applied{};
  if (!GetTerminal(handle, applied)) {
    return false;
  }
  if ((applied.c_cflag & kCheckedControlFlags) != (tio.c_cflag & kCheckedControlFlags) ||
      (applied.c_iflag & kCheckedInputFlags) != (tio.c_iflag & kCheckedInputFlags) ||
      (applied.c_lflag & (ICANON | ECHO)) != 0 || cfgetospeed(&applied) != *speed ||
      cfgetispeed(&applied) != *speed) {
    return Fail(EINVAL);
  }
  return true;
}

long WriteComFile(int handle, const char* data, std::size_t count) {
  using Clock = std::chrono::steady_clock;
  const CommTimeouts timeouts = TimeoutsOf(handle);
  const auto budget = std::chrono::milliseconds(
      std::max<std::uint64_t>(50, std::uint64_t{timeouts.writeTotalTimeoutMultiplier} * count +
                                      timeouts.writeTotalTimeoutConstant));
  const auto deadline = Clock::now() + budget;
  std::size_t written = 0;
  while (written < count) {
    const ssize_t n = write(handle, data + written, count - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EINTR && errno != EAGAIN) {
      Fail(errno);
      return written > 0 ? static_cast<long>(written) : -1;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      break;
    }
    pollfd pfd{handle, POLLOUT, 0};
    poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 50)));
  }
  return static_cast<long>(written);
}

bool ClearCommError(int handle, std::size_t& bytesQueued) {
  int queued = 0;
  if (ioctl(handle, FIONREAD, &queued) != 0) {
    return Fail(errno);
  }
  bytesQueued = queued > 0 ? static_cast<std::size_t>(queued) : 0;
  return true;
}

long ReadComFile(int handle, char* data, std::size_t count) {
  for (;;) {
    const ssize_t n = read(handle, data, count);
    if (n > 0) {
      return static_cast<long>(n);
    }
    if (n == 0) {
      return 0;  // nothing queued: a raw line without minimum count reads as empty
    }
    if (errno == EAGAIN) {
      return 0;
    }
    if (errno != EINTR) {
      Fail(errno);
      return -1;
    }
  }
}

void CloseComHandle(int handle) {
  if (handle < 0) {
    return;
  }
  {
    std::lock_guard lock(timeoutsMutex);
    timeoutsByHandle.erase(handle);
  }
  {
    std::lock_guard lock(openHandlesMutex);
    openHandles.erase(handle);
  }
  // The exclusive flag would otherwise outlive us on a terminal whose other end
  // stays open, locking out the next non-root opener.
  if (isatty(handle)) {
    ioctl(handle, TIOCNXCL);
  }
  close(handle);
}

bool IsSerialTerminal(int handle) {
  termios tio{};
  return handle >= 0 && isatty(handle) && GetTerminal(handle, tio);
}

int GetLastError() {
  return lastError;
}

void SetLastError(int code) {
  lastError = code;
}

std::string SystemErrorText(int code) {
  char buffer[256] = {};
  const char* text = strerror_r(code, buffer, sizeof buffer);
  return text != nullptr ? std::string(text) : std::string();
}

}  // namespace platform
