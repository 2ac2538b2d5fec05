#include "platform/ui/control.h"

#include <QWidget>
#include <initializer_list>

#include "platform/ui/control_events.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_support.h"
#include "platform/ui/shown_text.h"

namespace platform::ui {
namespace {

// Set colours hold while the control is enabled: the disabled group keeps the style's
// own, so that a disabled control looks greyed whatever colours it was given.
void SetWhileEnabled(QPalette& palette, std::initializer_list<QPalette::ColorRole> roles,
                     const QColor& color) {
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (const QPalette::ColorRole role : roles) {
      palette.setColor(group, role, color);
    }
  }
}

}  // namespace

Control::Control(Container& parent, std::string name, int index, QWidget* widget)
    : NamedItem(std::move(name), index), form_(&parent.ParentForm()), widget_(widget) {
  widget->setParent(parent.ChildArea());
  widget->setObjectName(QString::fromStdString(Name()));
  widget->setMouseTracking(true);
  events_ = new ControlEvents(*this, widget);
  widget->installEventFilter(events_);
  widget->show();
  form_->Register(*this);
}

// A widget that goes with the focus loses it: no handler runs then, as the form that
// holds it may be half destroyed, nor does a signal the widget sends on its way.
Control::~Control() {
  form_->Unregister(*this);
  delete events_;  // null once a parent deleted the widget and it with it
  if (widget_ != nullptr) {
    widget_->blockSignals(true);
  }
  delete widget_;
}

void Control::SetCaption(const std::string&) {}
std::string Control::Caption() const {
  return {};
}

int Control::Left() const {
  return widget_->x();
}
int Control::Top() const {
  return widget_->y();
}
int Control::Width() const {
  return widget_->width();
}
int Control::Height() const {
  return widget_->height();
}
void Control::Move(int left, int top) {
  widget_->move(left, top);
}
void Control::Move(int left, int top, int width, int height) {
  widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}
void Control::SetLeft(int left) {
  widget_->move(left, Top());
}
void Control::SetTop(int top) {
  widget_->move(Left(), top);
}
void Control::SetWidth(int width) {
  widget_->resize(std::max(width, 0), Height());
}
void Control::SetHeight(int height) {
  widget_->resize(Width(), std::max(height, 0));
}

// Visible reads what was set, not whether the window is on screen.
bool Control::Visible() const {
  return !widget_->isHidden();
}
void Control::SetVisible(bool visible) {
  widget_->setVisible(visible);
}
bool Control::Enabled() const {
  return widget_->isEnabled();
}
void Control::SetEnabled(bool enabled) {
  widget_->setEnabled(enabled);
}

std::string Control::FontName() const {
  return FromQt(widget_->font().family());
}
void Control::SetFontName(const std::string& name) {
  QFont font = widget_->font();
  font.setFamily(ToQt(name));
  widget_->setFont(font);
}
double Control::FontSize() const {
  return widget_->font().pointSizeF();
}
void Control::SetFontSize(double points) {
  if (points <= 0) {
    return;
  }
  QFont font = widget_->font();
  font.setPointSizeF(points);
  widget_->setFont(font);
}
bool Control::FontBold() const {
  return widget_->font().bold();
}
void Control::SetFontBold(bool bold) {
  QFont font = widget_->font();
  font.setBold(bold);
  widget_->setFont(font);
}

void Control::SetForeColor(OleColor color) {
  foreColor_ = color;
  ApplyColors();
}

void Control::SetBackColor(OleColor color) {
  backColor_ = color;
  ApplyColors();
}

void Control::InitColors(OleColor fore, OleColor back) {
  foreColor_ = fore;
  backColor_ = back;
}

void Control::ApplyColors() {
  QPalette palette = widget_->palette();
  QColor color;
  if (ToQColor(foreColor_, color)) {
    SetWhileEnabled(palette, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, color);
  }
  if (ToQColor(backColor_, color)) {
    SetWhileEnabled(palette, {QPalette::Window, QPalette::Base, QPalette::Button}, color);
  }
  widget_->setPalette(palette);
}

void Control::SetMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  ShowPointer();
}

void Control::SetMouseIcon(const Cursor& icon) {
  mouseIcon_ = icon;
  ShowPointer();
}

void Control::ShowPointer() {
  pointerPending_ = form_->Pointer() == MousePointer::Hourglass;
  if (!pointerPending_) {
    ApplyPointer(*widget_, pointer_, mouseIcon_);
  }
}

void Control::ShowPendingPointer() {
  if (pointerPending_) {
    ShowPointer();
  }
}

std::string Control::ToolTipText() const {
  return toolTipText_;
}
void Control::SetToolTipText(const std::string& text) {
  toolTipText_ = text;
  widget_->setToolTip(ShownAsToolTip(text));
}

int Control::TabIndex() const {
  return form_->TabPosition(*this);
}
void Control::SetTabIndex(int position) {
  form_->SetTabPosition(*this, position);
}

void Control::SetFocus() {
  widget_->window()->activateWindow();
  widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const {
  QWidget* focus = widget_->window()->focusWidget();
  return focus != nullptr && (focus == widget_ || widget_->isAncestorOf(focus));
}

void Control::Refresh() {
  widget_->repaint();
}
void Control::ZOrder() {
  widget_->raise();
}

void Control::RaiseClick() {
  if (Click) {
    Click();
  }
}

void Control::RaiseChange() {
  if (Change) {
    Change();
  }
}

void Control::RaiseEdited() {
  if (Edited) {
    Edited();
  }
}

void Control::ListenTo(QWidget* source, QWidget* origin) {
  source->setMouseTracking(true);
  source->installEventFilter(events_);
  events_->SetOrigin(origin);
}

void Control::ClickOnRelease() {
  events_->SetClickOnRelease();
}
void Control::MarkContainer() {
  events_->SetContainer();
}

void Control::RaiseReleaseAfterWidget() {
  events_->SetReleaseByWidget();
}
void Control::RaiseRelease(QEvent* event) {
  events_->RaiseRelease(widget_, event);
}

}  // namespace platform::ui
