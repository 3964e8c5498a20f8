#include "gui/common/list_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "gui/common/search_box.h"

namespace kalvodrin {

ListGrid::ListGrid(QWidget* parent) : QTableWidget(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row < filled_) emit EditRequested(row);
  });
}

void ListGrid::SetColumns(const QStringList& headers,
                          std::initializer_list<int> hiddenColumns) {
  setColumnCount(static_cast<int>(headers.size()));
  setHorizontalHeaderLabels(headers);
  for (int c = 0; c < columnCount(); ++c) setColumnHidden(c, false);
  for (int c : hiddenColumns) setColumnHidden(c, true);
}

void ListGrid::SetRows(const std::vector<QStringList>& rows) {
  const int keep = SelectedRow();
  filled_ = static_cast<int>(rows.size());
  clearContents();
  setRowCount(std::max(filled_, 1));
  for (int r = 0; r < filled_; ++r) {
    const QStringList& texts = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < columnCount() && c < texts.size(); ++c)
      setItem(r, c, new QTableWidgetItem(texts[c]));
  }
  setEnabled(filled_ > 0);
  if (filled_ == 0)
    clearSelection();
  else
    SelectRow(keep < 0 ? 0 : keep);
  FitTexts();
}

int ListGrid::TextWidth(int column) const {
  // Measured from the texts, not from the rows in sight, so that a grid not yet shown
  // or scrolled to its top is measured the same.
  const QFontMetrics metrics(font());
  int widest = 0;
  for (int r = 0; r < filled_; ++r)
    if (const QTableWidgetItem* cell = item(r, column); cell != nullptr)
      widest = std::max(widest, metrics.horizontalAdvance(cell->text()));
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return std::max(widest + 2 * margin + 2, horizontalHeader()->sectionSizeHint(column));
}

int ListGrid::WidthForTexts() const {
  // The frame on both sides, room for the vertical scroll bar, and the closing grid line.
  int width =
      2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2;
  // The last column stretches over the rest, so only its texts count; the others
  // count as wide as they stand.
  const int last = LastShownColumn();
  for (int c = 0; c < last; ++c)
    if (!isColumnHidden(c)) width += std::max(columnWidth(c), TextWidth(c));
  return last >= 0 ? width + TextWidth(last) : width;
}

void ListGrid::FitTexts() {
  const int last = LastShownColumn();
  for (int c = 0; c < last; ++c)
    if (!isColumnHidden(c) && columnWidth(c) < TextWidth(c)) setColumnWidth(c, TextWidth(c));
  // The last column stretches over whatever room is left, but never below the width
  // it was given; given its texts' width, it never pushes itself out of sight.
  if (last >= 0) setColumnWidth(last, TextWidth(last));
  if (growsToTexts_) setMinimumWidth(std::max(minimumWidth(), WidthForTexts()));
}

int ListGrid::LastShownColumn() const {
  int last = columnCount() - 1;
  while (last >= 0 && isColumnHidden(last)) --last;
  return last;
}

int ListGrid::NumberAt(int row, int column) const {
  if (row < 0 || row >= filled_) return 0;
  const QTableWidgetItem* cell = item(row, column);
  return cell != nullptr ? cell->text().trimmed().toInt() : 0;
}

int ListGrid::SelectedRow() const {
  // The current row, not the selection model's: a mouse press makes the row current
  // (and announces it) before it selects it, so a window reacting to the change would
  // read the row chosen before. Keys move both at once, current first.
  const QModelIndex current = currentIndex();
  return current.isValid() && current.row() < filled_ ? current.row() : -1;
}

int ListGrid::SelectedNumber(int column) const { return NumberAt(SelectedRow(), column); }

int ListGrid::RowOfNumber(int number, int column) const {
  for (int r = 0; r < filled_; ++r)
    if (NumberAt(r, column) == number) return r;
  return -1;
}

void ListGrid::SelectRow(int row) {
  if (filled_ == 0) return;
  row = std::clamp(row, 0, filled_ - 1);
  int column = 0;
  while (column < columnCount() - 1 && isColumnHidden(column)) ++column;
  setCurrentCell(row, column);
  selectRow(row);
}

QStringList ListGrid::ColumnTexts(int column) const {
  QStringList texts;
  for (int r = 0; r < filled_; ++r) {
    const QTableWidgetItem* cell = item(r, column);
    texts << (cell != nullptr ? cell->text() : QString());
  }
  return texts;
}

void ListGrid::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (SelectedRow() >= 0 && SelectedRow() < filled_) emit EditRequested(SelectedRow());
    event->accept();
    return;
  }
  const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (typed && searchBox_ != nullptr) {
    searchBox_->ToggleFromGrid(event->text());
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace kalvodrin
