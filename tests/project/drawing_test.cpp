#include "project/drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "project/program_state.h"
#include "project/records.h"

namespace {

// Pixels in memory; text calls are recorded.
class MemoryCanvas : public platform::Canvas {
 public:
  MemoryCanvas(int width, int height, std::uint32_t fill)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::uint32_t Pixel(int x, int y) const override {
    return Inside(x, y) ? pixels_[static_cast<std::size_t>(y * width_ + x)] : 0;
  }
  void SetPixel(int x, int y, std::uint32_t color) override {
    if (Inside(x, y)) {
      pixels_[static_cast<std::size_t>(y * width_ + x)] = color;
    }
  }
  platform::CanvasFont Font() const override { return font_; }
  void SetFont(const platform::CanvasFont& font) override { font_ = font; }
  std::uint32_t TextColor() const override { return textColor_; }
  void SetTextColor(std::uint32_t color) override { textColor_ = color; }
  void DrawRotatedText(int x, int y, double angle, const platform::CanvasFont& font,
                       const std::string& text) override {
    calls.push_back("rotated " + std::to_string(x) + "," + std::to_string(y) + " " +
                    std::to_string(static_cast<int>(angle)) + " " + font.name + " " +
                    std::to_string(font.pixelHeight) + (font.bold ? " bold " : " ") + text);
  }
  void DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                     int format) override {
    calls.push_back("box " + std::to_string(left) + "," + std::to_string(top) + "," +
                    std::to_string(right) + "," + std::to_string(bottom) + " " +
                    std::to_string(format) + " " + text);
  }
  void FillRect(int, int, int, int, std::uint32_t) override {}
  void DrawLine(int, int, int, int, std::uint32_t) override {}
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  std::vector<std::string> calls;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  platform::CanvasFont font_{"Arial", 11, true};
  std::uint32_t textColor_ = 0;
};

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

TEST(DrawTransparentBitmap, KeyColourKeepsTheDestination) {
  MemoryCanvas source(2, 2, kRed);
  source.SetPixel(1, 0, kGreen);
  MemoryCanvas dest(4, 4, kBlue);
  DrawTransparentBitmap(&dest, 1, 1, &source, 0, 0, 2, 2, kGreen);
  EXPECT_EQ(dest.Pixel(1, 1), kRed);
  EXPECT_EQ(dest.Pixel(2, 1), kBlue);  // key colour
  EXPECT_EQ(dest.Pixel(1, 2), kRed);
  EXPECT_EQ(dest.Pixel(0, 0), kBlue);  // outside the area
  EXPECT_EQ(dest.Pixel(3, 3), kBlue);
}

TEST(DrawTransparentBitmap, SourceWithoutKeyCopiesAndAllKeyLeavesUnchanged) {
  MemoryCanvas source(3, 3, 0x123456);
  MemoryCanvas dest(3, 3, kBlue);
  DrawTransparentBitmap(&dest, 0, 0, &source, 0, 0, 3, 3, kGreen);
  EXPECT_EQ(dest.Pixels(), source.Pixels());
  MemoryCanvas keyOnly(3, 3, kGreen);
  MemoryCanvas untouched(3, 3, kBlue);
  DrawTransparentBitmap(&untouched, 0, 0, &keyOnly, 0, 0, 3, 3, kGreen);
  EXPECT_EQ(untouched.Pixels(), MemoryCanvas(3, 3, kBlue).Pixels());
}

TEST(DrawTransparentBitmap, BadSizesAndOversizedSourcesAreSafe) {
  MemoryCanvas source(10, 10, kRed);
  MemoryCanvas dest(3, 3, kBlue);
  const auto before = dest.Pixels();
  DrawTransparentBitmap(&dest, 0, 0, &source, 0, 0, 0, 5, kGreen);
  DrawTransparentBitmap(&dest, 0, 0, &source, 0, 0, -4, -4, kGreen);
  DrawTransparentBitmap(nullptr, 0, 0, &source, 0, 0, 3, 3, kGreen);
  DrawTransparentBitmap(&dest, 0, 0, nullptr, 0, 0, 3, 3, kGreen);
  EXPECT_EQ(dest.Pixels(), before);
  DrawTransparentBitmap(&dest, -2, -2, &source, 0, 0, 10, 10, kGreen);  // clipped
  EXPECT_EQ(dest.Pixels(), MemoryCanvas(3, 3, kRed).Pixels());
}

