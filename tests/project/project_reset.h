#pragma once

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "project/records.h"

// Starts each test with the records as at program start and a fixed clock
// (15 February 2009, 14:30:05).
class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjHeader = {};
    CmdRecords = {};
    platform::SetClockSource([] { return platform::LocalDateTime{2009, 2, 15, 14, 30, 5}; });
  }
  void TearDown() override { platform::SetClockSource({}); }
};
