#include "platform/colors.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

std::uint32_t Translated(OleColor color) {
  std::uint32_t colorRef = 0xDEADBEEF;
  EXPECT_TRUE(OleTranslateColor(color, colorRef)) << std::hex << color;
  return colorRef;
}

bool Translates(OleColor color) {
  std::uint32_t colorRef = 0;
  return OleTranslateColor(color, colorRef);
}

TEST(OleTranslateColor, PlainColoursKeepRedInTheLowByte) {
  EXPECT_EQ(RGB(255, 0, 0), 0x0000FF);
  EXPECT_EQ(RGB(0, 255, 0), 0x00FF00);
  EXPECT_EQ(Translated(RGB(1, 2, 3)), 0x030201u);
  EXPECT_EQ(Translated(0), 0u);                  // black is a colour
  EXPECT_EQ(Translated(0x02123456), 0x123456u);  // palette-relative RGB
}

TEST(OleTranslateColor, SystemColoursFromTheTopBit) {
  EXPECT_EQ(Translated(vbButtonFace), 0xC8D0D4u);
  EXPECT_EQ(Translated(vbHighlight), 0x6A240Au);
  EXPECT_EQ(Translated(vbWindowBackground), 0xFFFFFFu);
  EXPECT_EQ(Translated(vbWindowText), 0u);
  EXPECT_TRUE(Translates(SystemColorBase + 30));
  EXPECT_FALSE(Translates(SystemColorBase + 31));
  EXPECT_FALSE(Translates(static_cast<OleColor>(0x80FFFFFFu)));
}

TEST(OleTranslateColor, ValuesThatNameNoColourFail) {
  EXPECT_FALSE(Translates(-1));
  EXPECT_FALSE(Translates(0x7F000000));
  EXPECT_FALSE(Translates(0x03000000));
  EXPECT_FALSE(Translates(static_cast<OleColor>(0x81000000u)));
}

}  // namespace
}  // namespace platform
