#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

namespace platform::ui {

enum class MousePointer { Default = 0, Arrow = 1, IBeam = 3, Hourglass = 11, Custom = 99 };

// A mouse icon: the built-in hand or an image with its hot spot.
class Cursor {
 public:
  Cursor() = default;
  static Cursor Hand();
  // An image file; an unreadable file gives the arrow.
  static Cursor FromFile(const std::string& path, int hotX, int hotY);
  const QCursor& Get() const { return cursor_; }

 private:
  explicit Cursor(QCursor cursor) : cursor_(std::move(cursor)) {}
  QCursor cursor_;
};

// Sets the widget's cursor for the pointer; Custom shows the icon.
void ApplyPointer(QWidget& widget, MousePointer pointer, const Cursor& icon);

// The hourglass over one window and every widget in it, at once; other windows keep
// their pointers. Restore gives each widget back the cursor it had.
class WaitCursor {
 public:
  void Show(QWidget& window);
  void Restore();
  bool Shown() const { return shown_; }

 private:
  struct Kept {
    QPointer<QWidget> widget;
    bool own = false;  // the widget had a cursor of its own
    QCursor cursor;
  };
  std::vector<Kept> kept_;
  bool shown_ = false;
};

}  // namespace platform::ui
