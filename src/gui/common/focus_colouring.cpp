#include "gui/common/focus_colouring.h"

#include <QApplication>
#include <QPalette>

namespace kalvodrin {
namespace {

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, colour);
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace

FocusColouring::FocusColouring(std::initializer_list<QWidget*> widgets)
    : QObject(widgets.size() > 0 ? (*widgets.begin())->window() : nullptr) {
  for (QWidget* w : widgets) widgets_.emplace_back(w);
  connect(qApp, &QApplication::focusChanged, this, [this] { Apply(); });
  Apply();
}

void FocusColouring::Apply() {
  const QWidget* focus = QApplication::focusWidget();
  for (const QPointer<QWidget>& w : widgets_) {
    if (w.isNull() || !w->isVisible()) continue;
    const bool focused = focus != nullptr && (focus == w || w->isAncestorOf(focus));
    SetTextColour(w, focused ? kFocusTextColour : kPlainTextColour);
  }
}

void StopFollowingFocus(QWidget* window) {
  QObject::disconnect(qApp, &QApplication::focusChanged, window, nullptr);
  for (FocusColouring* colouring :
       window->findChildren<FocusColouring*>(Qt::FindDirectChildrenOnly))
    QObject::disconnect(qApp, &QApplication::focusChanged, colouring, nullptr);
}

QColor TextColourOf(const QWidget* widget) {
  return widget->palette().color(QPalette::Text);
}

}  // namespace kalvodrin
