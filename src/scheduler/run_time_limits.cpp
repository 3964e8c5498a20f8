#include "scheduler/run_time_limits.h"

#include <algorithm>
#include <ctime>

#include "scheduler/run_state.h"

namespace kalvodrin {

namespace {

RunTimeLimits::Clock::duration Seconds(double s) {
  return std::chrono::duration_cast<RunTimeLimits::Clock::duration>(
      std::chrono::duration<double>(s > 0 ? s : 0));
}

}  // namespace

RunTimeLimits::Clock::time_point RunTimeLimits::ProcessTime() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return Clock::time_point(std::chrono::duration_cast<Clock::duration>(
      std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)));
}

RunTimeLimits::RunTimeLimits(double skipAfter, double timeLimit, Now cpuNow, Now wallNow)
    : skipAfter_(Seconds(skipAfter)),
      floor_(std::min(skipAfter_, Seconds(kFloorSeconds))),
      timeLimit_(Seconds(timeLimit)),
      cpuNow_(std::move(cpuNow)),
      wallNow_(std::move(wallNow)),
      runStart_(wallNow_()),
      attemptStart_(cpuNow_()),
      lastAsked_(attemptStart_),
      attemptAllowance_(skipAfter_) {}

int RunTimeLimits::KeyFor(const RunProgress& progress) {
  const Clock::time_point cpu = cpuNow_();
  lastAsked_ = cpu;
  if (progress.lessonAttempts != attempt_) {
    attempt_ = progress.lessonAttempts;
    attemptStart_ = cpu;
    attemptSkipped_ = false;
    attemptLesson_ = {progress.teacher, progress.classNo, progress.lesson};
    const auto known = allowances_.find(attemptLesson_);
    attemptAllowance_ = known != allowances_.end() ? known->second : skipAfter_;
  }
  if (timeLimit_ > Clock::duration::zero() && wallNow_() - runStart_ >= timeLimit_)
    return kStopRun;
  if (skipAfter_ > Clock::duration::zero() && !attemptSkipped_ &&
      cpu - attemptStart_ >= attemptAllowance_) {
    attemptSkipped_ = true;
    allowances_[attemptLesson_] = std::max(floor_, attemptAllowance_ / 2);
    skipped_ = true;
    return kSkipLesson;
  }
  return kNoStop;
}

double RunTimeLimits::AttemptSecondsLeft() const {
  if (skipAfter_ <= Clock::duration::zero()) return -1.0;
  if (attemptSkipped_) return 0.0;
  const Clock::duration left = attemptAllowance_ - (lastAsked_ - attemptStart_);
  return std::max(0.0, std::chrono::duration<double>(left).count());
}

}  // namespace kalvodrin
