#pragma once
// A skip key that counts instead of timing: each lesson attempt is skipped after a
// fixed number of search steps of its own. Where a run must give the same timetable on
// every machine (tests, benchmarks) while its deepest levels would search for minutes,
// this stands in for the time bound.

#include "scheduler/run_observer.h"
#include "scheduler/run_state.h"

namespace kalvodrin {

class StepLimitObserver : public RunObserver {
 public:
  // 0 = never skip.
  explicit StepLimitObserver(long stepsPerAttempt) : limit_(stepsPerAttempt) {}

  int OnSearchStep(const RunProgress& p) override {
    if (p.lessonAttempts != attempt_) {
      attempt_ = p.lessonAttempts;
      firstStep_ = p.searchSteps - 1;  // this step is the first
      skipped_ = false;
    }
    if (limit_ <= 0 || skipped_ || p.searchSteps - firstStep_ < limit_) return kNoStop;
    skipped_ = true;
    return kSkipLesson;
  }

 private:
  long limit_;
  long attempt_ = -1;
  long firstStep_ = 0;
  bool skipped_ = false;
};

}  // namespace kalvodrin
