#include "platform/ui/message_box_presenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/ui/application.h"
#include "platform/ui/shown_text.h"

namespace platform::ui {
namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & platform::mb::IconMask) {
    case platform::mb::Critical:
      return QMessageBox::Critical;
    case platform::mb::Question:
      return QMessageBox::Question;
    case platform::mb::Exclamation:
      return QMessageBox::Warning;
    case platform::mb::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(int style) {
  switch (style & platform::mb::ButtonMask) {
    case platform::mb::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case platform::mb::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case platform::mb::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

platform::MsgResult ResultOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return platform::MsgResult::Yes;
    case QMessageBox::No:
      return platform::MsgResult::No;
    case QMessageBox::Cancel:
      return platform::MsgResult::Cancel;
    default:
      return platform::MsgResult::Ok;
  }
}

}  // namespace

platform::MsgResult QtMessageBoxPresenter::Show(const platform::MessageBoxCall& call) {
  const std::string title = call.title ? *call.title : DefaultTitle();
  QMessageBox box(IconOf(call.style), ShownAsWindowTitle(title), ShownText(call.prompt),
                  ButtonsOf(call.style), QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  if (call.style & platform::mb::SetForeground) {
    // In front of every window, also of other programs, and active once it shows.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, &box, [&box] {
      box.raise();
      box.activateWindow();
    });
  }
  return ResultOf(box.exec());
}

}  // namespace platform::ui
