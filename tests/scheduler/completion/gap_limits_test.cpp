// The teachers' gap limits in the completion: how far a teacher's gaps are over the
// limits beyond what the hours still waiting could mend, and mending a timetable whose
// gaps are over where another arrangement keeps them.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "../test_school.h"
#include "core/cells.h"
#include "core/storage.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/locks.h"
#include "engine/teacher_preparation.h"
#include "hard_rule_check.h"
#include "scheduler/completion/bent_rules.h"
#include "scheduler/completion/completion.h"
#include "scheduler/completion/completion_model.h"
#include "scheduler/completion/completion_search.h"
#include "scheduler/completion/model_costs.h"
#include "scheduler/completion/soft_costs.h"
#include "scheduler/completion/step_aside.h"

namespace kalvodrin {
namespace {

// No gap hour at all for any teacher, and no relaxing it.
void AllowNoGaps(School& s) {
  s.Settings.autoRelax = 0;
  s.Settings.maxGapsPerWeek = 0;
  s.Settings.maxGapBetweenLessons = 0;
}

// Prepares the teachers and settles their lone hours alone, without the soft phase's
// moves and trades; the school as it was before, for the hard-rule check.
School SettleLoneHours(School& s, uint64_t seed) {
  PrepareAllTeachers(s);
  const School before = s;
  CompletionOptions options;
  options.seed = seed;
  CompletionSearch search(s, options, CountTotals(s).placed);
  search.MendSingleHourDays();
  return before;
}

// Teacher 1 gives class 1 lesson 1, three single hours; class 1 has Monday hours 1-6
// only. At most one gap hour a week, none longer than one hour.
TestSchool ThreeHoursOnMonday() {
  TestSchool t;
  t.Lesson(1, 3, {1, 1, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  School& s = t.school;
  s.Settings.autoRelax = 0;
  s.Settings.maxGapsPerWeek = 1;
  s.Settings.maxGapBetweenLessons = 1;
  TClassGridRec& c = t.C(1);
  for (std::size_t d = 1; d < kDays; ++d) c.firstHour[d] = c.lastHour[d] = 0;
  RecountClassFreeHours(s, 1);
  PrepareAllTeachers(s);
  return t;
}

// The day's gaps counted from bits agree with the count gap by gap for every way the
// teacher's Monday can be held, with hours 3 and 9 closed and the longest gap one hour.
TEST(GapLimitsTest, DayGapsFromBitsAgreeWithTheCountGapByGap) {
  TestSchool t = ThreeHoursOnMonday();
  TTeacherGridRec& teacher = t.T(1);
  teacher.open[static_cast<std::size_t>(CellIndex(1, 3) - 1)] = 0;
  teacher.open[static_cast<std::size_t>(CellIndex(1, 9) - 1)] = 0;
  const CompletionModel model(t.school);
  const uint32_t open = model.OpenHours(1, 1);
  ASSERT_EQ(open >> 3 & 1U, 0U);
  ASSERT_EQ(open >> 4 & 1U, 1U);
  for (uint32_t held = 0; held < (1U << kHoursPerDay); ++held) {
    const uint32_t bits = held << 1;
    GapTally tally(GapLimitsOf(t.school, teacher));
    tally.AddDay(
        1, [&](int h) { return (bits >> h & 1U) != 0; },
        [&](int h) { return (open >> h & 1U) != 0; });
    const CompletionModel::DayGaps day = model.CountDayGaps(1, 1, bits);
    ASSERT_EQ(day.hours, tally.HoursOn(1)) << bits;
    ASSERT_EQ(day.tooLong, tally.TooLong()) << bits;
  }
}

TEST(GapLimitsTest, HoursStillWaitingMayMendGapsUpToTheirNumber) {
  TestSchool t = ThreeHoursOnMonday();
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 1) && t.Put(1, 1, 1, 1, 4));
  const CompletionModel model(t.school);
  int waitingUnit = -1;
  std::vector<int> placed;
  for (std::size_t u = 0; u < model.units.size(); ++u)
    (model.units[u].start == 0 ? waitingUnit : placed.emplace_back()) = static_cast<int>(u);
  ASSERT_GE(waitingUnit, 0);
  ASSERT_EQ(placed.size(), 2U);
  const int atFour = model.units[static_cast<std::size_t>(placed[0])].start == CellIndex(1, 4)
                         ? placed[0]
                         : placed[1];
  EXPECT_EQ(model.WaitingHours(1), 1);
  // Hours 1 and 4: two gap hours in a row, one over each limit; the hour waiting could
  // fill one of them.
  EXPECT_EQ(TeacherGapExcess(model, 1), 0);
  const std::vector<int> none;
  // Placed at hour 2 it leaves one gap hour: within the limits.
  EXPECT_EQ(TeacherGapExcess(model, 1, waitingUnit, CellIndex(1, 2), none), 0);
  // At hour 6: gaps of two and one hours, three in the week, and nothing waits.
  EXPECT_EQ(TeacherGapExcess(model, 1, waitingUnit, CellIndex(1, 6), none), 2);
  // At hour 5 with hour 4 taken out: hours 1 and 5, a gap of three, and hour 4 waits.
  EXPECT_EQ(TeacherGapExcess(model, 1, waitingUnit, CellIndex(1, 5), {atFour}), 1);
  // Taking out the last hour of the day ends the gap.
  EXPECT_EQ(TeacherGapExcess(model, 1, -1, 0, {atFour}), 0);
}

// Teacher 1 at Monday hours 1, 3 and 5: two gaps of one hour, within limits of two
// gap hours a week and none longer than one hour. Taking out hour 3 joins them into a
// gap of three hours that the hour then waiting cannot mend, so that draft must be
// counted; taking out hour 1 or 5 only shortens the day.
TEST(GapLimitsTest, ADraftTakingOutTheHourBetweenTwoGapsIsCounted) {
  TestSchool t = ThreeHoursOnMonday();
  t.school.Settings.maxGapsPerWeek = 2;
  PrepareAllTeachers(t.school);
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 1) && t.Put(1, 1, 1, 1, 3) && t.Put(1, 1, 1, 1, 5));
  const CompletionModel model(t.school);
  ASSERT_EQ(TeacherGapExcess(model, 1), 0);
  auto takingOut = [&](int hour) {
    TeacherWeekDraft week(model, 1);
    for (std::size_t u = 0; u < model.units.size(); ++u)
      if (model.units[u].start == CellIndex(1, hour)) week.Take(static_cast<int>(u));
    return week;
  };
  EXPECT_FALSE(takingOut(3).NoWorseThanNow());
  EXPECT_EQ(takingOut(3).Excess(), 1);
  EXPECT_TRUE(takingOut(1).NoWorseThanNow());
  EXPECT_TRUE(takingOut(5).NoWorseThanNow());
  // Putting an hour anywhere may add gaps: always counted.
  TeacherWeekDraft moved = takingOut(5);
  for (std::size_t u = 0; u < model.units.size(); ++u)
    if (model.units[u].start == CellIndex(1, 5)) moved.Put(static_cast<int>(u), CellIndex(1, 4));
  EXPECT_FALSE(moved.NoWorseThanNow());
}

