// Draws the program's pictures as PNG files into the folder given as the only
// argument. Pure green (0, 255, 0) is the transparent colour of the start-page
// pictures: only the other pixels are painted onto the page.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor kKeyGreen(0, 255, 0);
const QColor kNavy(0, 32, 96);
const QColor kSteel(70, 90, 120);
const QColor kFace(240, 240, 240);

using Drawing = std::function<void(QPainter&, const QRect&)>;

// Pictures on the key green are drawn on a clear image first and then given hard
// edges: a pixel is either the drawing's own colour or key green, never a blend of
// the two, so no green fringe shows round the picture on the page. A clear background
// keeps its alpha (the hand cursor).
QImage Render(QSize size, const QColor& background, const Drawing& draw) {
  const bool keyed = background == kKeyGreen;
  const bool clear = keyed || background.alpha() < 255;
  QImage image(size, clear ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  image.fill(clear ? QColor(Qt::transparent) : background);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, clear);
    painter.setRenderHint(QPainter::TextAntialiasing, clear);
    draw(painter, image.rect());
  }
  if (keyed) {
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        image.setPixel(x, y, qAlpha(pixel) < 128 ? kKeyGreen.rgb() : (pixel | 0xFF000000u));
      }
    }
    image = image.convertToFormat(QImage::Format_RGB32);
  }
  return image;
}

bool Save(const QString& folder, const QString& name, QSize size, const QColor& background,
          const Drawing& draw) {
  const bool saved = Render(size, background, draw).save(folder + "/" + name, "PNG");
  if (!saved) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
  }
  return saved;
}

QFont Font(int pixelSize, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void Text(QPainter& p, const QRect& box, const QString& text, int pixelSize, bool bold,
          const QColor& color, int flags = Qt::AlignCenter) {
  p.setFont(Font(pixelSize, bold));
  p.setPen(color);
  p.drawText(box, flags, text);
}

// A 9-pin sub-D socket: a trapezoid with two rows of pins.
void SubD(QPainter& p, const QRect& box) {
  const int slant = box.width() / 10;
  const QPolygon shell({box.topLeft(), box.topRight(), QPoint(box.right() - slant, box.bottom()),
                        QPoint(box.left() + slant, box.bottom())});
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(200, 200, 205));
  p.drawPolygon(shell);
  p.setBrush(Qt::black);
  const int pin = std::max(2, box.height() / 6);
  for (int i = 0; i < 5; ++i) {
    p.drawEllipse(QPoint(box.left() + box.width() * (2 + 3 * i) / 17, box.top() + box.height() / 3),
                  pin / 2, pin / 2);
  }
  for (int i = 0; i < 4; ++i) {
    p.drawEllipse(
        QPoint(box.left() + box.width() * (3 + 3 * i) / 17, box.top() + box.height() * 2 / 3),
        pin / 2, pin / 2);
  }
}

// The module: a grey box with its two ports.
void Module(QPainter& p, const QRect& box, int labelSize) {
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(225, 228, 235));
  p.drawRoundedRect(box, 8, 8);
  Text(p, QRect(box.left(), box.top() + 6, box.width(), labelSize * 2), "VELDRAN Pelvaron",
       labelSize, true, kNavy);
  const int portWidth = box.width() / 4;
  const int portHeight = portWidth / 2;
  const int portTop = box.bottom() - portHeight - labelSize * 2;
  SubD(p, QRect(box.left() + portWidth / 2, portTop, portWidth, portHeight));
  SubD(p, QRect(box.right() - portWidth * 3 / 2, portTop, portWidth, portHeight));
  Text(p,
       QRect(box.left() + portWidth / 2 - 10, portTop + portHeight + 2, portWidth + 20,
             labelSize + 4),
       "COM1", labelSize, true, Qt::black);
  Text(p,
       QRect(box.right() - portWidth * 3 / 2 - 10, portTop + portHeight + 2, portWidth + 20,
             labelSize + 4),
       "COM2", labelSize, true, Qt::black);
}

