#include "platform/ui/testing/ui_harness.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/ui/application.h"
#include "platform/ui/containers.h"
#include "platform/ui/menu.h"
#include "platform/ui/qt_support.h"

namespace platform::ui::testing {
namespace {

platform::MsgResult UnansweredResult(int style) {
  switch (style & platform::mb::ButtonMask) {
    case platform::mb::YesNo:
      return platform::MsgResult::No;
    case platform::mb::OkCancel:
    case platform::mb::YesNoCancel:
      return platform::MsgResult::Cancel;
    default:
      return platform::MsgResult::Ok;
  }
}

template <class T>
bool TakeFront(std::deque<T>& queue, T& value) {
  if (queue.empty()) {
    return false;
  }
  value = std::move(queue.front());
  queue.pop_front();
  return true;
}

}  // namespace

UiHarness::UiHarness() {
  if (QCoreApplication::instance() == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  EnsureApplication();
  platform::SetMessageBoxPresenter(this);
  SetDialogInterceptor(this);
}

UiHarness::~UiHarness() {
  platform::SetMessageBoxPresenter(nullptr);
  SetDialogInterceptor(nullptr);
}

void UiHarness::QueueMessageBoxAnswer(platform::MsgResult answer) {
  messageBoxAnswers_.push_back(answer);
}
void UiHarness::QueueFileDialogAnswer(const std::string& path) {
  fileDialogAnswers_.push_back(platform::Cp1252ToUtf8(path));
}
void UiHarness::QueueFileDialogUnicodeAnswer(std::string path) {
  fileDialogAnswers_.push_back(std::move(path));
}
void UiHarness::QueuePopupMenuAnswer(int position) {
  popupMenuAnswers_.push_back(position);
}
void UiHarness::QueueModalFormAction(std::function<void(Form&)> action) {
  modalFormActions_.push_back(std::move(action));
}

int UiHarness::PendingAnswers() const {
  return static_cast<int>(messageBoxAnswers_.size() + fileDialogAnswers_.size() +
                          popupMenuAnswers_.size() + modalFormActions_.size());
}

void UiHarness::ClearRecords() {
  messageBoxes_.clear();
  fileDialogs_.clear();
  popupMenus_.clear();
  modalForms_.clear();
  programEnded_ = false;
}

platform::MsgResult UiHarness::Show(const platform::MessageBoxCall& call) {
  messageBoxes_.push_back({call.prompt, call.title ? *call.title : DefaultTitle(),
                           call.style & platform::mb::ButtonMask,
                           call.style & platform::mb::IconMask, call.style});
  platform::MsgResult answer = UnansweredResult(call.style);
  TakeFront(messageBoxAnswers_, answer);
  return answer;
}

std::string UiHarness::AnswerFileDialog(const FileDialogRequest& request) {
  fileDialogs_.push_back(request);
  std::string answer;
  TakeFront(fileDialogAnswers_, answer);
  return answer;
}

int UiHarness::AnswerPopupMenu(const Menu& menu) {
  popupMenus_.push_back(menu.Name());
  int answer = -1;
  TakeFront(popupMenuAnswers_, answer);
  return answer;
}

void UiHarness::AnswerModalForm(Form& form) {
  modalForms_.push_back(form.Name());
  std::function<void(Form&)> action;
  if (TakeFront(modalFormActions_, action) && action) {
    action(form);
  }
}

void ProcessEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString LabelShows(const QLabel& label) {
  const bool markup = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
  if (!markup) {
    return label.text();
  }
  QTextDocument document;
  document.setHtml(label.text());
  return document.toPlainText();
}

QWidget* ShownTipWindow(int waitMs) {
  for (int waited = 0;; waited += 10) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->windowType() == Qt::ToolTip && widget->isVisible()) {
        return widget;
      }
    }
    if (waited >= waitMs) {
      return nullptr;
    }
    QTest::qWait(10);
  }
}

bool SaveScreenshot(Form& form, const std::string& pngPath) {
  ProcessEvents();
  return form.Window()->grab().save(QString::fromStdString(pngPath), "PNG");
}

