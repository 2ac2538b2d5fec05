#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

// Stand-ins for a file that a reader expects: a named pipe and a huge file.

// False when the system refuses.
bool MakeNamedPipe(const std::string& path);

// A file of `size` bytes that begins with `start`, zero after it, and takes no disk space.
bool MakeSparseFile(const std::string& path, const std::string& start, off_t size);

// Runs call on this thread and tells whether it returned within two seconds. A call
// still waiting then in the open of the named pipe at pipePath is set free by opening
// the pipe's other end, so that a failing test ends instead of hanging.
bool ReturnsPromptly(const std::string& pipePath, const std::function<void()>& call);
