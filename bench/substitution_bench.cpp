// The substitution proposal of one school day on the real schools of bench/schools,
// placed first with `kalvodrin-cli complete` on a copy: the five teachers with the
// most lessons on Wednesday are away all day, and the proposal covers their hours.
// Counters: hours to cover, covered.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "core/storage.h"
#include "substitution/day_plan.h"

namespace kalvodrin {
namespace {

constexpr int kWednesday = 3;
const SchoolDate kDate{2026, 12, 9};

// A placed copy of the school, made once per program run.
std::unique_ptr<School> PlacedSchool(const std::string& name) {
  const std::filesystem::path copy =
      std::filesystem::temp_directory_path() / ("kalvodrin-substitution-bench-" + name);
  std::filesystem::remove_all(copy);
  std::filesystem::copy(std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name, copy);
  const std::string command = std::string("'") + KALVODRIN_CLI + "' complete --seed 1 --folder '" +
                              copy.string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return nullptr;
  auto school = std::make_unique<School>();
  school->WorkFolder = copy;
  if (!LoadSchoolWithoutWriting(*school)) return nullptr;
  return school;
}

std::vector<Absence> BusiestFive(const School& school) {
  std::vector<std::pair<int, int>> load;  // (lessons on Wednesday, teacher)
  for (const TTeacherRec& t : school.Teachers)
    load.emplace_back(LessonsOn(school, t.number, kWednesday), t.number);
  std::sort(load.begin(), load.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  std::vector<Absence> absences;
  for (std::size_t i = 0; i < std::min<std::size_t>(5, load.size()); ++i)
    absences.push_back({load[i].second, {}});
  return absences;
}

void BM_ProposeDay(benchmark::State& state, const std::string& name) {
  static std::map<std::string, std::unique_ptr<School>> schools;
  std::unique_ptr<School>& school = schools[name];
  if (!school) school = PlacedSchool(name);
  if (!school) {
    state.SkipWithError(("cannot place a copy of bench/schools/" + name).c_str());
    return;
  }
  DayRequest request;
  request.date = kDate;
  request.absences = BusiestFive(*school);
  const SubstitutionRecord record;
  DayPlan plan;
  for (auto _ : state) {
    plan = ProposeDay(*school, record, request);
    benchmark::DoNotOptimize(plan.rows.data());
  }
  state.counters["hours"] = static_cast<double>(plan.rows.size());
  state.counters["covered"] = plan.Covered();
}

BENCHMARK_CAPTURE(BM_ProposeDay, havana, std::string("na-havana-ps-2016"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ProposeDay, brazil, std::string("br-eeblj-diurno"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvodrin

BENCHMARK_MAIN();
