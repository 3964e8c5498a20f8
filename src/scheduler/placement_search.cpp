#include "scheduler/placement_search.h"

#include <algorithm>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "scheduler/start_rules.h"

namespace kalvodrin {

namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t DayAt(int day) { return static_cast<std::size_t>(day - 1); }

}  // namespace

PlacementSearch::PlacementSearch(School& school, RunState& state,
                                 RunProgress& progress, RunObserver* observer)
    : school_(school), state_(state), progress_(progress), observer_(observer) {}

bool PlacementSearch::NewRequest(const BlockRequest& wanted) {
  ++state_.searchDepth;
  state_.rebuildLimit = school_.Settings.reorganise;
  if (state_.searchDepth == 1) {
    journal_.Clear();
    state_.repairUsed = 0;
    state_.rebuildNesting = 0;
    state_.ownSplitWeeklyHours = kOwnSplitWeeklyHours;
    if (wanted.fixedCell != 0) {
      state_.rebuildLimit = 1;
      state_.blockAlign = 0;
    }
    state_.repairBudget = 1 + (state_.searchLevel - 1) * (2 - state_.blockAlign);
  }
  PlacementRequest request;
  TTeacherGridRec* first = nullptr;
  if (FillRequest(request, wanted)) {
    first = school_.TeacherGridByNo(request.block.teachers[0]);
    if (first->bothShifts == 1) state_.rebuildLimit = 1;
    // A pass that does not place the block leaves every timetable as it was, so both
    // passes start from the same cells.
    const StartCells starts = StartCellsOf(request.block);
    request.pass = 0;
    Search(request, starts);
    if (!request.placed && state_.subPass == 2) {
      request.pass = 1;
      Search(request, starts);
    }
  }
  --state_.searchDepth;
  // Grids are only rewritten in place during a run, so the pointer is still good.
  if (first != nullptr) first->searchMark = 0;
  return request.placed;
}

// False when the block cannot be described: no class lesson, no lesson, no teacher,
// or a participant without a timetable. Such a request is never searched.
bool PlacementSearch::FillRequest(PlacementRequest& request,
                                  const BlockRequest& wanted) const {
  std::optional<Block> block = MakeBlock(school_, wanted.classNo, wanted.lesson, wanted.length);
  if (!block || block->teacherCount < 1 || block->classCount < 1) return false;
  for (int i = 0; i < block->teacherCount; ++i)
    if (school_.TeacherGridByNo(block->teachers[static_cast<std::size_t>(i)]) == nullptr)
      return false;
  for (int i = 0; i < block->classCount; ++i)
    if (school_.ClassGridByNo(block->classes[static_cast<std::size_t>(i)]) == nullptr)
      return false;
  request.block = *block;
  request.fixedCell = wanted.fixedCell;
  return true;
}

PlacementSearch::StartCells PlacementSearch::StartCellsOf(const Block& block) const {
  const ParticipantCells cells = CellsOf(school_, block);
  const CellMask open = RunStarts(cells.open, block.length);
  return StartCells{open, open & RunStarts(cells.free, block.length)};
}

bool PlacementSearch::Poll() {
  ++progress_.searchSteps;
  if (observer_ != nullptr) {
    const int key = observer_->OnSearchStep(progress_);
    if (key != kNoStop) state_.stopKey = key;
  }
  return state_.stopKey != kNoStop;
}

RuleParams PlacementSearch::Params() const {
  RuleParams params;
  params.strict = !state_.rulesFromSettings;
  params.relaxPasses = state_.relaxPasses;
  return params;
}

bool PlacementSearch::RulesPass(const Block& block) const {
  return AllRulesPass(school_, block, Params());
}

