#include "platform/ui/cursor.h"

#include <QPixmap>

#include "platform/ui/qt_support.h"

namespace platform::ui {

Cursor Cursor::Hand() {
  return Cursor(QCursor(Qt::PointingHandCursor));
}

Cursor Cursor::FromFile(const std::string& path, int hotX, int hotY) {
  QPixmap image(ToQt(path));
  if (image.isNull()) {
    return Cursor(QCursor(Qt::ArrowCursor));
  }
  return Cursor(QCursor(image, hotX, hotY));
}

}  // namespace platform::ui
