#include "gui/timetables/timetable_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include "core/cells.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {
namespace {

constexpr int kColumns = 17;
constexpr int kRows = 6;
constexpr int kColumnWidth = 35;

// Draws exactly what the window's painter decided for the cell.
class PaintDelegate : public QStyledItemDelegate {
 public:
  explicit PaintDelegate(TimetableGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const CellPaint p = grid_->PaintAt(index.row(), index.column());
    const QPalette& palette = grid_->palette();
    painter->save();
    painter->fillRect(option.rect, ToQColor(p.cell, palette));
    QFont font = option.font;
    font.setBold(p.bold);
    font.setUnderline(p.underline);
    painter->setFont(font);
    painter->setPen(ToQColor(p.font, palette));
    painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      U8(p.text));
    if (p.focusRect) {
      QPen pen(Qt::DotLine);
      pen.setColor(Qt::black);
      painter->setPen(pen);
      painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
  }

 private:
  TimetableGrid* grid_;
};

}  // namespace

QColor ToQColor(CellColor c, const QPalette& palette) {
  switch (c) {
    case CellColor::kBlack: return Qt::black;
    case CellColor::kWhite: return Qt::white;
    case CellColor::kLime: return QColor(0, 255, 0);
    case CellColor::kBlue: return Qt::blue;
    case CellColor::kPurple: return QColor(128, 0, 128);
    case CellColor::kTeal: return QColor(0, 128, 128);
    case CellColor::kRed: return Qt::red;
    case CellColor::kYellow: return Qt::yellow;
    case CellColor::kGreen: return QColor(0, 128, 0);
    case CellColor::kButtonFace: return palette.color(QPalette::Button);
    case CellColor::kWindowText: return palette.color(QPalette::WindowText);
    case CellColor::kInfoTip: return palette.color(QPalette::ToolTipBase);
  }
  return Qt::black;
}

TimetableGrid::TimetableGrid(QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
  setObjectName("Grid");
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(10);
  for (int c = 0; c < kColumns; ++c) setColumnWidth(c, kColumnWidth);
  setColumnWidth(0, DayColumnWidth());
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  // The arrow keys move the cursor; Tab goes on to the window's next control, as in
  // every list, so the buttons beside the grid can be reached from the keyboard.
  setTabKeyNavigation(false);
  setItemDelegate(new PaintDelegate(this));
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      auto* item = new QTableWidgetItem;
      // Headers are never a current cell.
      if (r == 0 || c == 0) item->setFlags(Qt::ItemIsEnabled);
      setItem(r, c, item);
    }
  setCurrentCell(1, 1);
  // All five days stay in sight however much the window holds below the grid (the
  // run panel, the legend): the search's place is shown on the day headers.
  setMinimumHeight(verticalHeader()->length() + 2 * frameWidth());
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
    if (row >= 1 && column >= 1) emit CellActivated(CellIndex(row, column));
  });
  connect(this, &QTableWidget::currentCellChanged, this, [this] { RepaintAll(); });
}

int TimetableGrid::DayColumnWidth() const {
  // The painter may draw a day in bold; the cell keeps 2 pixels left and 1 right.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int width = kColumnWidth;
  for (int day = 1; day <= 5; ++day)
    width = std::max(width, metrics.horizontalAdvance(U8(DayShortName(day))) + 6);
  return width;
}

CellPaint TimetableGrid::PaintAt(int row, int column) const {
  return painter_ ? painter_(row, column) : CellPaint{};
}

int TimetableGrid::CurrentCell() const {
  const int row = currentRow();
  const int column = currentColumn();
  if (row < 1 || column < 1) return 0;
  return CellIndex(row, column);
}

void TimetableGrid::SetCurrentCell(int cell) {
  if (IsCell(cell)) setCurrentCell(DayOfCell(cell), HourOfCell(cell));
}

void TimetableGrid::RepaintHeaders() {
  viewport()->update(
      visualRect(model()->index(0, 0)).united(visualRect(model()->index(0, kColumns - 1))));
  viewport()->update(
      visualRect(model()->index(0, 0)).united(visualRect(model()->index(kRows - 1, 0))));
}

int TimetableGrid::CellAt(const QPoint& point) const {
  const QModelIndex index = indexAt(point);
  if (!index.isValid() || index.row() < 1 || index.column() < 1) return 0;
  return CellIndex(index.row(), index.column());
}

void TimetableGrid::SetCarrying(bool carrying) {
  carrying_ = carrying;
  if (!carrying) byMouse_ = false;
  RepaintAll();
}

void TimetableGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressCell_ = CellAt(event->position().toPoint());
    pressAt_ = event->position().toPoint();
  }
  QTableWidget::mousePressEvent(event);
}

void TimetableGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!carrying_ && pressCell_ != 0 &&
      (at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
    const int from = pressCell_;
    pressCell_ = 0;  // one request per press
    emit DragStarted(from);
    byMouse_ = carrying_;
  }
  if (carrying_ && byMouse_) {
    emit DragMoved(CellAt(at));
    return;  // the view's own dragging would move the cursor
  }
  QTableWidget::mouseMoveEvent(event);
}

void TimetableGrid::mouseReleaseEvent(QMouseEvent* event) {
  pressCell_ = 0;
  if (carrying_ && byMouse_ && event->button() == Qt::LeftButton) {
    emit DragDropped(CellAt(event->position().toPoint()));
    return;
  }
  QTableWidget::mouseReleaseEvent(event);
}

bool TimetableGrid::CarryingKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit DragDropped(CurrentCell()); return true;
    case Qt::Key_Escape: emit DragCancelled(); return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      QTableWidget::keyPressEvent(event);
      emit DragMoved(CurrentCell());
      return true;
    default: return false;
  }
}

void TimetableGrid::keyPressEvent(QKeyEvent* event) {
  if (carrying_ && CarryingKey(event)) return;
  if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
    if (CurrentCell() != 0) emit DragStarted(CurrentCell());
    if (carrying_) emit DragMoved(CurrentCell());
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (CurrentCell() != 0) emit CellActivated(CurrentCell());
    return;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    emit KeyTyped(event->key(), text);
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace kalvodrin
