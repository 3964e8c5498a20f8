#pragma once
// Function keys and other window-wide keys (F2 save, F5 delete, Ctrl+Up, ...): they act
// whichever control of the window has the focus, as the program's windows always did.

#include <QKeySequence>
#include <QString>

#include <functional>

class QShortcut;
class QWidget;

namespace kalvodrin {

class THelpForm;

// Binds the key to the action for the whole window; the returned shortcut can be
// disabled while the action does not apply. Owned by the window.
QShortcut* BindKey(QWidget* window, const QKeySequence& key, std::function<void()> action);

// F1 opens the help page (a context number's page, or "index" for the contents).
QShortcut* BindHelpKey(QWidget* window, THelpForm& help, const QString& page);

}  // namespace kalvodrin
