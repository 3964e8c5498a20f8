#pragma once
// TimetableGrid: the 17 x 6 grid of the three timetable windows. Row 0 holds the hour
// numbers, column 0 the day names; the window's painter decides every cell and this
// widget only draws what it returns. Header cells cannot be selected. A double click
// or Enter on a data cell asks for the manual command; the run's timer may repaint
// the headers alone.

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

 signals:
  void CellActivated(int cell);
  void KeyTyped(int key, const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Painter painter_;
};

}  // namespace kalvodrin
