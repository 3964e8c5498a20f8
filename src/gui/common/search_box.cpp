#include "gui/common/search_box.h"

#include <QKeyEvent>

#include <algorithm>

#include "gui/common/key_filters.h"
#include "gui/common/list_grid.h"

namespace kalvodrin {

int FirstRowWithPrefix(const QStringList& names, const QString& prefix) {
  for (int r = 0; r < names.size(); ++r)
    if (names[r].startsWith(prefix, Qt::CaseSensitive)) return r;
  return -1;
}

SearchBox::SearchBox(ListGrid* grid, int nameColumn, const QString& objectName)
    : QLineEdit(grid), grid_(grid), nameColumn_(nameColumn) {
  setObjectName(objectName);
  hide();
  InstallKeyFilter(this, FieldKind::kTurkishUpper);
  grid->AttachSearchBox(this);
  connect(this, &QLineEdit::textChanged, this, &SearchBox::Search);
}

void SearchBox::ToggleFromGrid(const QString& typed) {
  if (isVisible()) {
    hide();
    return;
  }
  clear();
  PlaceOverGrid();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  // The key that opened the box is its first character, not lost.
  if (std::optional<QString> first = FilterTyped(FieldKind::kTurkishUpper, typed))
    insert(*first);
}

void SearchBox::Search(const QString& text) {
  const int row = FirstRowWithPrefix(grid_->ColumnTexts(nameColumn_), text);
  if (row >= 0) grid_->SelectRow(row);
}

void SearchBox::PlaceOverGrid() {
  const int height = sizeHint().height();
  const int width = std::min(220, grid_->width() - 4);
  setGeometry(2, grid_->height() - height - 2, std::max(width, 60), height);
}

void SearchBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Escape) {
    grid_->setFocus(Qt::OtherFocusReason);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void SearchBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  hide();
}

}  // namespace kalvodrin
