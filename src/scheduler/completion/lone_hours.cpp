// The completion's last pass: settling the teachers' days of a single hour.

#include <algorithm>

#include "core/cells.h"
#include "scheduler/completion/completion_search.h"
#include "scheduler/completion/model_costs.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// Moves and teachers' gaps judged per unit over the whole pass (each try looks at every
// teacher's week), and moves of one try without fewer hours waiting before it gives up.
constexpr long kSettleStepsPerUnit = 80;
constexpr long kSettleChecksPerUnit = 3000;
constexpr long kSettlePatience = 50;
// Blocks of the teacher tried, one by one, for joining a lone hour on its day.
constexpr std::size_t kPullTries = 3;
// Passes over the lone hours: a lone hour settled may let another that could not be
// settled before go, and a pass that settles none ends them.
constexpr int kSettlePasses = 3;
// The last settling goes on where the passes would end, up to this many in all, trying
// every lone hour left again: what it leaves stays, and a try of the chains' short runs
// that failed often succeeds on another draw. Those further passes keep only settlings
// that cost no gap hour, the price in gaps having been paid by the passes before.
constexpr int kLastSettlePasses = 6;

}  // namespace

void CompletionSearch::MendSingleHourDays(bool last) {
  if (waitingWeight_ != 0 || Interrupted()) return;
  const MendBudget budget = BeginMend(kSettleStepsPerUnit, kSettleChecksPerUnit);
  bool settledAny = true;
  bool further = false;
  for (int pass = 0; pass < (last ? kLastSettlePasses : kSettlePasses); ++pass) {
    if (pass >= kSettlePasses || !settledAny) {
      if (!last) break;
      further = true;
    }
    settledAny = false;
    std::vector<std::pair<int, int>> lone = LoneHours();
    Shuffle(lone);
    for (const auto& [unit, teacher] : lone) {
      if (MendSpent(budget)) break;
      // Still that teacher's only hour of the day (an earlier try may have moved it)?
      const int day = DayOfCell(model_.units[Ix(unit)].start);
      if (model_.Load(teacher, day) != model_.units[Ix(unit)].block.length) continue;
      // None of the teacher's hours may take that day: the hour would only come back,
      // or another of the teacher's hours take its place.
      barredTeacher_ = teacher;
      barredDay_ = day;
      bool settled = SettleIfFewerLoneHours(unit, budget, further);
      barredTeacher_ = 0;
      // Or another of the teacher's blocks comes to that day.
      for (int other : settled ? std::vector<int>{} : PullableTo(teacher, day)) {
        if (MendSpent(budget)) break;
        pinnedUnit_ = other;
        pinnedDay_ = day;
        settled = SettleIfFewerLoneHours(other, budget, further);
        pinnedUnit_ = -1;
        if (settled) break;
      }
      settledAny = settledAny || settled;
    }
  }
  std::fill(gapAllowance_.begin(), gapAllowance_.end(), kGapsBent);
  gapsKept_ = false;
}

std::vector<std::pair<int, int>> CompletionSearch::LoneHours() const {
  std::vector<std::pair<int, int>> lone;
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    for (int d = 1; d <= kDays; ++d) {
      int holder = -1;
      int hours = 0;
      for (int h = 1; h <= kHoursPerDay; ++h) {
        const int x = model_.TeacherAt(t.teacher, CellIndex(d, h));
        if (x == kFreeCell) continue;
        ++hours;
        holder = x;
      }
      if (hours != 1 || holder < 0) continue;
      const CompletionUnit& u = model_.units[Ix(holder)];
      if (!u.fixed && !u.guidance) lone.emplace_back(holder, t.teacher);
    }
  return lone;
}

std::vector<int> CompletionSearch::PullableTo(int teacher, int day) {
  std::vector<int> pullable;
  for (int d = 1; d <= kDays; ++d) {
    if (d == day) continue;
    for (int h = 1; h <= kHoursPerDay; ++h) {
      const int x = model_.TeacherAt(teacher, CellIndex(d, h));
      if (x < 0 || model_.units[Ix(x)].start != CellIndex(d, h)) continue;
      const CompletionUnit& u = model_.units[Ix(x)];
      if (u.fixed || u.guidance || model_.Load(teacher, d) - u.block.length == 1) continue;
      pullable.push_back(x);
    }
  }
  Shuffle(pullable);
  // A block of fewer teachers and classes finds a place on that day sooner, and moves
  // fewer others' days.
  auto participants = [&](int x) {
    const Block& b = model_.units[Ix(x)].block;
    return b.teacherCount + b.classCount;
  };
  std::stable_sort(pullable.begin(), pullable.end(),
                   [&](int a, int b) { return participants(a) < participants(b); });
  if (pullable.size() > kPullTries) pullable.resize(kPullTries);
  return pullable;
}

bool CompletionSearch::SettleIfFewerLoneHours(int unit, const MendBudget& budget, bool noMoreGaps) {
  // Nothing waits: a teacher's gap excess is the hours over the limits. Those within
  // them stay within; the gaps of those over them are costs to weigh.
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    gapAllowance_[Ix(t.teacher)] = TeacherGapExcess(model_, t.teacher) == 0 ? 0 : kGapsBent;
  const SoftCosts was = ModelSoftCosts(model_, school_);
  Save();
  const Saved whole = best_;
  TakeOut({unit});
  Save();
  RunChains(budget.steps, /*briefly=*/true, kSettlePatience);
  if (waitingWeight_ == 0) {
    const SoftCosts is = ModelSoftCosts(model_, school_);
    const bool fewer = is.singleHourDays < was.singleHourDays &&
                       is.Weighted(kSettleWeights) < was.Weighted(kSettleWeights);
    const bool cheaper = is.singleHourDays == was.singleHourDays && is.Weighted() < was.Weighted();
    const bool gapsPaid = !noMoreGaps || is.gapHours <= was.gapHours;
    if ((fewer || cheaper) && gapsPaid) return true;
  }
  best_ = whole;
  RestoreSaved();
  return false;
}

}  // namespace kalvodrin
