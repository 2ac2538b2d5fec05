#include "controls/progress_bar.h"

#include <QFrame>
#include <limits>

#include "platform/colors.h"

namespace {

// The control's own window. The bar lives in its client area, the space inside the
// sunken edge, as a child window does inside a window with a client edge.
class ProgressFrame : public QFrame {
 public:
  ProgressFrame() : client_(new QWidget(this)) {}
  QWidget* Client() const { return client_; }
  // Fits the client area to the space inside the current edge.
  void FitClient() { client_->setGeometry(contentsRect()); }
  std::function<void()> resized;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QFrame::resizeEvent(event);
    if (resized) {
      resized();
    }
  }

 private:
  QWidget* client_;
};

ProgressFrame& FrameOf(QWidget* widget) {
  return *static_cast<ProgressFrame*>(widget);
}

std::int32_t Read(const PropertyStore& store, const char* key, std::int32_t defaultValue) {
  auto it = store.find(key);
  return it == store.end() ? defaultValue : it->second;
}

void Write(PropertyStore& store, const char* key, std::int32_t value, std::int32_t defaultValue) {
  if (value != defaultValue) {
    store[key] = value;
  }
}

constexpr std::int32_t kBoolTrue = -1;

}  // namespace

ProgressBar::ProgressBar(platform::ui::Container& parent, std::string name, int index,
                         ProgressWindowFactory factory)
    : Control(parent, std::move(name), index, new ProgressFrame), factory_(std::move(factory)) {
  FrameOf(Widget()).resized = [this] { FitBar(); };
}

ProgressBar::~ProgressBar() {
  FrameOf(Widget()).resized = nullptr;
  DestroyProgressWindow();
}

void ProgressBar::FitBar() {
  ProgressFrame& frame = FrameOf(Widget());
  frame.FitClient();
  if (bar_) {
    bar_->Move(frame.Client()->width(), frame.Client()->height());
  }
}

void ProgressBar::MarkChanged(const char* property) {
  if (PropertyChanged) {
    PropertyChanged(property);
  }
}

void ProgressBar::SetOrientation(std::int32_t eOrientation) {
  if (eOrientation == Orientation_) {
    return;
  }
  Orientation_ = eOrientation;
  if (bar_) {
    RecreateProgressWindow();
  }
  MarkChanged("Orientation");
}

void ProgressBar::SetMin(std::int32_t lMin) {
  if (lMin == Min_) {
    return;
  }
  Min_ = lMin;
  ApplyRange();
  MarkChanged("Min");
}

void ProgressBar::SetMax(std::int32_t lMax) {
  if (lMax == Max_) {
    return;
  }
  Max_ = lMax;
  ApplyRange();
  MarkChanged("Max");
}

void ProgressBar::SetSmooth(bool bSmooth) {
  if (bSmooth == Smooth_) {
    return;
  }
  Smooth_ = bSmooth;
  if (bar_) {
    RecreateProgressWindow();
  }
  MarkChanged("Smooth");
}

void ProgressBar::SetBorderStyle(std::int32_t eBorderStyle) {
  if (eBorderStyle == BorderStyle_) {
    return;
  }
  BorderStyle_ = eBorderStyle;
  std::int32_t barExStyle = bar_ ? bar_->ExStyle() : 0;
  if (eBorderStyle == 2) {
    controlExStyle_ |= WS_EX_CLIENTEDGE;
    barExStyle &= ~WS_EX_STATICEDGE;
  } else if (eBorderStyle == 1) {
    controlExStyle_ &= ~WS_EX_CLIENTEDGE;
    barExStyle |= WS_EX_STATICEDGE;
  } else {
    controlExStyle_ &= ~WS_EX_CLIENTEDGE;
    barExStyle &= ~WS_EX_STATICEDGE;
  }
  if (bar_) {
    bar_->SetExStyle(barExStyle);
  }
  ApplyControlExStyle();
  MarkChanged("BorderStyle");
}

void ProgressBar::ApplyControlExStyle() {
  auto* frame = static_cast<QFrame*>(Widget());
  frame->setFrameStyle((controlExStyle_ & WS_EX_CLIENTEDGE) ? QFrame::Panel | QFrame::Sunken
                                                            : QFrame::NoFrame);
  frame->setLineWidth(2);
  FitBar();
}

void ProgressBar::SetBackColor(std::int32_t oNewBackColor) {
  if (oNewBackColor == BackColor_) {
    return;
  }
  BackColor_ = oNewBackColor;
  if (bar_) {
    std::int32_t colorRef = 0;
    TranslateColor(BackColor_, colorRef);
    bar_->SetBkColor(colorRef);
  }
  MarkChanged("BackColor");
}

