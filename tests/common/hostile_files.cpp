#include "tests/common/hostile_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

bool MakeNamedPipe(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

bool MakeSparseFile(const std::string& path, const std::string& start, off_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    return false;
  }
  const bool made = write(fd, start.data(), start.size()) == static_cast<ssize_t>(start.size()) &&
                    ftruncate(fd, size) == 0;
  return close(fd) == 0 && made;
}

namespace {

// Opens the writing end and closes it again: a reader waiting in its open goes on.
void FreeWaitingReader(const std::string& pipePath) {
  const int fd = open(pipePath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    close(fd);
  }
}

}  // namespace

bool ReturnsPromptly(const std::string& pipePath, const std::function<void()>& call) {
  std::mutex mutex;
  std::condition_variable returned;
  bool done = false;
  bool late = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    const auto isDone = [&] { return done; };
    if (returned.wait_for(lock, std::chrono::seconds(2), isDone)) {
      return;
    }
    late = true;
    while (!done) {
      lock.unlock();
      FreeWaitingReader(pipePath);
      lock.lock();
      returned.wait_for(lock, std::chrono::milliseconds(20), isDone);
    }
  });
  call();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  returned.notify_one();
  watchdog.join();
  return !late;
}
