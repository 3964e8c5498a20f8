// Rearranging a whole teacher day: every block of the teacher on the request's day is
// taken out, the request is placed, and the blocks are put back wherever they fit.

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/placement_search.h"

namespace kalvodrin {

namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t DayAt(int day) { return static_cast<std::size_t>(day - 1); }

}  // namespace

// Takes out every block in the teacher's window of the day, recording each. A closed
// hour that holds a lesson was locked by hand and must stay: the take-out fails.
bool PlacementSearch::TakeOutTeacherDay(int teacher, int day,
                                        std::vector<TakenBlock>& taken) {
  const TTeacherGridRec* grid = school_.TeacherGridByNo(teacher);
  if (grid == nullptr) return false;
  const int first = grid->firstUsable[DayAt(day)];
  const int last = std::min<int>(grid->lastUsable[DayAt(day)], kHoursPerDay);
  if (first == 0) return true;
  for (int hour = first; hour <= last; ++hour) {
    const int cell = CellIndex(day, hour);
    const int classNo = grid->occupant[At(cell)];
    if (classNo == 0) continue;
    if (grid->open[At(cell)] == 0) return false;
    const TClassGridRec* cls = school_.ClassGridByNo(classNo);
    const int lesson = cls != nullptr ? cls->occupant[At(cell)] : 0;
    const int length = grid->blockLen[At(cell)];
    const int start = grid->blockStart[At(cell)];
    // A damaged cell names no block that could be taken out whole.
    if (!BlockCoversCell(start, length, cell)) return false;
    taken.push_back(TakenBlock{classNo, lesson, length});
    if (RemoveBlock(school_, length, start, classNo, &journal_) != RemoveOutcome::kRemoved)
      return false;
  }
  return true;
}

// One round of new requests over the taken-out blocks in their order; what was placed
// leaves the list. Returns how many were placed.
int PlacementSearch::PutBack(std::vector<TakenBlock>& taken) {
  std::vector<TakenBlock> left;
  for (const TakenBlock& b : taken)
    if (!NewRequest({b.classNo, b.lesson, b.length})) left.push_back(b);
  const int placed = static_cast<int>(taken.size() - left.size());
  taken = std::move(left);
  return placed;
}

// Direct placements first; what remains is tried again with repair allowed.
void PlacementSearch::PutBackInTwoPasses(std::vector<TakenBlock>& taken) {
  state_.subPass = 1;
  PutBack(taken);
  state_.subPass = 2;
  if (!taken.empty()) PutBack(taken);
}

// The rebuild is for a place the first teacher could take if its day were arranged
// differently: its gaps or daily maximum are in the way, or the lesson's hours on the
// day, or the teacher moves between the two buildings.
bool PlacementSearch::RebuildApplies(const PlacementRequest& request) const {
  if (request.placed || !state_.rulesFromSettings || request.pass != 1) return false;
  if (state_.searchDepth >= 3 || state_.rebuildNesting >= state_.rebuildLimit)
    return false;
  const Block& block = request.block;
  const TTeacherGridRec& teacher = *school_.TeacherGridByNo(block.teachers[0]);
  Block firstOnly = block;
  firstOnly.teacherCount = 1;
  const bool free = teacher.occupant[At(block.startCell)] == 0;
  const RuleParams params = Params();
  if (free && !GapRule(school_, firstOnly, params)) return true;
  if ((free || teacher.bothShifts == 1) && !DailyMaximumRule(school_, firstOnly, params))
    return true;
  return !SameLessonRule(school_, block, params) || teacher.bothBuildings == 1;
}

void PlacementSearch::RebuildTeacherDay(PlacementRequest& request) {
  const Block& block = request.block;
  ++state_.rebuildNesting;
  const int mark = journal_.Mark();
  std::vector<TakenBlock> taken;
  bool ok = TakeOutTeacherDay(block.teachers[0], block.day, taken) &&
            NewRequest({block.classes[0], block.lesson, block.length, block.startCell});
  if (ok) {
    SetRequestCells(request, 0);
    int placedInRound = 0;
    do {
      state_.subPass = 1;
      placedInRound = PutBack(taken);
      if (!taken.empty()) {
        state_.subPass = 2;
        placedInRound += PutBack(taken);
      }
    } while (!taken.empty() && placedInRound > 0);
    SetRequestCells(request, 1);
    state_.subPass = 2;
    ok = taken.empty();
  }
  if (ok)
    request.placed = true;
  else
    RollBack(school_, journal_, mark);
  --state_.rebuildNesting;
}

}  // namespace kalvodrin
