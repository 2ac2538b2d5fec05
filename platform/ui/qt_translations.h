#pragma once

class QLocale;

namespace platform::ui {

// Puts Qt's own texts for the locale in force (the buttons of message boxes, the file
// dialog), in place of any loaded before; the program's own texts are not touched. A
// locale Qt has no texts for leaves them English. Returns whether texts were found.
bool LoadQtTranslations(const QLocale& locale);

}  // namespace platform::ui
