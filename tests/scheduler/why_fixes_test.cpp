// The why-not's cheapest fixes on the real schools after a classic run skipped early:
// made one at a time on a copy, each lets a run at its start hour place the lesson's
// next block, nearly always; the ones that do not are listed with what stood there.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "core/storage.h"
#include "scheduler/placement_run.h"
#include "scheduler/run_time_limits.h"
#include "scheduler/step_limit.h"
#include "why_fix_trials.h"

namespace kalvodrin {
namespace {

std::unique_ptr<School> RealSchool(const char* name) {
  auto school = std::make_unique<School>();
  school->WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name;
  if (!LoadSchoolWithoutWriting(*school).ok()) return nullptr;
  return school;
}

FixTrials ExpectFixesWork(const char* name, RunObserver& skip) {
  std::unique_ptr<School> school = RealSchool(name);
  if (school == nullptr) {
    ADD_FAILURE() << "cannot read " << name;
    return {};
  }
  const RunOutcome run = PlacementRun(*school, &skip).RunWholeSchool();
  const FixTrials trials = TryEveryCheapestFix(*school);
  const int named = static_cast<int>(trials.trials.size());
  std::printf("%s: %d hours left, %d fixes named, %d work, %zu lessons without one\n%s", name,
              run.unplaced(), named, trials.worked(), trials.without.size(),
              Describe(*school, trials).c_str());
  EXPECT_GT(named, 0) << name;
  EXPECT_GE(trials.worked() * 100, named * 95) << name;
  return trials;
}

// Each lesson attempt skipped after a count of search steps, so that the same hours
// are left on every machine.
TEST(WhyFixes, NearlyEveryNamedFixLetsTheHourInOnTheRealSchools) {
  std::set<Blocker> kinds;
  for (const char* name : {"na-havana-ps-2016", "br-eeblj-diurno"}) {
    StepLimitObserver skip(300);
    for (const FixTrial& t : ExpectFixesWork(name, skip).trials) kinds.insert(t.fix.kind);
  }
  // Closed hours, blocks in the way and a teacher's gaps are among the fixes named.
  for (Blocker kind : {Blocker::kCellClosed, Blocker::kClassBusy, Blocker::kGapRule})
    EXPECT_EQ(kinds.count(kind), 1u) << BlockerKey(kind);
}

// The same after the command line's own skip, 0.05 s of processor time per attempt:
// longer, and the hours left depend on the machine, so only scripts/why-fixes runs it.
TEST(WhyFixes, DISABLED_AfterATimedSkip) {
  for (const char* name : {"na-havana-ps-2016", "br-eeblj-diurno"}) {
    class Timed : public RunObserver {
     public:
      int OnSearchStep(const RunProgress& p) override { return limits.KeyFor(p); }
      RunTimeLimits limits{0.05, 0};
    } skip;
    ExpectFixesWork(name, skip);
  }
}

}  // namespace
}  // namespace kalvodrin