// Classes 1 and 2 have Monday hours 1-3, each full: lessons 1 and 4 of teacher 1,
// 2 and 5 of teacher 2, 3 and 6 of teacher 3. Placed by hand, teacher 1 teaches at
// hours 1 and 3 with a gap between, and allows none. No single move and no trade of
// two blocks of a class keeps the others' hours apart; turning class 1's three hours
// round does, and every seed finds it.
TEST(GapLimitsTest, GapsOverTheLimitsAreMendedWhereAnotherTimetableKeepsThem) {
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 6; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 1, 3).Class(2, 1, 3);
    for (int teacher = 1; teacher <= 3; ++teacher)
      t.Teacher(teacher).Give(1, teacher, {teacher}).Give(2, teacher + 3, {teacher});
    t.Done();
    School& s = t.school;
    AllowNoGaps(s);
    for (int teacher : {2, 3}) t.T(teacher).special.gapsAllowed = 1;
    for (int c : {1, 2}) {
      for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
      RecountClassFreeHours(s, c);
    }
    // Class 1: 1, 2, 3; class 2: 5, 6, 4.
    for (int h = 1; h <= 3; ++h) ASSERT_TRUE(t.Put(1, h, 1, 1, h));
    for (auto [lesson, h] : {std::pair{5, 1}, std::pair{6, 2}, std::pair{4, 3}})
      ASSERT_TRUE(t.Put(2, lesson, 1, 1, h));
    PrepareAllTeachers(s);
    ASSERT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 1, 0, 0, 1}}));
    const CompletionOutcome outcome = CompleteKeepingRules(s, seed);
    EXPECT_EQ(outcome.placedAfter, 6);
    EXPECT_EQ(ListBentRules(s), std::vector<BentRule>{});
    EXPECT_TRUE(outcome.bentRules.empty());
  }
}

// Class 1 has Monday hours 1-4: lesson 4 of teacher 3 at hour 1, lesson 1 of teacher
// 1 at hour 2 and lesson 2 of teachers 2 and 4 at hour 3. Teacher 1 also has class 2's
// lesson 3 locked at hour 4, and allows no gap. Mending takes lesson 1 out; hour 1
// (lesson 4 stepping aside) is looked at first and costs less than hour 3, but leaves
// a gap of two, so lesson 1 takes hour 3 and lesson 2 steps aside.
TEST(GapLimitsTest, MendingPlacesWhereTheTeachersGapsKeepTheLimitsNotWhereItCostsLeast) {
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 4; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 1, 4).Class(2, 4, 4);
    t.Teacher(1).Teacher(2).Teacher(3).Teacher(4);
    t.Give(1, 1, {1}).Give(2, 3, {1}).Give(1, 2, {2, 4}).Give(1, 4, {3}).Done();
    School& s = t.school;
    AllowNoGaps(s);
    for (int teacher : {2, 3, 4}) t.T(teacher).special.gapsAllowed = 1;
    for (int c : {1, 2}) {
      for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
      RecountClassFreeHours(s, c);
    }
    for (auto [lesson, hour] : {std::pair{4, 1}, std::pair{1, 2}, std::pair{2, 3}})
      ASSERT_TRUE(t.Put(1, lesson, 1, 1, hour));
    ASSERT_TRUE(t.Put(2, 3, 1, 1, 4) && ToggleClassLock(s, CellIndex(1, 4), 2));
    PrepareAllTeachers(s);
    ASSERT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 1, 0, 0, 1}}));
    CompletionOptions options;
    options.seed = seed;
    CompletionSearch search(s, options, CountTotals(s).placed);
    search.MendGapLimits();
    EXPECT_EQ(t.At(1, 1, 3), 1);
    EXPECT_EQ(t.At(1, 1, 1), 4);
    EXPECT_EQ(ListBentRules(s), std::vector<BentRule>{});
  }
}

// Teachers 1 and 2 allow no gap. Teacher 1 teaches class 2 at Monday hour 2 (locked)
// and class 1's lesson 2 at hour 4: one gap hour over. Teacher 2 teaches class 3 at
// hour 1 (locked) and class 1's lesson 4 at hour 5: three over. Class 1 has Monday
// hours 3-5, hour 3 free, which closes teacher 1's gap or takes teacher 2 two hours
// nearer, but not both. Teacher 1, nearest the limits, goes first and keeps them;
// teacher 2 then closes one hour with hour 4. Teacher 2 first would leave both over.
TEST(GapLimitsTest, TheTeacherNearestTheLimitsIsMendedFirst) {
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 4; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 3, 5).Class(2, 2, 2).Class(3, 1, 1);
    t.Teacher(1).Give(2, 1, {1}).Give(1, 2, {1}).Teacher(2).Give(3, 3, {2}).Give(1, 4, {2});
    t.Done();
    School& s = t.school;
    AllowNoGaps(s);
    for (int c : {1, 2, 3}) {
      for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
      RecountClassFreeHours(s, c);
    }
    ASSERT_TRUE(t.Put(2, 1, 1, 1, 2) && ToggleClassLock(s, CellIndex(1, 2), 2));
    ASSERT_TRUE(t.Put(3, 3, 1, 1, 1) && ToggleClassLock(s, CellIndex(1, 1), 3));
    ASSERT_TRUE(t.Put(1, 2, 1, 1, 4) && t.Put(1, 4, 1, 1, 5));
    PrepareAllTeachers(s);
    ASSERT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 1, 0, 0, 1},
                                                       {BentRuleKind::kGaps, 2, 0, 0, 3}}));
    const School before = s;
    CompletionOptions options;
    options.seed = seed;
    CompletionSearch search(s, options, CountTotals(s).placed);
    search.MendGapLimits();
    EXPECT_EQ(CheckHardRules(s, before, {}), std::vector<std::string>{});
    EXPECT_EQ((std::array{t.At(1, 1, 3), t.At(1, 1, 4), t.At(1, 1, 5)}), (std::array{2, 4, 0}));
    EXPECT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 2, 0, 0, 2}}));
  }
}

