#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "platform/cp1252.h"

namespace platform {
namespace {

std::string& ProgramFolderOverride() {
  static std::string folder;
  return folder;
}

std::string ExecutableFolder() {
  std::array<char, 4096> buffer{};
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) {
    return ".";
  }
  std::string path(buffer.data(), static_cast<std::size_t>(length));
  const auto slash = path.find_last_of('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n == 0) {
      errno = ENOSPC;
    }
    if (n <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A link is followed, so that the file it names is replaced and the link stays.
std::string ResolvedTarget(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    return path;
  }
  std::string result(resolved);
  std::free(resolved);
  return result;
}

}  // namespace

// The file system names files in UTF-8.
std::string PathToText(const std::string& path) {
  return Utf8ToCp1252(path);
}

std::string TextToPath(const std::string& text) {
  return Cp1252ToUtf8(text);
}

bool PathFitsText(const std::string& path) {
  return FitsCp1252(path);
}

// The system's text is in the locale's encoding, UTF-8 on any current desktop.
std::string ErrorText(int error) {
  return Utf8ToCp1252(std::generic_category().message(error));
}

std::string ProgramFolder() {
  const std::string& folder = ProgramFolderOverride();
  return folder.empty() ? ExecutableFolder() : folder;
}

void SetProgramFolder(const std::string& folder) {
  ProgramFolderOverride() = folder;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  const std::string name = BaseName(path);
  return !name.empty() && name[0] != '.';
}

bool FolderExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeFolder(const std::string& path) {
  return mkdir(path.c_str(), 0777) == 0;
}

bool SetNormalAttributes(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    return false;
  }
  return chmod(path.c_str(), (info.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
}

bool RemoveFile(const std::string& path) {
  return unlink(path.c_str()) == 0;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  // Without O_NONBLOCK the open of a named pipe waits for a writer for ever; only a
  // regular file is read, and reading one never waits.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    return false;
  }
  struct stat info {};
  const bool found = fstat(fd, &info) == 0;
  if (!found || !S_ISREG(info.st_mode)) {
    const int error = !found ? errno : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    close(fd);
    errno = error;
    return false;
  }
  std::string content;
  content.reserve(std::min(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), maxBytes));
  std::array<char, 65536> chunk{};
  bool ok = true;
  int readError = 0;
  while (content.size() < maxBytes) {
    const std::size_t wanted = std::min(chunk.size(), maxBytes - content.size());
    const ssize_t n = read(fd, chunk.data(), wanted);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      ok = false;
      readError = errno;
      break;
    }
    if (n == 0) {
      break;
    }
    content.append(chunk.data(), static_cast<std::size_t>(n));
  }
  close(fd);
  if (!ok) {
    errno = readError;
    return false;
  }
  bytes = std::move(content);
  return true;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  const std::string target = ResolvedTarget(path);
  mode_t mode = 0;
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode)) {
      errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
      return false;
    }
    if ((info.st_mode & S_IWUSR) == 0) {
      errno = EACCES;
      return false;
    }
    mode = info.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  std::string temp = target + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    return false;
  }
  const bool written = WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = close(fd) == 0;
  if (!written || !closed || rename(temp.c_str(), target.c_str()) != 0) {
    const int error = written ? errno : writeError;
    unlink(temp.c_str());
    errno = error;
    return false;
  }
  return true;
}

}  // namespace platform
