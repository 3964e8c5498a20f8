// The completion search on four real schools in bench/schools (empty timetables,
// as their folders come) and on generated schools, from empty and after the classic
// run. Each iteration completes a fresh copy with the same seed. Counters: hours to
// place, placed, moved hours, teacher gap hours, moves tried.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "core/storage.h"
#include "generator/sample_school.h"
#include "scheduler/completion/completion.h"
#include "scheduler/placement_run.h"
#include "scheduler/run_state.h"

namespace kalvodrin {
namespace {

constexpr uint64_t kSeed = 1;

std::unique_ptr<School> LoadBenchSchool(const std::string& name) {
  auto school = std::make_unique<School>();
  school->WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name;
  if (!LoadSchoolWithoutWriting(*school)) return nullptr;
  return school;
}

void Complete(benchmark::State& state, const School& original) {
  auto school = std::make_unique<School>();
  CompletionOutcome outcome;
  for (auto _ : state) {
    state.PauseTiming();
    *school = original;
    state.ResumeTiming();
    CompletionOptions options;
    options.seed = kSeed;
    options.timeLimitSeconds = 60;
    outcome = CompleteTimetable(*school, options);
    benchmark::DoNotOptimize(outcome.placedAfter);
  }
  state.counters["hours"] = outcome.total;
  state.counters["placed"] = outcome.placedAfter;
  state.counters["moved"] = outcome.movedHours;
  state.counters["gaps"] = outcome.costsAfter.gapHours;
  state.counters["steps"] = static_cast<double>(outcome.steps);
  state.counters["bent"] = static_cast<double>(outcome.bentRules.size());
}

void BM_CompleteRealSchool(benchmark::State& state, const std::string& name) {
  // Each school read once, however many repetitions ask for it.
  static std::map<std::string, std::unique_ptr<School>> loaded;
  std::unique_ptr<School>& school = loaded[name];
  if (!school) school = LoadBenchSchool(name);
  if (!school) {
    state.SkipWithError(("cannot read bench/schools/" + name).c_str());
    return;
  }
  Complete(state, *school);
}
BENCHMARK_CAPTURE(BM_CompleteRealSchool, havana, std::string("na-havana-ps-2016"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompleteRealSchool, eeblj, std::string("br-eeblj-diurno"))
    ->Unit(benchmark::kMillisecond);
// Lessons of three teachers and teachers' gap limits bent on most of them: the mending
// passes after placing are most of the work.
BENCHMARK_CAPTURE(BM_CompleteRealSchool, spanish, std::string("es-1-school"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompleteRealSchool, hungarian, std::string("hu-vmg-2018"))
    ->Unit(benchmark::kMillisecond);

// Stops a classic run after a fixed number of search steps, so that the partial
// timetable it leaves is the same on every machine.
class StopAfterSteps : public RunObserver {
 public:
  explicit StopAfterSteps(long steps) : left_(steps) {}
  int OnSearchStep(const RunProgress&) override { return --left_ > 0 ? 0 : kStopRun; }

 private:
  long left_;
};

// From what a classic run stopped after 200 000 search steps left: the shared real
// schools keep that run busy far longer (one of them never finishes its first level).
void BM_CompleteAfterStoppedRun(benchmark::State& state, const std::string& name) {
  std::unique_ptr<School> school = LoadBenchSchool(name);
  if (!school) {
    state.SkipWithError(("cannot read bench/schools/" + name).c_str());
    return;
  }
  StopAfterSteps stop(200'000);
  PlacementRun run(*school, &stop);
  state.counters["classicPlaced"] = run.RunWholeSchool().placed;
  Complete(state, *school);
}
BENCHMARK_CAPTURE(BM_CompleteAfterStoppedRun, havana, std::string("na-havana-ps-2016"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompleteAfterStoppedRun, eeblj, std::string("br-eeblj-diurno"))
    ->Unit(benchmark::kMillisecond);

void BM_CompleteGenerated(benchmark::State& state) {
  School school;
  BuildGeneratedSchool(school, static_cast<int>(state.range(0)), 1);
  Complete(state, school);
}
BENCHMARK(BM_CompleteGenerated)
    ->ArgName("classes")
    ->Arg(10)
    ->Arg(30)
    ->Arg(60)
    ->Unit(benchmark::kMillisecond);

void BM_CompleteAfterClassicRun(benchmark::State& state) {
  School school;
  BuildGeneratedSchool(school, static_cast<int>(state.range(0)), 1);
  PlacementRun run(school);
  const RunOutcome classic = run.RunWholeSchool();
  state.counters["classicPlaced"] = classic.placed;
  Complete(state, school);
}
BENCHMARK(BM_CompleteAfterClassicRun)->ArgName("classes")->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvodrin

BENCHMARK_MAIN();