// Classes 1 and 2 have Monday hours 1-3, each full. Class 1: lesson 1 (teacher 1),
// lesson 3 (teacher 3, closed at hour 1), lesson 4 (teacher 2); class 2: lesson 6
// (teacher 4), lesson 5 (teacher 2), lesson 2 (teacher 1). Teacher 1 has a gap at hour
// 2 and allows none. Lesson 2 takes hour 2 only with lessons 5, 4 and 3 trading hours 2
// and 3 along with it; with lesson 3 locked no timetable keeps the limit.
TEST(GapLimitsTest, AGapIsMendedByTradingTwoHoursAcrossTwoClasses) {
  for (const bool locked : {false, true})
    for (uint64_t seed = 1; seed <= 5; ++seed) {
      SCOPED_TRACE("locked " + std::to_string(locked) + ", seed " + std::to_string(seed));
      TestSchool t;
      for (int l = 1; l <= 6; ++l) t.Lesson(l, 1, {1});
      t.Class(1, 1, 3).Class(2, 1, 3);
      t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1}).Teacher(2).Give(1, 4, {2}).Give(2, 5, {2});
      t.Teacher(3).Give(1, 3, {3}).Teacher(4).Give(2, 6, {4}).Done();
      School& s = t.school;
      AllowNoGaps(s);
      for (int c : {1, 2}) {
        for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
        RecountClassFreeHours(s, c);
      }
      for (auto [lesson, hour] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{4, 3}})
        ASSERT_TRUE(t.Put(1, lesson, 1, 1, hour));
      for (auto [lesson, hour] : {std::pair{6, 1}, std::pair{5, 2}, std::pair{2, 3}})
        ASSERT_TRUE(t.Put(2, lesson, 1, 1, hour));
      ASSERT_TRUE(SetCellOpen(s, GridKind::kTeacher, 3, CellIndex(1, 1), 0));
      ASSERT_TRUE(!locked || ToggleClassLock(s, CellIndex(1, 2), 1));
      PrepareAllTeachers(s);
      const std::vector<BentRule> bent{{BentRuleKind::kGaps, 1, 0, 0, 1}};
      ASSERT_EQ(ListBentRules(s), bent);
      const School before = s;
      CompletionOptions options;
      options.seed = seed;
      CompletionSearch search(s, options, CountTotals(s).placed);
      search.MendGapLimits();
      EXPECT_EQ(CheckHardRules(s, before, {}), std::vector<std::string>{});
      EXPECT_EQ(ListBentRules(s), locked ? bent : std::vector<BentRule>{});
      if (locked) continue;
      EXPECT_EQ((std::array{t.At(1, 1, 1), t.At(1, 1, 2), t.At(1, 1, 3)}), (std::array{1, 4, 3}));
      EXPECT_EQ((std::array{t.At(2, 1, 1), t.At(2, 1, 2), t.At(2, 1, 3)}), (std::array{6, 2, 5}));
    }
}

// Teacher 1 gives class 1 lesson 1 at Monday hour 1 and class 2 lesson 3, locked at
// Monday hour 3: a gap at hour 2, where teacher 2's lesson 2 stands locked in class 1.
// Class 1 also has Tuesday hour 1. Moving lesson 1 there keeps the gap limits but
// gives teachers 1 and 2 a day of one hour each instead of teacher 2 alone: the
// mending keeps the gap.
TEST(GapLimitsTest, MendingTheGapsKeepsNoResultWithMoreSingleHourDays) {
  TestSchool t;
  t.Lesson(1, 1, {1}).Lesson(2, 1, {1}).Lesson(3, 1, {1}).Class(1, 1, 2).Class(2, 3, 3);
  t.Teacher(1).Give(1, 1, {1}).Give(2, 3, {1}).Teacher(2).Give(1, 2, {2}).Done();
  School& s = t.school;
  AllowNoGaps(s);
  for (int c : {1, 2}) {
    for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
    if (c == 1) t.C(c).firstHour[1] = t.C(c).lastHour[1] = 1;
    RecountClassFreeHours(s, c);
  }
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 1));
  ASSERT_TRUE(t.Put(1, 2, 1, 1, 2) && ToggleClassLock(s, CellIndex(1, 2), 1));
  ASSERT_TRUE(t.Put(2, 3, 1, 1, 3) && ToggleClassLock(s, CellIndex(1, 3), 2));
  PrepareAllTeachers(s);
  ASSERT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 1, 0, 0, 1}}));
  CompletionSearch search(s, {}, CountTotals(s).placed);
  search.MendGapLimits();
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kGaps, 1, 0, 0, 1}}));
}

// Teacher 1 allows no gap and teaches Monday hour 3 (class 1, locked) and hour 6 (class
// 2's lesson 2, in room 1): two gap hours over. Class 2 has Monday hours 4-6, hour 5
// locked. Teacher 2 may have three gap hours a week, none longer than two, and teaches
// Monday hours 1 and 6 (locked) and, in class 3, lesson 4 at hour 4 in room 1: gaps of
// two hours and one. Lesson 2 fits at hour 4 only if lesson 4 steps aside to class 3's
// hour 5, which joins teacher 2's gaps into one of three hours: one over. Fewer hours
// over in all, but teacher 2 newly over: the mending leaves both as they are.
TEST(GapLimitsTest, MendingLeavesNoTeacherOfTheBlocksTakenOutNewlyOverTheLimits) {
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 6; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 3, 3).Class(2, 4, 6).Class(3, 4, 6).Class(4, 1, 1);
    t.Teacher(1).Teacher(2).Teacher(3).Room(1);
    t.Give(1, 1, {1}).Give(2, 2, {1}, {1}).Give(2, 3, {3}).Give(3, 4, {2}, {1});
    t.Give(3, 5, {2}).Give(4, 6, {2}).Done();
    School& s = t.school;
    AllowNoGaps(s);
    t.T(2).special.maxGapsPerWeek = 3;
    t.T(2).special.maxGapBetweenLessons = 2;
    t.T(3).special.gapsAllowed = 1;
    for (int c = 1; c <= 4; ++c) {
      for (std::size_t d = 1; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
      RecountClassFreeHours(s, c);
    }
    for (auto [cls, lesson, hour, locked] : {std::tuple{1, 1, 3, true},
                                             {2, 2, 6, false},
                                             {2, 3, 5, true},
                                             {3, 4, 4, false},
                                             {3, 5, 6, true},
                                             {4, 6, 1, true}}) {
      ASSERT_TRUE(t.Put(cls, lesson, 1, 1, hour));
      if (locked) {
        ASSERT_TRUE(ToggleClassLock(s, CellIndex(1, hour), cls));
      }
    }
    PrepareAllTeachers(s);
    const std::vector<BentRule> before = {{BentRuleKind::kGaps, 1, 0, 0, 2}};
    ASSERT_EQ(ListBentRules(s), before);
    CompletionOptions options;
    options.seed = seed;
    CompletionSearch search(s, options, CountTotals(s).placed);
    search.MendGapLimits();
    EXPECT_EQ(ListBentRules(s), before);
    EXPECT_EQ(t.At(3, 1, 4), 4);
    EXPECT_EQ(t.At(2, 1, 6), 2);
  }
}

