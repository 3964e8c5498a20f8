#pragma once
// Stands in for the user's skip and stop keys where nobody is there to press them:
// a lesson attempt that runs longer than its bound is skipped, and the run is stopped
// once the whole run has taken its bound. An observer asks it at its search steps.
// A lesson attempt is timed by the processor time the program used, so that a busy
// machine skips the same lessons an idle one would; the run's limit is wall time,
// which is what the person waiting sees.

#include <chrono>
#include <functional>

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

  // The key the user would press now: kSkipLesson when the current lesson attempt
  // has run longer than the skip bound (once per attempt), kStopRun when the run has
  // taken its time limit, else kNoStop.
  int KeyFor(const RunProgress& progress);

  // Whether the last kSkipLesson answer has not been asked about yet.
  bool TakeSkipNotice() {
    const bool skipped = skipped_;
    skipped_ = false;
    return skipped;
  }

 private:
  Clock::duration skipAfter_;
  Clock::duration timeLimit_;
  Now cpuNow_;
  Now wallNow_;
  Clock::time_point runStart_;
  Clock::time_point attemptStart_;
  long attempt_ = -1;
  bool attemptSkipped_ = false;
  bool skipped_ = false;
};

}  // namespace kalvodrin
