#include "tests/common/temp_folder.h"

#include <cstdlib>
#include <stdexcept>

TempFolder::TempFolder() {
  std::string pattern = std::filesystem::temp_directory_path().string() + "/pelvaron-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}