// Classes 1 and 2 have Monday and Tuesday hours 1-2, each full with single hours of
// one teacher: class 1 lessons 4 (teacher 4), 2 (teacher 2), 1 (teacher 1), 3 (teacher
// 3); class 2 lessons 5 (teacher 1), 6 (teacher 3), 7 (teacher 2), 8 (teacher 5, closed
// on Monday). Teacher 1 comes in on both days for one hour; lesson 1 cannot move to
// Monday on its own (class 1's Monday is full, and teacher 2 cannot trade into
// Tuesday's first hour), but a chain that takes class 1's blocks round can.
TEST(GapLimitsTest, ATeachersLoneHourGoesToAnotherOfTheTeachersDaysByAChain) {
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 8; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 1, 2).Class(2, 1, 2);
    t.Teacher(1).Give(1, 1, {1}).Give(2, 5, {1});
    t.Teacher(2).Give(1, 2, {2}).Give(2, 7, {2});
    t.Teacher(3).Give(1, 3, {3}).Give(2, 6, {3});
    t.Teacher(4).Give(1, 4, {4}).Teacher(5).Give(2, 8, {5}).Done();
    School& s = t.school;
    s.Settings.autoRelax = 0;
    s.Settings.gapsAllowed = 1;
    for (int c : {1, 2}) {
      for (std::size_t d = 2; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
      RecountClassFreeHours(s, c);
    }
    for (int h = 1; h <= kHoursPerDay; ++h)
      SetCellOpen(s, GridKind::kTeacher, 5, CellIndex(1, h), 0);
    for (auto [lesson, day, hour] : {std::tuple{4, 1, 1}, {2, 1, 2}, {1, 2, 1}, {3, 2, 2}})
      ASSERT_TRUE(t.Put(1, lesson, 1, day, hour));
    for (auto [lesson, day, hour] : {std::tuple{5, 1, 1}, {6, 1, 2}, {7, 2, 1}, {8, 2, 2}})
      ASSERT_TRUE(t.Put(2, lesson, 1, day, hour));
    const School before = SettleLoneHours(s, seed);
    EXPECT_EQ(CheckConsistency(s), std::vector<std::string>{});
    EXPECT_EQ(CheckHardRules(s, before, {}), std::vector<std::string>{});
    EXPECT_EQ(CountTotals(s).placed, 8);
    const TTeacherGridRec& first = t.T(1);
    EXPECT_TRUE(first.placedPerDay[0] == 2 || first.placedPerDay[1] == 2);
    EXPECT_LT(MeasureSoftCosts(s, {}).singleHourDays, MeasureSoftCosts(before, {}).singleHourDays);
  }
}

// Teacher 1 gives class 1 lesson 1, whose only hour is the first of Friday (or
// Monday), and class 2 lessons 2, 3 and 4 at hours 1-3 of Monday (or Friday); class 2
// also has hour 2 of the lone hour's day, and no gap is allowed. The lone hour cannot
// move; the first or last hour of the other day joins it (the middle one would leave a
// gap).
TEST(GapLimitsTest, AnotherOfTheTeachersBlocksJoinsALoneHourThatCannotMove) {
  for (const auto& [loneDay, otherDay] : {std::pair{5, 1}, std::pair{1, 5}})
    for (uint64_t seed = 1; seed <= 5; ++seed) {
      SCOPED_TRACE("lone on day " + std::to_string(loneDay) + ", seed " + std::to_string(seed));
      TestSchool t;
      for (int l = 1; l <= 4; ++l) t.Lesson(l, 1, {1});
      t.Class(1, 1, 1).Class(2, 1, 3);
      t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1}).Give(2, 3, {1}).Give(2, 4, {1}).Done();
      School& s = t.school;
      AllowNoGaps(s);
      for (int d = 1; d <= kDays; ++d) {
        const std::size_t i = static_cast<std::size_t>(d - 1);
        if (d != loneDay) t.C(1).firstHour[i] = t.C(1).lastHour[i] = 0;
        if (d == loneDay) t.C(2).firstHour[i] = t.C(2).lastHour[i] = 2;
        if (d != loneDay && d != otherDay) t.C(2).firstHour[i] = t.C(2).lastHour[i] = 0;
      }
      for (int c : {1, 2}) RecountClassFreeHours(s, c);
      ASSERT_TRUE(t.Put(1, 1, 1, loneDay, 1));
      for (int h = 1; h <= 3; ++h) ASSERT_TRUE(t.Put(2, h + 1, 1, otherDay, h));
      const School before = SettleLoneHours(s, seed);
      EXPECT_EQ(CheckHardRules(s, before, {}), std::vector<std::string>{});
      EXPECT_EQ(CountTotals(s).placed, 4);
      EXPECT_EQ(t.At(1, loneDay, 1), 1);
      EXPECT_NE(t.At(2, loneDay, 2), 0);
      EXPECT_EQ(MeasureSoftCosts(s, {}).singleHourDays, 0);
      EXPECT_EQ(ListBentRules(s), std::vector<BentRule>{});
    }
}

