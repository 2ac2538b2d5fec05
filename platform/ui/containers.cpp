#include "platform/ui/containers.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>

#include "platform/ui/picture_canvas.h"
#include "platform/ui/qt_support.h"

namespace platform::ui {

Frame::Frame(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new QGroupBox) {
  box_ = static_cast<QGroupBox*>(Widget());
  ClickOnRelease();
  MarkContainer();
}

void Frame::SetCaption(const std::string& caption) {
  box_->setTitle(ToQt(caption));
}
std::string Frame::Caption() const {
  return FromQt(box_->title());
}

// The drawing surface inside the border; it holds the child controls.
class PictureBox::Surface : public QWidget {
 public:
  Surface() {
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(background_);
  }
  QImage& Image() { return image_; }
  void SetBackground(const QColor& color) { background_ = color; }
  void Clear() {
    image_.fill(background_);
    update();
  }
  // The image covers the whole surface; it keeps what was drawn beyond a shrunk edge.
  void GrowImage() {
    if (width() <= image_.width() && height() <= image_.height()) {
      return;
    }
    QImage grown(std::max(width(), image_.width()), std::max(height(), image_.height()),
                 QImage::Format_RGB32);
    grown.fill(background_);
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = grown;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
  }
  void resizeEvent(QResizeEvent*) override { GrowImage(); }
  // Accepted here so that they do not reach the picture box's parents a second time.
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void keyPressEvent(QKeyEvent* event) override { event->accept(); }
  void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }

 private:
  QImage image_;
  QColor background_ = Qt::white;
};

namespace {

class PictureFrame : public QFrame {
 public:
  explicit PictureFrame(QWidget* surface) : surface_(surface) { surface->setParent(this); }
  QWidget* SurfaceWidget() const { return surface_; }

 protected:
  void resizeEvent(QResizeEvent*) override { surface_->setGeometry(contentsRect()); }

 private:
  QWidget* surface_;
};

}  // namespace

PictureBox::PictureBox(Container& parent, std::string name, int index)
    : Control(parent, std::move(name), index, new PictureFrame(new Surface)) {
  surface_ = static_cast<Surface*>(static_cast<PictureFrame*>(Widget())->SurfaceWidget());
  InitColors(vbButtonText, vbButtonFace);
  Widget()->setFocusProxy(surface_);
  ListenTo(surface_, surface_);
  ClickOnRelease();
  MarkContainer();
  canvas_ = std::make_unique<PictureCanvas>(surface_->Image(), [this] { surface_->update(); });
  ApplyColors();
}

PictureBox::~PictureBox() = default;

QWidget* PictureBox::ChildArea() {
  return surface_;
}

// A hidden widget gets its resize events only when shown; drawing must not wait.
void PictureBox::FitSurface() const {
  surface_->setGeometry(static_cast<QFrame*>(Widget())->contentsRect());
  surface_->GrowImage();
}

// The canvas draws with the control's current font.
platform::Canvas& PictureBox::Canvas() {
  FitSurface();
  const QFont font = Widget()->font();
  CanvasFont canvasFont = canvas_->Font();
  canvasFont.name = FromQt(font.family());
  canvasFont.pixelHeight =
      font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF() * 96 / 72 + 0.5);
  canvasFont.bold = font.bold();
  canvasFont.italic = font.italic();
  canvasFont.underline = font.underline();
  canvas_->SetFont(canvasFont);
  return *canvas_;
}

void PictureBox::SetTabStop(bool tabStop) {
  surface_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureBox::Cls() {
  surface_->Clear();
}

void PictureBox::SetPicture(const Picture& picture) {
  picture_ = picture;
  FitSurface();
  QPainter painter(&surface_->Image());
  painter.drawImage(0, 0, picture.Image());
  painter.end();
  surface_->update();
}

QImage PictureBox::Image() const {
  FitSurface();
  return surface_->Image().copy(0, 0, surface_->width(), surface_->height());
}

void PictureBox::SetBorderStyle(int style) {
  auto* frame = static_cast<QFrame*>(Widget());
  frame->setFrameStyle(style == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  frame->setLineWidth(1);
  surface_->setGeometry(frame->contentsRect());
}

int PictureBox::ScaleWidth() const {
  return surface_->width();
}
int PictureBox::ScaleHeight() const {
  return surface_->height();
}

void PictureBox::ApplyColors() {
  QColor back;
  if (ToQColor(BackColor(), back)) {
    surface_->SetBackground(back);
    surface_->Clear();  // a new background colour clears the surface
  }
  std::uint32_t fore = 0;
  if (platform::OleTranslateColor(ForeColor(), fore)) {
    canvas_->SetTextColor(fore);
  }
}

}  // namespace platform::ui
