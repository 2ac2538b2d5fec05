#pragma once

#include <QImage>
#include <string>

namespace platform::ui {

// A picture as image and picture controls hold it.
class Picture {
 public:
  Picture() = default;
  explicit Picture(QImage image) : image_(std::move(image)) {}
  // An unreadable file gives an empty picture.
  static Picture FromFile(const std::string& path);
  bool IsEmpty() const { return image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace platform::ui
