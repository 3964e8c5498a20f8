#pragma once
// TimetableGrid: the 17 x 6 grid of the three timetable windows. Row 0 holds the hour
// numbers, column 0 the day names; the window's painter decides every cell and this
// widget only draws what it returns. Header cells cannot be selected. A double click
// or Enter on a data cell asks for the manual command; the run's timer may repaint
// the headers alone. Pressing on a data cell and moving the pointer past the drag
// distance asks to carry what is there; F6 asks the same for the cursor's cell, the
// arrow keys then move the target, Enter drops and Esc cancels. Whether anything is
// carried is the window's to say (SetCarrying).

#include <QColor>
#include <QPalette>
#include <QTableWidget>

#include <functional>

#include "timetables/cell_paint.h"

namespace kalvodrin {

// The colour a painter's choice stands for; the system colours come from `palette`.
QColor ToQColor(CellColor c, const QPalette& palette);

class TimetableGrid : public QTableWidget {
  Q_OBJECT

 public:
  using Painter = std::function<CellPaint(int row, int column)>;

  explicit TimetableGrid(QWidget* parent = nullptr);

  void SetPainter(Painter painter) { painter_ = std::move(painter); }
  CellPaint PaintAt(int row, int column) const;
  // Column 0 is as wide as the widest school-day name ("CUMA", "ÇAR.") needs.
  int DayColumnWidth() const;

  // The data cell under the cursor, 1..80; 0 when the cursor is on no data cell.
  int CurrentCell() const;
  // Moves the cursor onto the cell (1..80).
  void SetCurrentCell(int cell);
  void RepaintAll() { viewport()->update(); }
  void RepaintHeaders();

  // The data cell under a point of the viewport; 0 on a header or outside.
  int CellAt(const QPoint& point) const;
  bool carrying() const { return carrying_; }
  void SetCarrying(bool carrying);

 signals:
  void CellActivated(int cell);
  void KeyTyped(int key, const QString& text);
  void DragStarted(int cell);
  void DragMoved(int cell);  // 0 when the pointer left the data cells
  void DragDropped(int cell);
  void DragCancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool CarryingKey(QKeyEvent* event);

  Painter painter_;
  int pressCell_ = 0;  // the data cell the left button went down on, until it goes up
  QPoint pressAt_;
  bool carrying_ = false;
  bool byMouse_ = false;
};

}  // namespace kalvodrin
