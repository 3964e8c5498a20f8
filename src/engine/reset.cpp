#include "engine/reset.h"

#include <bitset>
#include <optional>

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

// Placed hours that stay: (class, cell) pairs.
using Kept = std::bitset<256 * kCells>;
std::size_t KeptAt(int classNo, int cell) {
  return static_cast<std::size_t>(classNo) * kCells + At(cell);
}

// True when some participant of the placed hour has the cell closed.
bool ClosedSomewhere(School& school, const Block& b, int cell) {
  const std::optional<Grids> g = GridsOf(school, b);
  if (!g) return false;
  for (int k = 0; k < g->teacherCount; ++k)
    if (g->teachers[static_cast<std::size_t>(k)]->open[At(cell)] == 0) return true;
  for (int k = 0; k < g->classCount; ++k)
    if (g->classes[static_cast<std::size_t>(k)]->open[At(cell)] == 0) return true;
  for (int k = 0; k < g->roomCount; ++k)
    if (g->rooms[static_cast<std::size_t>(k)]->open[At(cell)] == 0) return true;
  return false;
}

// A placed hour kept for one participant because its cell is closed is kept for all
// of them, so that an open room or second teacher is not freed under a lesson that
// stays.
Kept KeptHours(School& school) {
  Kept kept;
  for (const TClassGridRec& g : school.ClassGrids) {
    for (int c = 1; c <= kCells; ++c) {
      const int lesson = g.occupant[At(c)];
      if (lesson == 0) continue;
      const std::optional<Block> b = ParticipantsOf(school, g.classNo, lesson);
      if (g.open[At(c)] != 0 && !(b && ClosedSomewhere(school, *b, c))) continue;
      kept.set(KeptAt(g.classNo, c));
      for (int k = 0; b && k < b->classCount; ++k)
        kept.set(KeptAt(b->classes[static_cast<std::size_t>(k)], c));
    }
  }
  return kept;
}

template <typename Grid, typename Keep>
void EmptyCells(Grid& g, bool clearClosed, Keep keep) {
  for (int c = 1; c <= kCells; ++c) {
    const std::size_t i = At(c);
    if (!clearClosed && (g.open[i] == 0 || keep(c))) continue;
    g.open[i] = 1;
    g.occupant[i] = 0;
    g.blockLen[i] = 0;
    g.blockStart[i] = 0;
  }
}

void ResetTeacher(TTeacherGridRec& g, const ResetOptions& options, const Kept& kept) {
  g.placedHours = 0;
  g.placedPerDay.fill(0);
  if (options.clearSpecialSettings) g.special = kDefaultTeacherRules;
  EmptyCells(g, options.clearClosedCells,
             [&](int c) { return kept.test(KeptAt(g.occupant[At(c)], c)); });
  for (int c = 1; c <= kCells; ++c) {
    if (g.occupant[At(c)] == 0) continue;
    ++g.placedPerDay[cells::DayAt(c)];
    ++g.placedHours;
  }
}

void ResetClass(TClassGridRec& g, const ResetOptions& options, const Kept& kept) {
  for (std::size_t d = 0; d < kDays; ++d) g.freeHours[d] = cells::Byte(DayWindowLength(g, d));
  EmptyCells(g, options.clearClosedCells,
             [&](int c) { return kept.test(KeptAt(g.classNo, c)); });
  for (int c = 1; c <= kCells; ++c)
    if (g.occupant[At(c)] != 0) --g.freeHours[cells::DayAt(c)];
}

// A kept hour whose block lost its other hours becomes a block of what is left: its
// block length and start are rewritten (in every participant's timetable), so that no
// kept cell points at a cell the reset emptied and a later removal or move of the
// block touches only hours that are still there.
void NormalizeKeptBlocks(School& school) {
  for (std::size_t i = 0; i < school.ClassGrids.size(); ++i) {
    for (int c = 1; c <= kCells; ++c) {
      const TClassGridRec& g = school.ClassGrids[i];
      const int lesson = g.occupant[At(c)];
      const int start = g.blockStart[At(c)];
      const int len = g.blockLen[At(c)];
      if (lesson == 0) continue;
      bool whole = IsCell(start) && len >= 1 && start + len - 1 <= kCells;
      for (int k = start; whole && k < start + len; ++k)
        whole = g.occupant[At(k)] == lesson;
      if (!whole) NormalizeBlock(school, c, g.classNo, nullptr);
    }
  }
}

}  // namespace

FileSet ResetPlacements(School& school, const ResetOptions& options) {
  Kept kept;
  if (!options.clearClosedCells) kept = KeptHours(school);
  for (const TTeacherRec& t : school.Teachers)
    if (TTeacherGridRec* g = school.TeacherGridByNo(t.number))
      ResetTeacher(*g, options, kept);
  for (const TClassRec& c : school.Classes)
    if (TClassGridRec* g = school.ClassGridByNo(c.number)) ResetClass(*g, options, kept);
  for (const TRoomRec& r : school.Rooms) {
    if (TRoomGridRec* g = school.RoomGridByNo(r.number))
      EmptyCells(*g, options.clearClosedCells,
                 [&](int c) { return kept.test(KeptAt(g->occupant[At(c)], c)); });
  }
  if (!options.clearClosedCells) NormalizeKeptBlocks(school);
  return {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids};
}

}  // namespace kalvodrin
