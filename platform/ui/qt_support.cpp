#include "platform/ui/qt_support.h"

#include <QByteArray>
#include <QFile>
#include <array>
#include <utility>

#include "platform/cp1252.h"

namespace platform::ui {

QString ToQt(const std::string& cp1252) {
  return QString::fromStdString(platform::Cp1252ToUtf8(cp1252));
}

std::string FromQt(const QString& text) {
  return platform::Utf8ToCp1252(text.toStdString());
}

QString PathToQt(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

QColor FromColorRef(std::uint32_t colorRef) {
  return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

std::uint32_t ToColorRef(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

bool ToQColor(OleColor color, QColor& result) {
  std::uint32_t colorRef = 0;
  if (!platform::OleTranslateColor(color, colorRef)) {
    return false;
  }
  result = FromColorRef(colorRef);
  return true;
}

namespace {

constexpr std::array<std::pair<int, int>, 27> kKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    {Qt::Key_Plus, 107},    {Qt::Key_Minus, 109},   {Qt::Key_Comma, 188},   {Qt::Key_Period, 190},
    {Qt::Key_Backtab, 9},   {Qt::Key_CapsLock, 20}, {Qt::Key_NumLock, 144},
}};

}  // namespace

int VirtualKeyCode(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return qtKey;  // Qt uses the ASCII codes of upper-case letters and digits, as Windows does
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return 112 + (qtKey - Qt::Key_F1);
  }
  for (const auto& [qt, vk] : kKeys) {
    if (qt == qtKey) {
      return vk;
    }
  }
  // Every other character key ("|", "!", "ä", "€") has a code too, as on the keyboards
  // the handlers were written for; without one its release would reach no KeyUp. Qt
  // numbers character keys by their character, below its first special key.
  constexpr int kOtherCharacterKey = 223;
  if (qtKey >= Qt::Key_Exclam && qtKey < Qt::Key_Escape) {
    return kOtherCharacterKey;
  }
  return 0;
}

int QtKey(int virtualKeyCode) {
  if ((virtualKeyCode >= 'A' && virtualKeyCode <= 'Z') ||
      (virtualKeyCode >= '0' && virtualKeyCode <= '9')) {
    return virtualKeyCode;
  }
  if (virtualKeyCode >= 112 && virtualKeyCode <= 135) {
    return Qt::Key_F1 + (virtualKeyCode - 112);
  }
  for (const auto& [qt, vk] : kKeys) {
    if (vk == virtualKeyCode) {
      return qt;
    }
  }
  return Qt::Key_unknown;
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) {
    shift |= 1;
  }
  if (modifiers & Qt::ControlModifier) {
    shift |= 2;
  }
  if (modifiers & Qt::AltModifier) {
    shift |= 4;
  }
  return shift;
}

Qt::KeyboardModifiers Modifiers(int shift) {
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  if (shift & 1) {
    modifiers |= Qt::ShiftModifier;
  }
  if (shift & 2) {
    modifiers |= Qt::ControlModifier;
  }
  if (shift & 4) {
    modifiers |= Qt::AltModifier;
  }
  return modifiers;
}

int ButtonBits(Qt::MouseButtons buttons) {
  int bits = 0;
  if (buttons & Qt::LeftButton) {
    bits |= 1;
  }
  if (buttons & Qt::RightButton) {
    bits |= 2;
  }
  if (buttons & Qt::MiddleButton) {
    bits |= 4;
  }
  return bits;
}

Qt::MouseButton QtButton(int button) {
  switch (button) {
    case 2:
      return Qt::RightButton;
    case 4:
      return Qt::MiddleButton;
    default:
      return Qt::LeftButton;
  }
}

}  // namespace platform::ui
