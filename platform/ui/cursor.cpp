#include "platform/ui/cursor.h"

#include <QPixmap>

#include "platform/ui/qt_support.h"

namespace platform::ui {

Cursor Cursor::Hand() {
  return Cursor(QCursor(Qt::PointingHandCursor));
}

Cursor Cursor::FromFile(const std::string& path, int hotX, int hotY) {
  QPixmap image(PathToQt(path));
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

void WaitCursor::Show(QWidget& window) {
  if (shown_) {
    return;
  }
  shown_ = true;
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  widgets.prepend(&window);
  for (QWidget* widget : widgets) {
    const bool own = widget->testAttribute(Qt::WA_SetCursor);
    kept_.push_back({widget, own, own ? widget->cursor() : QCursor()});
    widget->setCursor(Qt::WaitCursor);
  }
}

void WaitCursor::Restore() {
  for (const Kept& kept : kept_) {
    if (kept.widget == nullptr) {
      continue;
    }
    if (kept.own) {
      kept.widget->setCursor(kept.cursor);
    } else {
      kept.widget->unsetCursor();
    }
  }
  kept_.clear();
  shown_ = false;
}

}  // namespace platform::ui
