// The cost of the engine's two inner-loop operations on a school of 30 classes and 60
// teachers: the full test of one block at one cell (window, availability, freedom and
// the eight rules), and placing one block and rolling it back.
#include <benchmark/benchmark.h>

#include <optional>

#include "bench_school.h"
#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/rule_tests.h"
#include "engine/slot_tests.h"

namespace kalvodrin {
namespace {

bool FullTest(const School& school, const Block& block, const RuleParams& params) {
  return WindowTest(school, block) && AvailabilityTest(school, block) &&
         FreedomTest(school, block) && AllRulesPass(school, block, params);
}

struct Fixture {
  School school = BenchSchool();
  RuleParams params;
  Block block;

  // A two-hour block of the last class's mathematics (two more hours to go) at the
  // first cell where it passes every test, so that no test stops early.
  Fixture() {
    const int classNo = school.Classes.back().number;
    int math = 0;
    for (const TLessonRec& l : school.Lessons)
      if (l.weeklyHours == 6) math = l.number;
    block = *MakeBlock(school, classNo, math, 2);
    for (int cell = 1; cell <= kCells; ++cell) {
      SetBlockStart(block, cell);
      if (FullTest(school, block, params)) return;
    }
  }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_FullRuleTestOfOneBlockAtOneCell(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) benchmark::DoNotOptimize(FullTest(f.school, f.block, f.params));
  state.counters["passes"] = FullTest(f.school, f.block, f.params) ? 1 : 0;
  state.counters["cell"] = f.block.startCell;
  int placed = 0;
  for (const TClassGridRec& g : f.school.ClassGrids)
    for (uint8_t lesson : g.occupant) placed += lesson != 0 ? 1 : 0;
  state.counters["classHoursPlaced"] = placed;
}
BENCHMARK(BM_FullRuleTestOfOneBlockAtOneCell);

void BM_EightRulesOfOneBlockAtOneCell(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state)
    benchmark::DoNotOptimize(AllRulesPass(f.school, f.block, f.params));
}
BENCHMARK(BM_EightRulesOfOneBlockAtOneCell);

// Each rule alone, in the order AllRulesPass runs them, to see where the time goes.
void BM_OneRule(benchmark::State& state) {
  using Rule = bool (*)(const School&, const Block&, const RuleParams&);
  static constexpr Rule kRules[] = {SameLessonRule,
                                    DailyMaximumRule,
                                    AnnexRule,
                                    GapRule,
                                    DaysApartRule,
                                    DifferentHoursRule,
                                    OneTeacherTwoLessonsRule,
                                    LessonGroupRule};
  Fixture& f = Shared();
  const Rule rule = kRules[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(rule(f.school, f.block, f.params));
}
BENCHMARK(BM_OneRule)->DenseRange(0, 7);

// What one placement request pays in its direct pass: every cell of the week.
void BM_FullTestOfOneBlockAtEveryCell(benchmark::State& state) {
  Fixture& f = Shared();
  Block b = f.block;
  for (auto _ : state) {
    int passing = 0;
    for (int cell = 1; cell + b.length - 1 <= kCells; ++cell) {
      SetBlockStart(b, cell);
      passing += FullTest(f.school, b, f.params) ? 1 : 0;
    }
    benchmark::DoNotOptimize(passing);
  }
}
BENCHMARK(BM_FullTestOfOneBlockAtEveryCell);

void BM_PlaceAndRollBackOneBlock(benchmark::State& state) {
  Fixture& f = Shared();
  ChangeJournal journal;
  for (auto _ : state) {
    const int mark = journal.Mark();
    benchmark::DoNotOptimize(PlaceBlock(f.school, f.block, &journal));
    RollBack(f.school, journal, mark);
  }
}
BENCHMARK(BM_PlaceAndRollBackOneBlock);

}  // namespace
}  // namespace kalvodrin
