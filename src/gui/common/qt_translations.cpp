#include "gui/common/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalvodrin {

QTranslator* InstallQtTurkish(QCoreApplication& app) {
  const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
  QLocale::setDefault(turkish);
  // Owned by the application, so it lives as long as the dialogs it translates.
  auto* translator = new QTranslator(&app);
  if (!translator->load(turkish, "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace kalvodrin
