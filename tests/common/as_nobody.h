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
