#pragma once
// How a run reports what its window shows and how the user's skip and stop reach it.
// The search calls OnSearchStep at every step, so an observer must keep that call
// cheap and decide itself how often to do anything costly (repaint, process events).

#include <chrono>
#include <string>

namespace kalvodrin {

struct RunProgress {
  int teacher = 0;         // the teacher being worked on
  int teacherOrdinal = 0;  // its place in the current teacher order, 1-based
  int teacherCount = 0;
  int teacherTotal = 0;    // the teacher's weekly hours
  int teacherPlaced = 0;
  int classNo = 0;         // the lesson being tried
  int lesson = 0;
  int weeklyHours = 0;
  int searchLevel = 0;
  int currentCell = 0;     // the cell the search is trying
  int total = 0;           // hours of the whole school to place
  int placed = 0;
  long lessonAttempts = 0;  // lesson attempts begun in this run; a new one resets a skip
  // Search steps of the run. A search whose failure was already known is not walked
  // again, and counts the steps it took the first time.
  long searchSteps = 0;
  std::chrono::steady_clock::time_point started;

  int Remaining() const { return total - placed; }
};

// Elapsed time as the run window shows it: hours, minutes and seconds, two digits
// each, joined by ":" (3725 -> "01:02:05").
std::string ElapsedText(long seconds);

// The skip allowance left as the run window counts it down: tenths of a second with a
// decimal comma, rounded up so that "0,0 sn" shows only when it is used up
// (4.21 -> "4,3 sn").
std::string SkipCountdownText(double seconds);

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  // Every search step. Returns the key the user pressed since the last call: 0 for
  // none, 13 to skip the current lesson, 27 to stop the run.
  virtual int OnSearchStep(const RunProgress& progress) = 0;

  // The shown teacher, lesson, level or totals changed.
  virtual void OnProgress(const RunProgress& /*progress*/) {}
};

}  // namespace kalvodrin