// The large module's front: status lamps and the Prog/Run switch between the ports.
void ModuleFront(QPainter& p, const QRect& box) {
  const struct {
    const char* name;
    QColor color;
  } lamps[] = {{"Power", QColor(40, 190, 70)},
               {"COM1", QColor(250, 170, 20)},
               {"COM2", QColor(250, 170, 20)}};
  const int top = box.top() + 70;
  for (int i = 0; i < 3; ++i) {
    const QPoint centre(box.left() + box.width() * (i + 1) / 4, top);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(lamps[i].color);
    p.drawEllipse(centre, 8, 8);
    Text(p, QRect(centre.x() - 40, top + 12, 80, 20), lamps[i].name, 13, false, Qt::black);
  }
  const QRect slot(box.center().x() - 30, box.top() + 150, 60, 24);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(200, 200, 205));
  p.drawRoundedRect(slot, 8, 8);
  p.setBrush(kNavy);
  p.drawRoundedRect(QRect(slot.left() + 4, slot.top() + 4, 24, 16), 4, 4);
  Text(p, QRect(slot.left() - 50, slot.top() + 2, 46, 20), "Prog", 13, true, Qt::black,
       Qt::AlignRight | Qt::AlignVCenter);
  Text(p, QRect(slot.right() + 6, slot.top() + 2, 46, 20), "Run", 13, false, Qt::black,
       Qt::AlignLeft | Qt::AlignVCenter);
}

// The pointing hand of the clickable controls, on a clear 32 x 32 image; the tip of
// the index finger is at (7, 0), the cursor's hot spot.
void Hand(QPainter& p) {
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(4.5, 0.5, 6, 17), 3, 3);       // index finger
  hand.addRoundedRect(QRectF(10.5, 8.5, 5, 10), 2.5, 2.5);  // folded fingers
  hand.addRoundedRect(QRectF(15.5, 9.5, 5, 10), 2.5, 2.5);
  hand.addRoundedRect(QRectF(20.5, 11.5, 5, 9), 2.5, 2.5);
  hand.addRoundedRect(QRectF(4.5, 13.5, 21, 12), 4, 4);  // palm
  hand.addRect(QRectF(7.5, 22.5, 16, 8));                // wrist
  hand.moveTo(5, 15);                                    // thumb
  hand.lineTo(1, 12);
  hand.quadTo(0, 15, 2, 18);
  hand.lineTo(5, 22);
  hand.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(hand.simplified());
  for (const double x : {10.5, 15.5, 20.5}) {
    p.drawLine(QPointF(x, 11), QPointF(x, 15));
  }
}

void Flag(QPainter& p, const QRect& box) {
  const int band = box.height() / 3;
  p.fillRect(box.left(), box.top(), box.width(), band, Qt::black);
  p.fillRect(box.left(), box.top() + band, box.width(), band, QColor(221, 0, 0));
  p.fillRect(box.left(), box.top() + 2 * band, box.width(), box.height() - 2 * band,
             QColor(255, 206, 0));
}

void Arrow(QPainter& p, const QRect& box, bool pointsDown, bool pointsRight) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSteel);
  const QPoint c = box.center();
  const int h = box.height() / 3;
  const int w = box.width() / 3;
  if (pointsRight) {
    p.fillRect(box.left() + 2, c.y() - 2, box.width() - 10, 5, kSteel);
    p.drawPolygon(QPolygon({QPoint(box.right() - 1, c.y()), QPoint(box.right() - 9, c.y() - 6),
                            QPoint(box.right() - 9, c.y() + 6)}));
  } else if (pointsDown) {
    p.drawPolygon(QPolygon({QPoint(c.x() - w, c.y() - h / 2), QPoint(c.x() + w, c.y() - h / 2),
                            QPoint(c.x(), c.y() + h)}));
  } else {
    p.drawPolygon(QPolygon({QPoint(c.x() - w, c.y() + h / 2), QPoint(c.x() + w, c.y() + h / 2),
                            QPoint(c.x(), c.y() - h)}));
  }
}

void Pc(QPainter& p, const QRect& box, int ports) {
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(box);
  Text(p, QRect(box.left(), box.top() + 4, box.width(), 18), "PC", 14, true, kNavy);
  for (int i = 0; i < ports; ++i) {
    SubD(p, QRect(box.left() + 12 + i * 56, box.bottom() - 30, 40, 20));
  }
}

void Cable(QPainter& p, QPoint from, QPoint to) {
  p.setPen(QPen(QColor(40, 40, 40), 4));
  p.drawLine(from, QPoint(from.x(), (from.y() + to.y()) / 2));
  p.drawLine(QPoint(from.x(), (from.y() + to.y()) / 2), QPoint(to.x(), (from.y() + to.y()) / 2));
  p.drawLine(QPoint(to.x(), (from.y() + to.y()) / 2), to);
}

