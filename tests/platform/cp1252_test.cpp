#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string original(1, static_cast<char>(byte));
    EXPECT_EQ(platform::Utf8ToCp1252(platform::Cp1252ToUtf8(original)), original) << byte;
    EXPECT_TRUE(platform::FitsCp1252(platform::Cp1252ToUtf8(original))) << byte;
  }
}

TEST(Cp1252, MapsTheHighTableAndLatin1) {
  EXPECT_EQ(platform::Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(platform::Cp1252ToUtf8("\x9F"), "\u0178");
  EXPECT_EQ(platform::Cp1252ToUtf8("\xFC"), "\u00FC");
  EXPECT_EQ(platform::Utf8ToCp1252("Zur\u00FCck \u20AC"),
            "Zur\xFC"
            "ck \x80");
}

TEST(Cp1252, UndefinedCodesKeepTheirControlCharacter) {
  for (const unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(platform::Cp1252ToUnicode(byte), static_cast<char32_t>(byte));
  }
}

TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
  EXPECT_EQ(platform::Utf8ToCp1252("\u4E2D"), "?");
  EXPECT_EQ(platform::Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(platform::Utf8ToCp1252("\xFF\xFE"), "??");
  // A literal "?" fits; one that stands for a lost character does not.
  EXPECT_TRUE(platform::FitsCp1252("?.vrx"));
  for (const char* lossy : {"\u03A9.vrx", "a\u0080", "\U0001F600", "a\xC3", "\xFF"}) {
    EXPECT_FALSE(platform::FitsCp1252(lossy)) << lossy;
  }
}

}  // namespace
