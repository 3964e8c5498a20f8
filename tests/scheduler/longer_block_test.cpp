// The two strategies for a start cell where the same teacher already gives the class
// a block at least two hours longer than the request: shifting inside that block
// (strategy 6) and, when it is the request's own lesson, re-cutting it (strategy 7).
// Each school is built so that neither a direct placement nor the repair can place
// the request, and only the strategy under test can.

#include <gtest/gtest.h>

#include "engine/teacher_preparation.h"
#include "scheduler/placement_search.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

class LongerBlockTest : public ::testing::Test {
 protected:
  // Level 2, repair allowed, rules from the settings, no alignment.
  bool RequestAfterPreparing(const BlockRequest& wanted) {
    PrepareAllTeachers(t.school);
    state.searchLevel = 2;
    state.subPass = 2;
    state.rulesFromSettings = true;
    state.blockAlign = 0;
    state.searchDepth = 0;
    return search.NewRequest(wanted);
  }
  void Days(int mondayLast, int tuesdayLast) {
    t.builder.Hours(1, 1, mondayLast).Hours(2, 1, tuesdayLast);
    for (int day = 3; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  }
  int Length(int cls, int day, int hour) {
    return t.C(cls).blockLen[static_cast<std::size_t>(CellIndex(day, hour) - 1)];
  }

  TestSchool t;
  RunState state;
  RunProgress progress;
  PlacementSearch search{t.school, state, progress, nullptr};
};

// Lesson 1 (10 hours, so a single hour never opens a day) holds Monday 1-3 of a class
// whose week is Monday 1-4 and Tuesday 1-6 (ten cells, so its teacher may add nothing
// to the two hours a day its five blocks make); one more hour is asked for. Monday 4
// would make four hours of it on the day, Tuesday would open a day with one hour, and
// no shift inside the block keeps Monday at two hours. Re-cut: two hours at Monday 1
// and two on Tuesday.
TEST_F(LongerBlockTest, TheOwnLessonsBlockIsRecutAroundTheRequest) {
  t.Lesson(1, 10, {3, 3, 2, 1, 1}).Class(1);
  Days(4, 6);
  t.Teacher(1).Give(1, 1, {1}).Done();
  ASSERT_TRUE(t.Put(1, 1, 3, 1, 1));
  ASSERT_TRUE(RequestAfterPreparing({1, 1, 1, 0}));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(t.At(1, 1, 2), 1);
  EXPECT_EQ(Length(1, 1, 1), 2);
  EXPECT_EQ(t.At(1, 1, 3), 0);
  EXPECT_EQ(t.At(1, 2, 1), 1);
  EXPECT_EQ(Length(1, 2, 1), 2);
  EXPECT_EQ(PlacedHours(t.school, 1, 1), 4);
  EXPECT_EQ(Problems(t.school), "");

  // Not divisible: the block stays whole and the request finds no place.
  TestSchool whole;
  whole.Lesson(1, 10, {3, 3, 2, 1, 1}, false).Class(1);
  whole.builder.Hours(1, 1, 4).Hours(2, 1, 6);
  for (int day = 3; day <= 5; ++day) whole.builder.Hours(day, 0, 0);
  whole.Teacher(1).Give(1, 1, {1}).Done();
  ASSERT_TRUE(whole.Put(1, 1, 3, 1, 1));
  PrepareAllTeachers(whole.school);
  RunState s;
  s.searchLevel = 2;
  s.subPass = 2;
  s.rulesFromSettings = true;
  PlacementSearch plain{whole.school, s, progress, nullptr};
  EXPECT_FALSE(plain.NewRequest({1, 1, 1, 0}));
  EXPECT_EQ(PlacedHours(whole.school, 1, 1), 3);
}

// Teacher 1 gives the class lesson 2 at Monday 1-3 (the class's whole Monday); the
// class's Tuesday 1-3 holds lesson 3 of another teacher at 1-2, and lesson 1 shares
// lesson 3's group, so its hour may not go to Tuesday 3. Shifting inside lesson 2's
// block puts lesson 1 at Monday 1, lesson 2 at Monday 2-3 and its third hour on
// Tuesday 3.
TEST_F(LongerBlockTest, TheRequestShiftsIntoAnotherLessonsBlock) {
  t.builder.Group("G");
  t.builder.Lesson(TestSchool::LessonName(1), 2, "1+1", "G", true);
  t.Lesson(2, 3, {3});
  t.builder.Lesson(TestSchool::LessonName(3), 2, "2", "G", true);
  t.Class(1);
  Days(3, 3);
  t.Teacher(1).Teacher(2).Give(1, 1, {1}).Give(1, 2, {1}).Give(1, 3, {2});
  t.builder.Settings().groupDifferentDays = 1;
  t.builder.Settings().sameClassDifferentDays = 0;
  t.Done();
  ASSERT_TRUE(t.Put(1, 2, 3, 1, 1));
  ASSERT_TRUE(t.Put(1, 3, 2, 2, 1));
  ASSERT_TRUE(RequestAfterPreparing({1, 1, 1, 0}));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(t.At(1, 1, 2), 2);
  EXPECT_EQ(t.At(1, 1, 3), 2);
  EXPECT_EQ(Length(1, 1, 2), 2);
  EXPECT_EQ(t.At(1, 2, 3), 2);
  EXPECT_EQ(t.At(1, 2, 1), 3);
  EXPECT_EQ(Problems(t.school), "");

  // At the first level the strategy is not tried.
  t.Done();
  ASSERT_TRUE(t.Put(1, 2, 3, 1, 1));
  ASSERT_TRUE(t.Put(1, 3, 2, 2, 1));
  PrepareAllTeachers(t.school);
  state.searchLevel = 1;
  state.searchDepth = 0;
  EXPECT_FALSE(search.NewRequest({1, 1, 1, 0}));
  EXPECT_EQ(t.At(1, 1, 1), 2);
}

}  // namespace
}  // namespace kalvodrin
