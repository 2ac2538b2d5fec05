#include "tests/seriallink/raw_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

RawPeer::RawPeer(Reply reply) : devicePath_(line_.DevicePath()) {
  fcntl(line_.Master(), F_SETFL, fcntl(line_.Master(), F_GETFL) | O_NONBLOCK);
  thread_ = std::thread([this, reply = std::move(reply)] {
    while (!stop_) {
      pollfd pfd{line_.Master(), POLLIN, 0};
      if (line_.Master() < 0 || poll(&pfd, 1, 20) <= 0 || (pfd.revents & POLLIN) == 0) {
        continue;
      }
      char buffer[256];
      const ssize_t n = read(line_.Master(), buffer, sizeof buffer);
      if (n > 0) {
        reply(line_, std::string(buffer, static_cast<std::size_t>(n)));
      }
    }
  });
}

RawPeer::~RawPeer() {
  stop_ = true;
  thread_.join();
}

void WriteBytes(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else {
      pollfd pfd{fd, POLLOUT, 0};
      if (poll(&pfd, 1, 500) <= 0) {
        return;
      }
    }
  }
}
