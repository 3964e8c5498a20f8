#pragma once
// When the completion search follows a whole-school run, the classic run gives way to
// it as soon as it stalls. The classic run places most of a school in a few thousand
// search steps each; what it cannot place it tries again and again at ever deeper
// levels, each try several times the one before, for seconds to minutes, while the
// completion places what is left in a fraction of a second. So the run hands over once
// it has searched a while without placing an hour, or once it has searched long in all.
//
// Counted in search steps, not time: the same school hands over at the same point on
// every machine, however loaded, so the one-button run gives the same timetable for the
// same seed. A step costs 2-4 microseconds of processor time on the real schools.

#include <optional>

#include "scheduler/run_observer.h"

namespace kalvodrin {

struct HandOverBudget {
  // Steps since the run last placed an hour: about 0.1 s. A lesson the classic run
  // still places after this many steps of trying is rare, and the completion places it
  // as well.
  long stallSteps = 40'000;
  // Steps of the whole run: about 1 s, so that the run and the completion after it end
  // within 2 s even where every hour comes only slowly. 0 = no bound.
  long runSteps = 400'000;
};

// Whether a run that has taken `runSteps` search steps, `stalledSteps` of them since it
// last placed an hour, should hand over now. A bound of 0 never hands over.
bool HandOverDue(long runSteps, long stalledSteps, const HandOverBudget& budget);

// What a run asks for, as far as giving way to the completion goes.
struct HandOverCase {
  bool wholeSchool = true;        // a run over the whole school, not one teacher's
  bool skipsOnItsOwn = true;      // the run may end a lesson's attempt on its own
  bool completionFollows = true;  // the completion goes on with what the run leaves
};

// Returns `budget` where the run should give way to the completion once it stalls: a
// whole-school run that may end lessons on its own, with the completion after it.
// Otherwise none: a run the user steers by keys alone keeps the classic way to the end,
// a teacher's run is short, and without the completion nothing would place the rest.
std::optional<HandOverBudget> HandOverFor(const HandOverCase& run, HandOverBudget budget = {});

// Follows a run step by step and says when it should hand over: once, at that step.
class RunHandOver {
 public:
  explicit RunHandOver(HandOverBudget budget = {}) : budget_(budget) {}

  bool Due(const RunProgress& progress);
  bool handedOver() const { return handedOver_; }

 private:
  HandOverBudget budget_;
  int mostPlaced_ = -1;    // the most hours the run had placed at a step so far
  long placedAtStep_ = 0;  // the step at which it reached them
  bool handedOver_ = false;
};

}  // namespace kalvodrin