// Days in order, then start hours in order, inside the first class's window; the
// first cell where the block stands ends the search.
void PlacementSearch::Search(PlacementRequest& request, const StartCells& starts) {
  if (Poll()) return;
  Block& block = request.block;
  const TLessonRec* lesson = school_.LessonByNo(block.lesson);
  const TClassGridRec& cls = *school_.ClassGridByNo(block.classes[0]);
  const TTeacherGridRec& teacher = *school_.TeacherGridByNo(block.teachers[0]);
  const int length = block.length;
  // Every try that does not place the block leaves the grids as they were, so what is
  // open and free for the participants, like the early hours, is the same at every
  // cell and is read once.
  std::optional<bool> earlyRoom;
  for (int day = 1; day <= kDays; ++day) {
    const int first = cls.firstHour[DayAt(day)];
    const int last = std::min<int>(cls.lastHour[DayAt(day)], kHoursPerDay);
    if (teacher.firstUsable[DayAt(day)] == 0 || first == 0 || last == 0) continue;
    if (last - first + 1 < length) continue;
    for (int hour = first; hour <= last - length + 1; ++hour) {
      const int cell = CellIndex(day, hour);
      if (request.fixedCell != 0 && request.fixedCell != cell) continue;
      const StartSkip skip = StartSkipAt(*lesson, length, hour, first, state_.blockAlign == 1, [&] {
        if (!earlyRoom) earlyRoom = EarlyHoursHaveRoom(request);
        return *earlyRoom;
      });
      if (skip != StartSkip::kTried) continue;
      if (state_.searchDepth == 1) {
        state_.currentCell = cell;
        progress_.currentCell = cell;
      }
      // Direct placement only takes a start whose hours are open and free for all; at
      // any other cell a try of this pass does nothing.
      if (request.pass == 0 && !InMask(starts.free, cell)) continue;
      SetBlockStart(block, cell);
      if (TryCell(request, starts)) return;
      if (state_.stopKey != kNoStop) return;
    }
  }
}

bool PlacementSearch::EarlyHoursHaveRoom(const PlacementRequest& request) const {
  return kalvodrin::EarlyHoursHaveRoom(school_, request.block,
                                       state_.searchDepth == 1 && request.fixedCell != 0);
}

// The search walks the window of the class asked for; the other classes of a common
// lesson may end their day earlier or start it later.
bool PlacementSearch::OtherClassWindowsHold(const Block& block) const {
  const std::size_t d = DayAt(block.day);
  const int end = block.startHour + block.length - 1;
  for (int i = 1; i < block.classCount; ++i) {
    const TClassGridRec& cls = *school_.ClassGridByNo(block.classes[static_cast<std::size_t>(i)]);
    if (cls.firstHour[d] == 0 || cls.lastHour[d] == 0 || block.startHour < cls.firstHour[d] ||
        end > cls.lastHour[d])
      return false;
  }
  return true;
}

// The search walks only hours inside one day, so the block fits its day and the masks
// answer the availability and freedom tests.
bool PlacementSearch::TryCell(PlacementRequest& request, const StartCells& starts) {
  Block& block = request.block;
  if (journal_.full()) return false;
  // Each start cell of a chain's first request gets the whole budget again: what a
  // failed nested repair keeps spent bounds the work under this cell only.
  if (state_.blockAlign == 1 && state_.searchDepth == 1) state_.repairUsed = 0;
  if (!OtherClassWindowsHold(block)) return false;
  const TTeacherGridRec& teacher = *school_.TeacherGridByNo(block.teachers[0]);
  const std::size_t at = At(block.startCell);
  if (teacher.occupant[at] == block.classes[0] && teacher.blockLen[at] == block.length &&
      teacher.blockStart[at] == block.startCell)
    return false;
  if (!InMask(starts.open, block.startCell)) return false;
  if (InMask(starts.free, block.startCell)) {
    if (RulesPass(block) && PlaceBlock(school_, block, &journal_)) request.placed = true;
  } else if (request.pass == 1 && BudgetTakesOneConflict()) {
    RepairOccupied(request);
  }
  if (!request.placed) TryFurtherStrategies(request);
  return request.placed;
}

// The strategies after the repair, in their fixed order; each only while the block is
// not placed. Block alignment leaves out the ones that cut blocks to odd lengths.
void PlacementSearch::TryFurtherStrategies(PlacementRequest& request) {
  // Every strategy below needs the repair pass and a request at most two deep: asked
  // once here, the tries of the deepest requests, by far the most numerous, skip them.
  if (request.pass != 1 || state_.searchDepth >= 3) return;
  if (RebuildApplies(request)) RebuildTeacherDay(request);
  if (!request.placed) SplitOtherBlock(request);
  if (state_.blockAlign == 1) return;
  if (!request.placed) SplitOwnBlock(request);
  if (!request.placed) ShiftInsideLongerBlock(request);
  if (!request.placed) SameLessonInLongerBlock(request);
}

void PlacementSearch::SetRequestCells(const PlacementRequest& request, uint8_t open) {
  const Block& block = request.block;
  for (int k = 0; k < block.length; ++k) {
    const std::size_t at = At(block.startCell + k);
    for (int i = 0; i < block.teacherCount; ++i)
      school_.TeacherGridByNo(block.teachers[static_cast<std::size_t>(i)])->open[at] = open;
    for (int i = 0; i < block.classCount; ++i)
      school_.ClassGridByNo(block.classes[static_cast<std::size_t>(i)])->open[at] = open;
  }
}

}  // namespace kalvodrin
