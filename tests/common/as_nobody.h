#pragma once

#include <string>

// How a test that needs a user without special rights ran.
enum class NobodyRun {
  NotRoot,      // this process is no root: the test runs here
  Passed,       // the tests of filter passed in a second process as user nobody
  Failed,       // they failed there
  Unavailable,  // the binary cannot be run as nobody
};

// Run as root, runs this test binary again as user nobody with the gtest filter given.
NobodyRun RunAgainAsNobody(const std::string& filter);

// In a gtest body: run as root, the test runs again as user nobody and that run decides
// it; otherwise the body goes on here.
#define RUN_TEST_AS_NOBODY(filter)                            \
  switch (RunAgainAsNobody(filter)) {                         \
    case NobodyRun::NotRoot:                                  \
      break;                                                  \
    case NobodyRun::Passed:                                   \
      return;                                                 \
    case NobodyRun::Failed:                                   \
      FAIL() << "failed as user nobody";                      \
    case NobodyRun::Unavailable:                              \
      GTEST_SKIP() << "cannot run the test binary as nobody"; \
  }