// Teacher 1 gives class 2 lesson 4, the only hour of Friday (or Monday), and class 1
// lessons 1, 2 and 3 at hours 1-3 (or 14-16) of Monday (or Friday), the last (or first)
// two of them locked; class 1 also has hour 2 of the lone hour's day, and no gap is
// allowed. Only the block left free can join the lone hour: lesson 1, the first block
// of the school, or lesson 3 at the day's last hour.
TEST(GapLimitsTest, TheFirstBlockOfTheSchoolOrOneAtTheLastHourJoinsALoneHour) {
  for (const bool late : {false, true})
    for (uint64_t seed = 1; seed <= 4; ++seed) {
      SCOPED_TRACE(std::string(late ? "hours 14-16" : "hours 1-3") + ", seed " +
                   std::to_string(seed));
      const int loneDay = seed % 2 == 0 ? 1 : 5;
      const int otherDay = loneDay == 5 ? 1 : 5;
      const int first = late ? 14 : 1;
      TestSchool t;
      for (int l = 1; l <= 4; ++l) t.Lesson(l, 1, {1});
      t.Class(1).Class(2);
      t.Teacher(1).Give(1, 1, {1}).Give(1, 2, {1}).Give(1, 3, {1}).Give(2, 4, {1}).Done();
      School& s = t.school;
      AllowNoGaps(s);
      for (int d = 1; d <= kDays; ++d) {
        const std::size_t i = static_cast<std::size_t>(d - 1);
        t.C(1).firstHour[i] = d == otherDay ? first : d == loneDay ? 2 : 0;
        t.C(1).lastHour[i] = d == otherDay ? first + 2 : d == loneDay ? 2 : 0;
        t.C(2).firstHour[i] = t.C(2).lastHour[i] = d == loneDay ? 1 : 0;
      }
      for (int c : {1, 2}) RecountClassFreeHours(s, c);
      for (int k = 0; k < 3; ++k) ASSERT_TRUE(t.Put(1, k + 1, 1, otherDay, first + k));
      for (int k : {late ? 0 : 2, 1})
        ASSERT_TRUE(ToggleClassLock(s, CellIndex(otherDay, first + k), 1));
      ASSERT_TRUE(t.Put(2, 4, 1, loneDay, 1));
      const School before = SettleLoneHours(s, seed);
      EXPECT_EQ(CheckHardRules(s, before, {}), std::vector<std::string>{});
      EXPECT_EQ(t.At(2, loneDay, 1), 4);
      EXPECT_EQ(t.At(1, loneDay, 2), late ? 3 : 1);
      EXPECT_EQ(MeasureSoftCosts(s, {}).singleHourDays, 0);
      EXPECT_EQ(ListBentRules(s), std::vector<BentRule>{});
    }
}

// Teacher 1 has a lone hour on Friday (class 1) and Monday hours 1 and 2 (class 2).
// Either the lone hour is locked, and class 1 also has Monday hour 3 beside the
// teacher's other hours; or the Monday hours are locked, and class 2 also has Friday
// hour 2 beside the lone hour. Moving the locked hour would settle the lone hour, but
// a locked hour stays where the user put it.
TEST(GapLimitsTest, NoLockedHourMovesToSettleALoneHour) {
  for (const bool loneLocked : {true, false})
    for (uint64_t seed = 1; seed <= 5; ++seed) {
      SCOPED_TRACE(std::string(loneLocked ? "lone hour" : "Monday hours") + " locked, seed " +
                   std::to_string(seed));
      TestSchool t;
      for (int l = 1; l <= 3; ++l) t.Lesson(l, 1, {1});
      t.Class(1, 1, 1).Class(2, 1, 2);
      t.Teacher(1).Give(1, 1, {1}).Give(2, 2, {1}).Give(2, 3, {1}).Done();
      School& s = t.school;
      AllowNoGaps(s);
      for (std::size_t d = 0; d < kDays; ++d) {
        const bool classOneOpen = d == 4 || (loneLocked && d == 0);
        const bool classTwoOpen = d == 0 || (!loneLocked && d == 4);
        if (!classOneOpen) t.C(1).firstHour[d] = t.C(1).lastHour[d] = 0;
        if (!classTwoOpen) t.C(2).firstHour[d] = t.C(2).lastHour[d] = 0;
      }
      if (loneLocked) t.C(1).firstHour[0] = t.C(1).lastHour[0] = 3;
      if (!loneLocked) t.C(2).firstHour[4] = t.C(2).lastHour[4] = 2;
      for (int c : {1, 2}) RecountClassFreeHours(s, c);
      ASSERT_TRUE(t.Put(1, 1, 1, 5, 1) && t.Put(2, 2, 1, 1, 1) && t.Put(2, 3, 1, 1, 2));
      if (loneLocked) {
        ASSERT_TRUE(ToggleClassLock(s, CellIndex(5, 1), 1));
      } else {
        ASSERT_TRUE(ToggleClassLock(s, CellIndex(1, 1), 2) &&
                    ToggleClassLock(s, CellIndex(1, 2), 2));
      }
      SettleLoneHours(s, seed);
      EXPECT_EQ(t.At(1, 5, 1), 1);
      EXPECT_EQ(t.At(2, 1, 1), 2);
      EXPECT_EQ(t.At(2, 1, 2), 3);
      EXPECT_EQ(MeasureSoftCosts(s, {}).singleHourDays, 1);
    }
}

// Class 1 has Monday hours 1-2, Monday hour 3 + k and Tuesday hour 1, the hours between
// closed; teacher 1, who may have gaps and two lessons of a class on a day, gives it a
// 2-hour block and a single hour. Completed from empty, the single hour goes to Monday,
// after the block, for a gap of k = 4 hours, and stays alone on Tuesday rather than
// leave a gap of 5.
TEST(GapLimitsTest, ALoneHourIsWorthUpToFourGapHours) {
  for (const int k : {4, 5})
    for (uint64_t seed = 1; seed <= 3; ++seed) {
      SCOPED_TRACE("gap " + std::to_string(k) + ", seed " + std::to_string(seed));
      TestSchool t;
      t.Lesson(1, 2, {2}).Lesson(2, 1, {1}).Class(1, 1, 3 + k);
      t.Teacher(1).Give(1, 1, {1}).Give(1, 2, {1}).Done();
      School& s = t.school;
      s.Settings.autoRelax = 0;
      s.Settings.gapsAllowed = 1;
      s.Settings.sameClassDifferentDays = 0;
      for (std::size_t d = 1; d < kDays; ++d)
        t.C(1).firstHour[d] = t.C(1).lastHour[d] = d == 1 ? 1 : 0;
      for (int h = 3; h < 3 + k; ++h)
        ASSERT_TRUE(SetCellOpen(s, GridKind::kClass, 1, CellIndex(1, h), 0));
      RecountClassFreeHours(s, 1);
      CompletionOptions options;
      options.seed = seed;
      EXPECT_EQ(CompleteTimetable(s, options).placedAfter, 3);
      EXPECT_EQ(t.At(1, 2, 1), k == 4 ? 0 : 2);
      EXPECT_EQ(MeasureSoftCosts(s, {}).gapHours, k == 4 ? 4 : 0);
    }
}

