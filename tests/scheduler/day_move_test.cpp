// The teacher-day move: a block in the way that could slide within its teacher's day
// (the shift test) is not put back by a request of its own; its teacher's whole day is
// taken out, the block placed anew and the rest of the day put back around it.

#include <gtest/gtest.h>

#include "engine/teacher_preparation.h"
#include "scheduler/placement_search.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

// Class 1 has Monday 1-6 and Tuesday 1-2. Teacher 2 gives it lesson 3 at Monday 1,
// lesson 2 (a 2-hour block) at 3-4 and lesson 4 at 5; teacher 1's lesson 1 may stand
// only at Monday 3-4. Lesson 2's block lies between two lessons of its teacher, away
// from the window's ends, with the free hour 2 beside it for the allowed gap of 2: it
// passes the shift test.
class DayMoveTest : public ::testing::Test {
 protected:
  void Build() {
    t.Lesson(1, 1, {1}).Lesson(2, 2, {2}).Lesson(3, 1, {1}).Lesson(4, 1, {1});
    t.Class(1);
    t.builder.Hours(2, 1, 2);
    for (int day = 3; day <= 5; ++day) t.builder.Hours(day, 0, 0);
    t.Teacher(1).Teacher(2);
    t.Give(1, 1, {1}).Give(1, 2, {2}).Give(1, 3, {2}).Give(1, 4, {2});
    t.builder.Settings().sameClassDifferentDays = 0;
    t.Done();
    for (int cell : {1, 2, 5, 6, 17, 18})
      t.T(1).open[static_cast<std::size_t>(cell - 1)] = 0;
    ASSERT_TRUE(t.Put(1, 3, 1, 1, 1));
    ASSERT_TRUE(t.Put(1, 2, 2, 1, 3));
    ASSERT_TRUE(t.Put(1, 4, 1, 1, 5));
    PrepareAllTeachers(t.school);
    state.searchLevel = 2;
    state.subPass = 2;
    state.rulesFromSettings = true;
  }
  bool Request() {
    state.searchDepth = 0;
    return search.NewRequest({1, 1, 1, 0});
  }

  TestSchool t;
  RunState state;
  RunProgress progress;
  PlacementSearch search{t.school, state, progress, nullptr};
};

TEST_F(DayMoveTest, AShiftableBlockMovesWithItsTeachersWholeDay) {
  Build();
  ASSERT_TRUE(Request());
  // Lesson 2 took the first place of the emptied Monday, and lessons 3 and 4 were put
  // back after the request.
  EXPECT_EQ(t.At(1, 1, 1), 2);
  EXPECT_EQ(t.At(1, 1, 2), 2);
  EXPECT_EQ(t.At(1, 1, 3), 1);
  EXPECT_EQ(t.At(1, 1, 4), 3);
  EXPECT_EQ(t.At(1, 1, 5), 4);
  EXPECT_FALSE(state.dayMoveRunning);
  EXPECT_EQ(Problems(t.school), "");
}

TEST_F(DayMoveTest, ATeacherWhoMayLeaveGapsFailsTheShiftTest) {
  Build();
  t.T(2).effective.gapsAllowed = 1;
  ASSERT_TRUE(Request());
  // Put back by a request of its own, lesson 2 finds no two free hours on Monday.
  EXPECT_EQ(t.At(1, 1, 1), 3);
  EXPECT_EQ(t.At(1, 1, 3), 1);
  EXPECT_EQ(t.At(1, 1, 4), 0);
  EXPECT_EQ(t.At(1, 1, 5), 4);
  EXPECT_EQ(t.At(1, 2, 1), 2);
  EXPECT_EQ(t.At(1, 2, 2), 2);
  EXPECT_EQ(Problems(t.school), "");
}

}  // namespace
}  // namespace kalvodrin
