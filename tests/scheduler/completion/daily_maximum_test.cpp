// The teachers' daily maximum in the completion: which teachers' days must each be full
// to the maximum, and mending a timetable whose teacher has a day over the maximum where
// another arrangement keeps it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../test_school.h"
#include "core/cells.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/locks.h"
#include "engine/teacher_preparation.h"
#include "hard_rule_check.h"
#include "scheduler/completion/bent_rules.h"
#include "scheduler/completion/completion.h"
#include "scheduler/completion/completion_model.h"

namespace kalvodrin {
namespace {

// Classes 1 and 2 have Monday and Tuesday hours 1-4, eight hours each, every one
// taken: lessons 1 (1+1) and 2 (1) of teacher 1 in both, lessons 3 and 4 (1+1) of
// teacher 2 (class 1) and 4 (class 2), lesson 5 (1) of teacher 3 (class 1) and 5
// (class 2). Teacher 1 has six hours on two days and at most three a day: exactly
// full, with `withLessonTwo` false one hour less. Teachers may have gaps.
TestSchool TwoFullDays(bool withLessonTwo = true) {
  TestSchool t;
  t.Lesson(1, 2, {1, 1}).Lesson(2, 1, {1}).Lesson(3, 2, {1, 1}).Lesson(4, 2, {1, 1});
  t.Lesson(5, 1, {1}).Class(1, 1, 4).Class(2, 1, 4);
  t.Teacher(1).Give(1, 1, {1}).Give(2, 1, {1});
  if (withLessonTwo) t.Give(1, 2, {1});
  t.Give(2, 2, {1});
  t.Teacher(2).Give(1, 3, {2}).Give(1, 4, {2}).Teacher(3).Give(1, 5, {3});
  t.Teacher(4).Give(2, 3, {4}).Give(2, 4, {4}).Teacher(5).Give(2, 5, {5}).Done();
  School& s = t.school;
  s.Settings.autoRelax = 0;
  s.Settings.gapsAllowed = 1;
  s.Settings.maxHoursPerDay = 3;
  t.T(1).special.maxHoursPerDay = 3;
  for (int c : {1, 2}) {
    for (std::size_t d = 2; d < kDays; ++d) t.C(c).firstHour[d] = t.C(c).lastHour[d] = 0;
    RecountClassFreeHours(s, c);
  }
  PrepareAllTeachers(s);
  return t;
}

TEST(DailyMaximumTest, ATeachersDaysAreExactlyFullWhenTheyHoldTheWeekOnlyAtTheMaximum) {
  TestSchool full = TwoFullDays();
  EXPECT_TRUE(CompletionModel(full.school).DaysExactlyFull(1));
  // Teacher 2 has four hours where two days of three would hold six.
  EXPECT_FALSE(CompletionModel(full.school).DaysExactlyFull(2));
  TestSchool spare = TwoFullDays(/*withLessonTwo=*/false);
  EXPECT_FALSE(CompletionModel(spare.school).DaysExactlyFull(1));
  // With hour 4 closed on both days the teacher's open hours alone hold the week: the
  // maximum makes no day shorter than it could be.
  for (int d : {1, 2}) SetCellOpen(full.school, GridKind::kTeacher, 1, CellIndex(d, 4), 0);
  PrepareAllTeachers(full.school);
  EXPECT_FALSE(CompletionModel(full.school).DaysExactlyFull(1));
}

// Placed by hand, teacher 1 has four hours on Monday and two on Tuesday. Either of
// lesson 2's hours trades places with lesson 5 of its class, which brings Monday back to
// three; every seed finds that, and nothing is bent afterwards.
TEST(DailyMaximumTest, ADayOverTheMaximumIsMendedWhereTheWeekFitsTheDaysExactly) {
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestSchool t = TwoFullDays();
    for (auto [c, lesson, day, hour] : {std::tuple{1, 1, 1, 1},
                                        {1, 2, 1, 2},
                                        {1, 3, 1, 3},
                                        {1, 4, 1, 4},
                                        {1, 1, 2, 1},
                                        {1, 5, 2, 2},
                                        {1, 3, 2, 3},
                                        {1, 4, 2, 4},
                                        {2, 3, 1, 1},
                                        {2, 4, 1, 2},
                                        {2, 1, 1, 3},
                                        {2, 2, 1, 4},
                                        {2, 3, 2, 1},
                                        {2, 4, 2, 2},
                                        {2, 1, 2, 3},
                                        {2, 5, 2, 4}})
      ASSERT_TRUE(t.Put(c, lesson, 1, day, hour));
    School& s = t.school;
    PrepareAllTeachers(s);
    ASSERT_EQ(ListBentRules(s), (std::vector<BentRule>{{BentRuleKind::kDailyMaximum, 1, 0, 0, 1}}));
    const CompletionOutcome outcome = CompleteKeepingRules(s, seed);
    EXPECT_EQ(outcome.placedAfter, 16);
    EXPECT_EQ(ListBentRules(s), std::vector<BentRule>{});
    EXPECT_EQ(outcome.movedHours, 2);
  }
}

}  // namespace
}  // namespace kalvodrin
