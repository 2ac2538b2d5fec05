#include "texts/text_key_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct KeyCase {
  std::string field;
  std::optional<long long> key;
};

TEST(ParseTextKey, AcceptsWholeNumbersAndRoundsFractionsHalfToEven) {
  const KeyCase cases[] = {
      {"0", 0},
      {"12", 12},
      {"007", 7},
      {" 81 ", 81},
      {"+3", 3},
      {"-1", -1},
      {"12.5", 12},
      {"13.5", 14},
      {"12.50", 12},
      {"12.501", 13},
      {"12.49", 12},
      {"0.5", 0},
      {"1.5", 2},
      {"-0.5", 0},
      {"-2.5", -2},
      {"5.", 5},
      {".6", 1},
      {"800.4", 800},
      {"4294967296", 1'000'000'000},
      {"-99999999999999999999", -1'000'000'000},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(ParseTextKey(c.field), c.key) << '"' << c.field << '"';
  }
}

TEST(ParseTextKey, RejectsWhatIsNoNumber) {
  const std::string fields[] = {"",    " ",   "abc", "1e3", "1.2.3",
                                "+",   "-",   ".",   "1 2", "0x10",
                                "12a", "1,5", "--1", "+-1", std::string("1\0", 2)};
  for (const std::string& field : fields) {
    EXPECT_EQ(ParseTextKey(field), std::nullopt) << '"' << field << '"';
  }
}

}  // namespace
