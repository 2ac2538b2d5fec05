#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "controls/tip_window.h"
#include "platform/colors.h"
#include "platform/ui/application.h"
#include "platform/ui/qt_support.h"
#include "platform/ui/shown_text.h"

namespace {

using platform::ui::FromColorRef;
using platform::ui::ShownText;

constexpr QPoint kOffsetFromPointer(12, 16);
constexpr int kGapAbovePointer = 4;

// The tip moved as little as it takes to lie on the screen.
QPoint OnScreen(QPoint at, QSize tip, const QRect& screen) {
  at.setX(std::max(std::min(at.x(), screen.right() + 1 - tip.width()), screen.left()));
  at.setY(std::max(std::min(at.y(), screen.bottom() + 1 - tip.height()), screen.top()));
  return at;
}

// The screen that holds the point, else the main one; an empty rectangle without any.
QRect ScreenAt(QPoint point) {
  const QScreen* screen = QGuiApplication::screenAt(point);
  if (screen == nullptr) {
    screen = QGuiApplication::primaryScreen();
  }
  return screen != nullptr ? screen->geometry() : QRect();
}

// Below and right of the pointer, as a system tip stands; where the screen ends it moves
// left, and above the pointer at the bottom, so that it never covers the pointer.
QPoint BesidePointer(QPoint pointer, QSize tip) {
  const QRect screen = ScreenAt(pointer);
  QPoint at = pointer + kOffsetFromPointer;
  if (screen.isEmpty()) {
    return at;
  }
  if (at.y() + tip.height() > screen.bottom() + 1) {
    at.setY(pointer.y() - kGapAbovePointer - tip.height());
  }
  return OnScreen(at, tip, screen);
}

// At the tracked point, moved onto the screen where it would stand off it.
QPoint AtTrackedPoint(QPoint point, QSize tip) {
  const QRect screen = ScreenAt(point);
  return screen.isEmpty() ? point : OnScreen(point, tip, screen);
}

// Calls back when the mouse leaves the watched widget.
class LeaveWatcher : public QObject {
 public:
  explicit LeaveWatcher(std::function<void()> left) : left_(std::move(left)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Leave) {
      left_();
    }
    return false;
  }

 private:
  std::function<void()> left_;
};

class QtTipWindow : public TipWindow {
 public:
  QtTipWindow() {
    platform::ui::EnsureApplication();
    popup_ = std::make_unique<QWidget>(nullptr, Qt::ToolTip);
    popup_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(popup_.get());
    layout->setContentsMargins(6, 4, 6, 4);
    auto* titleRow = new QHBoxLayout;
    icon_ = new QLabel;
    title_ = new QLabel;
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    titleRow->addWidget(icon_);
    titleRow->addWidget(title_, 1);
    layout->addLayout(titleRow);
    text_ = new QLabel;
    text_->setTextFormat(Qt::PlainText);
    layout->addWidget(text_);
    icon_->hide();
    title_->hide();
    showTimer_.setSingleShot(true);
    hideTimer_.setSingleShot(true);
    QObject::connect(&showTimer_, &QTimer::timeout, popup_.get(), [this] { Appear(); });
    QObject::connect(&hideTimer_, &QTimer::timeout, popup_.get(), [this] { popup_->hide(); });
  }

  void Activate(bool active) override {
    active_ = active;
    if (!active) {
      Hide();
    }
  }

  void SetDelayTime(int which, int milliseconds) override {
    (which == TTDT_AUTOPOP ? visibleTime_ : initialTime_) = std::max(milliseconds, 0);
  }

  // A tip that is not tracked belongs to the mouse resting on its tool: it goes when
  // the mouse leaves the tool's window.
  void AddTool(const ToolInfo& tool) override {
    tracking_ = (tool.uFlags & ttf::Track) != 0;
    if (!tracking_ && tool.hwnd != nullptr) {
      tool.hwnd->installEventFilter(&leaveWatcher_);
    }
    UpdateTipText(tool);
  }

  void UpdateTipText(const ToolInfo& tool) override {
    text_->setText(ShownText(tool.lpszText));
    Resize();
  }

  void TrackActivate(bool active, const ToolInfo&) override {
    if (!active || !active_) {
      return;
    }
    if (popup_->isVisible()) {
      hideTimer_.start(visibleTime_);
    } else if (!showTimer_.isActive()) {
      showTimer_.start(initialTime_);
    }
  }

  void TrackPosition(std::int32_t packedPosition) override {
    position_ = QPoint(static_cast<std::int16_t>(packedPosition & 0xFFFF),
                       static_cast<std::int16_t>((packedPosition >> 16) & 0xFFFF));
    Place();
  }

  void SetTipBkColor(std::int32_t color) override { SetColor(QPalette::Window, color); }
  void SetTipTextColor(std::int32_t color) override { SetColor(QPalette::WindowText, color); }

  void SetTitle(int icon, const std::string& title) override {
    title_->setText(ShownText(title));
    title_->setVisible(!title.empty());
    const QStyle::StandardPixmap pixmaps[] = {QStyle::SP_MessageBoxInformation,
                                              QStyle::SP_MessageBoxWarning,
                                              QStyle::SP_MessageBoxCritical};
    if (icon >= 1 && icon <= 3) {
      icon_->setPixmap(popup_->style()->standardIcon(pixmaps[icon - 1]).pixmap(16, 16));
    }
    icon_->setVisible(icon >= 1 && icon <= 3);
    Resize();
  }

  void SetFont(const QFont& font, bool) override {
    text_->setFont(font);
    Resize();
  }

 private:
  void Appear() {
    if (!active_) {
      return;
    }
    Place();
    popup_->show();
    Place();  // the window's frame, if the window system gives it one, is known now
    hideTimer_.start(visibleTime_);
  }

  void Hide() {
    showTimer_.stop();
    hideTimer_.stop();
    popup_->hide();
  }

  // A tracking tip stands at the tracked point; any other shows beside the mouse
  // pointer, wherever the owner asks for it. Both stay on the screen.
  void Place() {
    const QSize size = popup_->frameGeometry().size();
    popup_->move(tracking_ ? AtTrackedPoint(position_, size) : BesidePointer(QCursor::pos(), size));
  }

  // A new text or title changes the size, which a shown tip needs room for.
  void Resize() {
    popup_->adjustSize();
    if (popup_->isVisible()) {
      Place();
    }
  }

  void SetColor(QPalette::ColorRole role, std::int32_t color) {
    std::uint32_t colorRef = 0;
    if (!platform::OleTranslateColor(color, colorRef)) {
      return;
    }
    QPalette palette = popup_->palette();
    palette.setColor(role, FromColorRef(colorRef));
    popup_->setPalette(palette);
  }

  std::unique_ptr<QWidget> popup_;
  QLabel* icon_;
  QLabel* title_;
  QLabel* text_;
  QTimer showTimer_;
  QTimer hideTimer_;
  QPoint position_;
  LeaveWatcher leaveWatcher_{[this] { Hide(); }};
  bool active_ = true;  // a new tip window is active
  bool tracking_ = false;
  int visibleTime_ = 5000;
  int initialTime_ = 500;
};

}  // namespace

std::unique_ptr<TipWindow> CreateQtTipWindow(int, QWidget*) {
  return std::make_unique<QtTipWindow>();
}