// The signal-flow pictures of the link pages. Lanes run at fixed heights; the
// no-command and status-register pictures are laid over a lane when the hovered row
// has no link or queries the status register.
const QColor kModuleFill(225, 228, 235);
const QColor kLaneOff(200, 200, 200);
constexpr int kFlowLaneTop = 30;     // page 2: COM1 in, passed on to COM2
constexpr int kFlowLaneAgain = 62;   // page 2: COM1 in once more
constexpr int kFlowLaneBack = 88;    // page 2: the back answer to COM1
constexpr int kFlowLanePage3 = 56;   // page 3: COM2 in, passed on to COM1
constexpr int kLaneInPicture = 26;   // the lane's height inside a no-link picture
constexpr int kLaneInPiece = 10;     // ... inside a piece of the back-answer lane
constexpr int kLaneInRegister = 16;  // ... inside the status-register picture

void Lane(QPainter& p, int y, int fromX, int toX) {
  p.setPen(QPen(kSteel, 3));
  p.drawLine(fromX, y, toX, y);
  const int tip = toX > fromX ? -8 : 8;
  p.setPen(Qt::NoPen);
  p.setBrush(kSteel);
  p.drawPolygon(QPolygon({QPoint(toX, y), QPoint(toX + tip, y - 5), QPoint(toX + tip, y + 5)}));
}

// A lane that carries nothing: grey and dashed.
void LaneOff(QPainter& p, int y, int fromX, int toX) {
  p.setPen(QPen(kLaneOff, 3, Qt::DashLine));
  p.drawLine(fromX, y, toX, y);
}

// The mark of "no command": a red circle struck through.
void NoCommandMark(QPainter& p, QPoint centre, int radius) {
  p.setPen(QPen(QColor(192, 0, 0), 3));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, radius, radius);
  p.drawLine(centre + QPoint(-radius * 2 / 3, radius * 2 / 3),
             centre + QPoint(radius * 2 / 3, -radius * 2 / 3));
}

// The module's status register: 32 bits drawn as eight cells.
void Register(QPainter& p, const QRect& box) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(box.adjusted(0, 0, -1, -1));
  const int cell = (box.width() - 4) / 8;
  for (int i = 0; i < 8; ++i) {
    p.setBrush(i % 3 == 0 ? QColor(120, 200, 120) : QColor(230, 230, 230));
    p.drawRect(box.left() + 2 + i * cell, box.top() + 3, cell - 1, box.height() - 7);
  }
}

void Flow(QPainter& p, bool fromCom1) {
  const QRect module(228, 14, 124, 84);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(kModuleFill);
  p.drawRoundedRect(module, 6, 6);
  Text(p, QRect(4, 118, 120, 20), "COM1", 13, true, kSteel, Qt::AlignLeft);
  Text(p, QRect(456, 118, 120, 20), "COM2", 13, true, kSteel, Qt::AlignRight);
  if (fromCom1) {
    // The status register inside the module stands right of the name.
    Text(p, QRect(232, 14, 68, 84), "Pelvaron", 11, true, kNavy);
    Lane(p, kFlowLaneTop, 8, 228);
    Lane(p, kFlowLaneTop, 352, 572);
    Lane(p, kFlowLaneAgain, 8, 228);
    Lane(p, kFlowLaneBack, 228, 8);
  } else {
    Text(p, module, "Pelvaron", 11, true, kNavy);
    Lane(p, kFlowLanePage3, 572, 352);
    Lane(p, kFlowLanePage3, 228, 8);
  }
}