// Class 1 has Monday hours 1-3 with hour 2 closed, and Tuesday hour 1; teacher 1 gives
// it lessons 1 and 2 at Tuesday 1 and Monday 1, two days of one hour, which together on
// Monday leave a gap at hour 2. No gap is allowed. Lessons 3 and 4 of class 2 stand
// locked on Wednesday at hours 1 and 2, or, for a teacher over the limits already, at
// 1 and 3 with hour 2 closed. Only the teacher over the limits takes the gap for the
// two lone hours.
TEST(GapLimitsTest, LoneHoursAreSettledForAGapOnlyByATeacherOverTheLimitsAlready) {
  for (bool over : {false, true})
    for (uint64_t seed = 1; seed <= 5; ++seed) {
      SCOPED_TRACE("over " + std::to_string(over) + ", seed " + std::to_string(seed));
      TestSchool t;
      for (int l = 1; l <= 4; ++l) t.Lesson(l, 1, {1});
      t.Class(1, 1, 3).Class(2, 1, 3);
      t.Teacher(1).Give(1, 1, {1}).Give(1, 2, {1}).Give(2, 3, {1}).Give(2, 4, {1}).Done();
      School& s = t.school;
      AllowNoGaps(s);
      for (std::size_t d = 1; d < kDays; ++d) {
        t.C(1).firstHour[d] = t.C(1).lastHour[d] = d == 1 ? 1 : 0;
        if (d != 2) t.C(2).firstHour[d] = t.C(2).lastHour[d] = 0;
      }
      t.C(2).firstHour[0] = t.C(2).lastHour[0] = 0;
      ASSERT_TRUE(SetCellOpen(s, GridKind::kClass, 1, CellIndex(1, 2), 0));
      ASSERT_TRUE(SetCellOpen(s, GridKind::kClass, 2, CellIndex(3, 2), over ? 0 : 1));
      for (int c : {1, 2}) RecountClassFreeHours(s, c);
      ASSERT_TRUE(t.Put(1, 1, 1, 2, 1) && t.Put(1, 2, 1, 1, 1));
      for (auto [lesson, hour] : {std::pair{3, 1}, std::pair{4, over ? 3 : 2}})
        ASSERT_TRUE(t.Put(2, lesson, 1, 3, hour) && ToggleClassLock(s, CellIndex(3, hour), 2));
      SettleLoneHours(s, seed);
      EXPECT_EQ(CountTotals(s).placed, 4);
      EXPECT_EQ(MeasureSoftCosts(s, {}).singleHourDays, over ? 0 : 2);
      const int gaps = over ? 2 : 0;
      EXPECT_EQ(MeasureSoftCosts(s, {}).gapHours, gaps);
      EXPECT_EQ(ListBentRules(s).size(), over ? 1U : 0U);
    }
}

// The teacher's gaps over the limits counted afresh from the mirror's cells, hour by
// hour: what the mirror keeps up to date as blocks come and go must equal it.
int RecountedBreach(const CompletionModel& model, int teacher) {
  GapTally gaps(model.GapLimitsOfTeacher(teacher));
  for (int d = 1; d <= kDays; ++d)
    gaps.AddDay(
        d, [&](int h) { return model.TeacherAt(teacher, CellIndex(d, h)) != kFreeCell; },
        [&](int h) { return model.TeacherOpen(teacher, CellIndex(d, h)); });
  return gaps.BreachHours();
}

// The placed units holding a cell of the unit's participants at `start`, or false when
// a fixed one (or a cell no unit holds) is among them.
bool HoldersInTheWay(const CompletionModel& model, int unit, int start, std::vector<int>& out) {
  const Block& b = model.units[static_cast<std::size_t>(unit)].block;
  auto add = [&](int holder) {
    if (holder == kFreeCell) return true;
    if (holder < 0 || model.units[static_cast<std::size_t>(holder)].fixed ||
        model.units[static_cast<std::size_t>(holder)].guidance)
      return false;
    if (std::find(out.begin(), out.end(), holder) == out.end()) out.push_back(holder);
    return true;
  };
  for (int c = start; c < start + b.length; ++c) {
    for (int k = 0; k < b.teacherCount; ++k)
      if (!add(model.TeacherAt(b.teachers[static_cast<std::size_t>(k)], c))) return false;
    for (int k = 0; k < b.classCount; ++k)
      if (!add(model.ClassAt(b.classes[static_cast<std::size_t>(k)], c))) return false;
    for (int k = 0; k < b.roomCount; ++k)
      if (!add(model.RoomAt(b.rooms[static_cast<std::size_t>(k)], c))) return false;
  }
  return true;
}

// The starts among the unit's places where, with the move made in the mirror, every
// cell of its participants is free, looked up cell by cell.
std::array<uint32_t, kDays + 1> FreeStartsAfresh(const CompletionModel& model, int x) {
  const CompletionUnit& u = model.units[static_cast<std::size_t>(x)];
  const Block& b = u.block;
  auto free = [&](int s) {
    for (int c = s; c < s + b.length; ++c) {
      for (int k = 0; k < b.teacherCount; ++k)
        if (model.TeacherAt(b.teachers[static_cast<std::size_t>(k)], c) != kFreeCell) return false;
      for (int k = 0; k < b.classCount; ++k)
        if (model.ClassAt(b.classes[static_cast<std::size_t>(k)], c) != kFreeCell) return false;
      for (int k = 0; k < b.roomCount; ++k)
        if (model.RoomAt(b.rooms[static_cast<std::size_t>(k)], c) != kFreeCell) return false;
    }
    return true;
  };
  std::array<uint32_t, kDays + 1> starts{};
  for (int s : u.domain)
    if (free(s)) starts[static_cast<std::size_t>(DayOfCell(s))] |= 1U << HourOfCell(s);
  return starts;
}

