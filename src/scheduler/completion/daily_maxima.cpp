// The completion's mending of teachers' days over the daily maximum. The placing bends
// the maximum for the teachers whose hours it leaves waiting, an hour a day for every
// day; once every hour is in, most of those days can give a block to another day of the
// teacher, as a timetable keeping the maximum shows: a teacher whose weekly hours fill
// every day exactly must have no day over at all.

#include <algorithm>

#include "core/cells.h"
#include "scheduler/completion/completion_search.h"
#include "scheduler/completion/model_costs.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// Moves and teachers' gaps judged per unit over the whole pass, and moves of one try
// without fewer hours waiting before it gives up.
constexpr long kDailyStepsPerUnit = 60;
constexpr long kDailyChecksPerUnit = 1500;
constexpr long kDailyPatience = 100;
// Tries that may fail per teacher before the next.
constexpr int kDailyTries = 3;
// Gap hours over the limits (of teachers over them already) that an hour less over a
// daily maximum may cost.
constexpr int kGapHoursForAnHour = 2;

}  // namespace

int CompletionSearch::HoursOverDailyMaximum(int teacher) const {
  const int most = model_.PreparedMaxPerDay(teacher);
  if (most == 0) return 0;
  int over = 0;
  for (int d = 1; d <= kDays; ++d) over += std::max(0, model_.Load(teacher, d) - most);
  return over;
}

int CompletionSearch::HoursOverDailyMaxima() const {
  int over = 0;
  for (const TTeacherGridRec& t : school_.TeacherGrids) over += HoursOverDailyMaximum(t.teacher);
  return over;
}

void CompletionSearch::HoldDaysAsTheyAre() {
  dayCeiling_.assign(256 * kDays, kHoursPerDay);
  for (const TTeacherGridRec& t : school_.TeacherGrids) {
    const int prepared =
        t.effective.maxHoursPerDay != 0 ? t.effective.maxHoursPerDay : model_.MaxPerDay(t.teacher);
    for (int d = 1; d <= kDays; ++d)
      dayCeiling_[Ix(t.teacher * kDays + d - 1)] = std::max(prepared, model_.Load(t.teacher, d));
  }
}

void CompletionSearch::MendDailyMaxima() {
  if (waitingWeight_ != 0 || Interrupted()) return;
  const MendBudget budget = BeginMend(kDailyStepsPerUnit, kDailyChecksPerUnit);
  std::vector<int> over;
  for (const TTeacherGridRec& t : school_.TeacherGrids)
    if (HoursOverDailyMaximum(t.teacher) > 0) over.push_back(t.teacher);
  Shuffle(over);
  for (int teacher : over) {
    const int most = model_.PreparedMaxPerDay(teacher);
    for (int failed = 0; failed < kDailyTries;) {
      if (MendSpent(budget) || HoursOverDailyMaximum(teacher) == 0) break;
      // The fullest of the teacher's days over, and its blocks that may move.
      int day = 0;
      for (int d = 1; d <= kDays; ++d)
        if (model_.Load(teacher, d) > most &&
            (day == 0 || model_.Load(teacher, d) > model_.Load(teacher, day)))
          day = d;
      std::vector<int> movable;
      for (int h = 1; h <= kHoursPerDay; ++h) {
        const int x = model_.TeacherAt(teacher, CellIndex(day, h));
        if (x < 0 || model_.units[Ix(x)].start != CellIndex(day, h)) continue;
        if (!model_.units[Ix(x)].fixed && !model_.units[Ix(x)].guidance) movable.push_back(x);
      }
      if (movable.empty()) break;
      Shuffle(movable);
      HoldDaysAsTheyAre();
      // Teachers within the gap limits stay within them; the gaps of those over them
      // may grow a little.
      for (const TTeacherGridRec& t : school_.TeacherGrids)
        gapAllowance_[Ix(t.teacher)] = TeacherGapExcess(model_, t.teacher) == 0 ? 0 : kGapsBent;
      const GapStanding was = MeasureGaps();
      const int overWas = HoursOverDailyMaxima();
      // Kept with every hour placed, fewer hours over the maximum, no teacher newly
      // over the gap limits and no more days of a single hour.
      auto better = [&] {
        const GapStanding is = MeasureGaps();
        return waitingWeight_ == 0 && HoursOverDailyMaxima() < overWas &&
               is.teachers <= was.teachers && is.hours <= was.hours + kGapHoursForAnHour &&
               is.singleHourDays <= was.singleHourDays;
      };
      // First a ring of blocks trading places, none of the teacher's hours coming to
      // that day.
      barredTeacher_ = teacher;
      barredDay_ = day;
      bool shifted = false;
      for (std::size_t i = 0; i < movable.size() && !shifted; ++i)
        shifted = ShiftAlong(movable[i], better);
      barredTeacher_ = 0;
      if (shifted) continue;
      // Else the teacher's whole week waits, and the chains place it again with that
      // day an hour shorter and no other day of the teacher longer than the maximum.
      dayCeiling_[Ix(teacher * kDays + day - 1)] = model_.Load(teacher, day) - 1;
      if (PlaceWeekAgain(teacher, budget.steps, kDailyPatience, better)) continue;
      ++failed;
    }
  }
  HoldDaysAsTheyAre();
  std::fill(gapAllowance_.begin(), gapAllowance_.end(), kGapsBent);
  gapsKept_ = false;
}

bool CompletionSearch::PlaceWeekAgain(int teacher, long budget, long patience,
                                      const std::function<bool()>& better) {
  std::vector<int> week;
  for (std::size_t x = 0; x < model_.units.size(); ++x) {
    const CompletionUnit& h = model_.units[x];
    const auto teachers = h.block.teachers.begin();
    if (h.start != 0 && !h.fixed && !h.guidance &&
        std::find(teachers, teachers + h.block.teacherCount, teacher) !=
            teachers + h.block.teacherCount)
      week.push_back(static_cast<int>(x));
  }
  Save();
  const Saved whole = best_;
  TakeOut(week);
  Save();
  RunChains(budget, /*briefly=*/true, patience);
  if (better()) return true;
  best_ = whole;
  RestoreSaved();
  return false;
}

}  // namespace kalvodrin
