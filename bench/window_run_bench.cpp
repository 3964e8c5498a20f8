// A whole-school run of the sample school started from the teacher timetable window,
// against the same run without a window: what the run display (its observer, the
// event handling every few tens of milliseconds, the timer) costs. The window's run
// includes refreshing its counters afterwards; the closing notice is left out. The
// headless run with the panel as its observer shows what the observer's call at every
// search step costs by itself.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/file_system.h"
#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/placement_run.h"
#include "scheduler/run_preferences.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {
namespace {

School LoadSample() {
  School school;
  school.WorkFolder = KALVODRIN_SAMPLE_SCHOOL;
  if (!LoadSchool(school).ok()) std::abort();
  CancelPlacements(school, ResetOptions{});
  school.WorkFolder.clear();  // nothing is written back into the sources
  return school;
}

void BM_HeadlessRun(benchmark::State& state) {
  const School fresh = LoadSample();
  for (auto _ : state) {
    state.PauseTiming();
    School school = fresh;
    state.ResumeTiming();
    benchmark::DoNotOptimize(PlacementRun(school).RunWholeSchool().placed);
  }
}
BENCHMARK(BM_HeadlessRun)->Unit(benchmark::kMillisecond);

void BM_HeadlessRunWithPanel(benchmark::State& state) {
  const School fresh = LoadSample();
  School school = fresh;
  RunPanel panel(school);
  for (auto _ : state) {
    state.PauseTiming();
    school = fresh;
    state.ResumeTiming();
    benchmark::DoNotOptimize(PlacementRun(school, &panel).RunWholeSchool().placed);
  }
}
BENCHMARK(BM_HeadlessRunWithPanel)->Unit(benchmark::kMillisecond);

// The teacher window over a copy of a school, its closing notices off.
struct RunWindow {
  explicit RunWindow(const School& fresh) : school(fresh) { w.SetRunNotices(false); }
  School school;
  TSilForm sil;
  THelpForm help;
  TimetableWindows windows{AppContext{school, sil, help}, nullptr};
  TOgrPrgForm& w = windows.teachers();
};

// Times the teacher window's whole-school run, each time on a fresh copy of the school.
void TimeWholeSchoolRuns(benchmark::State& state, const School& fresh, School& school,
                         TOgrPrgForm& w) {
  w.show();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    school = fresh;
    w.Activate();
    state.ResumeTiming();
    benchmark::DoNotOptimize(w.RunWholeSchool().placed);
  }
}

void BM_WindowRun(benchmark::State& state) {
  const School fresh = LoadSample();
  RunWindow run(fresh);
  TimeWholeSchoolRuns(state, fresh, run.school, run.w);
}
BENCHMARK(BM_WindowRun)->Unit(benchmark::kMillisecond);

// The desktop's whole-school run on the real schools as a school presses the main button
// and waits: nobody presses a key. With the completion on (the default) the classic run
// gives way to it as soon as it stalls; with it off, the learning skip allowance ends
// the lessons the classic run cannot place. The run preferences are read from a
// folder of their own that holds nothing else; nothing is written. Counters: hours
// placed by the run alone, placed in the end, lesson attempts skipped on their own,
// whether the run handed over, rules the completion bent.
void BM_WindowRunRealSchool(benchmark::State& state, const std::string& name,
                            bool completeAfterRun) {
  School fresh;
  fresh.WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name;
  if (!LoadSchoolWithoutWriting(fresh)) {
    state.SkipWithError(("cannot read bench/schools/" + name).c_str());
    return;
  }
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("window_run_bench-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(folder);
  LocalFileSystem disk;
  RunPreferences preferences;
  preferences.completeAfterRun = completeAfterRun;
  if (!SaveRunPreferences(folder, disk, preferences)) {
    state.SkipWithError("cannot write the run preferences");
    return;
  }
  fresh.WorkFolder = folder;
  RunWindow run(fresh);
  TOgrPrgForm& w = run.w;
  w.SetCompletionSeed(1);
  TimeWholeSchoolRuns(state, fresh, run.school, w);
  std::filesystem::remove_all(folder);
  state.counters["hours"] = w.lastRun().total;
  state.counters["run_placed"] = w.lastRun().placed;
  state.counters["placed"] =
      w.lastCompletion().total != 0 ? w.lastCompletion().placedAfter : w.lastRun().placed;
  state.counters["auto_skips"] = w.panel().autoSkips();
  state.counters["handed_over"] = w.handedOver() ? 1 : 0;
  state.counters["bent"] = static_cast<double>(w.lastCompletion().bentRules.size());
}

// The two shared schools and the others of bench/schools (see its README), each with
// the completion on and off.
void RegisterRealSchools() {
  const std::pair<const char*, const char*> schools[] = {
      {"havana", "na-havana-ps-2016"}, {"eeblj", "br-eeblj-diurno"},   {"spain", "es-1-school"},
      {"medgidia", "ro-cbs-2019"},     {"tgmures", "ro-tgmures-2007"}, {"budapest", "hu-vmg-2018"}};
  for (const auto& [label, folder] : schools)
    for (const bool complete : {true, false})
      benchmark::RegisterBenchmark(
          (std::string("BM_WindowRunRealSchool/") + label + (complete ? "" : "_no_completion"))
              .c_str(),
          [folder = std::string(folder), complete](benchmark::State& state) {
            BM_WindowRunRealSchool(state, folder, complete);
          })
          ->Unit(benchmark::kMillisecond)
          ->MeasureProcessCPUTime()
          ->Iterations(1);
}

}  // namespace
}  // namespace kalvodrin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kalvodrin::RegisterRealSchools();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
