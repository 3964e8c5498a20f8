// A whole-school run of the sample school started from the teacher timetable window,
// against the same run without a window: what the run display (its observer, the
// event handling every few tens of milliseconds, the timer) costs. The window's run
// includes refreshing its counters afterwards; the closing notice is left out. The
// headless run with the panel as its observer shows what the observer's call at every
// search step costs by itself.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/placement_run.h"
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

void BM_WindowRun(benchmark::State& state) {
  const School fresh = LoadSample();
  School school = fresh;
  TSilForm sil;
  THelpForm help;
  TimetableWindows windows(AppContext{school, sil, help}, nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetRunNotices(false);
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
BENCHMARK(BM_WindowRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvodrin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
