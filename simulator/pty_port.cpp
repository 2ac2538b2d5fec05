#include "simulator/pty_port.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace simulator {

PtyPort::PtyPort() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    Close();
    return;
  }
  char name[128] = {};
  if (ptsname_r(master_, name, sizeof name) != 0) {
    Close();
    return;
  }
  devicePath_ = name;
  keptDevice_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  termios tio{};
  if (keptDevice_ < 0 || tcgetattr(keptDevice_, &tio) != 0) {
    Close();
    return;
  }
  // Raw from the start, so nothing is echoed or translated before a program
  // configures the line.
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(keptDevice_, TCSANOW, &tio);
}

PtyPort::~PtyPort() {
  Close();
}

int PtyPort::PcSpeed() const {
  termios tio{};
  if (master_ < 0 || tcgetattr(master_, &tio) != 0) {
    return 0;
  }
  switch (cfgetospeed(&tio)) {
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    default:
      return 0;
  }
}

std::size_t PtyPort::BytesUnread() const {
  int unread = 0;
  if (keptDevice_ < 0 || ioctl(keptDevice_, FIONREAD, &unread) != 0 || unread < 0) {
    return 0;
  }
  return static_cast<std::size_t>(unread);
}

void PtyPort::Close() {
  if (keptDevice_ >= 0) {
    close(keptDevice_);
    keptDevice_ = -1;
  }
  if (master_ >= 0) {
    close(master_);
    master_ = -1;
  }
}

}  // namespace simulator
