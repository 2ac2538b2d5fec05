#include "platform/ui/picture.h"

#include "platform/ui/qt_support.h"

namespace platform::ui {

Picture Picture::FromFile(const std::string& path) {
  QImage image(PathToQt(path));
  return Picture(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace platform::ui
