#include "scheduler/run_time_limits.h"

#include "scheduler/run_state.h"

namespace kalvodrin {

namespace {

RunTimeLimits::Clock::duration Seconds(double s) {
  return std::chrono::duration_cast<RunTimeLimits::Clock::duration>(
      std::chrono::duration<double>(s > 0 ? s : 0));
}

}  // namespace

RunTimeLimits::RunTimeLimits(double skipAfter, double timeLimit,
                             std::function<Clock::time_point()> now)
    : skipAfter_(Seconds(skipAfter)),
      timeLimit_(Seconds(timeLimit)),
      now_(std::move(now)),
      runStart_(now_()),
      attemptStart_(runStart_) {}

int RunTimeLimits::KeyFor(const RunProgress& progress) {
  const Clock::time_point now = now_();
  if (progress.lessonAttempts != attempt_) {
    attempt_ = progress.lessonAttempts;
    attemptStart_ = now;
    attemptSkipped_ = false;
  }
  if (timeLimit_ > Clock::duration::zero() && now - runStart_ >= timeLimit_)
    return kStopRun;
  if (skipAfter_ > Clock::duration::zero() && !attemptSkipped_ &&
      now - attemptStart_ >= skipAfter_) {
    attemptSkipped_ = true;
    skipped_ = true;
    return kSkipLesson;
  }
  return kNoStop;
}

}  // namespace kalvodrin
