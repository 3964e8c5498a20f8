#include "hard_rule_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/cells.h"
#include "engine/consistency.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }
std::size_t Ix(int n) { return static_cast<std::size_t>(n); }

// The classes that take the class lesson together with `classNo` (itself included).
std::vector<int> Members(const School& s, int classNo, int lesson) {
  const TClassLessonRec* cl = s.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->commonGroup == 0) return {classNo};
  std::vector<int> members;
  const TCommonGroupRec* g = s.CommonGroupByNo(cl->commonGroup);
  for (int k = 0; g != nullptr && k < std::min<int>(g->count, kMaxListed); ++k)
    members.push_back(g->classes[Ix(k)]);
  return members;
}

bool SameBlockBefore(const School& before, int classNo, int cell, int lesson, int length) {
  const TClassGridRec* cg = before.ClassGridByNo(classNo);
  return cg != nullptr && cg->occupant[At(cell)] == lesson && cg->blockStart[At(cell)] == cell &&
         cg->blockLen[At(cell)] == length;
}

struct Checker {
  const School& after;
  const School& before;
  const std::vector<BentRule>& reported;
  std::vector<std::string> problems;

  void Say(const std::string& what, int classNo, int cell) {
    problems.push_back(what + " (class " + std::to_string(classNo) + ", cell " +
                       std::to_string(cell) + ")");
  }

  void Block(const TClassGridRec& cg, int start) {
    const int lesson = cg.occupant[At(start)];
    const int length = cg.blockLen[At(start)];
    const int day = DayOfCell(start);
    const TClassLessonRec* cl = after.ClassLessonAt(cg.classNo, lesson);
    if (cl == nullptr) return Say("lesson the class does not take", cg.classNo, start);
    if (HourOfCell(start) + length - 1 > kHoursPerDay)
      return Say("block leaves its day", cg.classNo, start);
    const bool given = SameBlockBefore(before, cg.classNo, start, lesson, length);
    const std::vector<int> members = Members(after, cg.classNo, lesson);
    for (int m : members) {
      const TClassGridRec* mg = after.ClassGridByNo(m);
      const TClassGridRec* old = before.ClassGridByNo(m);
      if (mg == nullptr || old == nullptr) return Say("member without timetable", m, start);
      for (int c = start; c < start + length; ++c) {
        if (mg->occupant[At(c)] != lesson) Say("common lesson not in step", m, c);
        if (!given && old->open[At(c)] == 0) Say("closed class cell used", m, c);
      }
      const int first = mg->firstHour[Ix(day - 1)];
      const int last = mg->lastHour[Ix(day - 1)];
      if (!given &&
          (first == 0 || HourOfCell(start) < first || HourOfCell(start) + length - 1 > last))
        Say("outside the class's day window", m, start);
    }
    for (int k = 0; k < std::min<int>(cl->teacherCount, kMaxListed); ++k) {
      const TTeacherGridRec* t = after.TeacherGridByNo(cl->teachers[Ix(k)]);
      const TTeacherGridRec* old = before.TeacherGridByNo(cl->teachers[Ix(k)]);
      if (t == nullptr || old == nullptr) continue;
      for (int c = start; c < start + length; ++c) {
        if (std::find(members.begin(), members.end(), t->occupant[At(c)]) == members.end())
          Say("teacher elsewhere or double-booked", cg.classNo, c);
        if (!given && old->open[At(c)] == 0) Say("closed teacher cell used", cg.classNo, c);
      }
    }
    for (int k = 0; k < std::min<int>(cl->roomCount, kMaxListed); ++k) {
      const TRoomGridRec* r = after.RoomGridByNo(cl->rooms[Ix(k)]);
      const TRoomGridRec* old = before.RoomGridByNo(cl->rooms[Ix(k)]);
      if (r == nullptr || old == nullptr) continue;
      for (int c = start; c < start + length; ++c) {
        if (std::find(members.begin(), members.end(), r->occupant[At(c)]) == members.end())
          Say("room elsewhere or double-booked", cg.classNo, c);
        if (!given && old->open[At(c)] == 0) Say("closed room cell used", cg.classNo, c);
      }
    }
    if (!given && lesson == after.Settings.guidanceLesson) {
      // The guidance hour stands at the fixed hour of the class's shift, when there is one.
      const TSettingsRec& set = after.Settings;
      const bool afternoon = cg.firstHour[0] > 3;
      const int d = afternoon ? set.guidanceDayAfternoon : set.guidanceDayMorning;
      const int h = afternoon ? set.guidanceHourAfternoon : set.guidanceHourMorning;
      if (d >= 1 && d <= kDays && h >= 1 && h <= kHoursPerDay && start != CellIndex(d, h))
        Say("guidance hour away from its fixed hour", cg.classNo, start);
    }
    if (!given) {
      // A part of the pattern, or what is left of the weekly hours when that is less.
      bool inPattern = false;
      int longest = 0;
      for (uint8_t part : cl->pattern) {
        inPattern = inPattern || part == length;
        longest = std::max<int>(longest, part);
      }
      if (!inPattern && length >= longest)
        Say("block length not from the pattern", cg.classNo, start);
    }
  }

