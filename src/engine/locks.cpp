#include "engine/locks.h"

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

uint8_t Flipped(uint8_t open) { return open == 0 ? 1 : 0; }

// The block an owner holds at the cell, as its own length and start planes say;
// false when they do not describe a run on the cell's day that covers the cell.
bool BlockExtent(const Plane& len, const Plane& start, int cell, int& first, int& last) {
  first = start[At(cell)];
  last = first + len[At(cell)] - 1;
  return BlockCoversCell(first, len[At(cell)], cell);
}

// Writes `value` over first..last for every teacher, room and class of the lesson
// that class `classNo` holds at the cell.
bool SetLessonBlockOpen(School& school, int classNo, int cell, int first, int last,
                        uint8_t value, ChangeJournal* journal) {
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (cg == nullptr || cg->occupant[At(cell)] == 0) return false;
  const std::optional<Block> b = ParticipantsOf(school, classNo, cg->occupant[At(cell)]);
  if (!b) return false;
  const std::optional<Grids> g = GridsOf(school, *b);
  if (!g || !JournalHasRoom(journal, (last - first + 1) * g->total())) return false;
  for (int c = first; c <= last; ++c) {
    for (int k = 0; k < g->teacherCount; ++k)
      cells::OpenTeacher(*g->teachers[static_cast<std::size_t>(k)], c, value, journal);
    for (int k = 0; k < g->roomCount; ++k)
      cells::OpenRoom(*g->rooms[static_cast<std::size_t>(k)], c, value, journal);
    for (int k = 0; k < g->classCount; ++k)
      cells::OpenClass(*g->classes[static_cast<std::size_t>(k)], c, value, journal);
  }
  return true;
}

// The lock toggle shared by the three owners. The lesson at an occupied cell is found
// through a class: `classNo` for a class's own timetable, 0 for a teacher's or a
// room's, whose cells hold the class.
template <typename Grid>
bool Toggle(School& school, Grid* grid, int cell, int classNo, ChangeJournal* journal,
            void (*open)(Grid&, int, uint8_t, ChangeJournal*)) {
  if (grid == nullptr || !IsCell(cell)) return false;
  const uint8_t value = Flipped(grid->open[At(cell)]);
  if (grid->occupant[At(cell)] == 0) {
    if (!JournalHasRoom(journal, 1)) return false;
    open(*grid, cell, value, journal);
    return true;
  }
  int first = 0;
  int last = 0;
  if (!BlockExtent(grid->blockLen, grid->blockStart, cell, first, last)) return false;
  const int owner = classNo != 0 ? classNo : grid->occupant[At(cell)];
  return SetLessonBlockOpen(school, owner, cell, first, last, value, journal);
}

}  // namespace

bool ToggleTeacherLock(School& school, int cell, int teacher, ChangeJournal* journal) {
  return Toggle(school, school.TeacherGridByNo(teacher), cell, 0, journal, cells::OpenTeacher);
}

bool ToggleClassLock(School& school, int cell, int classNo, ChangeJournal* journal) {
  return Toggle(school, school.ClassGridByNo(classNo), cell, classNo, journal,
                cells::OpenClass);
}

bool ToggleRoomLock(School& school, int cell, int room, ChangeJournal* journal) {
  return Toggle(school, school.RoomGridByNo(room), cell, 0, journal, cells::OpenRoom);
}

bool SetCellOpen(School& school, GridKind kind, int number, int cell, uint8_t value,
                 ChangeJournal* journal) {
  if (!IsCell(cell) || !JournalHasRoom(journal, 1)) return false;
  switch (kind) {
    case GridKind::kTeacher:
      if (TTeacherGridRec* g = school.TeacherGridByNo(number)) {
        cells::OpenTeacher(*g, cell, value, journal);
        return true;
      }
      return false;
    case GridKind::kClass:
      if (TClassGridRec* g = school.ClassGridByNo(number)) {
        cells::OpenClass(*g, cell, value, journal);
        return true;
      }
      return false;
    case GridKind::kRoom:
      if (TRoomGridRec* g = school.RoomGridByNo(number)) {
        cells::OpenRoom(*g, cell, value, journal);
        return true;
      }
      return false;
  }
  return false;
}

bool SetBlockOpen(School& school, const Block& block, uint8_t value,
                  ChangeJournal* journal) {
  if (!BlockFitsDay(block)) return false;
  const std::optional<Grids> g = GridsOf(school, block);
  const int last = block.startCell + block.length - 1;
  if (!g || !JournalHasRoom(journal, block.length * (g->teacherCount + g->classCount)))
    return false;
  for (int c = block.startCell; c <= last; ++c) {
    for (int k = 0; k < g->teacherCount; ++k)
      cells::OpenTeacher(*g->teachers[static_cast<std::size_t>(k)], c, value, journal);
    for (int k = 0; k < g->classCount; ++k)
      cells::OpenClass(*g->classes[static_cast<std::size_t>(k)], c, value, journal);
  }
  return true;
}

}  // namespace kalvodrin
