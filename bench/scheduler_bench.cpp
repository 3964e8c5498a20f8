// The automatic scheduler: whole-school runs on the bundled sample school and on
// generated schools of growing size, one placement request at the lowest and the
// deepest search level, and what an observer that polls at every step costs.
// Counters: hours to place, hours placed, hours left over.

#include <benchmark/benchmark.h>

#include <atomic>
#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>

#include "core/storage.h"
#include "engine/block_operations.h"
#include "engine/teacher_preparation.h"
#include "generator/sample_school.h"
#include "scheduler/block_sizes.h"
#include "scheduler/placement_run.h"
#include "scheduler/placement_search.h"
#include "scheduler/step_limit.h"
#include "scheduler/unplaced_report.h"

namespace kalvodrin {
namespace {

const School& SampleSchool() {
  static const std::unique_ptr<School> school = [] {
    auto s = std::make_unique<School>();
    BuildSampleSchool(*s);
    return s;
  }();
  return *school;
}

void RunWholeSchool(benchmark::State& state, const School& original,
                    RunObserver* observer) {
  auto school = std::make_unique<School>();
  RunOutcome outcome;
  for (auto _ : state) {
    state.PauseTiming();
    *school = original;
    state.ResumeTiming();
    PlacementRun run(*school, observer);
    outcome = run.RunWholeSchool();
    benchmark::DoNotOptimize(outcome.placed);
  }
  state.counters["hours"] = outcome.total;
  state.counters["placed"] = outcome.placed;
  state.counters["unplaced"] = outcome.unplaced();
}

void BM_WholeSchoolSample(benchmark::State& state) {
  RunWholeSchool(state, SampleSchool(), nullptr);
}
BENCHMARK(BM_WholeSchoolSample)->Unit(benchmark::kMillisecond);

void BM_WholeSchoolGenerated(benchmark::State& state) {
  School school;
  BuildGeneratedSchool(school, static_cast<int>(state.range(0)), 1);
  state.counters["classes"] = static_cast<double>(school.Classes.size());
  RunWholeSchool(state, school, nullptr);
}
BENCHMARK(BM_WholeSchoolGenerated)
    ->Arg(10)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);

// A generated school of two six-hour shifts with the default settings, the shape in
// which every block must start at an odd hour.
void BM_WholeSchoolShifts(benchmark::State& state) {
  School school;
  BuildShiftSchool(school, static_cast<int>(state.range(0)), 1);
  state.counters["classes"] = static_cast<double>(school.Classes.size());
  RunWholeSchool(state, school, nullptr);
}
BENCHMARK(BM_WholeSchoolShifts)->Arg(24)->Unit(benchmark::kMillisecond);

// The real schools of bench/schools. Their deepest levels would search for minutes,
// so each lesson attempt is skipped after this many search steps, as the skip key
// would be, the same on every machine (the fingerprint test uses the same limit).
constexpr long kRealSchoolSteps = 20000;

void BM_WholeSchoolReal(benchmark::State& state, const char* name) {
  auto school = std::make_unique<School>();
  school->WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name;
  if (!LoadSchoolWithoutWriting(*school).ok()) {
    state.SkipWithError("cannot read the school");
    return;
  }
  StepLimitObserver observer(kRealSchoolSteps);
  RunWholeSchool(state, *school, &observer);
}
BENCHMARK_CAPTURE(BM_WholeSchoolReal, na_havana_ps_2016, "na-havana-ps-2016")
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_WholeSchoolReal, br_eeblj_diurno, "br-eeblj-diurno")
    ->Unit(benchmark::kMillisecond)->Iterations(1);

// Does nothing, as a window that is never pressed.
class NoOpObserver : public RunObserver {
 public:
  int OnSearchStep(const RunProgress&) override { return 0; }
};

