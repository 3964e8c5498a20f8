#pragma once
// Placing and removing single hours, the way the timetable windows do it: an hour
// joins the blocks of the same lesson next to it, and removing an hour splits its
// block. Only the slot checks below apply; the rules do not.

#include "core/school.h"
#include "engine/change_journal.h"

namespace kalvodrin {

// Yes when the lesson still has hours to place in the class, the cell lies inside the
// class's window of its day, and every teacher and room of the class lesson and every
// class of its common group is free and open at the cell.
bool CheckOneHour(const School& school, int cell, int classNo, int lesson);

// Places the hour (after CheckOneHour said yes) and joins it with blocks of the same
// lesson in the hours before and after; then normalizes the block. False, nothing
// changed, when the check fails or the journal has no room.
bool PlaceOneHour(School& school, int cell, int classNo, int lesson,
                  ChangeJournal* journal = nullptr);

// Removes the class's hour at the cell for every participant; what was before and
// after it in the block becomes blocks of their own. False, nothing changed, when the
// cell is free, its lesson is not one the class takes, some participant does not hold
// it, or the journal has no room.
bool RemoveOneHour(School& school, int cell, int classNo,
                   ChangeJournal* journal = nullptr);

// When the class holds a lesson at the cell: the longest run of consecutive hours of
// that day holding the lesson becomes one block in every teacher, classroom and class
// of the lesson (length and start rewritten). False when nothing was normalized.
bool NormalizeBlock(School& school, int cell, int classNo,
                    ChangeJournal* journal = nullptr);

}  // namespace kalvodrin
