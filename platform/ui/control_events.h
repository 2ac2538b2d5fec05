#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QMouseEvent;
class QKeyEvent;

namespace platform::ui {

class Control;

// Turns Qt's input events of a control's widgets into the control's handlers.
class ControlEvents : public QObject {
 public:
  ControlEvents(Control& control, QWidget* origin);
  void SetOrigin(QWidget* origin) { origin_ = origin; }
  void SetClickOnRelease() { clickOnRelease_ = true; }
  // Mouse events that reach the origin from a child control are that child's.
  void SetContainer() { container_ = true; }
  // MouseUp and KeyUp wait for the widget: it passes each release on to RaiseRelease
  // once it has handled it.
  void SetReleaseByWidget() { releaseByWidget_ = true; }
  void RaiseRelease(QObject* watched, QEvent* event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyPress(QObject* watched, QKeyEvent* event);
  void OnKeyRelease(QKeyEvent* event);
  void OnMouse(QObject* watched, QMouseEvent* event);

  Control& control_;
  QPointer<QWidget> origin_;
  bool clickOnRelease_ = false;
  bool container_ = false;
  bool injecting_ = false;
  bool releaseByWidget_ = false;
};

}  // namespace platform::ui
