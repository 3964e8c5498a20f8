#pragma once
// Qt's own dialogs (print, page setup, file and folder choosers, the standard buttons)
// speak Turkish like the rest of the program, whatever language the desktop has: the
// translations come from Debian's qt6-translations-l10n.

class QCoreApplication;
class QTranslator;

namespace kalvodrin {

// Loads Qt's Turkish translations into the application and makes Turkish the default
// locale. Returns the installed translator (owned by `app`), or null when the
// translations are not installed: Qt's dialogs then stay in English.
QTranslator* InstallQtTurkish(QCoreApplication& app);

}  // namespace kalvodrin
