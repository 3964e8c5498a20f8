// What a place costs in the rules of the unit's own lesson, where the search had to
// bend them: days apart, different hours and the same lesson on one day, each weighed.

#include <gtest/gtest.h>

#include <vector>

#include "../test_school.h"
#include "core/cells.h"
#include "engine/teacher_preparation.h"
#include "scheduler/completion/completion_model.h"
#include "scheduler/completion/model_costs.h"
#include "scheduler/completion/soft_costs.h"

namespace kalvodrin {
namespace {

// Lesson 1 of class 1 (1+1, teacher 1), asking for a free day between its hours and
// different hours, has one hour on Wednesday at hour 2; the other waits.
TEST(LessonRulesCostTest, EachRuleTheWaitingHourBendsIsWeighedAtEachPlace) {
  TestSchool t;
  t.Lesson(1, 2, {1, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  School& s = t.school;
  s.Settings.autoRelax = 0;
  s.Settings.dayBetweenDays = 1;
  s.Settings.differentHours = 1;
  ASSERT_TRUE(t.Put(1, 1, 1, 3, 2));
  PrepareAllTeachers(s);
  const CompletionModel model(s);
  ASSERT_EQ(model.lessons.size(), 1U);
  ASSERT_TRUE(model.lessons[0].rules.daysApart && model.lessons[0].rules.differentHours);
  const std::vector<int>& units = model.lessons[0].units;
  ASSERT_EQ(units.size(), 2U);
  const int placed =
      model.units[static_cast<std::size_t>(units[0])].start != 0 ? units[0] : units[1];
  const int waiting = placed == units[0] ? units[1] : units[0];
  const SoftWeights w{.daysApart = 1000, .sameHours = 100, .sameLessonBreach = 10};
  auto cost = [&](int day, int hour, const std::vector<int>& out = {}) {
    return LessonRulesCostAt(model, waiting, CellIndex(day, hour), out, w);
  };
  // The days beside Wednesday, on either side; at the same hour both rules bend.
  EXPECT_EQ(cost(2, 3), 1000);
  EXPECT_EQ(cost(4, 3), 1000);
  EXPECT_EQ(cost(2, 2), 1100);
  // Two days away: only the same hour costs.
  EXPECT_EQ(cost(1, 2), 100);
  EXPECT_EQ(cost(1, 3), 0);
  EXPECT_EQ(cost(5, 1), 0);
  EXPECT_EQ(cost(5, 2), 100);
  // Wednesday itself: a second block of the lesson on its day.
  EXPECT_EQ(cost(3, 4), 10);
  // With Wednesday's hour taken out of the way nothing bends.
  EXPECT_EQ(cost(2, 2, {placed}), 0);
  EXPECT_EQ(cost(3, 4, {placed}), 0);
}

}  // namespace
}  // namespace kalvodrin