void ProgressBar::SetForeColor(std::int32_t oNewForeColor) {
  if (oNewForeColor == ForeColor_) {
    return;
  }
  ForeColor_ = oNewForeColor;
  if (bar_) {
    std::int32_t colorRef = 0;
    TranslateColor(ForeColor_, colorRef);
    bar_->SetBarColor(colorRef);
  }
  MarkChanged("ForeColor");
}

void ProgressBar::SetPosition(std::int32_t LPos) {
  if (LPos == Position_) {
    return;
  }
  Position_ = LPos;
  if (bar_) {
    bar_->SetPos(Position_);
  }
  MarkChanged("Position");
}

void ProgressBar::SetStep(std::int32_t lStep) {
  if (lStep == Step_) {
    return;
  }
  Step_ = lStep;
  if (bar_) {
    bar_->SetStep(Step_);
  }
  MarkChanged("Step");
}

bool ProgressBar::StepIt() {
  if (bar_) {
    bar_->StepIt();
    return true;
  }
  const std::int64_t sum = static_cast<std::int64_t>(Position_) + Step_;
  if (sum > std::numeric_limits<std::int32_t>::max() ||
      sum < std::numeric_limits<std::int32_t>::min()) {
    return false;
  }
  Position_ = static_cast<std::int32_t>(sum);
  return true;
}

void ProgressBar::ApplyRange() {
  if (!bar_) {
    return;
  }
  bar_->SetRange32(Min_, Max_);
  std::int32_t low = 0;
  std::int32_t high = 0;
  bar_->GetRange(low, high);
  if (low == Min_ && high == Max_) {
    return;
  }
  // A bar that knows only 16-bit ranges.
  bar_->SetRange(static_cast<std::int32_t>((static_cast<std::uint32_t>(Min_) & 0xFFFF) |
                                           ((static_cast<std::uint32_t>(Max_) & 0xFFFF) << 16)));
}

void ProgressBar::TranslateColor(std::int32_t oClr, std::int32_t& lColorRef) {
  std::uint32_t colorRef = 0;
  lColorRef =
      platform::OleTranslateColor(oClr, colorRef) ? static_cast<std::int32_t>(colorRef) : -1;
}

void ProgressBar::CreateProgressWindow() {
  DestroyProgressWindow();
  int style = 0;
  if (Orientation_ == 1) {
    style |= PBS_VERTICAL;
  }
  if (Smooth_) {
    style |= PBS_SMOOTH;
  }
  ProgressFrame& frame = FrameOf(Widget());
  frame.FitClient();
  QWidget* client = frame.Client();
  bar_ = factory_(style, client, client->width(), client->height());
  // Moves over the bar reach the control: Qt passes them up only through widgets that
  // track the mouse.
  client->setMouseTracking(true);
  for (QWidget* inner : client->findChildren<QWidget*>()) {
    inner->setMouseTracking(true);
  }
  if (bar_) {
    bar_->SetPos(Position_);
  }
}

void ProgressBar::DestroyProgressWindow() {
  bar_.reset();
}

void ProgressBar::RecreateProgressWindow() {
  const std::int32_t borderStyle = BorderStyle_;
  const std::int32_t position = Position_;
  const std::int32_t backColor = BackColor_;
  const std::int32_t foreColor = ForeColor_;
  CreateProgressWindow();
  ApplyRange();
  Position_ = -1;
  SetPosition(position);
  BorderStyle_ = -1;
  SetBorderStyle(borderStyle);
  BackColor_ = -1;
  SetBackColor(backColor);
  ForeColor_ = -1;
  SetForeColor(foreColor);
}

void ProgressBar::InitProperties(std::int32_t ambientBackColor) {
  SetSmooth(false);
  SetOrientation(0);
  CreateProgressWindow();
  SetBorderStyle(1);
  BackColor_ = ambientBackColor;
}

void ProgressBar::ReadProperties(const PropertyStore& store) {
  SetSmooth(Read(store, "Smooth", 0) != 0);
  SetOrientation(Read(store, "Orientation", 0));
  CreateProgressWindow();
  BorderStyle_ = -1;
  SetBorderStyle(Read(store, "BorderStyle", 1));
  SetForeColor(Read(store, "ForeColor", platform::vbHighlight));
  SetBackColor(Read(store, "BackColor", platform::vbButtonFace));
  SetMin(Read(store, "Min", 0));
  SetMax(Read(store, "Max", 100));
  SetStep(Read(store, "Step", 1));
}

void ProgressBar::WriteProperties(PropertyStore& store) const {
  Write(store, "BorderStyle", BorderStyle_, 1);
  Write(store, "Smooth", Smooth_ ? kBoolTrue : 0, 0);
  Write(store, "Orientation", Orientation_, 0);
  Write(store, "ForeColor", ForeColor_, platform::vbHighlight);
  Write(store, "BackColor", BackColor_, platform::vbButtonFace);
  Write(store, "Min", Min_, 0);
  Write(store, "Max", Max_, 100);
  Write(store, "Step", Step_, 1);
}