// On a real school of lessons with up to three teachers, with gap limits of every kind
// (none to two gap hours, in the week or each day, gaps of at most zero or one hour),
// blocks put and taken at random: after every move each teacher's week as the mirror
// keeps it equals a count from the cells, and a change judged without making it (a
// waiting block put where it takes others out, and one more of the teacher's blocks
// taken out) equals the count after making it. The classes' days as bits follow too.
// And the teachers of the blocks taken out that the unit does not have: where their
// drafts say no worse without a count, their gaps go no further over the limits.
TEST(GapLimitsTest, TeachersGapsKeptAsBlocksMoveEqualACountAfresh) {
  School school;
  school.WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / "es-1-school";
  ASSERT_TRUE(LoadSchoolWithoutWriting(school).ok());
  for (const uint8_t perDay : {0, 1}) {
    SCOPED_TRACE(perDay ? "per day" : "per week");
    school.Settings.gapLimitPerDay = perDay;
    PrepareAllTeachers(school);
    for (TTeacherGridRec& t : school.TeacherGrids) {
      t.effective.gapsAllowed = t.teacher % 5 == 0 ? 1 : 0;
      t.effective.maxGapsPerWeek = static_cast<uint8_t>(t.teacher % 3);
      t.effective.maxGapBetweenLessons = static_cast<uint8_t>(t.teacher / 3 % 2);
    }
    CompletionModel model(school);
    std::mt19937 rng(perDay + 7);
    auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    auto expectAsCounted = [&](int teacher, int excess) {
      const int counted = RecountedBreach(model, teacher);
      ASSERT_EQ(TeacherGapBreaches(model, teacher), counted) << "teacher " << teacher;
      ASSERT_EQ(excess, std::max(0, counted - model.WaitingHours(teacher)))
          << "teacher " << teacher;
    };
    int judged = 0;
    int over = 0;
    int notWorse = 0;
    int joined = 0;
    for (int move = 0; move < 2000; ++move) {
      const int unit = static_cast<int>(below(model.units.size()));
      const CompletionUnit& u = model.units[static_cast<std::size_t>(unit)];
      if (u.fixed || u.guidance || u.domain.empty()) continue;
      if (u.start != 0) {
        if (below(4) == 0) model.Take(unit);
        for (int k = 0; k < u.block.teacherCount; ++k) {
          const int t = u.block.teachers[static_cast<std::size_t>(k)];
          expectAsCounted(t, TeacherGapExcess(model, t));
        }
      } else {
        const int start = u.domain[below(u.domain.size())];
        std::vector<int> out;
        if (!HoldersInTheWay(model, unit, start, out)) continue;
        if (out.empty()) {
          model.Put(unit, start);
        } else {
          // Judged as drafts first, for each teacher of the units involved; one more
          // placed block of the unit's first teacher, not in the way, taken out too.
          const int teacher = u.block.teachers[0];
          int also = -1;
          for (int c = 1; c <= kCells && also < 0; ++c) {
            const int x = model.TeacherAt(teacher, static_cast<int>(1 + (c + move) % kCells));
            if (x >= 0 && !model.units[static_cast<std::size_t>(x)].fixed &&
                !model.units[static_cast<std::size_t>(x)].guidance &&
                std::find(out.begin(), out.end(), x) == out.end())
              also = x;
          }
          std::vector<std::pair<int, int>> drafted;
          std::vector<int> involved(out);
          involved.push_back(unit);
          for (int x : involved) {
            const Block& b = model.units[static_cast<std::size_t>(x)].block;
            for (int k = 0; k < b.teacherCount; ++k) {
              const int t = b.teachers[static_cast<std::size_t>(k)];
              drafted.emplace_back(t, TeacherGapExcess(model, t, unit, start, out));
            }
          }
          TeacherWeekDraft week(model, teacher);
          for (int x : out) week.Take(x);
          week.Put(unit, start);
          ASSERT_EQ(week.Excess(), TeacherGapExcess(model, teacher, unit, start, out));
          const int withoutAlso = also >= 0 ? week.ExcessWithout(also) : 0;
          // (teacher, excess now) of the teachers the move only takes hours from, where
          // the draft says no worse.
          std::vector<std::pair<int, int>> noWorse;
          for (const auto& [t, excess] : drafted) {
            const Block& b = u.block;
            if (std::find(b.teachers.begin(), b.teachers.begin() + b.teacherCount, t) !=
                b.teachers.begin() + b.teacherCount)
              continue;
            TeacherWeekDraft only(model, t);
            for (int x : out) only.Take(x);
            if (only.NoWorseThanNow())
              noWorse.emplace_back(t, TeacherGapExcess(model, t));
            else
              ++joined;
          }
          std::vector<std::pair<int, int>> undo;
          for (int x : out) {
            undo.emplace_back(x, model.units[static_cast<std::size_t>(x)].start);
            model.Take(x);
          }
          model.Put(unit, start);
          for (const auto& [t, excess] : drafted) expectAsCounted(t, excess);
          for (const auto& [t, was] : noWorse) {
            ASSERT_LE(TeacherGapExcess(model, t), was) << "teacher " << t;
            ++notWorse;
          }
          if (also >= 0) {
            const int alsoAt = model.units[static_cast<std::size_t>(also)].start;
            model.Take(also);
            expectAsCounted(teacher, withoutAlso);
            over += withoutAlso > 0 ? 1 : 0;
            model.Put(also, alsoAt);
          }
          ++judged;
          // Kept half the time, else put back as it was.
          if (below(2) == 0) {
            model.Take(unit);
            for (const auto& [x, at] : undo) model.Put(x, at);
          }
        }
      }
      // Every teacher and class now and then: a move changes no other's week.
      if (move % 20 == 0) {
        for (const TTeacherGridRec& t : school.TeacherGrids)
          expectAsCounted(t.teacher, TeacherGapExcess(model, t.teacher));
        for (const TClassGridRec& c : school.ClassGrids)
          for (int d = 1; d <= kDays; ++d) {
            uint32_t held = 0;
            for (int h = 1; h <= kHoursPerDay; ++h)
              if (model.ClassAt(c.classNo, CellIndex(d, h)) != kFreeCell) held |= 1U << h;
            ASSERT_EQ(model.ClassHeldHours(c.classNo, d), held) << "class " << int{c.classNo};
          }
      }
    }
    // The moves judged were many, and some of them over the limits.
    EXPECT_GT(judged, 300);
    EXPECT_GT(over, 10);
    EXPECT_GT(notWorse, 500);
    EXPECT_GT(joined, 10);
  }
}

