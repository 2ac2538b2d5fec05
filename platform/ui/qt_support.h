#pragma once

// Conversions at the border between the program's values and Qt's.
#include <QColor>
#include <QString>
#include <Qt>
#include <string>

#include "platform/colors.h"

namespace platform::ui {

QString ToQt(const std::string& cp1252);
std::string FromQt(const QString& text);
// A path in the file system's bytes, as Qt names files.
QString PathToQt(const std::string& path);

// False for a colour value that names no colour.
bool ToQColor(OleColor color, QColor& result);
QColor FromColorRef(std::uint32_t colorRef);
std::uint32_t ToColorRef(const QColor& color);

// Windows virtual-key code of a Qt key (0 for keys without one).
int VirtualKeyCode(int qtKey);
// The Qt key of a virtual-key code.
int QtKey(int virtualKeyCode);
int ShiftState(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers Modifiers(int shift);
int ButtonBits(Qt::MouseButtons buttons);
Qt::MouseButton QtButton(int button);

}  // namespace platform::ui
