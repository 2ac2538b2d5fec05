#include "platform/ui/buttons.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>

#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

// Hands each release on once the box has handled it (toggled and raised Click). The
// user toggles between ticked and clear; only code greys the box.
class ReleaseReportingCheckBox : public QCheckBox {
 public:
  std::function<void(QEvent*)> released;

 protected:
  void nextCheckState() override {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QCheckBox::mouseReleaseEvent(event);
    Report(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    QCheckBox::keyReleaseEvent(event);
    Report(event);
  }

 private:
  void Report(QEvent* event) {
    if (released) {
      released(event);
    }
  }
};

// Return presses the focused button as Space does, once per press.
class ReturnPressingButton : public QPushButton {
 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReturn || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      QPushButton::keyPressEvent(event);
      return;
    }
    event->accept();
    if (!event->isAutoRepeat()) {
      click();
    }
  }
};

}  // namespace

CommandButton::CommandButton(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new ReturnPressingButton) {
  button_ = static_cast<QPushButton*>(Widget());
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] { RaiseClick(); });
}

// Qt marks access keys with "&" as the captions do.
void CommandButton::SetCaption(const std::string& caption) {
  button_->setText(ToQt(caption));
}
std::string CommandButton::Caption() const {
  return FromQt(button_->text());
}

void CommandButton::PerformClick() {
  button_->click();
}
void CommandButton::SetDefault(bool isDefault) {
  isDefault_ = isDefault;
  button_->setDefault(isDefault);
}

void CommandButton::SetPicture(const Picture& picture) {
  const QPixmap pixmap = QPixmap::fromImage(picture.Image());
  button_->setIcon(QIcon(pixmap));
  button_->setIconSize(pixmap.size());
}

CheckBox::CheckBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new ReleaseReportingCheckBox) {
  auto* box = static_cast<ReleaseReportingCheckBox*>(Widget());
  box_ = box;
  QObject::connect(box_, &QCheckBox::stateChanged, box_, [this] { RaiseClick(); });
  // As on Windows the value changes and Click fires before MouseUp and KeyUp.
  RaiseReleaseAfterWidget();
  box->released = [this](QEvent* event) { RaiseRelease(event); };
}

void CheckBox::SetCaption(const std::string& caption) {
  box_->setText(ToQt(caption));
}
std::string CheckBox::Caption() const {
  return FromQt(box_->text());
}

int CheckBox::Value() const {
  switch (box_->checkState()) {
    case Qt::Checked:
      return vb::Checked;
    case Qt::PartiallyChecked:
      return vb::Grayed;
    default:
      return vb::Unchecked;
  }
}

void CheckBox::SetValue(int value) {
  switch (value) {
    case vb::Unchecked:
      box_->setCheckState(Qt::Unchecked);
      break;
    case vb::Checked:
      box_->setCheckState(Qt::Checked);
      break;
    case vb::Grayed:
      box_->setTristate(true);
      box_->setCheckState(Qt::PartiallyChecked);
      break;
    default:
      break;
  }
}

}  // namespace platform::ui
