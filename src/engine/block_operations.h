#pragma once
// Placing and removing whole blocks, the way the scheduler does it. Every cell goes
// through the journal when one is passed, so the caller can roll back.

#include "core/school.h"
#include "engine/block.h"
#include "engine/change_journal.h"

namespace kalvodrin {

// Writes the block into every teacher, class and classroom timetable, hour by hour
// (teachers, then classes, then rooms): teachers and rooms get classes[0] as
// occupant, classes the lesson; every cell gets the block's length and start; teacher
// placed-hour counters rise, class free-hour counters fall.
// Refuses (false, nothing changed) when the place does not fit one day, a participant
// has no timetable, a cell of the block is not free for some participant, or the
// journal has no room for every entry.
bool PlaceBlock(School& school, const Block& block, ChangeJournal* journal);

enum class RemoveOutcome {
  kRemoved,
  kFreeCell,  // the class holds nothing at the start cell (the caller's Ok is cleared)
  kRefused,   // damaged or mismatched cells, or no room in the journal; nothing changed
};

// Takes out the block of `length` hours starting at `startCell` that class `classNo`
// holds there: its lesson is the class's occupant at the start cell; the classes are
// those of the class lesson's common group (or the class), the teachers and rooms
// those of the class lesson. Refuses when the block leaves its day, the class lesson
// is unknown, or some participant does not hold this lesson in every hour of it.
RemoveOutcome RemoveBlock(School& school, int length, int startCell, int classNo,
                          ChangeJournal* journal);

}  // namespace kalvodrin
