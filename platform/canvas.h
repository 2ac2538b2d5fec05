#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct CanvasFont {
  std::string name;      // face name
  int pixelHeight = 13;  // character height without internal leading
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Text-format bits as DrawText takes them.
namespace dt {
inline constexpr int Left = 0x0;
inline constexpr int Center = 0x1;
inline constexpr int Right = 0x2;
inline constexpr int VCenter = 0x4;
inline constexpr int Bottom = 0x8;
inline constexpr int WordBreak = 0x10;
inline constexpr int SingleLine = 0x20;
}  // namespace dt

// A drawing surface of persistent pixels (a picture area's image or a memory
// picture). Colours are 0x00BBGGRR. Coordinates outside the surface are clipped.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Pixels outside the surface read as 0.
  virtual std::uint32_t Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, std::uint32_t color) = 0;

  virtual CanvasFont Font() const = 0;
  virtual void SetFont(const CanvasFont& font) = 0;
  virtual std::uint32_t TextColor() const = 0;
  virtual void SetTextColor(std::uint32_t color) = 0;

  // Text with its top-left reference point at (x, y), turned angleDegrees
  // counter-clockwise round that point, in the text colour with a transparent
  // background.
  virtual void DrawRotatedText(int x, int y, double angleDegrees, const CanvasFont& font,
                               const std::string& text) = 0;
  // Text in the box from (left, top) to (right, bottom) with dt:: format bits.
  virtual void DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                             int format) = 0;
  virtual void FillRect(int left, int top, int right, int bottom, std::uint32_t color) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t color) = 0;
};

}  // namespace platform
