#include "tests/common/fake_opener.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/files.h"

FakeOpener::FakeOpener() : oldPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
  const std::string script = "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" \"$(pwd)\" > " +
                             folder_.File("log.tmp") + "\nmv " + folder_.File("log.tmp") + " " +
                             folder_.File("log") + "\n";
  platform::WriteFileReplacing(folder_.File("xdg-open"), script);
  chmod(folder_.File("xdg-open").c_str(), 0755);
  setenv("PATH", (folder_.path() + ":" + oldPath_).c_str(), 1);
}

FakeOpener::~FakeOpener() {
  setenv("PATH", oldPath_.c_str(), 1);
}

std::string FakeOpener::WaitForLog() const {
  std::string log;
  for (int i = 0; i < 200 && !platform::ReadFileBytes(folder_.File("log"), log, 1 << 20); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return log;
}
