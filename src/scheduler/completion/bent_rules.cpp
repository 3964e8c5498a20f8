#include "scheduler/completion/bent_rules.h"

#include <algorithm>
#include <array>

#include "core/cells.h"
#include "core/turkish_text.h"
#include "scheduler/completion/soft_costs.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

void AddTeacherRules(const School& school, const TTeacherGridRec& t, std::vector<BentRule>& out) {
  GapTally gaps(GapLimitsOf(school, t));
  int overDaily = 0;
  const int most = t.effective.maxHoursPerDay;
  for (int d = 1; d <= kDays; ++d) {
    int hours = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) hours += t.occupant[At(CellIndex(d, h))] != 0;
    if (most != 0 && hours > most) overDaily += hours - most;
    gaps.AddDay(
        d, [&](int h) { return t.occupant[At(CellIndex(d, h))] != 0; },
        [&](int h) { return t.open[At(CellIndex(d, h))] != 0; });
  }
  if (const int over = gaps.BreachHours(); over > 0)
    out.push_back({BentRuleKind::kGaps, t.teacher, 0, 0, over});
  if (overDaily > 0) out.push_back({BentRuleKind::kDailyMaximum, t.teacher, 0, 0, overDaily});
}

void AddLessonRules(const School& school, const TClassGridRec& cg, int lesson,
                    std::vector<BentRule>& out) {
  const LessonRuleSwitches rules = RuleSwitchesOf(school, cg.classNo, lesson);
  std::array<int, kDays + 2> blocks{};
  std::array<int, kDays + 2> hours{};
  std::vector<std::pair<int, int>> starts;  // day, hour of each block's start
  std::vector<int> lengths;
  for (int cell = 1; cell <= kCells; ++cell) {
    if (cg.occupant[At(cell)] != lesson) continue;
    ++hours[Ix(DayOfCell(cell))];
    if (cg.blockStart[At(cell)] == cell) {
      ++blocks[Ix(DayOfCell(cell))];
      starts.emplace_back(DayOfCell(cell), HourOfCell(cell));
      lengths.push_back(cg.blockLen[At(cell)]);
    }
  }
  int sameDay = 0;
  int daysApart = 0;
  for (int d = 1; d <= kDays; ++d) {
    sameDay += SameLessonBreach(rules, blocks[Ix(d)], hours[Ix(d)]);
    if (rules.daysApart && d < kDays && blocks[Ix(d)] > 0 && blocks[Ix(d + 1)] > 0) ++daysApart;
  }
  int sameHours = 0;
  if (rules.differentHours)
    for (std::size_t i = 0; i < starts.size(); ++i)
      for (std::size_t j = i + 1; j < starts.size(); ++j) {
        if (starts[i].first == starts[j].first) continue;
        const int from = std::max(starts[i].second, starts[j].second);
        const int to = std::min(starts[i].second + lengths[i], starts[j].second + lengths[j]);
        sameHours += std::max(0, to - from);
      }
  if (sameDay > 0) out.push_back({BentRuleKind::kSameLessonDay, 0, cg.classNo, lesson, sameDay});
  if (daysApart > 0) out.push_back({BentRuleKind::kDaysApart, 0, cg.classNo, lesson, daysApart});
  if (sameHours > 0) out.push_back({BentRuleKind::kSameHours, 0, cg.classNo, lesson, sameHours});
}

bool SameOwner(const BentRule& a, const BentRule& b) {
  return a.kind == b.kind && a.teacher == b.teacher && a.classNo == b.classNo &&
         a.lesson == b.lesson;
}

}  // namespace

std::vector<BentRule> ListBentRules(const School& school) {
  std::vector<BentRule> out;
  for (const TTeacherGridRec& t : school.TeacherGrids) AddTeacherRules(school, t, out);
  for (const TClassGridRec& cg : school.ClassGrids) {
    std::array<bool, 256> done{};
    for (int cell = 1; cell <= kCells; ++cell) {
      const int lesson = cg.occupant[At(cell)];
      if (lesson == 0 || done[Ix(lesson)]) continue;
      done[Ix(lesson)] = true;
      if (LeadClass(school, cg.classNo, lesson) == cg.classNo)
        AddLessonRules(school, cg, lesson, out);
    }
  }
  return out;
}

std::vector<BentRule> NewlyBent(const std::vector<BentRule>& before,
                                const std::vector<BentRule>& after) {
  std::vector<BentRule> grown;
  for (const BentRule& rule : after) {
    int was = 0;
    for (const BentRule& old : before)
      if (SameOwner(old, rule)) was = old.amount;
    if (rule.amount > was) {
      grown.push_back(rule);
      grown.back().amount = rule.amount - was;
    }
  }
  return grown;
}

std::string BentRuleText(const School& school, const BentRule& rule) {
  auto teacherName = [&] {
    const TTeacherRec* t = school.TeacherByNo(rule.teacher);
    return t != nullptr ? Cp1254ToUtf8(t->name.view()) : std::to_string(rule.teacher);
  };
  auto classLesson = [&] {
    const TClassRec* c = school.ClassByNo(rule.classNo);
    const TLessonRec* l = school.LessonByNo(rule.lesson);
    return (c != nullptr ? Cp1254ToUtf8(c->name.view()) + " " + Cp1254ToUtf8(c->section.view())
                         : std::to_string(rule.classNo)) +
           " " + (l != nullptr ? Cp1254ToUtf8(l->name.view()) : std::to_string(rule.lesson));
  };
  const std::string n = std::to_string(rule.amount);
  switch (rule.kind) {
    case BentRuleKind::kGaps: return teacherName() + ": boşluk sınırı " + n + " saat aşıldı";
    case BentRuleKind::kDailyMaximum:
      return teacherName() + ": günlük en çok ders saati " + n + " saat aşıldı";
    case BentRuleKind::kSameLessonDay:
      return classLesson() + ": aynı güne " + n + " fazla ders kondu";
    case BentRuleKind::kDaysApart: return classLesson() + ": " + n + " kez arada gün bırakılmadı";
    case BentRuleKind::kSameHours:
      return classLesson() + ": farklı günlerde " + n + " saat aynı saate geldi";
  }
  return {};
}

}  // namespace kalvodrin
