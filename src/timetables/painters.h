#pragma once
// The painters of the teacher, class and classroom timetable windows: from the school
// and the window's selection to what one data cell (1..80) shows. Each colour rule is
// applied in order, a later one overriding an earlier one; the cell is the focused one
// when it is the selection's cell.

#include "core/school.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

// The selected teacher's timetable; the selected class and lesson colour it.
CellPaint PaintTeacherCell(const School& school, const TimetableSelection& sel, int cell);

// The selected class's timetable; the selected teacher colours it.
CellPaint PaintClassCell(const School& school, const TimetableSelection& sel, int cell);

// The selected classroom's timetable; the selected teacher and class colour it.
CellPaint PaintRoomCell(const School& school, const TimetableSelection& sel, int cell);

// The latest last hour of any class on any day, at least 1: the classroom window
// leaves the hours after it blank.
int LatestLastHour(const School& school);

}  // namespace kalvodrin