// On the two real schools with blocks of two hours and rooms, every waiting unit put
// where it finds free cells, then placed units moved at random where they take others
// out: where each block taken out finds free cells, judged without making the move,
// equals the cells looked up one by one after making it.
TEST(GapLimitsTest, WhereABlockTakenOutCouldGoEqualsTheCellsAfterTheMove) {
  for (const char* folder : {"na-havana-ps-2016", "br-eeblj-diurno"}) {
    SCOPED_TRACE(folder);
    School school;
    school.WorkFolder = std::filesystem::path(KALVODRIN_BENCH_SCHOOLS) / folder;
    ASSERT_TRUE(LoadSchoolWithoutWriting(school).ok());
    PrepareAllTeachers(school);
    CompletionModel model(school);
    std::mt19937 rng(3);
    auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    for (std::size_t unit = 0; unit < model.units.size(); ++unit) {
      const CompletionUnit& u = model.units[unit];
      if (u.start != 0 || u.fixed || u.guidance) continue;
      for (int start : u.domain) {
        std::vector<int> out;
        if (HoldersInTheWay(model, static_cast<int>(unit), start, out) && out.empty()) {
          model.Put(static_cast<int>(unit), start);
          break;
        }
      }
    }
    int freeSomewhere = 0;
    int nowhere = 0;
    int longer = 0;
    int withRooms = 0;
    for (int probe = 0; probe < 3000; ++probe) {
      const int unit = static_cast<int>(below(model.units.size()));
      const CompletionUnit& u = model.units[static_cast<std::size_t>(unit)];
      if (u.start == 0 || u.fixed || u.guidance) continue;
      const int from = u.start;
      model.Take(unit);
      const int start = u.domain[below(u.domain.size())];
      std::vector<int> out;
      if (HoldersInTheWay(model, unit, start, out) && !out.empty()) {
        std::vector<std::array<uint32_t, kDays + 1>> freeStarts;
        for (int x : out) freeStarts.push_back(FreeStartsOnceAside(model, x, unit, start, out));
        std::vector<std::pair<int, int>> undo;
        for (int x : out) {
          undo.emplace_back(x, model.units[static_cast<std::size_t>(x)].start);
          model.Take(x);
        }
        model.Put(unit, start);
        for (std::size_t i = 0; i < out.size(); ++i) {
          ASSERT_EQ(freeStarts[i], FreeStartsAfresh(model, out[i])) << "unit " << out[i];
          (freeStarts[i] == std::array<uint32_t, kDays + 1>{} ? nowhere : freeSomewhere) += 1;
          const Block& b = model.units[static_cast<std::size_t>(out[i])].block;
          longer += b.length > 1 ? 1 : 0;
          withRooms += b.roomCount > 0 ? 1 : 0;
        }
        model.Take(unit);
        for (const auto& [x, at] : undo) model.Put(x, at);
      }
      model.Put(unit, from);
    }
    EXPECT_GT(freeSomewhere, 500);
    EXPECT_GT(nowhere, 500);
    EXPECT_GT(longer + withRooms, 50);
  }
}

// Teacher 1, who allows no gap, has a lone hour on Friday that cannot move (class 1's
// only hour) and five hours of class 2 on Monday: lessons 2-5 with teacher 2 at hours
// 1-4 and lesson 6 alone at hour 5; class 2 also has Friday hour 2. Only lesson 6 can
// join the lone hour without a gap or a lone Friday for teacher 2, and it is tried
// first, being the block of fewest teachers.
TEST(GapLimitsTest, TheBlockOfFewestTeachersJoinsALoneHourFirst) {
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t;
    for (int l = 1; l <= 6; ++l) t.Lesson(l, 1, {1});
    t.Class(1, 1, 1).Class(2, 1, 5);
    t.Teacher(1).Teacher(2).Give(1, 1, {1});
    for (int l = 2; l <= 5; ++l) t.Give(2, l, {1, 2});
    t.Give(2, 6, {1}).Done();
    School& s = t.school;
    AllowNoGaps(s);
    for (std::size_t d = 0; d < kDays; ++d) {
      if (d != 4) t.C(1).firstHour[d] = t.C(1).lastHour[d] = 0;
      if (d == 4) t.C(2).firstHour[d] = t.C(2).lastHour[d] = 2;
      if (d != 0 && d != 4) t.C(2).firstHour[d] = t.C(2).lastHour[d] = 0;
    }
    for (int c : {1, 2}) RecountClassFreeHours(s, c);
    ASSERT_TRUE(t.Put(1, 1, 1, 5, 1));
    for (int h = 1; h <= 5; ++h) ASSERT_TRUE(t.Put(2, h + 1, 1, 1, h));
    SettleLoneHours(s, seed);
    EXPECT_EQ(CountTotals(s).placed, 10);
    EXPECT_EQ(t.At(2, 5, 2), 6);
    EXPECT_EQ(MeasureSoftCosts(s, {}).singleHourDays, 0);
  }
}

// A waiting block's free place is sought among its starts in the order of the cells
// from a random one, round the week once: the starts of that day before it come last.
TEST(GapLimitsTest, StartsAreSoughtRoundTheWeekFromTheFirst) {
  std::array<uint32_t, kDays + 1> starts{};
  starts[1] = 1U << 16;
  starts[2] = 1U << 3 | 1U << 7;
  starts[4] = 1U << 1;
  for (const auto& [first, order] :
       {std::pair{CellIndex(2, 5),
                  std::vector{CellIndex(2, 7), CellIndex(4, 1), CellIndex(1, 16), CellIndex(2, 3)}},
        std::pair{CellIndex(2, 3),
                  std::vector{CellIndex(2, 3), CellIndex(2, 7), CellIndex(4, 1), CellIndex(1, 16)}},
        std::pair{CellIndex(5, 16), std::vector{CellIndex(1, 16), CellIndex(2, 3), CellIndex(2, 7),
                                                CellIndex(4, 1)}}}) {
    std::vector<int> seen;
    EXPECT_EQ(FirstStartRoundTheWeek(starts, first,
                                     [&](int cell) {
                                       seen.push_back(cell);
                                       return false;
                                     }),
              0);
    EXPECT_EQ(seen, order) << first;
    // The first one taken ends the search.
    const int third = order[2];
    EXPECT_EQ(FirstStartRoundTheWeek(starts, first, [third](int cell) { return cell == third; }),
              third);
  }
}

}  // namespace
}  // namespace kalvodrin
