#include "project/date_stamp.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

class DateStamp : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetClockSource({}); }
  static void SetClock(platform::LocalDateTime now) {
    platform::SetClockSource([now] { return now; });
  }
};

TEST_F(DateStamp, IsFourteenZeroPaddedDigits) {
  SetClock({2009, 2, 15, 14, 30, 5});
  EXPECT_EQ(GetDateStamp(), "20090215143005");
  SetClock({987, 1, 2, 0, 0, 9});
  EXPECT_EQ(GetDateStamp(), "09870102000009");
  SetClock({12345, 12, 31, 23, 59, 59});
  EXPECT_EQ(GetDateStamp(), "23451231235959");
}

TEST_F(DateStamp, SystemClockGivesDigitsOnly) {
  const std::string stamp = GetDateStamp();
  ASSERT_EQ(stamp.size(), 14u);
  EXPECT_EQ(stamp.find_first_not_of("0123456789"), std::string::npos);
}

TEST(FormatDateStamp, ShowsTimeFirstAndTakesMissingPiecesAsEmpty) {
  EXPECT_EQ(FormatDateStamp("20090215143005"), "14:30:05 15.02.2009");
  EXPECT_EQ(FormatDateStamp("20060000000000"), "00:00:00 00.00.2006");
  EXPECT_EQ(FormatDateStamp(""), ":: ..");
  EXPECT_EQ(FormatDateStamp("2009021514"), "14:: 15.02.2009");
  EXPECT_EQ(FormatDateStamp("20090215143005999"), "14:30:05 15.02.2009");
}

}  // namespace
