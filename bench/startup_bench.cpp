// Start-up from disk for a school of 30 classes and 60 teachers with two thirds of the
// timetable placed: annex flags, every collection in start-up order with its index,
// the missing grids and the settings (YARDIM.LOF is bypassed by a given folder).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_school.h"
#include "core/storage.h"
#include "shell/startup.h"

namespace kalvodrin {
namespace {

void BM_StartupFromDisk(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("kalvodrin-startup-bench-" + std::to_string(::getpid()));
  {
    School written = BenchSchool();
    written.WorkFolder = folder;
    std::filesystem::create_directories(folder);
    if (!SaveFiles(written, FileSet::All())) std::abort();
  }
  StartupOptions options;
  options.folderOverride = folder;
  auto school = std::make_unique<School>();
  for (auto _ : state) {
    const StartupResult r = RunStartup(*school, options);
    if (!r.status.ok()) state.SkipWithError(r.status.message().c_str());
    benchmark::DoNotOptimize(school->TeacherGrids.size());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartupFromDisk)->Unit(benchmark::kMillisecond);

// The first start in a new place: the folder is created and every data file written
// (each one flushed to disk).
void BM_FirstStartOnEmptyFolder(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("kalvodrin-first-start-bench-" + std::to_string(::getpid()));
  StartupOptions options;
  options.folderOverride = folder;
  auto school = std::make_unique<School>();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
    const StartupResult r = RunStartup(*school, options);
    if (!r.status.ok()) state.SkipWithError(r.status.message().c_str());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FirstStartOnEmptyFolder)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvodrin
