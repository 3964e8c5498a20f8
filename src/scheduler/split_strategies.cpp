// Strategies that cut blocks: another lesson's 2-hour block, the request's own block,
// and a longer block of the same teacher and class that covers the start cell.

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/placement_search.h"

namespace kalvodrin {

namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

}  // namespace

bool PlacementSearch::Sequence(std::initializer_list<BlockRequest> requests) {
  for (const BlockRequest& r : requests)
    if (!NewRequest(r)) return false;
  return true;
}

// Rolls back to `mark`, takes the block out and runs the requests; true when all
// were placed.
bool PlacementSearch::TryAfterTakingOut(
    int mark, int length, int startCell, int classNo,
    std::initializer_list<BlockRequest> requests) {
  RollBack(school_, journal_, mark);
  if (RemoveBlock(school_, length, startCell, classNo, &journal_) !=
      RemoveOutcome::kRemoved)
    return false;
  return Sequence(requests);
}

// A 2-hour block of another lesson that starts at the cell gives way: the request is
// placed anywhere and the other lesson comes back as two single hours. Allowed once
// per run.
void PlacementSearch::SplitOtherBlock(PlacementRequest& request) {
  const Block& block = request.block;
  if (school_.Settings.splitBlock != 1 || state_.searchDepth != 1 || request.pass != 1)
    return;
  const int cls = block.classes[0];
  const int cell = block.startCell;
  const TClassGridRec& grid = *school_.ClassGridByNo(cls);
  const int other = grid.occupant[At(cell)];
  if (other == 0 || other == block.lesson || grid.blockLen[At(cell)] != 2 ||
      grid.blockStart[At(cell)] != cell)
    return;
  if (school_.TeacherGridByNo(block.teachers[0])->open[At(cell)] == 0) return;
  const TClassLessonRec* cl = school_.ClassLessonAt(cls, other);
  if (cl == nullptr || cl->divisible != 1) return;
  const int mark = journal_.Mark();
  if (TryAfterTakingOut(mark, 2, cell, cls,
                        {{.classNo = cls, .lesson = block.lesson, .length = block.length},
                         {.classNo = cls, .lesson = other, .length = 1},
                         {.classNo = cls, .lesson = other, .length = 1}})) {
    school_.Settings.splitBlock = 0;
    ++state_.blockSplits;
    request.placed = true;
    return;
  }
  RollBack(school_, journal_, mark);
}

bool PlacementSearch::SplitLevelApplies(const PlacementRequest& request) const {
  return state_.searchLevel > 1 && state_.searchDepth < 3 && request.pass == 1 &&
         state_.rebuildNesting == 0 && !request.placed &&
         request.block.teacherCount == 1 && request.block.classCount == 1;
}

// A long lesson of one teacher and one class may give up its block shape: one hour
// less plus a single hour, or two hours less plus a 2-hour block.
void PlacementSearch::SplitOwnBlock(PlacementRequest& request) {
  const Block& block = request.block;
  if (!SplitLevelApplies(request) || block.divisible != 1 ||
      block.weeklyHours <= state_.ownSplitWeeklyHours || block.length <= 1)
    return;
  const int n = block.length;
  const int mark = journal_.Mark();
  const int l = block.lesson;
  const int c = block.classes[0];
  if (Sequence({{.classNo = c, .lesson = l, .length = n - 1},
                {.classNo = c, .lesson = l, .length = 1}})) {
    request.placed = true;
    return;
  }
  RollBack(school_, journal_, mark);
  if (n - 2 >= 1 && Sequence({{.classNo = c, .lesson = l, .length = n - 2},
                              {.classNo = c, .lesson = l, .length = 2}})) {
    request.placed = true;
    return;
  }
  RollBack(school_, journal_, mark);
}

// The first teacher already gives the class, at the start cell, a block that starts
// there and is at least two hours longer than the request; the class is open there
// and that block's lesson may be split.
bool PlacementSearch::LongerBlockAt(const PlacementRequest& request, int& length,
                                    int& lesson) const {
  const Block& block = request.block;
  const int cls = block.classes[0];
  const std::size_t at = At(block.startCell);
  const TClassGridRec& grid = *school_.ClassGridByNo(cls);
  if (school_.TeacherGridByNo(block.teachers[0])->occupant[at] != cls) return false;
  if (grid.blockStart[at] != block.startCell || grid.blockLen[at] <= block.length + 1 ||
      grid.open[at] == 0)
    return false;
  length = grid.blockLen[at];
  lesson = grid.occupant[at];
  const TClassLessonRec* cl = school_.ClassLessonAt(cls, lesson);
  return cl != nullptr && cl->divisible == 1;
}

void PlacementSearch::ShiftInsideLongerBlock(PlacementRequest& request) {
  int b = 0;
  int other = 0;
  if (!SplitLevelApplies(request) || !LongerBlockAt(request, b, other)) return;
  const Block& block = request.block;
  const int s = block.startCell;
  const int n = block.length;
  const int l = block.lesson;
  const int c = block.classes[0];
  const int mark = journal_.Mark();
  request.placed =
      TryAfterTakingOut(mark, b, s, c,
                        {{.classNo = c, .lesson = l, .length = n, .fixedCell = s},
                         {.classNo = c, .lesson = other, .length = b - n, .fixedCell = s + n},
                         {.classNo = c, .lesson = other, .length = n}}) ||
      TryAfterTakingOut(mark, b, s, c,
                        {{.classNo = c, .lesson = other, .length = b - 1, .fixedCell = s + 1},
                         {.classNo = c, .lesson = l, .length = n},
                         {.classNo = c, .lesson = other, .length = 1}}) ||
      TryAfterTakingOut(mark, b, s, c,
                        {{.classNo = c, .lesson = other, .length = b - 1, .fixedCell = s},
                         {.classNo = c, .lesson = l, .length = n},
                         {.classNo = c, .lesson = other, .length = 1}});
  if (!request.placed) RollBack(school_, journal_, mark);
}

void PlacementSearch::SameLessonInLongerBlock(PlacementRequest& request) {
  int b = 0;
  int other = 0;
  if (!SplitLevelApplies(request) || !LongerBlockAt(request, b, other)) return;
  const Block& block = request.block;
  if (other != block.lesson || block.divisible != 1) return;
  const int s = block.startCell;
  const int n = block.length;
  const int l = block.lesson;
  const int c = block.classes[0];
  const int mark = journal_.Mark();
  request.placed =
      TryAfterTakingOut(mark, b, s, c,
                        {{.classNo = c, .lesson = l, .length = b - 1, .fixedCell = s},
                         {.classNo = c, .lesson = l, .length = n + 1}}) ||
      TryAfterTakingOut(mark, b, s, c,
                        {{.classNo = c, .lesson = l, .length = b - 1, .fixedCell = s + 1},
                         {.classNo = c, .lesson = l, .length = n + 1}});
  if (!request.placed) RollBack(school_, journal_, mark);
}

}  // namespace kalvodrin