// What a window does at every step: read the clock, look whether a key came, and
// now and then note the progress it would paint.
class PollingObserver : public RunObserver {
 public:
  int OnSearchStep(const RunProgress& progress) override {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPaint_ > std::chrono::milliseconds(50)) {
      lastPaint_ = now;
      painted_ = progress.placed;
    }
    return key_.exchange(0, std::memory_order_relaxed);
  }

 private:
  std::atomic<int> key_{0};
  std::chrono::steady_clock::time_point lastPaint_{};
  int painted_ = 0;
};

// The two observers take turns within each iteration, so that the load of the
// machine falls on both alike; the counters give each one's mean CPU time per run
// and how much longer the polling runs took, in percent.
void BM_ObserverOverhead(benchmark::State& state) {
  auto school = std::make_unique<School>();
  std::array<double, 2> cpu{};
  for (auto _ : state) {
    for (int k = 0; k < 2; ++k) {
      *school = SampleSchool();
      NoOpObserver noOp;
      PollingObserver polling;
      RunObserver* observer = k == 0 ? static_cast<RunObserver*>(&noOp) : &polling;
      const std::clock_t start = std::clock();
      PlacementRun run(*school, observer);
      benchmark::DoNotOptimize(run.RunWholeSchool().placed);
      cpu[static_cast<std::size_t>(k)] +=
          static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["noop_ms"] = cpu[0] / runs * 1000;
  state.counters["polling_ms"] = cpu[1] / runs * 1000;
  state.counters["overhead_pct"] = (cpu[1] / cpu[0] - 1) * 100;
}
BENCHMARK(BM_ObserverOverhead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A generated school of 20 classes after a whole-school run, which leaves hours
// that no cell takes without repair; the request asks for the first of them, so the
// deep levels really search. Should a run ever place everything, one block is taken
// out instead.
struct RequestCase {
  std::unique_ptr<School> school = std::make_unique<School>();
  int classNo = 0;
  int lesson = 0;
  int length = 0;
};

const RequestCase& HardRequest() {
  static const RequestCase c = [] {
    RequestCase r;
    BuildGeneratedSchool(*r.school, 20, 1);
    PlacementRun(*r.school).RunWholeSchool();
    UnplacedReport report = BuildUnplacedReport(*r.school);
    if (report.rows.empty()) {
      const TClassGridRec& grid = r.school->ClassGrids.front();
      for (int cell = 1; cell <= 80; ++cell) {
        const std::size_t at = static_cast<std::size_t>(cell - 1);
        if (grid.occupant[at] != 0 && grid.open[at] != 0 && grid.blockStart[at] == cell) {
          RemoveBlock(*r.school, grid.blockLen[at], cell, grid.classNo, nullptr);
          break;
        }
      }
      report = BuildUnplacedReport(*r.school);
    }
    r.classNo = report.rows.front().classNo;
    r.lesson = report.rows.front().lesson;
    r.length = NextBlockLength(*r.school, r.classNo, r.lesson);
    PrepareAllTeachers(*r.school);
    return r;
  }();
  return c;
}

void BM_PlacementRequest(benchmark::State& state) {
  const RequestCase& c = HardRequest();
  auto school = std::make_unique<School>();
  bool placed = false;
  for (auto _ : state) {
    state.PauseTiming();
    *school = *c.school;
    RunState run;
    RunProgress progress;
    run.searchLevel = static_cast<int>(state.range(0));
    run.subPass = 2;
    run.rulesFromSettings = true;
    auto search = std::make_unique<PlacementSearch>(*school, run, progress, nullptr);
    state.ResumeTiming();
    placed = search->NewRequest({c.classNo, c.lesson, c.length});
    benchmark::DoNotOptimize(placed);
  }
  state.counters["placed"] = placed ? 1 : 0;
  state.counters["length"] = c.length;
}
BENCHMARK(BM_PlacementRequest)->ArgName("level")->Arg(1)->Arg(8)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalvodrin

BENCHMARK_MAIN();
