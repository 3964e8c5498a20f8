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

// Placed counters move together with the occupant plane.
void CountTeacher(TTeacherGridRec& g, int cell, int delta) {
  g.placedHours = Byte(g.placedHours + delta);
  uint8_t& day = g.placedPerDay[DayAt(cell)];
  day = Byte(day + delta);
}

void CountClass(TClassGridRec& g, int cell, int delta) {
  uint8_t& free = g.freeHours[DayAt(cell)];
  free = Byte(free - delta);
}

template <typename Grid>
void SetCell(Grid& g, int cell, int occupant, int length, int start) {
  g.occupant[At(cell)] = Byte(occupant);
  g.blockLen[At(cell)] = Byte(length);
  g.blockStart[At(cell)] = Byte(start);
}

}  // namespace

void WriteTeacher(TTeacherGridRec& g, int cell, int classNo, int length, int start,
                  ChangeJournal* journal) {
  SetCell(g, cell, classNo, length, start);
  CountTeacher(g, cell, +1);
  JournalEntry e = Entry(JournalOp::kWritten, cell);
  e.teacher = g.teacher;
  e.classNo = Byte(classNo);
  e.blockStart = Byte(start);
  e.blockLength = Byte(length);
  Note(journal, e);
}

void ClearTeacher(TTeacherGridRec& g, int cell, ChangeJournal* journal) {
  JournalEntry e = Entry(JournalOp::kCleared, cell);
  e.teacher = g.teacher;
  e.classNo = g.occupant[At(cell)];
  e.blockStart = g.blockStart[At(cell)];
  e.blockLength = g.blockLen[At(cell)];
  SetCell(g, cell, 0, 0, 0);
  CountTeacher(g, cell, -1);
  Note(journal, e);
}

void WriteClass(TClassGridRec& g, int cell, int lesson, int length, int start,
                ChangeJournal* journal) {
  SetCell(g, cell, lesson, length, start);
  CountClass(g, cell, +1);
  JournalEntry e = Entry(JournalOp::kWritten, cell);
  e.classNo = g.classNo;
  e.lesson = Byte(lesson);
  e.blockStart = Byte(start);
  e.blockLength = Byte(length);
  Note(journal, e);
}

void ClearClass(TClassGridRec& g, int cell, ChangeJournal* journal) {
  JournalEntry e = Entry(JournalOp::kCleared, cell);
  e.classNo = g.classNo;
  e.lesson = g.occupant[At(cell)];
  e.blockStart = g.blockStart[At(cell)];
  e.blockLength = g.blockLen[At(cell)];
  SetCell(g, cell, 0, 0, 0);
  CountClass(g, cell, -1);
  Note(journal, e);
}

void WriteRoom(TRoomGridRec& g, int cell, int classNo, int length, int start,
               ChangeJournal* journal) {
  SetCell(g, cell, classNo, length, start);
  JournalEntry e = Entry(JournalOp::kWritten, cell);
  e.room = g.room;
  e.classNo = Byte(classNo);
  e.blockStart = Byte(start);
  e.blockLength = Byte(length);
  Note(journal, e);
}

void ClearRoom(TRoomGridRec& g, int cell, ChangeJournal* journal) {
  JournalEntry e = Entry(JournalOp::kCleared, cell);
  e.room = g.room;
  e.classNo = g.occupant[At(cell)];
  e.blockStart = g.blockStart[At(cell)];
  e.blockLength = g.blockLen[At(cell)];
  SetCell(g, cell, 0, 0, 0);
  Note(journal, e);
}

namespace {

// Fills the owner's numbers of an entry; the kind of timetable follows from them.
void Owner(JournalEntry& e, const TTeacherGridRec& g) { e.teacher = g.teacher; }
void Owner(JournalEntry& e, const TClassGridRec& g) { e.classNo = g.classNo; }
void Owner(JournalEntry& e, const TRoomGridRec& g) { e.room = g.room; }

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

// The part of an undo that is the same for every kind of timetable; returns the
// change of the placed counters (+1 a cell was written back, -1 cleared, 0 none).
template <typename Grid>
int UndoCell(Grid& g, const JournalEntry& e, int occupant) {
  const int cell = e.cell;
  switch (e.op) {
    case JournalOp::kWritten:
      SetCell(g, cell, 0, 0, 0);
      return -1;
    case JournalOp::kCleared:
      SetCell(g, cell, occupant, e.blockLength, e.blockStart);
      return +1;
    case JournalOp::kRelinked:
      g.blockLen[At(cell)] = e.blockLength;
      g.blockStart[At(cell)] = e.blockStart;
      return 0;
    case JournalOp::kOpenChanged:
      g.open[At(cell)] = e.open;
      return 0;
  }
  return 0;
}

}  // namespace

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

void UndoTeacher(TTeacherGridRec& g, const JournalEntry& e) {
  const int delta = UndoCell(g, e, e.classNo);
  if (delta != 0) CountTeacher(g, e.cell, delta);
}

void UndoClass(TClassGridRec& g, const JournalEntry& e) {
  const int delta = UndoCell(g, e, e.lesson);
  if (delta != 0) CountClass(g, e.cell, delta);
}

void UndoRoom(TRoomGridRec& g, const JournalEntry& e) { UndoCell(g, e, e.classNo); }

}  // namespace kalvodrin::cells
