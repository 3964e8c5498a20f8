// Repair of an occupied cell: the blocks in the way are taken out, the request's block
// is placed, and the blocks are put back elsewhere by nested requests, or by moving a
// teacher's whole day when a block could shift within that teacher's gaps.

#include <algorithm>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/placement_search.h"

namespace kalvodrin {

namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t DayAt(int day) { return static_cast<std::size_t>(day - 1); }

int FirstTeacherOf(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  return cl != nullptr && cl->teacherCount > 0 ? cl->teachers[0] : 0;
}

int LessonAt(const School& school, int classNo, int cell) {
  const TClassGridRec* grid = school.ClassGridByNo(classNo);
  return grid != nullptr ? grid->occupant[At(cell)] : 0;
}

}  // namespace

void PlacementSearch::RepairOccupied(PlacementRequest& request) {
  const int mark = journal_.Mark();
  const int usedBefore = state_.repairUsed;
  request.conflictCount = 0;
  bool ok = CollectTeacherConflicts(request) &&
            SameLessonRule(school_, request.block, Params()) &&
            CollectClassAndRoomConflicts(request);
  if (ok) {
    state_.repairUsed += RepairCost(request.conflictCount);
    ok = request.conflictCount < kConflictLimit &&
         state_.repairUsed < state_.repairBudget;
  }
  ok = ok && RulesPass(request.block) && PlaceBlock(school_, request.block, &journal_);
  bool putBack = false;
  if (ok) {
    putBack = true;
    SetRequestCells(request, 0);
    ok = ReplaceConflicts(request);
    SetRequestCells(request, 1);
  }
  if (ok) {
    request.placed = true;
    return;
  }
  request.ok = false;
  RollBack(school_, journal_, mark);
  if (!KeepsSpentBudget(putBack)) state_.repairUsed = usedBefore;
}

// Whether the chain's budget lets a repair take out its first conflict (the test in
// AddConflict with one conflict recorded). TryCell asks it before a repair: the cells
// are not free, so the repair meets a conflict, and without the budget for it the
// repair fails before it changes anything.
bool PlacementSearch::BudgetTakesOneConflict() const {
  return 1 / (state_.blockAlign + 1) + state_.repairUsed < state_.repairBudget;
}

// Under block alignment a repair nested in another keeps what it spent when it fails
// after putting blocks back: otherwise every failed branch hands its budget to the
// next, the budget bounds only the depth of a chain, and a chain's work grows
// exponentially with the level. What a depth-1 cell spent is given back at the next
// cell (TryCell). Without alignment the budget keeps its older meaning.
bool PlacementSearch::KeepsSpentBudget(bool putBack) const {
  return putBack && state_.blockAlign == 1 && state_.searchDepth > 1;
}

// With block alignment a repair of one conflict is free, so that an aligned block can
// push one neighbour aside at the lowest level. Nested inside another repair it costs
// one: otherwise chains of one-conflict repairs nest until the journal is full and
// every link retries every cell, and the budget would bound nothing.
int PlacementSearch::RepairCost(int conflicts) const {
  if (conflicts > state_.blockAlign) return conflicts;
  return state_.searchDepth > 1 && conflicts > 0 ? 1 : 0;
}

// Every teacher of the request, hour by hour: a block the teacher gives there is in
// the way.
bool PlacementSearch::CollectTeacherConflicts(PlacementRequest& request) {
  const Block& block = request.block;
  for (int i = 0; i < block.teacherCount; ++i) {
    const int teacher = block.teachers[static_cast<std::size_t>(i)];
    const TTeacherGridRec& grid = *school_.TeacherGridByNo(teacher);
    for (int cell = block.startCell; cell < block.startCell + block.length; ++cell) {
      const int classNo = grid.occupant[At(cell)];
      if (classNo == 0) continue;
      if (!AddConflict(request, cell, grid.blockStart[At(cell)], grid.blockLen[At(cell)],
                       classNo, LessonAt(school_, classNo, cell), teacher))
        return false;
    }
  }
  return true;
}

// Then every class and every classroom of the request, hour by hour.
bool PlacementSearch::CollectClassAndRoomConflicts(PlacementRequest& request) {
  const Block& block = request.block;
  const int end = block.startCell + block.length;
  for (int i = 0; i < block.classCount; ++i) {
    const int classNo = block.classes[static_cast<std::size_t>(i)];
    const TClassGridRec& grid = *school_.ClassGridByNo(classNo);
    for (int cell = block.startCell; cell < end; ++cell) {
      const int lesson = grid.occupant[At(cell)];
      if (lesson == 0) continue;
      if (!AddConflict(request, cell, grid.blockStart[At(cell)], grid.blockLen[At(cell)],
                       classNo, lesson, FirstTeacherOf(school_, classNo, lesson)))
        return false;
    }
  }
  for (int i = 0; i < block.roomCount; ++i) {
    const TRoomGridRec* grid = school_.RoomGridByNo(block.rooms[static_cast<std::size_t>(i)]);
    if (grid == nullptr) continue;
    for (int cell = block.startCell; cell < end; ++cell) {
      const int classNo = grid->occupant[At(cell)];
      if (classNo == 0) continue;
      const int lesson = LessonAt(school_, classNo, cell);
      if (!AddConflict(request, cell, grid->blockStart[At(cell)], grid->blockLen[At(cell)],
                       classNo, lesson, FirstTeacherOf(school_, classNo, lesson)))
        return false;
    }
  }
  return true;
}

