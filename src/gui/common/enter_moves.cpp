#include "gui/common/enter_moves.h"

#include <QKeyEvent>

namespace kalvodrin {

EnterMoves::EnterMoves(QObject* owner, std::function<void()> onLast)
    : QObject(owner), onLast_(std::move(onLast)) {}

void EnterMoves::Add(QWidget* box) {
  boxes_.emplace_back(box);
  box->installEventFilter(this);
}

bool EnterMoves::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
      (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return false;
  std::size_t i = 0;
  while (i < boxes_.size() && boxes_[i] != watched) ++i;
  for (std::size_t next = i + 1; next < boxes_.size(); ++next) {
    QWidget* box = boxes_[next];
    if (box != nullptr && box->isVisibleTo(box->window()) && box->isEnabled()) {
      box->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  if (onLast_) onLast_();
  return true;
}

}  // namespace kalvodrin
