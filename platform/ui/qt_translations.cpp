#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform::ui {

bool LoadQtTranslations(const QLocale& locale) {
  // Owned by the application object, which lives until the process ends.
  static auto* translator = new QTranslator(QCoreApplication::instance());
  const bool found = translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (found) {
    QCoreApplication::installTranslator(translator);
  } else {
    QCoreApplication::removeTranslator(translator);
  }
  return found;
}

}  // namespace platform::ui
