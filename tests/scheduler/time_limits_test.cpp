// The time bounds that stand in for the skip and stop keys: a lesson attempt longer
// than its bound is skipped once, a new attempt starts its own clock, and the run
// stops at its limit; 0 switches a bound off. A lesson skipped before gets half its
// previous allowance on each further try, down to a floor.

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

// Processor seconds the attempt runs until skipped (stepping 0.05 s), or -1 if it runs
// 20 s without a skip.
double SecondsToSkip(RunTimeLimits& limits, FakeClock& clock, RunProgress& p) {
  ++p.lessonAttempts;
  for (int step = 0; step <= 400; ++step) {
    if (limits.KeyFor(p) == kSkipLesson) return step * 0.05;
    clock.Advance(0.05);
  }
  return -1;
}

TEST(RunTimeLimits, ALessonSkippedBeforeGetsHalfItsLastAllowanceDownToTheFloor) {
  FakeClock clock;
  RunTimeLimits limits(5, 0, clock.Fn(), clock.Fn());
  RunProgress a;
  a.teacher = 3, a.classNo = 7, a.lesson = 12;
  EXPECT_DOUBLE_EQ(SecondsToSkip(limits, clock, a), 5);
  EXPECT_DOUBLE_EQ(SecondsToSkip(limits, clock, a), 2.5);
  // The same lesson in another class, or of another teacher, is another lesson.
  RunProgress b = a;
  b.classNo = 8;
  b.lessonAttempts = a.lessonAttempts;
  EXPECT_DOUBLE_EQ(SecondsToSkip(limits, clock, b), 5);
  a.lessonAttempts = b.lessonAttempts;
  RunProgress c = a;
  c.teacher = 4;
  EXPECT_DOUBLE_EQ(SecondsToSkip(limits, clock, c), 5);
  a.lessonAttempts = c.lessonAttempts;
  EXPECT_DOUBLE_EQ(SecondsToSkip(limits, clock, a), 1.25);
  EXPECT_NEAR(SecondsToSkip(limits, clock, a), 0.65, 1e-9);     // 0.625, at the next step
  for (int i = 0; i < 2; ++i) SecondsToSkip(limits, clock, a);  // 0.3125, 0.15625
  EXPECT_NEAR(SecondsToSkip(limits, clock, a), 0.1, 1e-9);      // 0.078 is below the floor
  EXPECT_NEAR(SecondsToSkip(limits, clock, a), 0.1, 1e-9);
  // An attempt that ends before its allowance keeps it for the next try.
  ++a.lessonAttempts;
  EXPECT_EQ(limits.KeyFor(a), kNoStop);
  clock.Advance(0.05);
  EXPECT_NEAR(SecondsToSkip(limits, clock, a), 0.1, 1e-9);

  RunTimeLimits never(0, 0, clock.Fn(), clock.Fn());
  EXPECT_EQ(SecondsToSkip(never, clock, a), -1);
  EXPECT_EQ(SecondsToSkip(never, clock, a), -1);
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

// What a run display counts down: the allowance left, a lesson skipped before starting
// from its halved allowance, 0 once skipped, and -1 without a bound.
TEST(RunTimeLimits, SecondsLeftCountDownFromEachAttemptsAllowance) {
  FakeClock clock;
  RunTimeLimits limits(5, 0, clock.Fn(), clock.Fn());
  RunProgress p;
  p.lessonAttempts = 1;
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  EXPECT_DOUBLE_EQ(limits.AttemptSecondsLeft(), 5);
  clock.Advance(3.5);
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  EXPECT_DOUBLE_EQ(limits.AttemptSecondsLeft(), 1.5);
  clock.Advance(1.5);
  EXPECT_EQ(limits.KeyFor(p), kSkipLesson);
  EXPECT_DOUBLE_EQ(limits.AttemptSecondsLeft(), 0);
  p.lessonAttempts = 2;  // the same lesson again: half the time
  EXPECT_EQ(limits.KeyFor(p), kNoStop);
  EXPECT_DOUBLE_EQ(limits.AttemptSecondsLeft(), 2.5);

  RunTimeLimits never(0, 0, clock.Fn(), clock.Fn());
  EXPECT_EQ(never.KeyFor(p), kNoStop);
  EXPECT_DOUBLE_EQ(never.AttemptSecondsLeft(), -1);
}

}  // namespace
}  // namespace kalvodrin
