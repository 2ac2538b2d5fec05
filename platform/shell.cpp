#include "platform/shell.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

bool ShellOpen(const std::string& target, const std::string& workingFolder) {
  const pid_t child = fork();
  if (child < 0) {
    return false;
  }
  if (child == 0) {
    // The grandchild runs the handler; the child exits at once so nothing is left
    // for the program to reap.
    setsid();
    if (fork() != 0) {
      _exit(0);
    }
    if (!workingFolder.empty() && chdir(workingFolder.c_str()) != 0) {
      _exit(127);
    }
    const char* argv[] = {"xdg-open", target.c_str(), nullptr};
    execvp("xdg-open", const_cast<char* const*>(argv));
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace platform
