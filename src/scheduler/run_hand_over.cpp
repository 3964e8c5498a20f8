#include "scheduler/run_hand_over.h"

namespace kalvodrin {

bool HandOverDue(long runSteps, long stalledSteps, const HandOverBudget& budget) {
  return (budget.stallSteps > 0 && stalledSteps >= budget.stallSteps) ||
         (budget.runSteps > 0 && runSteps >= budget.runSteps);
}

std::optional<HandOverBudget> HandOverFor(const HandOverCase& run, HandOverBudget budget) {
  if (run.wholeSchool && run.skipsOnItsOwn && run.completionFollows) return budget;
  return std::nullopt;
}

bool RunHandOver::Due(const RunProgress& progress) {
  if (handedOver_) return false;
  // Only a new highest count is progress: a repair that takes hours out and puts them
  // back has placed nothing. What was placed when the run began is no progress of it:
  // its stall counts from its first step.
  if (progress.placed > mostPlaced_) {
    if (mostPlaced_ >= 0) placedAtStep_ = progress.searchSteps;
    mostPlaced_ = progress.placed;
  }
  handedOver_ = HandOverDue(progress.searchSteps, progress.searchSteps - placedAtStep_, budget_);
  return handedOver_;
}

}  // namespace kalvodrin