bool DrawMainWindowPictures(const QString& out) {
  bool ok = true;
  ok &= Save(out, "logo.png", {910, 91}, Qt::white, [](QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, kNavy);
    g.setColorAt(0.6, QColor(120, 150, 200));
    g.setColorAt(1, Qt::white);
    p.fillRect(r, g);
    Text(p, QRect(16, 8, 500, 46), "Pelvaron", 40, true, Qt::white,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRect(18, 56, 600, 24), "Einstellungsassistent  /  Setup wizard", 16, false, Qt::white,
         Qt::AlignLeft | Qt::AlignVCenter);
  });
  ok &= Save(out, "banner.png", {928, 44}, Qt::white, [](QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, kNavy);
    g.setColorAt(0.7, QColor(120, 150, 200));
    g.setColorAt(1, Qt::white);
    p.fillRect(r, g);
  });
  ok &= Save(out, "pelvaron.png", {473, 502}, kKeyGreen, [](QPainter& p, const QRect&) {
    Text(p, QRect(40, 36, 400, 40), "Protokollwandler  /  Protocol translator", 17, false, kNavy);
    Module(p, QRect(40, 90, 400, 300), 18);
    ModuleFront(p, QRect(40, 90, 400, 300));
    Text(p, QRect(40, 410, 400, 40), "RS232  <->  RS232", 22, true, kNavy);
  });
  ok &= Save(out, "germany.png", {473, 502}, kKeyGreen, [](QPainter& p, const QRect&) {
    Flag(p, QRect(40, 110, 400, 240));
    Text(p, QRect(40, 370, 400, 40), "Made in Germany", 26, true, kNavy);
  });
  ok &= Save(out, "germany_mini.png", {139, 179}, kKeyGreen, [](QPainter& p, const QRect&) {
    Flag(p, QRect(10, 40, 119, 72));
    Text(p, QRect(0, 120, 139, 24), "Germany", 14, true, kNavy);
  });
  ok &= Save(out, "stamp.png", {170, 170}, kKeyGreen, [](QPainter& p, const QRect&) {
    p.setPen(QPen(kNavy, 4));
    p.setBrush(QColor(235, 240, 250));
    p.drawEllipse(QRect(10, 10, 150, 150));
    p.drawEllipse(QRect(24, 24, 122, 122));
    Text(p, QRect(20, 55, 130, 30), "VELDRAN", 20, true, kNavy);
    Text(p, QRect(20, 88, 130, 24), "Qualität", 16, false, kNavy);
  });
  ok &= Save(out, "mig.png", {91, 46}, kKeyGreen, [](QPainter& p, const QRect&) {
    p.fillRect(QRect(2, 2, 87, 42), kNavy);
    Text(p, QRect(2, 2, 87, 42), "Made in\nGermany", 12, true, Qt::white);
  });
  ok &=
      Save(out, "hand.png", {32, 32}, Qt::transparent, [](QPainter& p, const QRect&) { Hand(p); });
  ok &= Save(out, "flag.png", {48, 32}, Qt::white, [](QPainter& p, const QRect&) {
    Flag(p, QRect(0, 0, 48, 32));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 47, 31);
  });
  for (const char* side : {"A", "B"}) {
    ok &= Save(out, QString("com_%1.png").arg(QString(side).toLower()), {24, 24}, kFace,
               [side](QPainter& p, const QRect& r) {
                 p.setPen(QPen(kNavy, 2));
                 p.setBrush(QColor(255, 255, 200));
                 p.drawEllipse(r.adjusted(1, 1, -2, -2));
                 Text(p, r, side, 14, true, kNavy);
               });
  }
  ok &= Save(out, "arrow.png", {28, 16}, kFace,
             [](QPainter& p, const QRect& r) { Arrow(p, r, false, true); });
  ok &= Save(out, "up.png", {22, 22}, kFace,
             [](QPainter& p, const QRect& r) { Arrow(p, r, false, false); });
  ok &= Save(out, "down.png", {22, 22}, kFace,
             [](QPainter& p, const QRect& r) { Arrow(p, r, true, false); });
  ok &= Save(out, "register.png", {40, 32}, kModuleFill,
             [](QPainter& p, const QRect&) { Register(p, QRect(0, 6, 40, 20)); });
  ok &= Save(out, "register_query.png", {40, 32}, Qt::white, [](QPainter& p, const QRect&) {
    p.setPen(QPen(kSteel, 3));
    p.drawLine(0, kLaneInRegister, 40, kLaneInRegister);
    Register(p, QRect(0, 6, 40, 20));
  });
  ok &= Save(out, "no_link.png", {224, 36}, Qt::white, [](QPainter& p, const QRect& r) {
    LaneOff(p, kLaneInPicture, 4, r.right() - 4);
    NoCommandMark(p, QPoint(r.center().x(), kLaneInPicture), 8);
  });
  ok &= Save(out, "no_answer.png", {74, 36}, Qt::white, [](QPainter& p, const QRect& r) {
    LaneOff(p, kLaneInPiece, 0, r.right());
    NoCommandMark(p, QPoint(r.center().x(), kLaneInPiece), 8);
  });
  ok &= Save(out, "no_answer_lane.png", {74, 36}, Qt::white,
             [](QPainter& p, const QRect& r) { LaneOff(p, kLaneInPiece, 0, r.right()); });
  ok &= Save(out, "port.png", {48, 32}, kFace,
             [](QPainter& p, const QRect&) { SubD(p, QRect(4, 6, 40, 20)); });
  ok &= Save(out, "list.png", {24, 20}, kFace, [](QPainter& p, const QRect&) {
    p.setPen(QPen(kNavy, 2));
    for (int i = 0; i < 4; ++i) {
      p.drawLine(3, 3 + i * 5, 20, 3 + i * 5);
    }
  });
  ok &= Save(out, "description.png", {20, 20}, kFace, [](QPainter& p, const QRect&) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 14, 17);
    p.setPen(QPen(kNavy, 1));
    for (int i = 0; i < 4; ++i) {
      p.drawLine(6, 5 + i * 3, 14, 5 + i * 3);
    }
  });
  // The list editor: the icon of each list and the button of the code chart.
  for (const char* list : {"rx_com1", "tx_com1", "rx_com2", "tx_com2"}) {
    ok &= Save(out, QString("list_%1.png").arg(list), {40, 32}, kFace,
               [list](QPainter& p, const QRect& r) {
                 const QString name(list);
                 p.setPen(QPen(kNavy, 1));
                 p.setBrush(name.startsWith("rx") ? QColor(220, 235, 255) : QColor(255, 240, 210));
                 p.drawRoundedRect(r.adjusted(1, 1, -2, -2), 4, 4);
                 Text(p, QRect(0, 2, 40, 15), name.startsWith("rx") ? "Rx" : "Tx", 12, true, kNavy);
                 Text(p, QRect(0, 16, 40, 14), name.right(4).toUpper(), 9, false, kNavy);
               });
  }
  ok &= Save(out, "code_chart.png", {18, 18}, kFace, [](QPainter& p, const QRect&) {
    p.setPen(QPen(kSteel, 1));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 15, 15);
    Text(p, QRect(1, 1, 16, 16), "A", 11, true, kNavy);
  });
  ok &= Save(out, "flow_com1_com2.png", {580, 140}, Qt::white,
             [](QPainter& p, const QRect&) { Flow(p, true); });
  ok &= Save(out, "flow_com2_com1.png", {580, 140}, Qt::white,
             [](QPainter& p, const QRect&) { Flow(p, false); });
  return ok;
}

