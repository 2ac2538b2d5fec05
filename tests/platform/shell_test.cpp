#include "platform/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/files.h"
#include "tests/common/temp_folder.h"

namespace {

// A stand-in xdg-open that records its arguments and working folder.
class FakeOpener {
 public:
  FakeOpener() : oldPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    const std::string script = "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" \"$(pwd)\" > " +
                               folder_.File("log.tmp") + "\nmv " + folder_.File("log.tmp") +
                               " " + folder_.File("log") + "\n";
    EXPECT_TRUE(platform::WriteFileReplacing(folder_.File("xdg-open"), script));
    chmod(folder_.File("xdg-open").c_str(), 0755);
    setenv("PATH", (folder_.path() + ":" + oldPath_).c_str(), 1);
  }
  ~FakeOpener() { setenv("PATH", oldPath_.c_str(), 1); }

  std::string WaitForLog() const {
    std::string log;
    for (int i = 0; i < 200 && !platform::ReadFileBytes(folder_.File("log"), log); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return log;
  }
  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::string oldPath_;
};

TEST(ShellOpen, PassesTheTargetAsOneUninterpretedArgument) {
  FakeOpener opener;
  const std::string target = "mailto:a@example.com?subject=$(touch x); `id` & \"q\" * \xFC";
  ASSERT_TRUE(platform::ShellOpen(target, opener.folder().path()));
  EXPECT_EQ(opener.WaitForLog(), "1|mailto:a@example.com?subject=$(touch x); `id` & \"q\" * \u00FC|" +
                                     opener.folder().path() + "|");
  EXPECT_FALSE(platform::FileExists(opener.folder().File("x")));
}

}  // namespace
