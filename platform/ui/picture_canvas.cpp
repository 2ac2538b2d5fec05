#include "platform/ui/picture_canvas.h"

#include <QPainter>

#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

QFont QtFont(const CanvasFont& font) {
  QFont result(ToQt(font.name));
  result.setPixelSize(std::max(font.pixelHeight, 1));
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  result.setStyleStrategy(QFont::NoAntialias);
  return result;
}

int QtTextFlags(int format) {
  int flags = 0;
  if (format & dt::Center) {
    flags |= Qt::AlignHCenter;
  } else if (format & dt::Right) {
    flags |= Qt::AlignRight;
  } else {
    flags |= Qt::AlignLeft;
  }
  if ((format & dt::SingleLine) && (format & dt::VCenter)) {
    flags |= Qt::AlignVCenter;
  } else if ((format & dt::SingleLine) && (format & dt::Bottom)) {
    flags |= Qt::AlignBottom;
  } else {
    flags |= Qt::AlignTop;
  }
  if ((format & dt::WordBreak) && !(format & dt::SingleLine)) {
    flags |= Qt::TextWordWrap;
  }
  return flags;
}

}  // namespace

PictureCanvas::PictureCanvas(QImage& image, std::function<void()> changed)
    : image_(image), changed_(std::move(changed)) {}

int PictureCanvas::Width() const {
  return image_.width();
}
int PictureCanvas::Height() const {
  return image_.height();
}

std::uint32_t PictureCanvas::Pixel(int x, int y) const {
  if (!image_.valid(x, y)) {
    return 0;
  }
  return ToColorRef(QColor(image_.pixel(x, y)));
}

void PictureCanvas::SetPixel(int x, int y, std::uint32_t color) {
  if (image_.valid(x, y)) {
    image_.setPixel(x, y, FromColorRef(color).rgb());
    changed_();
  }
}

void PictureCanvas::DrawRotatedText(int x, int y, double angleDegrees, const CanvasFont& font,
                                    const std::string& text) {
  if (image_.isNull()) {
    return;
  }
  QPainter painter(&image_);
  const QFont qtFont = QtFont(font);
  painter.setFont(qtFont);
  painter.setPen(FromColorRef(textColor_));
  painter.translate(x, y);
  painter.rotate(-angleDegrees);  // counter-clockwise on screen
  painter.drawText(QPoint(0, QFontMetrics(qtFont).ascent()), ToQt(text));
  painter.end();
  changed_();
}

void PictureCanvas::DrawTextInBox(int left, int top, int right, int bottom, const std::string& text,
                                  int format) {
  if (image_.isNull() || right <= left || bottom <= top) {
    return;
  }
  QPainter painter(&image_);
  painter.setFont(QtFont(font_));
  painter.setPen(FromColorRef(textColor_));
  painter.drawText(QRect(left, top, right - left, bottom - top), QtTextFlags(format), ToQt(text));
  painter.end();
  changed_();
}

void PictureCanvas::FillRect(int left, int top, int right, int bottom, std::uint32_t color) {
  if (image_.isNull() || right <= left || bottom <= top) {
    return;
  }
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, right - left, bottom - top), FromColorRef(color));
  painter.end();
  changed_();
}

void PictureCanvas::DrawLine(int x1, int y1, int x2, int y2, std::uint32_t color) {
  if (image_.isNull()) {
    return;
  }
  QPainter painter(&image_);
  painter.setPen(QPen(FromColorRef(color), 0));
  painter.drawLine(x1, y1, x2, y2);
  painter.end();
  changed_();
}

ImageCanvas::ImageCanvas(int width, int height, std::uint32_t fill)
    : PictureCanvas(image_, [] {}),
      image_(width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage()) {
  if (!image_.isNull()) {
    image_.fill(FromColorRef(fill));
  }
}

ImageCanvas::ImageCanvas(const QImage& image)
    : PictureCanvas(image_, [] {}), image_(image.convertToFormat(QImage::Format_RGB32)) {}

}  // namespace platform::ui
