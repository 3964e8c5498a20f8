#include "scheduler/completion/completion.h"

#include <chrono>

#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/locks.h"
#include "engine/teacher_preparation.h"
#include "scheduler/completion/completion_search.h"
#include "scheduler/relaxation.h"

namespace kalvodrin {

CompletionOutcome CompleteTimetable(School& school, const CompletionOptions& options) {
  const auto started = std::chrono::steady_clock::now();
  CompletionOutcome outcome;
  outcome.seed = options.seed;
  if (std::vector<std::string> problems = CheckConsistency(school); !problems.empty()) {
    outcome.refused = "Ders programları tutarsız: " + problems.front();
    return outcome;
  }
  // The limits are those of the loosest level the classic run reaches; the stored
  // settings stay as they are.
  const TSettingsRec stored = school.Settings;
  school.Settings = LoosestSettings(stored);
  PrepareAllTeachers(school);
  const std::vector<BentRule> bentBefore = ListBentRules(school);
  const std::vector<PlacedBlockRec> before = ListPlacedBlocks(school);
  const PlacementTotals totalsBefore = CountTotals(school);
  outcome.total = totalsBefore.toPlace;
  outcome.placedBefore = totalsBefore.placed;
  outcome.costsBefore = MeasureSoftCosts(school, before);

  CompletionSearch search(school, options, totalsBefore.placed);
  search.PlaceWaiting();
  search.MendDailyMaxima();
  search.MendGapLimits();
  // Settling the lone hours may take a teacher already over the gap limits further
  // over; mending the gaps again then finds the blocks elsewhere, with no more days of
  // a single hour. The soft phase, which trades such days for fewer gap hours, is
  // followed by one more settling.
  search.MendSingleHourDays();
  search.MendGapLimits();
  search.LowerSoftCosts();
  search.MendSingleHourDays(/*last=*/true);

  // A guidance hour the search placed is closed under it, as the classic run does, so
  // that later work leaves it at its fixed hour.
  for (const CompletionUnit& unit : search.model().units)
    if (unit.guidance && !unit.fixed && unit.start != 0) SetBlockOpen(school, unit.block, 0);

  outcome.bentRules = NewlyBent(bentBefore, ListBentRules(school));
  school.Settings = stored;
  outcome.placedAfter = CountTotals(school).placed;
  outcome.costsAfter = MeasureSoftCosts(school, before);
  outcome.movedHours = outcome.costsAfter.movedHours;
  outcome.steps = search.steps();
  outcome.stopped = search.stopped();
  outcome.timedOut = search.timedOut();
  outcome.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  // Preparing, placing and closing guidance hours touch the timetables only.
  outcome.files = {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids};
  return outcome;
}

}  // namespace kalvodrin
