#include "scheduler/completion/soft_costs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "core/cells.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

// The lesson a teacher gives in the cell, as (lead class, lesson); {0, 0} when free.
struct Taught {
  int classNo = 0;
  int lesson = 0;
};
Taught TaughtAt(const School& school, const TTeacherGridRec& t, int cell) {
  const int classNo = t.occupant[At(cell)];
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (classNo == 0 || cg == nullptr) return {};
  const int lesson = cg->occupant[At(cell)];
  return {LeadClass(school, classNo, lesson), lesson};
}

void AddTeacherDay(const School& school, const TTeacherGridRec& t, int day, SoftCosts& costs) {
  int first = 0;
  int last = 0;
  for (int h = 1; h <= kHoursPerDay; ++h)
    if (t.occupant[At(CellIndex(day, h))] != 0) {
      if (first == 0) first = h;
      last = h;
    }
  if (first == 0) return;
  if (first == last) ++costs.singleHourDays;
  std::array<Taught, kHoursPerDay + 1> taught{};
  for (int h = first; h <= last; ++h) {
    const int cell = CellIndex(day, h);
    taught[static_cast<std::size_t>(h)] = TaughtAt(school, t, cell);
    if (t.occupant[At(cell)] == 0 && t.open[At(cell)] != 0) ++costs.gapHours;
  }
  if (t.effective.sameClassDifferentDays != 0) {
    // Distinct lessons per class that day, beyond the first.
    for (int h = first; h <= last; ++h) {
      const Taught& a = taught[static_cast<std::size_t>(h)];
      if (a.lesson == 0) continue;
      bool earlierSameLesson = false;
      bool earlierOtherLesson = false;
      for (int k = first; k < h; ++k) {
        const Taught& b = taught[static_cast<std::size_t>(k)];
        if (b.classNo != a.classNo || b.lesson == 0) continue;
        (b.lesson == a.lesson ? earlierSameLesson : earlierOtherLesson) = true;
      }
      if (!earlierSameLesson && earlierOtherLesson) ++costs.teacherTwoLessons;
    }
  }
  if (school.Annex.any()) {
    int previous = -1;
    for (int h = first; h <= last; ++h) {
      const Taught& a = taught[static_cast<std::size_t>(h)];
      if (a.lesson == 0) continue;
      const int building = school.Annex.inAnnex(a.classNo) ? 1 : 0;
      if (previous >= 0 && building != previous) ++costs.annexMoves;
      previous = building;
    }
  }
}

// The blocks of one lesson in the class timetable: day, start hour and length.
struct DayBlock {
  int day = 0;
  int hour = 0;
  int length = 0;
};
std::vector<DayBlock> BlocksOf(const TClassGridRec& cg, int lesson) {
  std::vector<DayBlock> blocks;
  for (int cell = 1; cell <= kCells; ++cell)
    if (cg.occupant[At(cell)] == lesson && cg.blockStart[At(cell)] == cell)
      blocks.push_back({DayOfCell(cell), HourOfCell(cell), cg.blockLen[At(cell)]});
  return blocks;
}

void AddClassLesson(const School& school, const TClassGridRec& cg, int lesson, SoftCosts& costs) {
  const std::vector<DayBlock> blocks = BlocksOf(cg, lesson);
  const LessonRuleSwitches rules = RuleSwitchesOf(school, cg.classNo, lesson);
  std::array<int, kDays + 2> perDay{};
  std::array<int, kDays + 2> hoursPerDay{};
  for (const DayBlock& b : blocks) {
    ++perDay[static_cast<std::size_t>(b.day)];
    hoursPerDay[static_cast<std::size_t>(b.day)] += b.length;
  }
  for (int d = 1; d <= kDays; ++d) {
    const int n = perDay[static_cast<std::size_t>(d)];
    if (n > 1) costs.sameLessonDays += n - 1;
    costs.sameLessonBreaches +=
        SameLessonBreach(rules, n, hoursPerDay[static_cast<std::size_t>(d)]);
    if (rules.daysApart && d < kDays && n > 0 && perDay[static_cast<std::size_t>(d + 1)] > 0)
      ++costs.daysApart;
  }
  if (!rules.differentHours) return;
  for (std::size_t i = 0; i < blocks.size(); ++i)
    for (std::size_t j = i + 1; j < blocks.size(); ++j) {
      if (blocks[i].day == blocks[j].day) continue;
      const int from = std::max(blocks[i].hour, blocks[j].hour);
      const int to = std::min(blocks[i].hour + blocks[i].length, blocks[j].hour + blocks[j].length);
      if (to > from) costs.sameHours += to - from;
    }
}

void AddClassGroups(const School& school, const TClassGridRec& cg, SoftCosts& costs) {
  for (int d = 1; d <= kDays; ++d) {
    std::array<int, kHoursPerDay + 1> lessons{};
    int n = 0;
    for (int h = 1; h <= kHoursPerDay; ++h) {
      const int lesson = cg.occupant[At(CellIndex(d, h))];
      if (lesson == 0) continue;
      bool seen = false;
      for (int k = 0; k < n; ++k) seen = seen || lessons[static_cast<std::size_t>(k)] == lesson;
      if (!seen) lessons[static_cast<std::size_t>(n++)] = lesson;
    }
    for (int i = 0; i < n; ++i) {
      const TLessonRec* a = school.LessonByNo(lessons[static_cast<std::size_t>(i)]);
      if (a == nullptr || a->group == 0) continue;
      for (int k = 0; k < i; ++k) {
        const TLessonRec* b = school.LessonByNo(lessons[static_cast<std::size_t>(k)]);
        if (b != nullptr && b->group == a->group) {
          ++costs.lessonGroups;
          break;
        }
      }
    }
  }
}

}  // namespace

