#include "gui/common/search_box.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "gui/common/key_filters.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"

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
  {
    // An empty text is no search: opening the box leaves the selection alone.
    const QSignalBlocker quiet(this);
    clear();
  }
  ShowMatch(true);
  PlaceOverGrid();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  // The key that opened the box is its first character, not lost.
  if (std::optional<QString> first = FilterTyped(FieldKind::kTurkishUpper, typed))
    insert(*first);
}

void SearchBox::Search(const QString& text) {
  if (text.isEmpty()) {
    ShowMatch(true);
    return;
  }
  const int row = FirstRowWithPrefix(grid_->ColumnTexts(nameColumn_), text);
  if (row >= 0) {
    grid_->SelectRow(row);
    PlaceOverGrid();
  }
  ShowMatch(row >= 0);
}

void SearchBox::ShowMatch(bool matched) {
  noMatch_ = !matched;
  setStyleSheet(matched ? QString() : QStringLiteral("background: #ffc8c8;"));
  setToolTip(matched ? QString() : U8("Bu harflerle başlayan kayıt yok"));
}

void SearchBox::PlaceOverGrid() {
  const int height = sizeHint().height();
  const int width = std::max(std::min(220, grid_->width() - 4), 60);
  QRect box(2, grid_->height() - height - 2, width, height);
  const int row = grid_->SelectedRow();
  if (row >= 0) {
    const QRect cell = grid_->visualRect(grid_->model()->index(row, nameColumn_));
    const QRect selected(grid_->viewport()->mapTo(grid_, cell.topLeft()), cell.size());
    const bool covers = selected.bottom() >= box.top() && selected.top() <= box.bottom();
    if (covers) box.moveTop(grid_->viewport()->geometry().top() + 2);
  }
  setGeometry(box);
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

void SearchBox::hideEvent(QHideEvent* event) {
  QLineEdit::hideEvent(event);
  const QSignalBlocker quiet(this);
  clear();
  ShowMatch(true);
}

}  // namespace kalvodrin
