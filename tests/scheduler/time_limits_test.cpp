// The time bounds that stand in for the skip and stop keys: a lesson attempt longer
// than its bound is skipped once, a new attempt starts its own clock, and the run
// stops at its limit; 0 switches a bound off.

#include <gtest/gtest.h>

#include "scheduler/run_state.h"
#include "scheduler/run_time_limits.h"

namespace kalvodrin {
namespace {

using Clock = RunTimeLimits::Clock;

class FakeClock {
 public:
  Clock::time_point Now() const { return now_; }
  void Advance(double seconds) {
    now_ += std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(seconds));
  }
  std::function<Clock::time_point()> Fn() {
    return [this] { return Now(); };
  }

 private:
  Clock::time_point now_{};
};

TEST(RunTimeLimits, SkipsALongAttemptOnceAndANewAttemptStartsAgain) {
  FakeClock clock;
  RunTimeLimits limits(5, 0, clock.Fn(), clock.Fn());
  RunProgress p;
  p.lessonAttempts = 1;
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  clock.Advance(4);
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  EXPECT_FALSE(limits.TakeSkipNotice());
  clock.Advance(1);  // exactly the bound
  EXPECT_EQ(limits.KeyFor(p), kSkipLesson);
  EXPECT_TRUE(limits.TakeSkipNotice());
  EXPECT_FALSE(limits.TakeSkipNotice());
  clock.Advance(10);
  EXPECT_EQ(limits.KeyFor(p), kNoStop);  // the same attempt is skipped only once
  p.lessonAttempts = 2;
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  clock.Advance(5);
  EXPECT_EQ(limits.KeyFor(p), kSkipLesson);
}

TEST(RunTimeLimits, StopsTheRunAtItsLimitAndZeroMeansNoBound) {
  FakeClock clock;
  RunTimeLimits limits(0, 60, clock.Fn(), clock.Fn());
  RunProgress p;
  for (int attempt = 1; attempt <= 59; ++attempt) {
    p.lessonAttempts = attempt;
    clock.Advance(1);
    EXPECT_EQ(limits.KeyFor(p), kNoStop) << attempt;
  }
  clock.Advance(0.5);
  EXPECT_EQ(limits.KeyFor(p), kNoStop);  // 59.5 s, and no skip bound at all
  clock.Advance(0.5);
  EXPECT_EQ(limits.KeyFor(p), kStopRun);
  EXPECT_EQ(limits.KeyFor(p), kStopRun);

  RunTimeLimits none(0, 0, clock.Fn(), clock.Fn());
  clock.Advance(1e5);
  EXPECT_EQ(none.KeyFor(p), kNoStop);
}

// A lesson attempt counts the processor's time, the run the wall clock's.
TEST(RunTimeLimits, AttemptsOnProcessorTimeAndTheRunOnWallTime) {
  FakeClock cpu;
  FakeClock wall;
  RunTimeLimits limits(5, 60, cpu.Fn(), wall.Fn());
  RunProgress p;
  p.lessonAttempts = 1;
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  wall.Advance(30);  // a busy machine: half a minute passes, a second of work
  cpu.Advance(1);
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  cpu.Advance(4);
  EXPECT_EQ(limits.KeyFor(p), kSkipLesson);
  wall.Advance(30);
  EXPECT_EQ(limits.KeyFor(p), kStopRun);
}

}  // namespace
}  // namespace kalvodrin
