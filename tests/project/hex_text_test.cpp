#include "project/hex_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

std::string AllBytes() {
  std::string bytes;
  for (int code = 0; code < 256; ++code) {
    bytes += static_cast<char>(code);
  }
  return bytes;
}

struct Case {
  std::string input;
  bool flag;
  std::string expected;
};

TEST(AsciiToHex, WritesUpperCasePairsCompactOrEachFollowedByABlank) {
  const Case cases[] = {
      {"", false, ""},
      {"", true, ""},
      {"AB\n", false, "41 42 0A "},
      {"AB\n", true, "41420A"},
      {"\x00\xff"s, true, "00FF"},
      {"\x9f\xe4", false, "9F E4 "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AsciiToHex(c.input, c.flag), c.expected) << c.input;
  }
}

TEST(FilterHexDigits, KeepsHexDigitsUpperCasedAndBlanksOnlyWhenShown) {
  const Case cases[] = {
      {"4g 1a", false, "4 1A"},
      {"4g 1a", true, "41A"},
      {"", false, ""},
      {"\t0x1F\r\n  \xe1", false, "01F  "},
      {"abcdefABCDEF0123456789", true, "ABCDEFABCDEF0123456789"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterHexDigits(c.input, c.flag), c.expected) << c.input;
  }
}

TEST(FilterHexDigits, AcceptsEveryByte) {
  EXPECT_EQ(FilterHexDigits(AllBytes(), false), " 0123456789ABCDEFABCDEF");
}

TEST(HexToAscii, ConvertsPairsAndAnOddLastDigit) {
  const Case cases[] = {
      {"4", true, ""},       {" 4", true, ""},
      {"", false, ""},       {"41 42 4", true, "AB\x04"},
      {"00 41", true, "|A"}, {"00 41", false, "\0A"s},
      {"4142", false, "AB"}, {"ff 7c", false, "\xff|"},
      {" 4 1 ", false, "A"},
  };
  for (const Case& c : cases) {
    const auto result = HexToAscii(c.input, c.flag);
    ASSERT_TRUE(result.has_value()) << c.input;
    EXPECT_EQ(*result, c.expected) << c.input;
  }
}

TEST(HexToAscii, ReportsAPieceThatIsNotHexadecimal) {
  for (const char* bad : {"4G", "41 4x", "\t41", "41\n", "-1", "0\xe4"}) {
    EXPECT_FALSE(HexToAscii(bad, true).has_value()) << bad;
    EXPECT_FALSE(HexToAscii(bad, false).has_value()) << bad;
  }
}

TEST(HexToAscii, RoundTripsEveryByteThroughBothHexForms) {
  const std::string bytes = AllBytes();
  EXPECT_EQ(HexToAscii(AsciiToHex(bytes, true), false), bytes);
  EXPECT_EQ(HexToAscii(AsciiToHex(bytes, false), false), bytes);
  EXPECT_EQ(HexToAscii(FormatHex(AsciiToHex(bytes, true), false), false), bytes);
}

TEST(HexToAscii, ShownNulComesBackAsTheBarCodeInTheEditorRoundTrip) {
  for (int code = 0; code < 256; ++code) {
    const std::string pair = AsciiToHex(std::string(1, static_cast<char>(code)), false);
    const std::string back = AsciiToHex(*HexToAscii(pair, true), false);
    EXPECT_EQ(back, code == 0 ? "7C " : pair) << code;
  }
}

TEST(FormatHex, NormalisesToCompactOrShownPairs) {
  const Case cases[] = {
      {"4", false, "4"},
      {"4", true, "4"},
      {"", false, ""},
      {"a b", true, "AB"},
      {" 4 1 42", false, "41 42"},
      {"414", false, "41 4"},
      {"4142 4", false, "41 42 4"},
      {"41 42 0d ", true, "41420D"},
      {"4x", true, "4X"},
      {"\xe4x1", false, "\xc4X 1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatHex(c.input, c.flag), c.expected) << c.input;
  }
}

TEST(RemoveControlChars, DropsCodesBelowBlankOnly) {
  EXPECT_EQ(RemoveControlChars("A\rB"), "AB");
  EXPECT_EQ(RemoveControlChars(""), "");
  std::string expected;
  for (int code = 32; code < 256; ++code) {
    expected += static_cast<char>(code);
  }
  EXPECT_EQ(RemoveControlChars(AllBytes()), expected);
}

}  // namespace
