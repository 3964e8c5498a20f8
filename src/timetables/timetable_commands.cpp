#include "timetables/timetable_commands.h"

#include "core/cells.h"
#include "engine/hour_operations.h"
#include "engine/locks.h"
#include "timetables/painter_support.h"

namespace kalvodrin {
namespace {

Change Result(bool changed) {
  if (!changed) return Refused(Outcome::kUnchanged);
  return Change{Outcome::kDone, TimetableFiles(), 0, 0};
}

// An occupied cell loses its hour, a free one gets the selected lesson.
Change PlaceOrRemove(School& school, const TimetableSelection& sel, int cell, int occupyingClass) {
  if (occupyingClass != 0) return Result(RemoveOneHour(school, cell, occupyingClass));
  return Result(PlaceOneHour(school, cell, sel.classNo, sel.lesson));
}

}  // namespace

FileSet TimetableFiles() {
  return FileSet{DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids};
}

Change TeacherCellCommand(School& school, const TimetableSelection& sel, int cell) {
  const TTeacherGridRec* t = school.TeacherGridByNo(sel.teacher);
  if (t == nullptr || !IsCell(cell) || !IsOpen(t, cell)) return Refused(Outcome::kUnchanged);
  return PlaceOrRemove(school, sel, cell, OccupantAt(t, cell));
}

Change ClassCellCommand(School& school, const TimetableSelection& sel, int cell) {
  const TClassGridRec* c = school.ClassGridByNo(sel.classNo);
  if (c == nullptr || !IsCell(cell) || !IsOpen(c, cell)) return Refused(Outcome::kUnchanged);
  return PlaceOrRemove(school, sel, cell, LessonAt(c, cell) != 0 ? sel.classNo : 0);
}

Change RoomCellCommand(School& school, const TimetableSelection& sel, int cell) {
  const TRoomGridRec* r = school.RoomGridByNo(sel.room);
  if (r == nullptr || !IsCell(cell) || !IsOpen(r, cell)) return Refused(Outcome::kUnchanged);
  return PlaceOrRemove(school, sel, cell, OccupantAt(r, cell));
}

Change ToggleTeacherCell(School& school, const TimetableSelection& sel, int cell) {
  return Result(ToggleTeacherLock(school, cell, sel.teacher));
}

Change ToggleClassCell(School& school, const TimetableSelection& sel, int cell) {
  return Result(ToggleClassLock(school, cell, sel.classNo));
}

Change ToggleRoomCell(School& school, const TimetableSelection& sel, int cell) {
  return Result(ToggleRoomLock(school, cell, sel.room));
}

Change RemoveTeacherTimetable(School& school, int teacher) {
  bool changed = false;
  for (int cell = 1; cell <= kCells; ++cell) {
    // Looked up again each time: a removal never reorders the grids, but the
    // pointer is not ours to keep across engine calls.
    const TTeacherGridRec* t = school.TeacherGridByNo(teacher);
    if (t == nullptr) break;
    const int placed = OccupantAt(t, cell);
    if (placed != 0 && IsOpen(t, cell) && RemoveOneHour(school, cell, placed)) changed = true;
  }
  return Result(changed);
}

Change CancelPlacements(School& school, const ResetOptions& options) {
  return Change{Outcome::kDone, ResetPlacements(school, options), 0, 0};
}

}  // namespace kalvodrin
