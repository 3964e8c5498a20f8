#include "gui/common/focus_return.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace kalvodrin {

int ExecReturningFocus(QDialog& dialog) {
  const QPointer<QWidget> window = QApplication::activeWindow();
  const QPointer<QWidget> focus = window.isNull() ? nullptr : window->focusWidget();
  const int result = dialog.exec();
  // The dialog may have closed the window that opened it (an exit after a restore).
  if (window.isNull() || !window->isVisible()) return result;
  window->activateWindow();
  QApplication::setActiveWindow(window);
  if (!focus.isNull() && focus->isVisible() && focus->isEnabled())
    focus->setFocus(Qt::ActiveWindowFocusReason);
  return result;
}

}  // namespace kalvodrin
