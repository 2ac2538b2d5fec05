#include "platform/ui/graphics.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "platform/ui/qt_support.h"

namespace platform::ui {

Image::Image(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new QLabel) {
  label_ = static_cast<QLabel*>(Widget());
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ClickOnRelease();
}

void Image::SetPicture(const Picture& picture) {
  picture_ = picture;
  if (!stretch_ && !picture.IsEmpty()) {
    label_->resize(picture.Width(), picture.Height());
  }
  Show();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  Show();
}

void Image::Show() {
  label_->setScaledContents(stretch_);
  label_->setPixmap(QPixmap::fromImage(picture_.Image()));
}

class ShapeWidget : public QWidget {
 public:
  ShapeWidget() { setAttribute(Qt::WA_TransparentForMouseEvents); }
  void SetShape(const Shape* shape) { shape_ = shape; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (shape_ == nullptr) {
      return;
    }
    QPainter painter(this);
    QColor fill;
    if (shape_->filled_ && ToQColor(shape_->fillColor_, fill)) {
      painter.fillRect(rect(), fill);
    }
    QColor border;
    if (!ToQColor(shape_->borderColor_, border)) {
      return;
    }
    // The border lies inside the rectangle, as wide as BorderWidth.
    const int width = shape_->borderWidth_;
    painter.fillRect(0, 0, this->width(), width, border);
    painter.fillRect(0, height() - width, this->width(), width, border);
    painter.fillRect(0, 0, width, height(), border);
    painter.fillRect(this->width() - width, 0, width, height(), border);
  }

 private:
  const Shape* shape_ = nullptr;
};

Shape::Shape(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new ShapeWidget) {
  static_cast<ShapeWidget*>(Widget())->SetShape(this);
}

void Shape::SetBorderColor(OleColor color) {
  borderColor_ = color;
  Widget()->update();
}

void Shape::SetBorderWidth(int width) {
  borderWidth_ = std::max(width, 1);
  Widget()->update();
}

void Shape::SetFillColor(OleColor color) {
  fillColor_ = color;
  Widget()->update();
}

void Shape::SetFilled(bool filled) {
  filled_ = filled;
  Widget()->update();
}

namespace {

// A tab stop: Up, Down, PageUp and PageDown step it (Qt's own keys of a slider), and
// while it has the focus its thumb is framed in the highlight colour.
class FocusScrollBar : public QScrollBar {
 public:
  FocusScrollBar() : QScrollBar(Qt::Vertical) { setFocusPolicy(Qt::StrongFocus); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
      return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusMarkWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(thumb.adjusted(1, 1, -2, -2));
  }

 private:
  static constexpr int kFocusMarkWidth = 2;
};

}  // namespace

VScrollBar::VScrollBar(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new FocusScrollBar) {
  auto* bar = static_cast<QScrollBar*>(Widget());
  bar->setRange(0, 32767);
  bar->setPageStep(1);
  QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { RaiseChange(); });
}

namespace {
QScrollBar* Bar(const Control& control) {
  return static_cast<QScrollBar*>(control.Widget());
}
}  // namespace

int VScrollBar::Min() const {
  return Bar(*this)->minimum();
}
void VScrollBar::SetMin(int value) {
  Bar(*this)->setMinimum(value);
}
int VScrollBar::Max() const {
  return Bar(*this)->maximum();
}
void VScrollBar::SetMax(int value) {
  Bar(*this)->setMaximum(value);
}
int VScrollBar::Value() const {
  return Bar(*this)->value();
}
bool VScrollBar::SetValue(int value) {
  if (value < Min() || value > Max()) {
    return false;
  }
  Bar(*this)->setValue(value);
  return true;
}
void VScrollBar::SetSmallChange(int step) {
  Bar(*this)->setSingleStep(step);
}
void VScrollBar::SetLargeChange(int step) {
  Bar(*this)->setPageStep(step);
}

}  // namespace platform::ui
