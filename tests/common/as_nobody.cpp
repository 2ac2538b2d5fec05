#include "tests/common/as_nobody.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

int RunAsNobody(const std::string& command) {
  const std::string line = "setpriv --reuid=65534 --regid=65534 --clear-groups -- " + command;
  return std::system(line.c_str());
}

}  // namespace

NobodyRun RunAgainAsNobody(const std::string& filter) {
  if (geteuid() != 0) {
    return NobodyRun::NotRoot;
  }
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  if (std::system("command -v setpriv >/dev/null") != 0 ||
      RunAsNobody("test -x '" + self + "'") != 0) {
    return NobodyRun::Unavailable;
  }
  return RunAsNobody("'" + self + "' --gtest_filter='" + filter + "' >/dev/null") == 0
             ? NobodyRun::Passed
             : NobodyRun::Failed;
}