bool DrawInstructionPictures(const QString& out) {
  bool ok = true;
  ok &= Save(out, "info_one_port.png", {330, 200}, Qt::white, [](QPainter& p, const QRect&) {
    Pc(p, QRect(10, 10, 130, 80), 1);
    Module(p, QRect(150, 100, 170, 90), 11);
    Cable(p, QPoint(42, 90), QPoint(192, 160));
  });
  ok &= Save(out, "info_two_ports.png", {330, 200}, Qt::white, [](QPainter& p, const QRect&) {
    Pc(p, QRect(10, 10, 130, 80), 2);
    Module(p, QRect(150, 100, 170, 90), 11);
    Cable(p, QPoint(42, 90), QPoint(192, 160));
    Cable(p, QPoint(98, 90), QPoint(278, 160));
  });
  ok &= Save(out, "cable_straight.png", {160, 30}, Qt::white, [](QPainter& p, const QRect&) {
    SubD(p, QRect(4, 5, 36, 20));
    SubD(p, QRect(120, 5, 36, 20));
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.drawLine(40, 15, 120, 15);
  });
  ok &= Save(out, "cable_crossed.png", {160, 30}, Qt::white, [](QPainter& p, const QRect&) {
    SubD(p, QRect(4, 5, 36, 20));
    SubD(p, QRect(120, 5, 36, 20));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawLine(40, 9, 120, 21);
    p.drawLine(40, 21, 120, 9);
  });
  ok &= Save(out, "switch_prog.png", {120, 50}, Qt::white, [](QPainter& p, const QRect&) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(220, 220, 220));
    p.drawRoundedRect(QRect(10, 14, 60, 22), 6, 6);
    p.setBrush(kNavy);
    p.drawRect(QRect(14, 17, 24, 16));
    Text(p, QRect(4, 0, 40, 14), "Prog", 11, true, Qt::black);
    Text(p, QRect(40, 0, 40, 14), "Run", 11, false, Qt::black);
  });
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  return DrawMainWindowPictures(out) && DrawInstructionPictures(out) ? 0 : 1;
}
