#include "tests/fuzz/fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

void Require(bool holds, const char* invariant) {
  if (!holds) {
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
  }
}

namespace {

// In memory where the system offers it: saving syncs every file to its disk.
std::string MakeScratchFolder() {
  const bool inMemory = access("/dev/shm", W_OK | X_OK) == 0;
  std::string pattern =
      (inMemory ? std::string("/dev/shm") : std::filesystem::temp_directory_path().string()) +
      "/pelvaron-fuzz-XXXXXX";
  Require(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
  return pattern;
}

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder(), ignored);
}

}  // namespace

const std::string& ScratchFolder() {
  // Never destroyed, so that it outlives the exit handler that removes the folder.
  static const std::string* const folder = [] {
    const auto* made = new std::string(MakeScratchFolder());
    std::atexit(RemoveScratchFolder);
    return made;
  }();
  return *folder;
}

void WriteScratchFile(const std::string& path, const std::string& bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  Require(fd >= 0, "the scratch file opens");
  const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  Require(close(fd) == 0 && written, "the scratch file is written");
}

std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}
