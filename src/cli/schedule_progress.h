#pragma once
// The schedule command's view of a run on stderr: a bar redrawn in place on a
// terminal, a few plain lines in a log; a lesson skipped or a run stopped by the time
// bounds is said in a line of its own.

#include <chrono>
#include <optional>
#include <ostream>

#include "core/school.h"
#include "scheduler/run_hand_over.h"
#include "scheduler/run_observer.h"
#include "scheduler/run_time_limits.h"

namespace kalvodrin::cli {

class ScheduleProgress : public RunObserver {
 public:
  // `terminal`: redraw one line in place; otherwise print a line when the search level
  // changes, at most one every few seconds. With a hand-over budget the run is stopped
  // once it stalls (see RunHandOver), for the completion to go on, and a line says so.
  ScheduleProgress(const School& school, std::ostream& out, bool terminal, RunTimeLimits limits,
                   std::optional<HandOverBudget> handOver = std::nullopt);

  int OnSearchStep(const RunProgress& progress) override;
  void OnProgress(const RunProgress& progress) override;
  // The last state of the run, whatever the time, on a line of its own.
  void Finish();

  // The bar for `placed` of `total` hours, `width` characters between brackets; full
  // when there is nothing to place, and never past either end.
  static std::string Bar(int placed, int total, int width);

 private:
  void Draw(const RunProgress& p, bool force);
  void Line(const RunProgress& p);
  void SaySkipped(const RunProgress& p);

  const School& school_;
  std::ostream& out_;
  bool terminal_;
  RunTimeLimits limits_;
  std::optional<RunHandOver> handOver_;
  unsigned steps_ = 0;
  bool stopSaid_ = false;
  int lineLevel_ = -1;
  std::chrono::steady_clock::time_point lastDraw_{};
  RunProgress last_;
};

}  // namespace kalvodrin::cli
