// When a whole-school run gives way to the completion: after a stretch of search steps
// without a new hour placed, or after its whole budget of steps, once; a bound of 0
// never hands over; and only a run that may skip on its own with the completion after it.

#include <gtest/gtest.h>

#include "scheduler/run_hand_over.h"

namespace kalvodrin {
namespace {

TEST(HandOverDue, EachBoundHandsOverAtItsStepAndNotOneBefore) {
  const HandOverBudget budget{100, 1000};
  EXPECT_FALSE(HandOverDue(999, 99, budget));
  EXPECT_TRUE(HandOverDue(999, 100, budget));  // stalled long enough
  EXPECT_TRUE(HandOverDue(1000, 0, budget));   // searched long enough in all
  EXPECT_FALSE(HandOverDue(1000, 100, {0, 0}));
  EXPECT_FALSE(HandOverDue(5000, 99, {100, 0}));
  EXPECT_TRUE(HandOverDue(5000, 100, {100, 0}));
  EXPECT_FALSE(HandOverDue(999, 5000, {0, 1000}));
}

TEST(HandOverFor, OnlyAWholeSchoolRunThatSkipsOnItsOwnWithTheCompletionAfterGivesWay) {
  const HandOverBudget budget{123, 4567};
  const std::optional<HandOverBudget> given = HandOverFor({true, true, true}, budget);
  ASSERT_TRUE(given.has_value());
  EXPECT_EQ(given->stallSteps, 123);
  EXPECT_EQ(given->runSteps, 4567);
  EXPECT_EQ(HandOverFor({}).value().stallSteps, HandOverBudget{}.stallSteps);
  // Each condition alone withheld keeps the classic run to its end.
  EXPECT_FALSE(HandOverFor({.wholeSchool = false}, budget));
  EXPECT_FALSE(HandOverFor({.skipsOnItsOwn = false}, budget));
  EXPECT_FALSE(HandOverFor({.completionFollows = false}, budget));
}

// Steps of a run: `placed` hours at step `step`.
RunProgress At(long step, int placed) {
  RunProgress p;
  p.searchSteps = step;
  p.placed = placed;
  return p;
}

TEST(RunHandOver, AnHourPlacedStartsTheStallAgainButAHourPutBackDoesNot) {
  RunHandOver handOver({10, 0});
  EXPECT_FALSE(handOver.Due(At(1, 5)));   // placed before the run: no progress of it
  EXPECT_FALSE(handOver.Due(At(9, 5)));   // 9 steps from the start
  EXPECT_FALSE(handOver.Due(At(10, 6)));  // an hour placed: the stall starts again
  EXPECT_FALSE(handOver.Due(At(15, 5)));  // a repair took one out...
  EXPECT_FALSE(handOver.Due(At(18, 6)));  // ...and put it back: no progress
  EXPECT_FALSE(handOver.Due(At(19, 6)));
  EXPECT_FALSE(handOver.handedOver());
  EXPECT_TRUE(handOver.Due(At(20, 6)));
  EXPECT_TRUE(handOver.handedOver());
  // Once: the run is stopped by then, and the completion must not be stopped again.
  EXPECT_FALSE(handOver.Due(At(21, 6)));
  EXPECT_TRUE(handOver.handedOver());
}

TEST(RunHandOver, ARunThatPlacesNothingHandsOverAtItsStallBudget) {
  RunHandOver handOver({10, 0});
  for (long step = 1; step < 10; ++step) ASSERT_FALSE(handOver.Due(At(step, 0))) << step;
  EXPECT_TRUE(handOver.Due(At(10, 0)));
}

TEST(RunHandOver, ARunThatKeepsPlacingHandsOverAtItsWholeBudget) {
  RunHandOver handOver({10, 100});
  int placed = 0;
  long step = 1;
  for (; step < 100; ++step) {
    if (step % 5 == 0) ++placed;
    ASSERT_FALSE(handOver.Due(At(step, placed))) << step;
  }
  EXPECT_TRUE(handOver.Due(At(step, placed)));
}

}  // namespace
}  // namespace kalvodrin
