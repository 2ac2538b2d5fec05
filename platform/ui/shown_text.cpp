#include "platform/ui/shown_text.h"

#include "platform/ui/qt_support.h"

namespace platform::ui {

QString ShownText(const std::string& cp1252) {
  return ToQt(cp1252).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString ShownAsToolTip(const std::string& cp1252) {
  if (cp1252.empty()) {
    return {};
  }
  const QString escaped =
      ShownText(cp1252).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<p style='white-space:pre'>") + escaped + QStringLiteral("</p>");
}

QString ShownAsMenuItem(const std::string& cp1252) {
  return ToQt(cp1252).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString ShownAsWindowTitle(const std::string& cp1252) {
  return ToQt(cp1252).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace platform::ui