namespace {

// Keys go to the widget that has the focus inside the control (a picture box's surface).
QWidget* KeyTarget(Control& control) {
  QWidget* widget = control.Widget();
  return widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
}

// The release goes where the keyboard focus is by then: a press whose handler moved
// the focus has its release arrive at the control that now has it; one that closed the
// window, at the focus of the window shown that has it, if any.
void SendKey(Control& control, int qtKey, int shift, const QString& text) {
  QWidget* target = KeyTarget(control);
  QWidget* window = target->window();
  QWidget* focusBefore = window->focusWidget();
  const bool shownBefore = window->isVisible();
  QKeyEvent press(QEvent::KeyPress, qtKey, Modifiers(shift), text);
  QCoreApplication::sendEvent(target, &press);
  const bool closed = shownBefore && !window->isVisible();
  QWidget* focusAfter = closed ? QApplication::focusWidget() : window->focusWidget();
  if (closed && (focusAfter == nullptr || !focusAfter->window()->isVisible())) {
    return;
  }
  QWidget* releaseTarget = focusAfter != nullptr && focusAfter != focusBefore ? focusAfter : target;
  QKeyEvent release(QEvent::KeyRelease, qtKey, Modifiers(shift), text);
  QCoreApplication::sendEvent(releaseTarget, &release);
}

// As the window system reports mouse input, sharing Qt Test's button state and clock so
// that harness and QTest input can be mixed. Two clicks are never a double click.
void SendThroughWindow(QWindow& window, QEvent::Type type, Qt::MouseButton button, QPoint at,
                       Qt::KeyboardModifiers modifiers) {
  Qt::MouseButtons& held = QTestPrivate::qtestMouseButtons;
  if (type == QEvent::MouseButtonPress) {
    held |= button;
  } else if (type == QEvent::MouseButtonRelease) {
    held &= ~Qt::MouseButtons(button);
  } else {
    button = Qt::NoButton;
  }
  QTest::lastMouseTimestamp += 1;
  qt_handleMouseEvent(&window, at, window.mapToGlobal(at), held, button, type, modifiers,
                      QTest::lastMouseTimestamp);
  if (type == QEvent::MouseButtonRelease) {
    QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
  }
  QCoreApplication::processEvents();
}

// Mouse events go to the widget under the point, as the window system delivers them:
// through the window while it is shown (with the mouse grabbed from press to release),
// else straight to the widget at that point.
void SendMouse(Control& control, QEvent::Type type, Qt::MouseButton button,
               Qt::MouseButtons buttons, int x, int y, int shift) {
  QWidget* widget = control.Widget();
  const QPoint local = ClientOrigin(control) + QPoint(x, y);
  QWidget* window = widget->window();
  if (window->isVisible() && window->windowHandle() != nullptr) {
    SendThroughWindow(*window->windowHandle(), type, button, widget->mapTo(window, local),
                      Modifiers(shift));
    return;
  }
  QWidget* target = widget->childAt(local);
  if (target == nullptr) {
    target = widget;
  }
  const QPointF at = target->mapFrom(widget, local);
  QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Modifiers(shift));
  QCoreApplication::sendEvent(target, &event);
}

// A check box reacts only over its box and caption: click the middle of the box.
QPoint ClickPoint(QWidget& widget) {
  auto* box = qobject_cast<QCheckBox*>(&widget);
  if (box == nullptr) {
    return {2, 2};
  }
  QStyleOptionButton option;
  option.initFrom(box);
  return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
}

Qt::MouseButtons HeldButtons(int buttons) {
  Qt::MouseButtons held = Qt::NoButton;
  for (int bit : {1, 2, 4}) {
    if (buttons & bit) {
      held |= QtButton(bit);
    }
  }
  return held;
}

// The item by its text without the access mark and the shortcut shown after a tab.
QAction* ItemOf(const QMenu& menu, const std::string& text) {
  for (QAction* action : menu.actions()) {
    if (action->text().section(QChar('\t'), 0, 0).remove(QChar('&')) ==
        QString::fromStdString(text)) {
      return action;
    }
  }
  return nullptr;
}

}  // namespace

void TypeText(Control& control, const std::string& text) {
  for (char byte : text) {
    const QString character = ToQt(std::string(1, byte));
    const QChar upper = character.isEmpty() ? QChar() : character[0].toUpper();
    const int key = byte == '\r' ? static_cast<int>(Qt::Key_Return) : upper.unicode();
    SendKey(control, key, 0, byte == '\r' ? QStringLiteral("\r") : character);
  }
}

void PressKey(Control& control, int keyCode, int shift) {
  QString text;
  if (keyCode == 13) {
    text = QStringLiteral("\r");
  } else if (keyCode == 8) {
    text = QString(QChar(8));
  } else if (keyCode == 32) {
    text = QStringLiteral(" ");
  }
  SendKey(control, QtKey(keyCode), shift, text);
}

