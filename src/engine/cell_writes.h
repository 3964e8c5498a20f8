#pragma once
// The single-cell writes every engine operation is made of. Each keeps the owner's
// counters in step with its planes and records itself in the journal when one is
// given; callers make sure beforehand that the journal has room and the cell is 1..80.
// Internal to the engine.

#include <cstddef>
#include <cstdint>

#include "core/grid_records.h"
#include "engine/change_journal.h"

namespace kalvodrin::cells {

inline std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
inline std::size_t DayAt(int cell) { return static_cast<std::size_t>((cell - 1) / 16); }
inline uint8_t Byte(int v) { return static_cast<uint8_t>(v); }

void WriteTeacher(TTeacherGridRec& g, int cell, int classNo, int length, int start,
                  ChangeJournal* journal);
void ClearTeacher(TTeacherGridRec& g, int cell, ChangeJournal* journal);
void WriteClass(TClassGridRec& g, int cell, int lesson, int length, int start,
                ChangeJournal* journal);
void ClearClass(TClassGridRec& g, int cell, ChangeJournal* journal);
void WriteRoom(TRoomGridRec& g, int cell, int classNo, int length, int start,
               ChangeJournal* journal);
void ClearRoom(TRoomGridRec& g, int cell, ChangeJournal* journal);

// New length and start of an occupied cell; nothing is recorded when they are equal.
void RelinkTeacher(TTeacherGridRec& g, int cell, int length, int start,
                   ChangeJournal* journal);
void RelinkClass(TClassGridRec& g, int cell, int length, int start,
                 ChangeJournal* journal);
void RelinkRoom(TRoomGridRec& g, int cell, int length, int start, ChangeJournal* journal);

// New availability; nothing is recorded when it is equal.
void OpenTeacher(TTeacherGridRec& g, int cell, uint8_t value, ChangeJournal* journal);
void OpenClass(TClassGridRec& g, int cell, uint8_t value, ChangeJournal* journal);
void OpenRoom(TRoomGridRec& g, int cell, uint8_t value, ChangeJournal* journal);

// The undo of one journal entry on its timetable.
void UndoTeacher(TTeacherGridRec& g, const JournalEntry& e);
void UndoClass(TClassGridRec& g, const JournalEntry& e);
void UndoRoom(TRoomGridRec& g, const JournalEntry& e);

}  // namespace kalvodrin::cells
