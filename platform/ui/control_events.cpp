#include "platform/ui/control_events.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

// The character code a key press enters: the Windows-1252 byte of its text, or the
// control code of Enter, Backspace, Tab and Escape.
int KeyAsciiOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  if (event.text().isEmpty()) {
    return 0;
  }
  const std::string bytes = FromQt(event.text().left(1));
  return bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

int KeyForAscii(int keyAscii) {
  switch (keyAscii) {
    case 13:
      return Qt::Key_Return;
    case 8:
      return Qt::Key_Backspace;
    case 27:
      return Qt::Key_Escape;
    default:
      return keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 32 : keyAscii;
  }
}

bool ByPopup(const QEvent* event) {
  return static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

}  // namespace

ControlEvents::ControlEvents(Control& control, QWidget* origin)
    : QObject(origin), control_(control), origin_(origin) {}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return OnKeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      if (!releaseByWidget_) {
        OnKeyRelease(static_cast<QKeyEvent*>(event));
      }
      break;
    // A context menu or a list dropping down takes no focus from the control: the user
    // stays in it (a text box keeps its undo steps).
    case QEvent::FocusIn:
      if (control_.GotFocus && !ByPopup(event)) {
        control_.GotFocus();
      }
      break;
    case QEvent::FocusOut:
      if (control_.LostFocus && !ByPopup(event)) {
        control_.LostFocus();
      }
      break;
    case QEvent::MouseButtonRelease:
      if (!releaseByWidget_) {
        OnMouse(watched, static_cast<QMouseEvent*>(event));
      }
      break;
    case QEvent::MouseButtonDblClick:
      if (injecting_) {
        break;
      }
      // DblClick sees what the widget made of it (a text box selects the word).
      if (control_.DblClick) {
        injecting_ = true;
        QCoreApplication::sendEvent(watched, event);
        injecting_ = false;
        OnMouse(watched, static_cast<QMouseEvent*>(event));
        return true;
      }
      OnMouse(watched, static_cast<QMouseEvent*>(event));
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
      OnMouse(watched, static_cast<QMouseEvent*>(event));
      break;
    default:
      break;
  }
  return false;
}

void ControlEvents::RaiseRelease(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    OnKeyRelease(static_cast<QKeyEvent*>(event));
  } else if (event->type() == QEvent::MouseButtonRelease) {
    OnMouse(watched, static_cast<QMouseEvent*>(event));
  }
}

bool ControlEvents::OnKeyPress(QObject* watched, QKeyEvent* event) {
  if (injecting_) {
    return false;
  }
  const int shift = ShiftState(event->modifiers());
  int keyCode = VirtualKeyCode(event->key());
  if (keyCode != 0 &&
      control_.ParentForm().TakeDialogKey(keyCode, shift, &control_, event->isAutoRepeat())) {
    return true;
  }
  if (control_.KeyDown && keyCode != 0) {
    control_.KeyDown(keyCode, shift);
  }
  const int original = KeyAsciiOf(*event);
  if (!control_.KeyPress || original == 0) {
    return false;
  }
  int keyAscii = original;
  control_.KeyPress(keyAscii);
  if (keyAscii == original) {
    return false;
  }
  if ((keyAscii & 0xFF) != 0) {
    const std::string replacement(1, static_cast<char>(keyAscii & 0xFF));
    QKeyEvent changed(QEvent::KeyPress, KeyForAscii(keyAscii & 0xFF), event->modifiers(),
                      ToQt(replacement));
    injecting_ = true;
    QCoreApplication::sendEvent(watched, &changed);
    injecting_ = false;
  }
  return true;  // the original key is swallowed
}

void ControlEvents::OnKeyRelease(QKeyEvent* event) {
  if (!control_.KeyUp || event->isAutoRepeat()) {
    return;
  }
  int keyCode = VirtualKeyCode(event->key());
  if (keyCode != 0) {
    control_.KeyUp(keyCode, ShiftState(event->modifiers()));
  }
}

void ControlEvents::OnMouse(QObject* watched, QMouseEvent* event) {
  auto* source = qobject_cast<QWidget*>(watched);
  if (source == nullptr || origin_ == nullptr) {
    return;
  }
  // Through the screen: the origin may be a child of the source (a picture box's surface
  // inside its border) or its parent (a list's viewport inside the list).
  const QPointF pos = source == origin_
                          ? event->position()
                          : origin_->mapFromGlobal(source->mapToGlobal(event->position()));
  const bool dragging = event->type() == QEvent::MouseMove && event->buttons() != Qt::NoButton;
  // A move that reached the container from one of its children (or from its surface,
  // already seen there) is not the container's own.
  if (container_ && !dragging && source->childAt(event->position().toPoint()) != nullptr) {
    return;
  }
  const auto x = static_cast<float>(pos.x());
  const auto y = static_cast<float>(pos.y());
  const int shift = ShiftState(event->modifiers());
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (control_.MouseDown) {
        control_.MouseDown(ButtonBits(event->button()), shift, x, y);
      }
      break;
    case QEvent::MouseMove:
      if (control_.MouseMove) {
        control_.MouseMove(ButtonBits(event->buttons()), shift, x, y);
      }
      break;
    case QEvent::MouseButtonDblClick:
      // The second press of a double click is a press as well.
      if (control_.MouseDown) {
        control_.MouseDown(ButtonBits(event->button()), shift, x, y);
      }
      if (control_.DblClick) {
        control_.DblClick();
      }
      break;
    default:
      if (control_.MouseUp) {
        control_.MouseUp(ButtonBits(event->button()), shift, x, y);
      }
      if (clickOnRelease_ && event->button() == Qt::LeftButton && control_.Click &&
          origin_->rect().contains(pos.toPoint())) {
        control_.Click();
      }
      break;
  }
}

}  // namespace platform::ui