  // Every teacher cell must be one of the lessons the teacher gives.
  void TeacherCells(const TTeacherGridRec& t) {
    for (int c = 1; c <= kCells; ++c) {
      const int classNo = t.occupant[At(c)];
      if (classNo == 0) continue;
      const TClassGridRec* cg = after.ClassGridByNo(classNo);
      const TClassLessonRec* cl =
          cg == nullptr ? nullptr : after.ClassLessonAt(classNo, cg->occupant[At(c)]);
      bool teaches = false;
      for (int k = 0; cl != nullptr && k < std::min<int>(cl->teacherCount, kMaxListed); ++k)
        teaches = teaches || cl->teachers[Ix(k)] == t.teacher;
      if (!teaches) Say("teacher holds a lesson it does not give", classNo, c);
    }
  }

  // A teacher's day may hold no more than the daily maximum, unless the teacher's
  // usable cells of the week could not otherwise take the weekly hours; days that only
  // kept what they had are left alone.
  void DailyMaximum(const TTeacherGridRec& t, const TTeacherGridRec& old) {
    std::array<bool, kCells + 1> inWindow{};
    for (const TTeacherLessonRec& e : after.TeacherLessons)
      if (const TClassGridRec* cg = after.ClassGridByNo(e.classNo);
          cg != nullptr && e.teacher == t.teacher)
        for (int c = 1; c <= kCells; ++c) {
          const int d = DayOfCell(c) - 1;
          inWindow[Ix(c)] = inWindow[Ix(c)] ||
                            (cg->firstHour[Ix(d)] != 0 && HourOfCell(c) >= cg->firstHour[Ix(d)] &&
                             HourOfCell(c) <= cg->lastHour[Ix(d)]);
        }
    std::array<int, kDays> usable{};
    for (int c = 1; c <= kCells; ++c)
      if ((old.open[At(c)] != 0 && inWindow[Ix(c)]) || old.occupant[At(c)] != 0)
        ++usable[Ix(DayOfCell(c) - 1)];
    int most = std::max<int>(t.effective.maxHoursPerDay, 1);
    auto holds = [&](int m) {
      int sum = 0;
      for (int n : usable) sum += std::min(n, m);
      return sum >= t.weeklyHours;
    };
    while (most < kHoursPerDay && !holds(most)) ++most;
    // Hours over the maximum that the completion reported as a bent rule are let be.
    int reportedOver = 0;
    for (const BentRule& r : reported)
      if (r.kind == BentRuleKind::kDailyMaximum && r.teacher == t.teacher) reportedOver += r.amount;
    for (int d = 1; d <= kDays; ++d) {
      int now = 0;
      int then = 0;
      int longest = 0;
      for (int h = 1; h <= kHoursPerDay; ++h) {
        now += t.occupant[At(CellIndex(d, h))] != 0;
        then += old.occupant[At(CellIndex(d, h))] != 0;
        longest = std::max<int>(longest, t.blockLen[At(CellIndex(d, h))]);
      }
      const int over = now - std::max(most, longest);
      if (now > then && over > 0 && (reportedOver -= over) < 0)
        problems.push_back("teacher " + std::to_string(t.teacher) +
                           " over the daily maximum on day " + std::to_string(d));
    }
  }

  // Blocks on cells closed before the completion (locked ones) stay where they were.
  void LockedStay(const TClassGridRec& old) {
    const TClassGridRec* now = after.ClassGridByNo(old.classNo);
    for (int c = 1; c <= kCells; ++c)
      if (old.occupant[At(c)] != 0 && old.open[At(c)] == 0 &&
          (now == nullptr || now->occupant[At(c)] != old.occupant[At(c)]))
        Say("locked block moved", old.classNo, c);
  }
};

}  // namespace

std::vector<std::string> CheckHardRules(const School& after, const School& before,
                                        const std::vector<BentRule>& reported) {
  Checker check{after, before, reported, {}};
  for (const TClassGridRec& cg : after.ClassGrids)
    for (int c = 1; c <= kCells; ++c)
      if (cg.occupant[At(c)] != 0 && cg.blockStart[At(c)] == c) check.Block(cg, c);
  for (const TTeacherGridRec& t : after.TeacherGrids) {
    check.TeacherCells(t);
    if (const TTeacherGridRec* old = before.TeacherGridByNo(t.teacher)) check.DailyMaximum(t, *old);
  }
  for (const TClassGridRec& old : before.ClassGrids) check.LockedStay(old);
  return check.problems;
}

CompletionOutcome CompleteKeepingRules(School& school, uint64_t seed) {
  const School before = school;
  CompletionOptions options;
  options.seed = seed;
  CompletionOutcome outcome = CompleteTimetable(school, options);
  EXPECT_EQ(CheckConsistency(school), std::vector<std::string>{});
  EXPECT_EQ(CheckHardRules(school, before, outcome.bentRules), std::vector<std::string>{});
  return outcome;
}

}  // namespace kalvodrin
