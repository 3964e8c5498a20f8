#pragma once
// Closing and opening cells by hand (F2 in the teacher window, F8 in the class and
// classroom windows). A free cell flips for its owner alone; a cell that holds a
// lesson flips the whole block for every teacher, class and classroom of the lesson.

#include <cstdint>

#include "core/school.h"
#include "engine/block.h"
#include "engine/change_journal.h"

namespace kalvodrin {

// False, nothing changed, when the owner has no timetable, the cell is not 1..80,
// the occupied cell's lesson cannot be resolved, or the journal has no room.
bool ToggleTeacherLock(School& school, int cell, int teacher,
                       ChangeJournal* journal = nullptr);
bool ToggleClassLock(School& school, int cell, int classNo,
                     ChangeJournal* journal = nullptr);
bool ToggleRoomLock(School& school, int cell, int room, ChangeJournal* journal = nullptr);

enum class GridKind : uint8_t { kTeacher, kClass, kRoom };

// Sets one owner's availability of one cell to `value` (1 open, 0 closed), as the
// scheduler does around a repair and for the fixed guidance hour. False, nothing
// changed, when the owner has no timetable, the cell is not 1..80 or the journal is
// full.
bool SetCellOpen(School& school, GridKind kind, int number, int cell, uint8_t value,
                 ChangeJournal* journal = nullptr);

// Sets the availability of every cell of the block to `value` for each of its
// teachers and classes (not its rooms). False, nothing changed, when the place does
// not fit one day, a teacher or class has no timetable, or the journal has no room.
bool SetBlockOpen(School& school, const Block& block, uint8_t value,
                  ChangeJournal* journal = nullptr);

}  // namespace kalvodrin