TEST(DrawFocusRectangle, DrawingTwiceRestoresThePicture) {
  MemoryCanvas canvas(20, 20, 0x808080);
  canvas.SetPixel(5, 5, kRed);
  const auto before = canvas.Pixels();
  DrawFocusRectangle(&canvas, 2, 3, 12, 9);
  EXPECT_NE(canvas.Pixels(), before);
  EXPECT_EQ(canvas.Pixel(3, 3), 0x7F7F7Fu);  // a dot of the top edge
  EXPECT_EQ(canvas.Pixel(4, 3), 0x808080u);  // the gap beside it
  EXPECT_EQ(canvas.Pixel(5, 5), kRed);       // inside untouched
  DrawFocusRectangle(&canvas, 2, 3, 12, 9);
  EXPECT_EQ(canvas.Pixels(), before);
  // Dragged up-left, one pixel wide, and empty rectangles also cancel out.
  DrawFocusRectangle(&canvas, 12, 9, 2, 3);
  DrawFocusRectangle(&canvas, 2, 3, 12, 9);
  DrawFocusRectangle(&canvas, 4, 4, 5, 15);
  DrawFocusRectangle(&canvas, 4, 4, 5, 15);
  DrawFocusRectangle(&canvas, 4, 4, 4, 15);
  DrawFocusRectangle(&canvas, 0, 0, 30, 30);  // larger than the picture
  DrawFocusRectangle(&canvas, 0, 0, 30, 30);
  EXPECT_EQ(canvas.Pixels(), before);
  DrawFocusRectangle(nullptr, 0, 0, 5, 5);
}

TEST(DrawTextInRect, AddsWordBreakAndSetsTheColour) {
  MemoryCanvas canvas(10, 10, 0);
  DrawTextInRect(&canvas, "Rx-COM1", 5, 89, 123, 15, 0x80, platform::dt::Right);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0], "box 5,89,128,104 18 Rx-COM1");
  EXPECT_EQ(canvas.TextColor(), 0x80u);
  DrawTextInRect(nullptr, "x", 0, 0, 1, 1, 0, 0);  // nothing, no crash
}

TEST(PrintRotatedText, UsesThePictureFontAtTheGivenHeight) {
  MemoryCanvas canvas(10, 10, 0);
  PrintRotatedText(canvas, 113, 89, 90, 12, "Tx-COM1");
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0], "rotated 113,89 90 Arial 12 bold Tx-COM1");
  EXPECT_EQ(canvas.Font().pixelHeight, 11);  // the picture's own font is unchanged
}

class CommandLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CmdRecords = {};
    FilterSide = 0;
  }
  void TearDown() override { CmdRecords = {}; }
};

TEST_F(CommandLabelTest, ShortensLongNamesAndBlanksEmptyOnes) {
  CmdRecords[0].TxCom1Info.Set("ABCDEFGHIJKL");
  CmdRecords[1].TxCom1Info.Set("ABCDEFGHIJKLM");
  CmdRecords[2].TxCom1Info.Set("   ");
  EXPECT_EQ(GetCommandLabel(0, true), "ABCDEFGHIJKL");
  EXPECT_EQ(GetCommandLabel(1, true), "ABCDEFGHIJ...");
  EXPECT_EQ(GetCommandLabel(2, true), " ");
  EXPECT_EQ(GetCommandLabel(3, true), " ");  // never assigned: all NUL
}

TEST_F(CommandLabelTest, RowsFollowTheFilterSide) {
  CmdRecords[5].RxCom1Info.Set("Rx1 name");
  CmdRecords[5].RxCom2Info.Set("Rx2 name");
  EXPECT_EQ(GetCommandLabel(5, false), "Rx1 name");
  FilterSide = 1;
  EXPECT_EQ(GetCommandLabel(5, false), "Rx2 name");
}

TEST_F(CommandLabelTest, IndexOutsideTheRecordsGivesABlank) {
  EXPECT_EQ(GetCommandLabel(-1, true), " ");
  EXPECT_EQ(GetCommandLabel(32, false), " ");
}

}  // namespace
