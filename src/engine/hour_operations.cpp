#include "engine/hour_operations.h"

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/counts.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

struct Run {
  int first = 0;
  int last = 0;
};

// The consecutive hours of the cell's day around the cell that hold the lesson.
Run RunAt(const TClassGridRec& g, int cell, int lesson) {
  const int dayFirst = CellIndex(DayOfCell(cell), 1);
  const int dayLast = dayFirst + kHoursPerDay - 1;
  Run r{cell, cell};
  while (r.first > dayFirst && g.occupant[At(r.first - 1)] == lesson) --r.first;
  while (r.last < dayLast && g.occupant[At(r.last + 1)] == lesson) ++r.last;
  return r;
}

bool FreeAndOpen(const Plane& occupant, const Plane& open, int cell) {
  return occupant[At(cell)] == 0 && open[At(cell)] != 0;
}

// Every teacher, room and class of the lesson may take the cell.
bool ParticipantsFree(const School& school, const Block& b, int cell) {
  for (int k = 0; k < b.teacherCount; ++k) {
    const TTeacherGridRec* g =
        school.TeacherGridByNo(b.teachers[static_cast<std::size_t>(k)]);
    if (g == nullptr || !FreeAndOpen(g->occupant, g->open, cell)) return false;
  }
  for (int k = 0; k < b.roomCount; ++k) {
    const TRoomGridRec* g = school.RoomGridByNo(b.rooms[static_cast<std::size_t>(k)]);
    if (g == nullptr || !FreeAndOpen(g->occupant, g->open, cell)) return false;
  }
  for (int k = 0; k < b.classCount; ++k) {
    const TClassGridRec* g = school.ClassGridByNo(b.classes[static_cast<std::size_t>(k)]);
    if (g == nullptr || !FreeAndOpen(g->occupant, g->open, cell)) return false;
  }
  return true;
}

// The most entries normalizing one day's run can write for every participant.
int NormalizeEntries(const Grids& g) { return kHoursPerDay * g.total(); }

// The lesson the class holds in an occupied cell, with its participants and their
// timetables; empty when the cell is not a cell, is free, or one of them is missing.
struct PlacedHour {
  const TClassGridRec* classGrid = nullptr;
  int lesson = 0;
  Block block;
  Grids grids;
};

std::optional<PlacedHour> PlacedHourAt(School& school, int cell, int classNo) {
  if (!IsCell(cell)) return std::nullopt;
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (cg == nullptr || cg->occupant[At(cell)] == 0) return std::nullopt;
  const int lesson = cg->occupant[At(cell)];
  const std::optional<Block> b = ParticipantsOf(school, classNo, lesson);
  if (!b) return std::nullopt;
  const std::optional<Grids> g = GridsOf(school, *b);
  if (!g) return std::nullopt;
  return PlacedHour{cg, lesson, *b, *g};
}

}  // namespace

bool CheckOneHour(const School& school, int cell, int classNo, int lesson) {
  if (!IsCell(cell)) return false;
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  const TLessonRec* l = school.LessonByNo(lesson);
  const std::optional<Block> b = ParticipantsOf(school, classNo, lesson);
  if (cg == nullptr || l == nullptr || !b) return false;
  if (l->weeklyHours - PlacedHours(school, classNo, lesson) <= 0) return false;
  const std::size_t d = cells::DayAt(cell);
  const int hour = HourOfCell(cell);
  if (cg->firstHour[d] == 0 || cg->lastHour[d] == 0 || hour < cg->firstHour[d] ||
      hour > cg->lastHour[d])
    return false;
  return ParticipantsFree(school, *b, cell);
}

bool PlaceOneHour(School& school, int cell, int classNo, int lesson,
                  ChangeJournal* journal) {
  if (!CheckOneHour(school, cell, classNo, lesson)) return false;
  const std::optional<Block> b = ParticipantsOf(school, classNo, lesson);
  const std::optional<Grids> g = GridsOf(school, *b);
  if (!g || !JournalHasRoom(journal, g->total() + NormalizeEntries(*g))) return false;
  for (int k = 0; k < g->teacherCount; ++k)
    cells::WriteTeacher(*g->teachers[static_cast<std::size_t>(k)], cell, classNo, 1, cell,
                        journal);
  for (int k = 0; k < g->classCount; ++k)
    cells::WriteClass(*g->classes[static_cast<std::size_t>(k)], cell, lesson, 1, cell,
                      journal);
  for (int k = 0; k < g->roomCount; ++k)
    cells::WriteRoom(*g->rooms[static_cast<std::size_t>(k)], cell, classNo, 1, cell,
                     journal);
  // Joining with the blocks before and after is the same as making the whole run of
  // the lesson around the cell one block.
  NormalizeBlock(school, cell, classNo, journal);
  return true;
}

bool NormalizeBlock(School& school, int cell, int classNo, ChangeJournal* journal) {
  const std::optional<PlacedHour> p = PlacedHourAt(school, cell, classNo);
  if (!p || !JournalHasRoom(journal, NormalizeEntries(p->grids))) return false;
  const Run run = RunAt(*p->classGrid, cell, p->lesson);
  RelinkRange(p->grids, p->block, run.first, run.last, run.last - run.first + 1,
              run.first, journal);
  return true;
}

bool RemoveOneHour(School& school, int cell, int classNo, ChangeJournal* journal) {
  const std::optional<PlacedHour> p = PlacedHourAt(school, cell, classNo);
  if (!p) return false;
  const TClassGridRec* cg = p->classGrid;
  const int lesson = p->lesson;
  const Block& b = p->block;
  const Grids& g = p->grids;
  if (!AllHold(g, b, cell, cell) ||
      !JournalHasRoom(journal, 2 * NormalizeEntries(g) + g.total()))
    return false;
  NormalizeBlock(school, cell, classNo, journal);
  const int s = cg->blockStart[At(cell)];
  const int len = cg->blockLen[At(cell)];
  for (int k = 0; k < g.teacherCount; ++k)
    cells::ClearTeacher(*g.teachers[static_cast<std::size_t>(k)], cell, journal);
  for (int k = 0; k < g.classCount; ++k)
    cells::ClearClass(*g.classes[static_cast<std::size_t>(k)], cell, journal);
  for (int k = 0; k < g.roomCount; ++k)
    cells::ClearRoom(*g.rooms[static_cast<std::size_t>(k)], cell, journal);
  if (cell > s && HourOfCell(cell) > 1 && cg->occupant[At(cell - 1)] == lesson)
    RelinkRange(g, b, s, cell - 1, cell - s, s, journal);
  const int after = len - (cell - s) - 1;
  if (after > 0) RelinkRange(g, b, cell + 1, cell + after, after, cell + 1, journal);
  return true;
}

}  // namespace kalvodrin
