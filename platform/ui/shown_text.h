#pragma once

// How the program's texts reach Qt's widgets so that they show as they stand: no
// markup, no access key that the text does not mean, its line breaks kept.
#include <QString>
#include <string>

namespace platform::ui {

// For widgets that show plain text (labels, message boxes): CR LF as Qt's line break.
QString ShownText(const std::string& cp1252);
// Qt reads every tool tip that looks like markup as markup: rich text that shows the
// text as it stands. "" stays "" (no tip).
QString ShownAsToolTip(const std::string& cp1252);
// A menu item's "&" shows; it marks no access key.
QString ShownAsMenuItem(const std::string& cp1252);
// A window title's "[*]" shows; Qt would take it for the modified mark.
QString ShownAsWindowTitle(const std::string& cp1252);

}  // namespace platform::ui
