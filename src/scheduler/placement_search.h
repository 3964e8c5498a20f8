#pragma once
// The placement search: a request puts one block of one lesson of one class at the
// first cell, in fixed day and hour order, where every slot and rule test passes, and
// at deeper levels repairs by taking blocking blocks out and putting them back through
// nested requests. Every cell write goes through the change journal, so whatever a
// failed attempt did is rolled back exactly.

#include <initializer_list>
#include <optional>
#include <vector>

#include "core/school.h"
#include "engine/cell_masks.h"
#include "engine/change_journal.h"
#include "engine/rule_tests.h"
#include "scheduler/placement_request.h"
#include "scheduler/run_observer.h"
#include "scheduler/run_state.h"

namespace kalvodrin {

class PlacementSearch {
 public:
  // The search reads and changes `state` (levels, budgets, stop key) and reports
  // through `progress` and `observer` (which may be null).
  PlacementSearch(School& school, RunState& state, RunProgress& progress,
                  RunObserver* observer);

  // A new request for the block. True when it was placed; when not, every timetable
  // and counter is as before.
  bool NewRequest(const BlockRequest& wanted);

  const ChangeJournal& journal() const { return journal_; }
  // The chain's journal, for a caller that runs a request inside a chain it keeps
  // itself (searchDepth above 0) and rolls back on its own.
  ChangeJournal& journal() { return journal_; }

 private:
  // A block taken out of a teacher's day, to be put back.
  struct TakenBlock {
    int classNo = 0;
    int lesson = 0;
    int length = 0;
  };

  // The start cells from which every hour of the request's block is open for every
  // participant, and those from which every hour is open and free for all of them.
  struct StartCells {
    CellMask open;
    CellMask free;
  };

  bool FillRequest(PlacementRequest& request, const BlockRequest& wanted) const;
  StartCells StartCellsOf(const Block& block) const;
  void Search(PlacementRequest& request, const StartCells& starts);
  bool Poll();
  bool EarlyHoursHaveRoom(const PlacementRequest& request) const;
  bool OtherClassWindowsHold(const Block& block) const;
  bool TryCell(PlacementRequest& request, const StartCells& starts);
  void TryFurtherStrategies(PlacementRequest& request);
  RuleParams Params() const;
  bool RulesPass(const Block& block) const;

  // Repair of an occupied cell and its helpers (repair.cpp).
  void RepairOccupied(PlacementRequest& request);
  bool BudgetTakesOneConflict() const;
  int RepairCost(int conflicts) const;
  bool KeepsSpentBudget(bool putBack) const;
  bool CollectTeacherConflicts(PlacementRequest& request);
  bool CollectClassAndRoomConflicts(PlacementRequest& request);
  bool AddConflict(PlacementRequest& request, int cell, int startCell, int length,
                   int classNo, int lesson, int shiftTeacher);
  bool ReplaceConflicts(PlacementRequest& request);
  bool ShiftTest(int teacher, int startCell, int length) const;
  bool TeacherDayMove(const PlacementRequest& request, const Conflict& conflict);

  // Strategies that rearrange a whole teacher day (rebuild.cpp).
  bool TakeOutTeacherDay(int teacher, int day, std::vector<TakenBlock>& taken);
  int PutBack(std::vector<TakenBlock>& taken);
  void PutBackInTwoPasses(std::vector<TakenBlock>& taken);
  bool RebuildApplies(const PlacementRequest& request) const;
  void RebuildTeacherDay(PlacementRequest& request);

  // Strategies that split blocks (split_strategies.cpp).
  void SplitOtherBlock(PlacementRequest& request);
  bool SplitLevelApplies(const PlacementRequest& request) const;
  void SplitOwnBlock(PlacementRequest& request);
  bool LongerBlockAt(const PlacementRequest& request, int& length, int& lesson) const;
  void ShiftInsideLongerBlock(PlacementRequest& request);
  void SameLessonInLongerBlock(PlacementRequest& request);
  // New requests in turn; false at the first that is not placed.
  bool Sequence(std::initializer_list<BlockRequest> requests);
  bool TryAfterTakingOut(int mark, int length, int startCell, int classNo,
                         std::initializer_list<BlockRequest> requests);

  // Closing the request's cells for its teachers and classes while others are put
  // back around it, and opening them again.
  void SetRequestCells(const PlacementRequest& request, uint8_t open);

  School& school_;
  RunState& state_;
  RunProgress& progress_;
  RunObserver* observer_;
  ChangeJournal journal_;
};

}  // namespace kalvodrin
