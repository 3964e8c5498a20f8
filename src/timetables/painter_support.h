#pragma once
// Small readers the painters share. Internal to the timetables area.

#include <cstddef>

#include "core/cells.h"
#include "core/school.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

// The lesson the class holds at the cell; 0 without a class timetable.
inline int LessonAt(const TClassGridRec* c, int cell) {
  return c == nullptr ? 0 : c->occupant[static_cast<std::size_t>(cell - 1)];
}

// The cell's hour lies in the class's first..last hour of its day.
inline bool InDayWindow(const TClassGridRec* c, int cell) {
  if (c == nullptr) return false;
  const auto day = static_cast<std::size_t>(DayOfCell(cell) - 1);
  const int hour = HourOfCell(cell);
  return hour >= c->firstHour[day] && hour <= c->lastHour[day];
}

inline bool IsOpen(const auto* grid, int cell) {
  return grid == nullptr || grid->open[static_cast<std::size_t>(cell - 1)] != 0;
}

inline int OccupantAt(const auto* grid, int cell) {
  return grid == nullptr ? 0 : grid->occupant[static_cast<std::size_t>(cell - 1)];
}

inline void SetColors(CellPaint& p, CellColor font, CellColor cell) {
  p.font = font;
  p.cell = cell;
}

}  // namespace kalvodrin
