#pragma once
// Stands in for the user's skip and stop keys where nobody is there to press them:
// a lesson attempt that runs longer than its bound is skipped, and the run is stopped
// once the whole run has taken its bound. An observer asks it at its search steps.
// A lesson attempt is timed by the processor time the program used, so that a busy
// machine skips the same lessons an idle one would; the run's limit is wall time,
// which is what the person waiting sees.
// Like a patient user who learns, it gives a lesson that was already skipped in this
// run less time at each further try: half of its previous allowance, down to a floor.
// The same teacher, class and lesson skipped again on every pass would otherwise cost
// the full bound each time.

#include <chrono>
#include <functional>
#include <map>
#include <tuple>

#include "scheduler/run_observer.h"

namespace kalvodrin {

class RunTimeLimits {
 public:
  using Clock = std::chrono::steady_clock;

  using Now = std::function<Clock::time_point()>;

  // Bounds in seconds; 0 = no bound. The clocks may be replaced (tests): `cpuNow`
  // times lesson attempts, `wallNow` the whole run.
  RunTimeLimits(double skipAfter, double timeLimit, Now cpuNow = &ProcessTime,
                Now wallNow = &Clock::now);

  // The processor time this process has used, on the steady clock's scale.
  static Clock::time_point ProcessTime();

  // The least allowance a lesson skipped again and again comes down to (or the skip
  // bound itself, if that is smaller).
  static constexpr double kFloorSeconds = 0.1;

  // The key the user would press now: kSkipLesson when the current lesson attempt
  // has run longer than its allowance (once per attempt), kStopRun when the run has
  // taken its time limit, else kNoStop. A lesson's first attempt, and every attempt
  // until it is first skipped, is allowed the skip bound; each skip halves the
  // allowance of its next attempt.
  int KeyFor(const RunProgress& progress);

  // Processor seconds the current attempt had left before its skip at the last KeyFor
  // (0 once skipped); negative when lessons are never skipped. What a run display
  // counts down.
  double AttemptSecondsLeft() const;

  // Whether the last kSkipLesson answer has not been asked about yet.
  bool TakeSkipNotice() {
    const bool skipped = skipped_;
    skipped_ = false;
    return skipped;
  }

 private:
  using LessonKey = std::tuple<int, int, int>;  // teacher, class, lesson

  Clock::duration skipAfter_;
  Clock::duration floor_;
  Clock::duration timeLimit_;
  Now cpuNow_;
  Now wallNow_;
  Clock::time_point runStart_;
  Clock::time_point attemptStart_;
  Clock::time_point lastAsked_;
  LessonKey attemptLesson_;
  Clock::duration attemptAllowance_;
  std::map<LessonKey, Clock::duration> allowances_;  // lessons skipped in this run
  long attempt_ = -1;
  bool attemptSkipped_ = false;
  bool skipped_ = false;
};

}  // namespace kalvodrin
