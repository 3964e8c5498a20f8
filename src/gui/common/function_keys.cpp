#include "gui/common/function_keys.h"

#include <QShortcut>
#include <QWidget>

#include <utility>

#include "gui/common/help_window.h"

namespace kalvodrin {

QShortcut* BindKey(QWidget* window, const QKeySequence& key, std::function<void()> action) {
  auto* shortcut = new QShortcut(key, window);
  shortcut->setContext(Qt::WindowShortcut);
  shortcut->setAutoRepeat(false);
  QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
  return shortcut;
}

QShortcut* BindHelpKey(QWidget* window, THelpForm& help, const QString& page) {
  THelpForm* form = &help;
  return BindKey(window, QKeySequence(Qt::Key_F1), [form, page] { form->ShowPage(page); });
}

}  // namespace kalvodrin
