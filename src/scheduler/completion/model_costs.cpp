#include "scheduler/completion/model_costs.h"

#include <algorithm>
#include <array>
#include <bit>

#include "core/cells.h"

namespace kalvodrin {
namespace {

std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

}  // namespace

void AddTeacherDayCosts(const CompletionModel& model, int teacher, int day, SoftCosts& costs) {
  int first = 0;
  int last = 0;
  for (int h = 1; h <= kHoursPerDay; ++h)
    if (model.TeacherAt(teacher, CellIndex(day, h)) != kFreeCell) {
      if (first == 0) first = h;
      last = h;
    }
  if (first == 0) return;
  if (first == last) ++costs.singleHourDays;
  // The lesson index of each hour, -1 when free or unknown.
  std::array<int, kHoursPerDay + 1> taught{};
  for (int h = first; h <= last; ++h) {
    const int cell = CellIndex(day, h);
    const int unit = model.TeacherAt(teacher, cell);
    taught[Ix(h)] = unit >= 0 ? model.units[Ix(unit)].lessonIndex : -1;
    if (unit == kFreeCell && model.TeacherOpen(teacher, cell)) ++costs.gapHours;
  }
  if (model.TeacherTwoLessonsRule(teacher)) {
    for (int h = first; h <= last; ++h) {
      const int a = taught[Ix(h)];
      if (a < 0) continue;
      const int classNo = model.lessons[Ix(a)].classNo;
      bool earlierSame = false;
      bool earlierOther = false;
      for (int k = first; k < h; ++k) {
        const int b = taught[Ix(k)];
        if (b < 0 || model.lessons[Ix(b)].classNo != classNo) continue;
        (b == a ? earlierSame : earlierOther) = true;
      }
      if (!earlierSame && earlierOther) ++costs.teacherTwoLessons;
    }
  }
  if (model.AnyAnnex()) {
    int previous = -1;
    for (int h = first; h <= last; ++h) {
      const int a = taught[Ix(h)];
      if (a < 0) continue;
      const int building = model.InAnnex(model.lessons[Ix(a)].classNo) ? 1 : 0;
      if (previous >= 0 && building != previous) ++costs.annexMoves;
      previous = building;
    }
  }
}

int TeacherGapBreaches(const CompletionModel& model, int teacher) {
  const GapLimits& limits = model.GapLimitsOfTeacher(teacher);
  return limits.kept ? model.GapsOfWeek(teacher).BreachHours(limits) : 0;
}

TeacherWeekDraft::TeacherWeekDraft(const CompletionModel& model, int teacher)
    : model_(&model), teacher_(teacher), waiting_(model.WaitingHours(teacher)) {}

bool TeacherWeekDraft::Teaches(int unit) const {
  // A plain loop: most blocks have one teacher, where std::find's unrolled search costs
  // several times as much, and drafts ask this of every block in the way.
  const Block& b = model_->units[Ix(unit)].block;
  for (int k = 0; k < b.teacherCount; ++k)
    if (b.teachers[Ix(k)] == teacher_) return true;
  return false;
}

void TeacherWeekDraft::Take(int unit) {
  if (!Teaches(unit)) return;
  const CompletionUnit& u = model_->units[Ix(unit)];
  const int day = DayOfCell(u.start);
  waiting_ += u.block.length;
  freed_[Ix(day)] |= ((1U << u.block.length) - 1) << HourOfCell(u.start);
  touched_ |= 1U << day;
  resolved_ = false;
}

void TeacherWeekDraft::Put(int unit, int start) {
  if (!Teaches(unit)) return;
  const CompletionUnit& u = model_->units[Ix(unit)];
  const int day = DayOfCell(start);
  waiting_ -= u.block.length;
  taken_[Ix(day)] |= ((1U << u.block.length) - 1) << HourOfCell(start);
  touched_ |= 1U << day;
  put_ = true;
  resolved_ = false;
}

void TeacherWeekDraft::Resolve() const {
  if (resolved_) return;
  const GapLimits& limits = model_->GapLimitsOfTeacher(teacher_);
  week_ = model_->GapsOfWeek(teacher_);
  for (uint32_t days = touched_; days != 0; days &= days - 1) {
    const int d = std::countr_zero(days);
    days_[Ix(d)] = model_->CountDayGaps(teacher_, d, HeldOn(d));
    week_.Replace(model_->GapsOn(teacher_, d), days_[Ix(d)], limits);
  }
  resolved_ = true;
}

int TeacherWeekDraft::Excess() const {
  const GapLimits& limits = model_->GapLimitsOfTeacher(teacher_);
  if (!limits.kept) return 0;
  Resolve();
  return std::max(0, week_.BreachHours(limits) - waiting_);
}

bool TeacherWeekDraft::NoWorseThanNow() const {
  if (put_) return false;
  for (uint32_t days = touched_; days != 0; days &= days - 1) {
    const int d = std::countr_zero(days);
    const uint32_t held = model_->HeldHours(teacher_, d);
    // The hours strictly inside the day's first and last lesson.
    const uint32_t inside =
        ((1U << (31 - std::countl_zero(held))) - 1) & ~((held & (~held + 1)) * 2 - 1);
    // A run of hours taken out with a gap hour right below and right above it joins
    // the two gaps.
    for (uint32_t rest = freed_[Ix(d)]; rest != 0;) {
      const uint32_t low = rest & (~rest + 1);
      const uint32_t run = rest & ~(rest + low);
      rest &= ~run;
      const uint32_t below = low >> 1;
      const uint32_t above = run + low;
      if ((below & inside & ~held) != 0 && (above & inside & ~held) != 0) return false;
    }
  }
  return true;
}

int TeacherWeekDraft::ExcessWithout(int unit) const {
  const GapLimits& limits = model_->GapLimitsOfTeacher(teacher_);
  const CompletionUnit& u = model_->units[Ix(unit)];
  const int day = DayOfCell(u.start);
  const int waiting = waiting_ + u.block.length;
  const bool touched = (touched_ >> day & 1U) != 0;
  if (!limits.kept) return 0;
  Resolve();
  const uint32_t bits = ((1U << u.block.length) - 1) << HourOfCell(u.start);
  const uint32_t held =
      (model_->HeldHours(teacher_, day) & ~(freed_[Ix(day)] | bits)) | taken_[Ix(day)];
  CompletionModel::WeekGaps week = week_;
  week.Replace(touched ? days_[Ix(day)] : model_->GapsOn(teacher_, day),
               model_->CountDayGaps(teacher_, day, held), limits);
  return std::max(0, week.BreachHours(limits) - waiting);
}

int TeacherGapExcess(const CompletionModel& model, int teacher, int unit, int start,
                     const std::vector<int>& takenOut) {
  TeacherWeekDraft week(model, teacher);
  for (int x : takenOut) week.Take(x);
  if (unit >= 0) week.Put(unit, start);
  return week.Excess();
}

int TeacherGapExcess(const CompletionModel& model, int teacher) {
  const GapLimits& limits = model.GapLimitsOfTeacher(teacher);
  if (!limits.kept) return 0;
  return std::max(0, model.GapsOfWeek(teacher).BreachHours(limits) - model.WaitingHours(teacher));
}

void AddClassDayCosts(const CompletionModel& model, int classNo, int day, SoftCosts& costs) {
  if (!model.GroupRule()) return;
  std::array<int, kHoursPerDay + 1> lessons{};
  int n = 0;
  for (int h = 1; h <= kHoursPerDay; ++h) {
    const int unit = model.ClassAt(classNo, CellIndex(day, h));
    if (unit < 0) continue;
    const int lesson = model.units[Ix(unit)].block.lesson;
    if (std::find(lessons.begin(), lessons.begin() + n, lesson) == lessons.begin() + n)
      lessons[Ix(n++)] = lesson;
  }
  for (int i = 0; i < n; ++i) {
    const int group = model.GroupOf(lessons[Ix(i)]);
    if (group == 0) continue;
    for (int k = 0; k < i; ++k)
      if (model.GroupOf(lessons[Ix(k)]) == group) {
        ++costs.lessonGroups;
        break;
      }
  }
}

void AddLessonCosts(const CompletionModel& model, int lessonIndex, SoftCosts& costs) {
  const CompletionLesson& lesson = model.lessons[Ix(lessonIndex)];
  std::array<int, kDays + 2> perDay{};
  std::array<int, kDays + 2> hoursPerDay{};
  for (int u : lesson.units) {
    const int start = model.units[Ix(u)].start;
    if (start == 0) continue;
    ++perDay[Ix(DayOfCell(start))];
    hoursPerDay[Ix(DayOfCell(start))] += model.units[Ix(u)].block.length;
  }
  for (int d = 1; d <= kDays; ++d) {
    const int n = perDay[Ix(d)];
    if (n > 1) costs.sameLessonDays += n - 1;
    costs.sameLessonBreaches += SameLessonBreach(lesson.rules, n, hoursPerDay[Ix(d)]);
    if (lesson.rules.daysApart && d < kDays && n > 0 && perDay[Ix(d + 1)] > 0) ++costs.daysApart;
  }
  if (lesson.rules.differentHours)
    for (std::size_t i = 0; i < lesson.units.size(); ++i)
      for (std::size_t j = i + 1; j < lesson.units.size(); ++j) {
        const CompletionUnit& a = model.units[Ix(lesson.units[i])];
        const CompletionUnit& b = model.units[Ix(lesson.units[j])];
        if (a.start == 0 || b.start == 0 || DayOfCell(a.start) == DayOfCell(b.start)) continue;
        const int from = std::max(HourOfCell(a.start), HourOfCell(b.start));
        const int to =
            std::min(HourOfCell(a.start) + a.block.length, HourOfCell(b.start) + b.block.length);
        if (to > from) costs.sameHours += to - from;
      }
  for (const auto& [start, length] : lesson.originals) {
    bool kept = false;
    for (int u : lesson.units) {
      const CompletionUnit& unit = model.units[Ix(u)];
      kept = kept || (unit.start == start && unit.block.length == length);
    }
    if (!kept) costs.movedHours += length;
  }
}

long LessonRulesCostAt(const CompletionModel& model, int unit, int start,
                       const std::vector<int>& takenOut, const SoftWeights& weights) {
  const CompletionUnit& u = model.units[Ix(unit)];
  const CompletionLesson& lesson = model.lessons[Ix(u.lessonIndex)];
  const LessonRuleSwitches& rules = lesson.rules;
  const int day = DayOfCell(start);
  const int hour = HourOfCell(start);
  int blocks = 0;
  int hours = 0;
  long cost = 0;
  for (int x : lesson.units) {
    const CompletionUnit& h = model.units[Ix(x)];
    if (x == unit || h.start == 0 ||
        std::find(takenOut.begin(), takenOut.end(), x) != takenOut.end())
      continue;
    const int d = DayOfCell(h.start);
    if (d == day) {
      ++blocks;
      hours += h.block.length;
      continue;
    }
    // A block on the next day at the same hour bends both rules.
    if (rules.daysApart && (d == day - 1 || d == day + 1)) cost += weights.daysApart;
    if (rules.differentHours) {
      const int from = std::max(hour, HourOfCell(h.start));
      const int to = std::min(hour + u.block.length, HourOfCell(h.start) + h.block.length);
      cost += static_cast<long>(weights.sameHours) * std::max(0, to - from);
    }
  }
  const int added = SameLessonBreach(rules, blocks + 1, hours + u.block.length) -
                    SameLessonBreach(rules, blocks, hours);
  return cost + static_cast<long>(weights.sameLessonBreach) * added;
}

long UnitLocalCost(const CompletionModel& model, int unit, int dayA, int dayB,
                   const SoftWeights& weights) {
  return PairLocalCost(model, unit, -1, dayA, dayB, weights);
}

long PairLocalCost(const CompletionModel& model, int unitA, int unitB, int dayA, int dayB,
                   const SoftWeights& weights) {
  // The teachers, classes and lessons of the units, each once.
  std::array<int, 2 * kMaxListed> teachers{};
  std::array<int, 2 * kMaxListed> classes{};
  std::array<int, 2> lessons{};
  int nt = 0;
  int nc = 0;
  int nl = 0;
  auto add = [](std::array<int, 2 * kMaxListed>& list, int& n, int value) {
    if (std::find(list.begin(), list.begin() + n, value) == list.begin() + n) list[Ix(n++)] = value;
  };
  for (int unit : {unitA, unitB}) {
    if (unit < 0) continue;
    const CompletionUnit& u = model.units[Ix(unit)];
    for (int k = 0; k < u.block.teacherCount; ++k) add(teachers, nt, u.block.teachers[Ix(k)]);
    for (int k = 0; k < u.block.classCount; ++k) add(classes, nc, u.block.classes[Ix(k)]);
    if (nl == 0 || lessons[0] != u.lessonIndex) lessons[Ix(nl++)] = u.lessonIndex;
  }
  SoftCosts costs;
  for (int day : {dayA, dayB == dayA ? 0 : dayB}) {
    if (day == 0) continue;
    for (int k = 0; k < nt; ++k) AddTeacherDayCosts(model, teachers[Ix(k)], day, costs);
    for (int k = 0; k < nc; ++k) AddClassDayCosts(model, classes[Ix(k)], day, costs);
  }
  for (int k = 0; k < nl; ++k) AddLessonCosts(model, lessons[Ix(k)], costs);
  if (weights.gapBreach != 0)
    for (int k = 0; k < nt; ++k) costs.gapBreaches += TeacherGapBreaches(model, teachers[Ix(k)]);
  return costs.Weighted(weights);
}

SoftCosts ModelSoftCosts(const CompletionModel& model, const School& school) {
  SoftCosts costs;
  for (const TTeacherGridRec& t : school.TeacherGrids) {
    for (int d = 1; d <= kDays; ++d) AddTeacherDayCosts(model, t.teacher, d, costs);
    costs.gapBreaches += TeacherGapBreaches(model, t.teacher);
  }
  for (const TClassGridRec& c : school.ClassGrids)
    for (int d = 1; d <= kDays; ++d) AddClassDayCosts(model, c.classNo, d, costs);
  for (std::size_t i = 0; i < model.lessons.size(); ++i)
    AddLessonCosts(model, static_cast<int>(i), costs);
  return costs;
}

}  // namespace kalvodrin