// Records the conflict that `cell` holds and takes its block out while the chain's
// budget allows. A fifth conflict fails the repair whatever follows, so the search
// stops there. A damaged timetable can claim a block that does not cover the cell or
// leaves its day; such a block can be neither shifted nor taken out, so the repair
// gives up on this cell.
bool PlacementSearch::AddConflict(PlacementRequest& request, int cell, int startCell,
                                  int length, int classNo, int lesson, int shiftTeacher) {
  if (request.conflictCount >= kConflictLimit) return false;
  if (!BlockCoversCell(startCell, length, cell)) return false;
  Conflict& c = request.conflicts[static_cast<std::size_t>(request.conflictCount++)];
  c = Conflict{startCell, length, classNo, lesson, false};
  if (request.conflictCount / (state_.blockAlign + 1) + state_.repairUsed >=
      state_.repairBudget)
    return false;
  // Most conflicts end the repair at the budget above, so the shift test, which reads
  // the teacher's whole week, is asked only for a conflict that is taken out; a failed
  // repair never reads what it recorded.
  const Block& block = request.block;
  const bool fixedPart = startCell == block.startCell && length <= block.length;
  if (length > 1 && !fixedPart) c.movable = ShiftTest(shiftTeacher, startCell, length);
  return RemoveBlock(school_, length, startCell, classNo, &journal_) ==
         RemoveOutcome::kRemoved;
}

// Newest conflict first; the first that cannot be put back fails the repair.
bool PlacementSearch::ReplaceConflicts(PlacementRequest& request) {
  for (int k = request.conflictCount - 1; k >= 0; --k) {
    const Conflict& c = request.conflicts[static_cast<std::size_t>(k)];
    const bool back = c.movable ? TeacherDayMove(request, c)
                                : NewRequest({c.classNo, c.lesson, c.length});
    if (!back) return false;
  }
  return true;
}

// Whether a block of the teacher could slide within the teacher's day: it lies
// between two lessons, away from the window's ends, with enough free open hours
// around it for the gap the teacher may leave.
bool PlacementSearch::ShiftTest(int teacher, int startCell, int length) const {
  const TTeacherGridRec* grid = school_.TeacherGridByNo(teacher);
  if (grid == nullptr || grid->effective.gapsAllowed == 1 || !IsCell(startCell))
    return false;
  const int day = DayOfCell(startCell);
  const int first = grid->firstUsable[DayAt(day)];
  const int last = grid->lastUsable[DayAt(day)];
  const int startHour = HourOfCell(startCell);
  const int endHour = startHour + length - 1;
  if (first == 0 || startHour - first < length - 1 || last - endHour < length - 1)
    return false;
  auto busy = [&](int hour) { return grid->occupant[At(CellIndex(day, hour))] != 0; };
  auto freeOpen = [&](int hour) {
    return grid->open[At(CellIndex(day, hour))] != 0 ? 1 : 0;
  };
  int before = 0;
  int hour = startHour - 1;
  for (; hour >= 1 && !busy(hour); --hour) before += freeOpen(hour);
  if (hour < 1) return false;
  int after = 0;
  hour = endHour + 1;
  for (; hour <= kHoursPerDay && !busy(hour); ++hour) after += freeOpen(hour);
  if (hour > kHoursPerDay) return false;
  const int gap = AllowedGap(school_, *grid, day, !state_.rulesFromSettings);
  return before + after + (length - 1) >= gap;
}

// Empties the conflicting lesson's teacher's day (the request's day), places the
// conflicting lesson anew and puts the rest of that day back.
bool PlacementSearch::TeacherDayMove(const PlacementRequest& request,
                                     const Conflict& conflict) {
  if (state_.dayMoveRunning) return false;
  const TClassLessonRec* cl = school_.ClassLessonAt(conflict.classNo, conflict.lesson);
  if (cl == nullptr || cl->teacherCount != 1 || cl->commonGroup != 0) return false;
  const int mark = journal_.Mark();
  state_.dayMoveRunning = true;
  std::vector<TakenBlock> taken;
  bool ok = TakeOutTeacherDay(cl->teachers[0], request.block.day, taken) &&
            !taken.empty() &&
            NewRequest({conflict.classNo, conflict.lesson, conflict.length});
  if (ok) {
    PutBackInTwoPasses(taken);
    ok = taken.empty();
  }
  state_.dayMoveRunning = false;
  if (!ok) RollBack(school_, journal_, mark);
  return ok;
}

}  // namespace kalvodrin
