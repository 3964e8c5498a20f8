#include "engine/cell_writes.h"

namespace kalvodrin::cells {
namespace {

void Note(ChangeJournal* journal, const JournalEntry& e) {
  if (journal != nullptr) journal->Record(e);
}

JournalEntry Entry(JournalOp op, int cell) {
  JournalEntry e;
  e.op = op;
  e.cell = Byte(cell);
  return e;
}

// What sets the three kinds of timetable apart: whose number an entry carries, which
// field of an entry names the occupant (a class for teachers and rooms, a lesson for
// classes) and which placed counters move together with the occupant plane.
void Owner(JournalEntry& e, const TTeacherGridRec& g) { e.teacher = g.teacher; }
void Owner(JournalEntry& e, const TClassGridRec& g) { e.classNo = g.classNo; }
void Owner(JournalEntry& e, const TRoomGridRec& g) { e.room = g.room; }

uint8_t& OccupantOf(JournalEntry& e, const TTeacherGridRec&) { return e.classNo; }
uint8_t& OccupantOf(JournalEntry& e, const TClassGridRec&) { return e.lesson; }
uint8_t& OccupantOf(JournalEntry& e, const TRoomGridRec&) { return e.classNo; }
uint8_t OccupantOf(const JournalEntry& e, const TTeacherGridRec&) { return e.classNo; }
uint8_t OccupantOf(const JournalEntry& e, const TClassGridRec&) { return e.lesson; }
uint8_t OccupantOf(const JournalEntry& e, const TRoomGridRec&) { return e.classNo; }

void Count(TTeacherGridRec& g, int cell, int delta) {
  g.placedHours = Byte(g.placedHours + delta);
  uint8_t& day = g.placedPerDay[DayAt(cell)];
  day = Byte(day + delta);
}

void Count(TClassGridRec& g, int cell, int delta) {
  uint8_t& free = g.freeHours[DayAt(cell)];
  free = Byte(free - delta);
}

void Count(TRoomGridRec&, int, int) {}  // rooms keep no counters

template <typename Grid>
void SetCell(Grid& g, int cell, int occupant, int length, int start) {
  g.occupant[At(cell)] = Byte(occupant);
  g.blockLen[At(cell)] = Byte(length);
  g.blockStart[At(cell)] = Byte(start);
}

template <typename Grid>
void Write(Grid& g, int cell, int occupant, int length, int start,
           ChangeJournal* journal) {
  SetCell(g, cell, occupant, length, start);
  Count(g, cell, +1);
  JournalEntry e = Entry(JournalOp::kWritten, cell);
  Owner(e, g);
  OccupantOf(e, g) = Byte(occupant);
  e.blockStart = Byte(start);
  e.blockLength = Byte(length);
  Note(journal, e);
}

template <typename Grid>
void Clear(Grid& g, int cell, ChangeJournal* journal) {
  JournalEntry e = Entry(JournalOp::kCleared, cell);
  Owner(e, g);
  OccupantOf(e, g) = g.occupant[At(cell)];
  e.blockStart = g.blockStart[At(cell)];
  e.blockLength = g.blockLen[At(cell)];
  SetCell(g, cell, 0, 0, 0);
  // Only an occupied cell was counted; clearing a free one (damaged block links
  // pointing at it) must not move the counters of free and placed hours.
  if (OccupantOf(e, g) != 0) Count(g, cell, -1);
  Note(journal, e);
}

template <typename Grid>
void Relink(Grid& g, int cell, int length, int start, ChangeJournal* journal) {
  const std::size_t i = At(cell);
  if (g.blockLen[i] == length && g.blockStart[i] == start) return;
  JournalEntry e = Entry(JournalOp::kRelinked, cell);
  Owner(e, g);
  e.blockStart = g.blockStart[i];
  e.blockLength = g.blockLen[i];
  g.blockLen[i] = Byte(length);
  g.blockStart[i] = Byte(start);
  Note(journal, e);
}

template <typename Grid>
void Open(Grid& g, int cell, uint8_t value, ChangeJournal* journal) {
  const std::size_t i = At(cell);
  if (g.open[i] == value) return;
  JournalEntry e = Entry(JournalOp::kOpenChanged, cell);
  Owner(e, g);
  e.open = g.open[i];
  g.open[i] = value;
  Note(journal, e);
}

// The placed counters change by -1 when a written cell is undone, by +1 when a
// cleared occupied one is written back, and not at all otherwise.
template <typename Grid>
void Undo(Grid& g, const JournalEntry& e) {
  const int cell = e.cell;
  switch (e.op) {
    case JournalOp::kWritten:
      SetCell(g, cell, 0, 0, 0);
      Count(g, cell, -1);
      return;
    case JournalOp::kCleared:
      SetCell(g, cell, OccupantOf(e, g), e.blockLength, e.blockStart);
      if (OccupantOf(e, g) != 0) Count(g, cell, +1);
      return;
    case JournalOp::kRelinked:
      g.blockLen[At(cell)] = e.blockLength;
      g.blockStart[At(cell)] = e.blockStart;
      return;
    case JournalOp::kOpenChanged:
      g.open[At(cell)] = e.open;
      return;
  }
}

}  // namespace

void WriteTeacher(TTeacherGridRec& g, int cell, int classNo, int length, int start,
                  ChangeJournal* journal) {
  Write(g, cell, classNo, length, start, journal);
}
void WriteClass(TClassGridRec& g, int cell, int lesson, int length, int start,
                ChangeJournal* journal) {
  Write(g, cell, lesson, length, start, journal);
}
void WriteRoom(TRoomGridRec& g, int cell, int classNo, int length, int start,
               ChangeJournal* journal) {
  Write(g, cell, classNo, length, start, journal);
}

void ClearTeacher(TTeacherGridRec& g, int cell, ChangeJournal* journal) {
  Clear(g, cell, journal);
}
void ClearClass(TClassGridRec& g, int cell, ChangeJournal* journal) {
  Clear(g, cell, journal);
}
void ClearRoom(TRoomGridRec& g, int cell, ChangeJournal* journal) {
  Clear(g, cell, journal);
}

void RelinkTeacher(TTeacherGridRec& g, int cell, int length, int start,
                   ChangeJournal* journal) {
  Relink(g, cell, length, start, journal);
}
void RelinkClass(TClassGridRec& g, int cell, int length, int start,
                 ChangeJournal* journal) {
  Relink(g, cell, length, start, journal);
}
void RelinkRoom(TRoomGridRec& g, int cell, int length, int start,
                ChangeJournal* journal) {
  Relink(g, cell, length, start, journal);
}

void OpenTeacher(TTeacherGridRec& g, int cell, uint8_t value, ChangeJournal* journal) {
  Open(g, cell, value, journal);
}
void OpenClass(TClassGridRec& g, int cell, uint8_t value, ChangeJournal* journal) {
  Open(g, cell, value, journal);
}
void OpenRoom(TRoomGridRec& g, int cell, uint8_t value, ChangeJournal* journal) {
  Open(g, cell, value, journal);
}

void UndoTeacher(TTeacherGridRec& g, const JournalEntry& e) { Undo(g, e); }
void UndoClass(TClassGridRec& g, const JournalEntry& e) { Undo(g, e); }
void UndoRoom(TRoomGridRec& g, const JournalEntry& e) { Undo(g, e); }

}  // namespace kalvodrin::cells
