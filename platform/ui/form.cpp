#include "platform/ui/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenu>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form_window.h"
#include "platform/ui/menu.h"
#include "platform/ui/qt_support.h"
#include "platform/ui/shown_text.h"

namespace platform::ui {

FormWindow::FormWindow(Form& form) : form_(form) {
  setMouseTracking(true);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (form_.Unload()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
  // Moves over a control that passes them up are the control's, not the form's.
  if (event->buttons() == Qt::NoButton && childAt(event->position().toPoint()) != nullptr) {
    return;
  }
  form_.Form_MouseMove(ButtonBits(event->buttons()), ShiftState(event->modifiers()),
                       static_cast<float>(event->position().x()),
                       static_cast<float>(event->position().y()));
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  int keyCode = VirtualKeyCode(event->key());
  const int shift = ShiftState(event->modifiers());
  if (keyCode != 0 && !form_.TakeDialogKey(keyCode, shift, nullptr, event->isAutoRepeat())) {
    form_.Form_KeyDown(keyCode, shift);
  }
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && form_.IsLoaded()) {
    form_.Form_Activate();
  }
  return QWidget::event(event);
}

Form::Form(std::string name) : name_(std::move(name)) {
  EnsureApplication();
  window_ = new FormWindow(*this);
  window_->setObjectName(QString::fromStdString(name_));
  window_->setAutoFillBackground(true);
  SetBackColor(backColor_);
}

Form::~Form() {
  delete window_;
}

void Form::Form_MouseMove(int, int, float, float) {}
void Form::Form_KeyDown(int&, int) {}

void Form::Register(NamedItem& item) {
  items_.push_back(&item);
  if (auto* control = dynamic_cast<Control*>(&item)) {
    tabSequence_.push_back(control);
  }
}

void Form::Unregister(NamedItem& item) {
  items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
  tabSequence_.erase(std::remove(tabSequence_.begin(), tabSequence_.end(), &item),
                     tabSequence_.end());
}

int Form::TabPosition(const Control& control) const {
  auto it = std::find(tabSequence_.begin(), tabSequence_.end(), &control);
  return it == tabSequence_.end() ? 0 : static_cast<int>(it - tabSequence_.begin()) + 1;
}

void Form::SetTabPosition(Control& control, int position) {
  auto it = std::find(tabSequence_.begin(), tabSequence_.end(), &control);
  if (it == tabSequence_.end()) {
    return;
  }
  tabSequence_.erase(it);
  const int place = std::clamp(position, 1, static_cast<int>(tabSequence_.size()) + 1) - 1;
  tabSequence_.insert(tabSequence_.begin() + place, &control);
  for (std::size_t i = 1; i < tabSequence_.size(); ++i) {
    QWidget::setTabOrder(tabSequence_[i - 1]->Widget(), tabSequence_[i]->Widget());
  }
}

bool Form::TakeDialogKey(int KeyCode, int Shift, const Control* target, bool repeated) {
  if ((KeyCode != vb::KeyReturn && KeyCode != vb::KeyEscape) ||
      (Shift & (vb::CtrlMask | vb::AltMask)) != 0) {
    return false;
  }
  if (KeyCode == vb::KeyReturn && dynamic_cast<const CommandButton*>(target) != nullptr) {
    return false;
  }
  for (Control* control : Controls()) {
    auto* button = dynamic_cast<CommandButton*>(control);
    if (button != nullptr &&
        (KeyCode == vb::KeyReturn ? button->IsDefault() : button->IsCancel())) {
      if (!repeated) {
        button->PerformClick();
      }
      return true;
    }
  }
  if (KeyCode == vb::KeyEscape && escapeCloses_) {
    if (!repeated) {
      window_->close();
    }
    return true;
  }
  return false;
}

NamedItem* Form::FindItem(std::string_view name, int index) const {
  for (NamedItem* item : items_) {
    if (item->Name() == name && item->Index() == index) {
      return item;
    }
  }
  return nullptr;
}

Control* Form::FindControl(std::string_view name, int index) const {
  return dynamic_cast<Control*>(FindItem(name, index));
}

std::vector<Control*> Form::Controls() const {
  std::vector<Control*> controls;
  for (NamedItem* item : items_) {
    if (auto* control = dynamic_cast<Control*>(item)) {
      controls.push_back(control);
    }
  }
  return controls;
}

bool Form::SetControlText(std::string_view control, int index, TextProperty,
                          const std::string& text) {
  NamedItem* item = FindItem(control, index);
  if (item == nullptr) {
    return false;
  }
  item->SetCaption(text);  // a text box's caption is its text
  return true;
}

std::string Form::Caption() const {
  return caption_;
}
void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  window_->setWindowTitle(ShownAsWindowTitle(caption));
}