long SoftCosts::Weighted(const SoftWeights& w) const {
  return static_cast<long>(gapHours) * w.gapHour +
         static_cast<long>(sameLessonDays) * w.sameLessonDay +
         static_cast<long>(daysApart) * w.daysApart + static_cast<long>(sameHours) * w.sameHours +
         static_cast<long>(teacherTwoLessons) * w.teacherTwoLessons +
         static_cast<long>(lessonGroups) * w.lessonGroup +
         static_cast<long>(annexMoves) * w.annexMove + static_cast<long>(movedHours) * w.movedHour +
         static_cast<long>(singleHourDays) * w.singleHourDay +
         static_cast<long>(gapBreaches) * w.gapBreach +
         static_cast<long>(sameLessonBreaches) * w.sameLessonBreach;
}

int LeadClass(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->commonGroup == 0) return classNo;
  const TCommonGroupRec* group = school.CommonGroupByNo(cl->commonGroup);
  if (group == nullptr) return classNo;
  const int members = std::min<int>(group->count, kMaxListed);
  for (int k = 0; k < members; ++k) {
    const int member = group->classes[static_cast<std::size_t>(k)];
    const TClassLessonRec* other = school.ClassLessonAt(member, lesson);
    if (other != nullptr && other->commonGroup == cl->commonGroup) return member;
  }
  return classNo;
}

std::vector<PlacedBlockRec> ListPlacedBlocks(const School& school) {
  std::vector<PlacedBlockRec> blocks;
  for (const TClassGridRec& cg : school.ClassGrids)
    for (int cell = 1; cell <= kCells; ++cell) {
      const int lesson = cg.occupant[At(cell)];
      if (lesson == 0 || cg.blockStart[At(cell)] != cell ||
          LeadClass(school, cg.classNo, lesson) != cg.classNo)
        continue;
      blocks.push_back({cg.classNo, static_cast<uint8_t>(lesson), static_cast<uint8_t>(cell),
                        cg.blockLen[At(cell)]});
    }
  return blocks;
}

LessonRuleSwitches RuleSwitchesOf(const School& school, int classNo, int lesson) {
  LessonRuleSwitches rules;
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TLessonRec* rec = school.LessonByNo(lesson);
  if (cl == nullptr || rec == nullptr || cl->teacherCount == 0) return rules;
  const TTeacherGridRec* first = school.TeacherGridByNo(cl->teachers[0]);
  const int weekly = rec->weeklyHours;
  const bool threeADay = school.Settings.moreThanTwoPerDay == 1 && weekly > 6;
  rules.oneBlockADay = weekly <= 7 && !threeADay;
  const int blocks = std::max(1, static_cast<int>(cl->blockCount));
  // Halves to the even number, as the run rounds.
  const int share = static_cast<int>(std::nearbyint(static_cast<double>(weekly) / blocks));
  rules.mostHoursADay =
      std::max(threeADay ? 3 : 0, share + (first != nullptr ? first->sameDayAllowance : 0));
  if (cl->blockCount != 2 || first == nullptr) return rules;
  rules.daysApart = first->effective.dayBetweenDays != 0;
  rules.differentHours = first->effective.differentHours != 0;
  return rules;
}

GapLimits GapLimitsOf(const School& school, const TTeacherGridRec& t) {
  GapLimits limits;
  limits.perDay = school.Settings.gapLimitPerDay == 1;
  limits.kept = t.effective.gapsAllowed == 0;
  limits.weekGaps = t.effective.maxGapsPerWeek;
  limits.longestGap = t.effective.maxGapBetweenLessons;
  return limits;
}

SoftCosts MeasureSoftCosts(const School& school, const std::vector<PlacedBlockRec>& before) {
  SoftCosts costs;
  for (const TTeacherGridRec& t : school.TeacherGrids) {
    GapTally gaps(GapLimitsOf(school, t));
    for (int d = 1; d <= kDays; ++d) {
      AddTeacherDay(school, t, d, costs);
      gaps.AddDay(
          d, [&](int h) { return t.occupant[At(CellIndex(d, h))] != 0; },
          [&](int h) { return t.open[At(CellIndex(d, h))] != 0; });
    }
    costs.gapBreaches += gaps.BreachHours();
  }
  for (const TClassGridRec& cg : school.ClassGrids) {
    std::array<bool, 256> done{};
    for (int cell = 1; cell <= kCells; ++cell) {
      const int lesson = cg.occupant[At(cell)];
      if (lesson == 0 || done[static_cast<std::size_t>(lesson)]) continue;
      done[static_cast<std::size_t>(lesson)] = true;
      if (LeadClass(school, cg.classNo, lesson) == cg.classNo)
        AddClassLesson(school, cg, lesson, costs);
    }
    if (school.Settings.groupDifferentDays != 0) AddClassGroups(school, cg, costs);
  }
  for (const PlacedBlockRec& b : before) {
    const TClassGridRec* cg = school.ClassGridByNo(b.classNo);
    const bool kept = cg != nullptr && IsCell(b.start) && cg->occupant[At(b.start)] == b.lesson &&
                      cg->blockStart[At(b.start)] == b.start &&
                      cg->blockLen[At(b.start)] == b.length;
    if (!kept) costs.movedHours += b.length;
  }
  return costs;
}

}  // namespace kalvodrin
