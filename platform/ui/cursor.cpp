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

void ApplyPointer(QWidget& widget, MousePointer pointer, const Cursor& icon) {
  switch (pointer) {
    case MousePointer::Default:
      widget.unsetCursor();
      break;
    case MousePointer::Arrow:
      widget.setCursor(Qt::ArrowCursor);
      break;
    case MousePointer::IBeam:
      widget.setCursor(Qt::IBeamCursor);
      break;
    case MousePointer::Hourglass:
      widget.setCursor(Qt::WaitCursor);
      break;
    case MousePointer::Custom:
      widget.setCursor(icon.Get());
      break;
  }
}

}  // namespace platform::ui
