#pragma once

#include <string>

#include "tests/common/temp_folder.h"

// A stand-in xdg-open, first on PATH while it lives, that records its arguments and
// working folder as "count|arg1|...|folder|".
class FakeOpener {
 public:
  FakeOpener();
  ~FakeOpener();
  FakeOpener(const FakeOpener&) = delete;
  FakeOpener& operator=(const FakeOpener&) = delete;

  // The record of the call, once the opener has run (a few seconds at most); "" when
  // it was not started.
  std::string WaitForLog() const;
  const TempFolder& folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::string oldPath_;
};
