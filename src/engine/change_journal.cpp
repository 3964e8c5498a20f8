#include "engine/change_journal.h"

#include "core/cells.h"
#include "engine/cell_writes.h"

namespace kalvodrin {

void ChangeJournal::Truncate(int mark) {
  if (mark >= 0 && mark < count_) count_ = mark;
}

void RollBack(School& school, ChangeJournal& journal, int mark) {
  if (mark < 0) mark = 0;
  for (int i = journal.count() - 1; i >= mark; --i) {
    const JournalEntry& e = journal.entry(i);
    if (!IsCell(e.cell)) continue;
    if (e.teacher != 0) {
      if (TTeacherGridRec* g = school.TeacherGridByNo(e.teacher))
        cells::UndoTeacher(*g, e);
    } else if (e.room != 0) {
      if (TRoomGridRec* g = school.RoomGridByNo(e.room)) cells::UndoRoom(*g, e);
    } else if (TClassGridRec* g = school.ClassGridByNo(e.classNo)) {
      cells::UndoClass(*g, e);
    }
  }
  journal.Truncate(mark);
}

}  // namespace kalvodrin
