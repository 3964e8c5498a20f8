// The marks a drag shows while a placed block is carried in a timetable window: all
// 80 start cells of one block, on the real schools of bench/schools completed once
// with a fixed seed. The marks must follow the pointer without lag (under 5 ms). Also
// what picking the block up costs once (a prepared copy of the school).

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/storage.h"
#include "scheduler/completion/completion.h"
#include "timetables/block_moves.h"
#include "timetables/drag_marks.h"

namespace kalvodrin {
namespace {

struct Placed {
  std::unique_ptr<School> school;
  PlacedBlock block;
};

// The school completed, and its first longest block: a block whose marks ask every
// test, with blocks in the way of most starts (those the rules are asked about with
// the blocks taken out).
std::optional<Placed> Load(const std::string& name) {
  Placed p{std::make_unique<School>(), {}};
  p.school->WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / name;
  if (!LoadSchoolWithoutWriting(*p.school)) return std::nullopt;
  CompletionOptions options;
  options.seed = 1;
  options.timeLimitSeconds = 60;
  CompleteTimetable(*p.school, options);
  for (const TClassGridRec& c : p.school->ClassGrids)
    for (int cell = 1; cell <= 80; ++cell)
      if (auto b = BlockAt(*p.school, GridKind::kClass, c.classNo, cell);
          b && b->length > p.block.length)
        p.block = *b;
  if (p.block.length == 0) return std::nullopt;
  return p;
}

const Placed* RealSchool(const std::string& name) {
  static std::optional<Placed> havana = Load("na-havana-ps-2016");
  static std::optional<Placed> brazil = Load("br-eeblj-diurno");
  const std::optional<Placed>& p = name == "na-havana-ps-2016" ? havana : brazil;
  return p ? &*p : nullptr;
}

void BM_MarksOfAllStartCells(benchmark::State& state, const std::string& name) {
  const Placed* p = RealSchool(name);
  if (p == nullptr) return state.SkipWithError(("cannot read bench/schools/" + name).c_str());
  const DragMarks marks(*p->school, p->block);
  std::array<int, 3> counts{};
  for (auto _ : state) {
    const auto all = marks.All();
    counts = {};
    for (const DropTarget& t : all) ++counts[static_cast<std::size_t>(t.mark)];
    benchmark::DoNotOptimize(counts);
  }
  state.counters["length"] = p->block.length;
  state.counters["green"] = counts[0];
  state.counters["yellow"] = counts[1];
  state.counters["red"] = counts[2];
}

void BM_PickUpBlock(benchmark::State& state, const std::string& name) {
  const Placed* p = RealSchool(name);
  if (p == nullptr) return state.SkipWithError(("cannot read bench/schools/" + name).c_str());
  for (auto _ : state) {
    const DragMarks marks(*p->school, p->block);
    benchmark::DoNotOptimize(&marks);
  }
}

BENCHMARK_CAPTURE(BM_MarksOfAllStartCells, havana, std::string("na-havana-ps-2016"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MarksOfAllStartCells, brazil, std::string("br-eeblj-diurno"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PickUpBlock, havana, std::string("na-havana-ps-2016"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PickUpBlock, brazil, std::string("br-eeblj-diurno"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvodrin

BENCHMARK_MAIN();
