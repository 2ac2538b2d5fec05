#pragma once

#include <QWidget>

namespace platform::ui {

class Form;

// The top-level window of a form: passes closing, activation and the form's own
// mouse and key events to the form.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  Form& form_;
};

}  // namespace platform::ui
