#pragma once
// The completion search: after the classic run (or after editing by hand, or from an
// empty timetable) it places the hours still waiting, moving placed blocks out of the
// way where it must, and then moves blocks to lower the soft costs. The hard rules are
// never broken: class day windows of every class of a block, closed cells, no double
// booking, common lessons in step, block lengths from the patterns, locked blocks and
// the guidance hour stay where they are. The school's own rules (the teachers' gap
// limits and daily maximum, the same lesson on one day, days apart and different
// hours where set) are limits too, as loose as the classic run's relaxation makes
// them: the search bends one only when no timetable keeping them all is found, and
// reports each it bent. A lesson's own rules are kept by taking the lesson's other
// blocks out of the way; a lesson whose places cover too few days bends the same-lesson
// rule only as far as that forces. When hours are left waiting, the days of their
// teachers may first hold one hour over the daily maximum (then every teacher's), and
// only then are the rules of their lessons bent (then every lesson's), and the gaps.
// Where a teacher's gaps end over the limits, the search takes out blocks at the ends
// of that teacher's days and places them again with the limits kept, keeping the
// result only when every hour is back in, no other teacher went further over and
// fewer teachers (or as many by fewer hours) are over.
//
// Every change goes through the engine's place and remove with the change journal, one
// move at a time, so the timetables are consistent after every move; a stop or the
// time limit ends the search between moves and the best timetable found is kept.
// One seed gives the same timetable every time unless the time limit cut it short.

#include <cstdint>
#include <string>

#include "core/data_files.h"
#include "core/school.h"
#include "scheduler/completion/bent_rules.h"
#include "scheduler/completion/soft_costs.h"
#include "scheduler/run_observer.h"

namespace kalvodrin {

struct CompletionOptions {
  uint64_t seed = 1;
  double timeLimitSeconds = 30.0;
  // Moves of the placing phase; 0 = a budget from the school's size.
  long maxSteps = 0;
  // Called at every move with the totals; returning 27 stops the search, 13 ends the
  // phase at work (placing the waiting hours, then lowering the soft costs). Told of
  // the totals whenever the placed hours change.
  RunObserver* observer = nullptr;
};

struct CompletionOutcome {
  // Set when the timetables were not consistent to begin with; nothing was changed.
  std::string refused;
  uint64_t seed = 0;
  int total = 0;  // hours of the whole school to place (the teachers' totals)
  int placedBefore = 0;
  int placedAfter = 0;
  int movedHours = 0;  // hours of blocks placed before that now stand elsewhere
  SoftCosts costsBefore;
  SoftCosts costsAfter;
  // The school's rules the completion had to bend (beyond what the timetable bent
  // before), with the amount; empty when it kept them all.
  std::vector<BentRule> bentRules;
  long steps = 0;        // moves tried
  bool stopped = false;  // the observer stopped it
  bool timedOut = false;
  double seconds = 0.0;
  // The data files the search changed, to be saved together; empty when refused.
  FileSet files;
};

// Prepares the teachers (as a run does, with the settings as loose as the run's
// relaxation makes them) and completes the school's timetable.
CompletionOutcome CompleteTimetable(School& school, const CompletionOptions& options);

}  // namespace kalvodrin
