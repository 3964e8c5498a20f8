#pragma once
// The soft costs as the completion search sees them, read from its mirror of the
// timetable: one teacher's day, one class's day, one lesson's blocks. A move changes
// only the days and the lesson it touches, so the search compares those alone. The
// sums over the whole school equal MeasureSoftCosts on the school the mirror follows.

#include <array>
#include <cstdint>
#include <vector>

#include "core/cells.h"
#include "scheduler/completion/completion_model.h"
#include "scheduler/completion/soft_costs.h"

namespace kalvodrin {

// Gap hours, further lessons of one class and building changes of the teacher's day.
void AddTeacherDayCosts(const CompletionModel& model, int teacher, int day, SoftCosts& costs);
// Hours over the teacher's gap limits in the week.
int TeacherGapBreaches(const CompletionModel& model, int teacher);
// Hours over the teacher's gap limits that the teacher's hours still waiting could not
// mend, each filling one gap hour: 0 while the limits can still be kept. Taking a
// block out of the middle of a day adds as many gap hours as hours waiting, so only
// placing can raise it. Here with `unit` (waiting) standing at `start` and the units
// of `takenOut` gone.
int TeacherGapExcess(const CompletionModel& model, int teacher, int unit, int start,
                     const std::vector<int>& takenOut);
// The same for the mirror as it stands.
int TeacherGapExcess(const CompletionModel& model, int teacher);

// One teacher's week as a change would leave it, for judging several changes that
// share a part (the blocks taken out so far) without walking that part again each
// time. Units the teacher does not teach change nothing.
class TeacherWeekDraft {
 public:
  TeacherWeekDraft(const CompletionModel& model, int teacher);
  // The placed unit is gone; its hours wait.
  void Take(int unit);
  // The waiting unit stands at `start`, over whatever is taken out.
  void Put(int unit, int start);
  // TeacherGapExcess of the week as drafted.
  int Excess() const;
  // Whether the draft only takes hours out and joins no two gaps of a day into one:
  // then each hour taken out adds at most one gap hour (to the week, the day, or a gap
  // too long) and waits, so Excess is at most the teacher's excess now, uncounted.
  bool NoWorseThanNow() const;
  // The same with `unit` taken out too; the draft stays as it is. Requires: a placed
  // unit the teacher teaches, not taken out yet.
  int ExcessWithout(int unit) const;
  // The teacher's hours of the day as drafted (bit h for hour h).
  uint32_t HeldOn(int day) const {
    return (model_->HeldHours(teacher_, day) & ~freed_[Ix(day)]) | taken_[Ix(day)];
  }

 private:
  static std::size_t Ix(int n) { return static_cast<std::size_t>(n); }
  bool Teaches(int unit) const;
  // Counts the days touched, once after each change.
  void Resolve() const;

  const CompletionModel* model_;
  int teacher_;
  int waiting_;
  // Per day: the hours given up and the hours taken; days (bit d) either touches.
  std::array<uint32_t, kDays + 1> freed_{};
  std::array<uint32_t, kDays + 1> taken_{};
  uint32_t touched_ = 0;
  bool put_ = false;  // a unit stands somewhere new
  // The week with the days touched counted as drafted, and those days.
  mutable bool resolved_ = false;
  mutable CompletionModel::WeekGaps week_;
  mutable std::array<CompletionModel::DayGaps, kDays + 1> days_{};
};

// Further lessons of one lesson group on the class's day.
void AddClassDayCosts(const CompletionModel& model, int classNo, int day, SoftCosts& costs);
// Same-day blocks, days in a row, same hours and moved hours of one lesson.
void AddLessonCosts(const CompletionModel& model, int lessonIndex, SoftCosts& costs);
// What the waiting unit adds, weighted, to what its lesson's own rules bend, at `start`
// with the units of `takenOut` gone: each other block of the lesson on a day beside it
// (days apart), each hour at which another stands on another day (different hours),
// and the blocks or hours over what the same-lesson rule lets its day hold.
long LessonRulesCostAt(const CompletionModel& model, int unit, int start,
                       const std::vector<int>& takenOut, const SoftWeights& weights);

// What a move of `unit` can change, weighted: the days `dayA` and `dayB` (equal for a
// move within one day, 0 for none) of its teachers and classes, and its lesson.
// The teachers' gap limits are weekly: their whole weeks are read.
long UnitLocalCost(const CompletionModel& model, int unit, int dayA, int dayB,
                   const SoftWeights& weights = kSoftWeights);
// The same for two units that trade places (`unitB` -1 for none).
long PairLocalCost(const CompletionModel& model, int unitA, int unitB, int dayA, int dayB,
                   const SoftWeights& weights = kSoftWeights);

// Every teacher, class and lesson of the model.
SoftCosts ModelSoftCosts(const CompletionModel& model, const School& school);

}  // namespace kalvodrin
