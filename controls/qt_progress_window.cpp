#include <QFrame>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/progress_window.h"
#include "platform/ui/qt_support.h"

namespace {

// A thin frame (the static edge) round a Qt progress bar.
class QtProgressWindow : public ProgressWindow {
 public:
  QtProgressWindow(int style, QWidget* parent, int width, int height) {
    frame_ = new QFrame(parent);
    bar_ = new QProgressBar(frame_);
    auto* layout = new QVBoxLayout(frame_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    bar_->setOrientation((style & PBS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    // Without the smooth style the filled part shows as blocks.
    if (!(style & PBS_SMOOTH)) {
      bar_->setStyleSheet(QStringLiteral("QProgressBar::chunk { width: 8px; margin: 1px; }"));
    }
    frame_->setGeometry(0, 0, width, height);
    frame_->show();
  }
  ~QtProgressWindow() override {
    frame_->hide();
    delete frame_;
  }

  // A position outside the range shows as its nearest end, as does one that a new
  // range leaves outside.
  void SetPos(std::int32_t position) override {
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
  }
  void SetStep(std::int32_t step) override { step_ = step; }
  void StepIt() override {
    // Past the upper end the bar starts again from the lower end.
    int next = bar_->value() + step_;
    if (next > bar_->maximum()) {
      next = bar_->minimum() + (next - bar_->maximum());
    }
    bar_->setValue(next);
  }
  void SetRange32(std::int32_t low, std::int32_t high) override { ApplyRange(low, high); }
  void GetRange(std::int32_t& low, std::int32_t& high) const override {
    low = bar_->minimum();
    high = bar_->maximum();
  }
  void SetRange(std::int32_t packed) override {
    ApplyRange(packed & 0xFFFF, (packed >> 16) & 0xFFFF);
  }
  void SetBkColor(std::int32_t colorRef) override { SetColor(QPalette::Base, colorRef); }
  void SetBarColor(std::int32_t colorRef) override { SetColor(QPalette::Highlight, colorRef); }
  std::int32_t ExStyle() const override { return exStyle_; }
  void SetExStyle(std::int32_t exStyle) override {
    exStyle_ = exStyle;
    frame_->setFrameStyle((exStyle & WS_EX_STATICEDGE) ? QFrame::Box | QFrame::Plain
                                                       : QFrame::NoFrame);
    frame_->setLineWidth(1);
  }
  void Move(int width, int height) override { frame_->setGeometry(0, 0, width, height); }

 private:
  // Qt empties a bar whose value falls outside a new range; the bar keeps it at the end.
  void ApplyRange(int low, int high) {
    const int shown = bar_->value();
    bar_->setRange(low, high);
    SetPos(shown);
  }

  void SetColor(QPalette::ColorRole role, std::int32_t colorRef) {
    QPalette palette = bar_->palette();
    if (colorRef == -1) {
      palette.setColor(role, QPalette().color(role));
    } else {
      palette.setColor(role, platform::ui::FromColorRef(static_cast<std::uint32_t>(colorRef)));
    }
    bar_->setPalette(palette);
  }

  QFrame* frame_;
  QProgressBar* bar_;
  std::int32_t step_ = 10;
  std::int32_t exStyle_ = 0;
};

}  // namespace

std::unique_ptr<ProgressWindow> CreateQtProgressWindow(int style, QWidget* parent, int width,
                                                       int height) {
  return std::make_unique<QtProgressWindow>(style, parent, width, height);
}
