#pragma once

#include <QImage>
#include <functional>

#include "platform/canvas.h"

namespace platform::ui {

// A canvas over a QImage; `changed` runs after every drawing call.
class PictureCanvas : public platform::Canvas {
 public:
  PictureCanvas(QImage& image, std::function<void()> changed);

  int Width() const override;
  int Height() const override;
  std::uint32_t Pixel(int x, int y) const override;
  void SetPixel(int x, int y, std::uint32_t color) override;
  CanvasFont Font() const override { return font_; }
  void SetFont(const CanvasFont& font) override { font_ = font; }
  std::uint32_t TextColor() const override { return textColor_; }
  void SetTextColor(std::uint32_t color) override { textColor_ = color; }
  void DrawRotatedText(int x, int y, double angleDegrees, const CanvasFont& font,
                       const std::string& text) override;
  void DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                     int format) override;
  void FillRect(int left, int top, int right, int bottom, std::uint32_t color) override;
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t color) override;

 private:
  QImage& image_;
  std::function<void()> changed_;
  CanvasFont font_;
  std::uint32_t textColor_ = 0;
};

// A canvas that owns its image (memory pictures and tests).
class ImageCanvas : public PictureCanvas {
 public:
  // Sizes below 1 give an empty surface.
  ImageCanvas(int width, int height, std::uint32_t fill = 0xFFFFFF);
  explicit ImageCanvas(const QImage& image);
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace platform::ui