void Form::Load() {
  if (loaded_) {
    return;
  }
  loaded_ = true;
  Form_Load();
}

namespace {

void SetOwner(QWidget* window, Form* owner) {
  if (owner == nullptr) {
    return;
  }
  window->winId();  // makes the native window that carries the owner link
  if (window->windowHandle() != nullptr && owner->Window()->windowHandle() != nullptr) {
    window->windowHandle()->setTransientParent(owner->Window()->windowHandle());
  }
}

}  // namespace

void Form::Show(Form* owner) {
  Load();
  if (!loaded_) {
    return;  // Form_Load unloaded it
  }
  SetOwner(window_, owner);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void Form::ShowModal(Form* owner) {
  Load();
  if (!loaded_) {
    return;
  }
  if (DialogInterceptor* interceptor = CurrentDialogInterceptor()) {
    modalAnswered_ = true;
    Show(owner);
    interceptor->AnswerModalForm(*this);
    if (loaded_ && !Unload()) {
      Hide();
    }
    modalAnswered_ = false;
    return;
  }
  window_->setWindowModality(Qt::ApplicationModal);
  Show(owner);
  QEventLoop loop;
  modalLoop_ = &loop;
  if (window_->isVisible()) {
    loop.exec();
  }
  modalLoop_ = nullptr;
  window_->setWindowModality(Qt::NonModal);
}

void Form::Hide() {
  window_->hide();
  if (modalLoop_ != nullptr) {
    modalLoop_->quit();
  }
}

bool Form::Unload() {
  if (!loaded_) {
    Hide();
    return true;
  }
  int Cancel = 0;
  Form_Unload(Cancel);
  if (Cancel != 0) {
    return false;
  }
  loaded_ = false;
  Hide();
  return true;
}

bool Form::Visible() const {
  return window_->isVisible();
}

void Form::SetClientSize(int width, int height) {
  window_->setFixedSize(std::max(width, 1), std::max(height, 1));
}

int Form::ClientWidth() const {
  return window_->width();
}
int Form::ClientHeight() const {
  return window_->height();
}
int Form::Left() const {
  return window_->x();
}
int Form::Top() const {
  return window_->y();
}
void Form::Move(int left, int top) {
  window_->move(left, top);
}

void Form::CenterOnScreen() {
  const ScreenSize screen = GetScreenSize();
  window_->move((screen.width - window_->width()) / 2, (screen.height - window_->height()) / 2);
}

void Form::SetBackColor(OleColor color) {
  backColor_ = color;
  QColor back;
  if (ToQColor(color, back)) {
    QPalette palette = window_->palette();
    palette.setColor(QPalette::Window, back);
    window_->setPalette(palette);
  }
}

// The hourglass shows at once over the window and every control in it, as that of a
// long handler must, but not over a message box or another window opened meanwhile.
void Form::SetMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  if (pointer == MousePointer::Hourglass) {
    waitCursor_.Show(*window_);
    return;
  }
  waitCursor_.Restore();
  ApplyPointer(*window_, pointer, mouseIcon_);
  for (Control* control : Controls()) {
    control->ShowPendingPointer();
  }
}

void Form::SetMouseIcon(const Cursor& icon) {
  mouseIcon_ = icon;
  if (pointer_ != MousePointer::Hourglass) {
    ApplyPointer(*window_, pointer_, mouseIcon_);
  }
}

void Form::Refresh() {
  window_->repaint();
}

void Form::PopupMenu(Menu& menu) {
  int chosen = -1;
  if (DialogInterceptor* interceptor = CurrentDialogInterceptor()) {
    chosen = interceptor->AnswerPopupMenu(menu);
  } else {
    QMenu popup(window_);
    const auto& items = menu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!items[i]->Visible()) {
        continue;
      }
      QAction* action = popup.addAction(ShownAsMenuItem(items[i]->Caption()));
      action->setEnabled(items[i]->Enabled());
      action->setCheckable(items[i]->Checked());
      action->setChecked(items[i]->Checked());
      action->setData(static_cast<int>(i));
    }
    if (QAction* action = popup.exec(QCursor::pos())) {
      chosen = action->data().toInt();
    }
  }
  const auto& items = menu.Items();
  if (chosen < 0 || chosen >= static_cast<int>(items.size())) {
    return;
  }
  MenuItem* item = items[static_cast<std::size_t>(chosen)];
  if (item->Visible() && item->Enabled() && item->Click) {
    item->Click();
  }
}

QWidget* Form::Window() const {
  return window_;
}
QWidget* Form::ChildArea() {
  return window_;
}

}  // namespace platform::ui