// As the window system reports it, the wheel propagates to the parents while no widget
// takes it: through the window while it is shown, which finds the widget under the
// point, else straight to the widget at that point.
void TurnWheel(Control& control, int angleDelta) {
  QWidget* widget = control.Widget();
  QWidget* window = widget->window();
  const QPoint inWindow = widget->mapTo(window, widget->rect().center());
  QObject* receiver = window->windowHandle();
  QPointF at = inWindow;
  if (!window->isVisible() || receiver == nullptr) {
    QWidget* target = window->childAt(inWindow);
    receiver = target != nullptr ? target : window;
    at = static_cast<QWidget*>(receiver)->mapFrom(window, at);
  }
  QWheelEvent wheel(at, window->mapToGlobal(QPointF(inWindow)), QPoint(), QPoint(0, angleDelta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&wheel);
  QCoreApplication::sendEvent(receiver, &wheel);
  QCoreApplication::processEvents();
}

void ClickControl(Control& control) {
  const QPoint point = ClickPoint(*KeyTarget(control));
  MousePress(control, 1, point.x(), point.y());
  MouseRelease(control, 1, point.x(), point.y());
}

void MousePress(Control& control, int button, int x, int y, int shift) {
  SendMouse(control, QEvent::MouseButtonPress, QtButton(button), QtButton(button), x, y, shift);
}

void MouseMoveTo(Control& control, int buttons, int x, int y, int shift) {
  SendMouse(control, QEvent::MouseMove, Qt::NoButton, HeldButtons(buttons), x, y, shift);
}

void MouseRelease(Control& control, int button, int x, int y, int shift) {
  SendMouse(control, QEvent::MouseButtonRelease, QtButton(button), Qt::NoButton, x, y, shift);
}

bool ChooseFromContextMenu(Control& box, const std::string& item, int x, int y) {
  constexpr int kMenuWaitMs = 10000;  // a loaded machine may be slow to bring the menu
  constexpr int kActivationPolls = 100;
  bool chosen = false;
  int polls = 0;
  QTimer poll;
  poll.setInterval(5);
  // The menu runs its own event loop: look for it from there. The window system
  // activates the menu's window after showing it; an item chosen before that activation
  // arrives lets it land once the menu is gone, and it takes the focus from the box.
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr ||
        (QGuiApplication::focusWindow() != menu->windowHandle() && ++polls < kActivationPolls)) {
      return;
    }
    poll.stop();
    QAction* action = ItemOf(*menu, item);
    if (action == nullptr || !action->isEnabled()) {
      menu->close();
      return;
    }
    chosen = true;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  });
  poll.start();
  MousePress(box, 2, x, y);
  MouseRelease(box, 2, x, y);
  // The window system may bring the menu's event after the click.
  static_cast<void>(QTest::qWaitFor([&] { return !poll.isActive(); }, kMenuWaitMs));
  return chosen;
}

void MiddleClickPaste(Control& box, const std::string& text, int x, int y) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const bool selection = clipboard->supportsSelection();
  if (selection) {
    clipboard->setText(ToQt(text), QClipboard::Selection);
  }
  MousePress(box, 4, x, y);
  MouseRelease(box, 4, x, y);
  if (selection) {
    return;
  }
  if (auto* line = qobject_cast<QLineEdit*>(box.Widget())) {
    line->deselect();
    line->setCursorPosition(line->cursorPositionAt({x, y}));
    line->insert(ToQt(text));
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(box.Widget())) {
    edit->setTextCursor(edit->cursorForPosition(edit->viewport()->mapFrom(edit, QPoint(x, y))));
    edit->insertPlainText(ToQt(text));
  }
}

void DropText(Control& control, const std::string& text, int x, int y) {
  QWidget* widget = control.Widget();
  const QPoint local = ClientOrigin(control) + QPoint(x, y);
  QWidget* target = widget->childAt(local) != nullptr ? widget->childAt(local) : widget;
  const QPoint at = target->mapFrom(widget, local);
  QMimeData data;
  data.setText(ToQt(text));
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  ProcessEvents();
}

QPoint ClientOrigin(const Control& control) {
  if (dynamic_cast<const PictureBox*>(&control) == nullptr) {
    return {0, 0};
  }
  return static_cast<const QFrame*>(control.Widget())->contentsRect().topLeft();
}

void CloseWindow(Form& form) {
  form.Window()->close();
}

}  // namespace platform::ui::testing
