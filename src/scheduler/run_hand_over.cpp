#include "scheduler/run_hand_over.h"

namespace kalvodrin {

bool HandOverDue(long runSteps, long stalledSteps, const HandOverBudget& budget) {
  return (budget.stallSteps > 0 && stalledSteps >= budget.stallSteps) ||
         (budget.runSteps > 0 && runSteps >= budget.runSteps);
}

bool RunHandOver::Due(const RunProgress& progress) {
  if (handedOver_) return false;
  // Only a new highest count is progress: a repair that takes hours out and puts them
  // back has placed nothing.
  if (progress.placed > mostPlaced_) {
    mostPlaced_ = progress.placed;
    placedAtStep_ = progress.searchSteps;
  }
  handedOver_ = HandOverDue(progress.searchSteps, progress.searchSteps - placedAtStep_, budget_);
  return handedOver_;
}

}  // namespace kalvodrin
