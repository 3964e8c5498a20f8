// Which block comes next for a class lesson, and the block sizes of a school.

#include <gtest/gtest.h>

#include "scheduler/block_sizes.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

TEST(BlockSizes, DistinctLengthsAscendingAfterZero) {
  TestSchool t;
  t.Lesson(1, 5, {2, 2, 1}).Lesson(2, 5, {3, 2}).Lesson(3, 4, {2, 2}).Class(1);
  EXPECT_EQ(BlockSizes(t.school), (std::vector<int>{0}));
  t.Teacher(1).Give(1, 1, {1}).Give(1, 2, {1}).Give(1, 3, {1}).Done();
  EXPECT_EQ(BlockSizes(t.school), (std::vector<int>{0, 1, 2, 3}));
}

TEST(NextBlockLength, FollowsThePatternAsBlocksArePlaced) {
  TestSchool t;
  t.Lesson(1, 5, {2, 2, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 2);
  ASSERT_TRUE(t.Put(1, 1, 2, 1, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 2);
  ASSERT_TRUE(t.Put(1, 1, 2, 3, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 1);
  ASSERT_TRUE(t.Put(1, 1, 1, 5, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 0);
}

TEST(NextBlockLength, RunsMatchOnlyPartsOfTheirOwnLengthWithinOneDay) {
  TestSchool t;
  t.Lesson(1, 6, {2, 2, 2}).Lesson(2, 6, {3, 2, 1}).Class(1, 1, 16).Teacher(1);
  t.Give(1, 1, {1}).Give(1, 2, {1}).Done();
  // Hour 16 of Monday and hour 1 of Tuesday touch in cell order but are two runs of
  // one hour each, so no 2-hour part is matched yet.
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 16));
  ASSERT_TRUE(t.Put(1, 1, 1, 2, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 2);
  // A 3-hour run does not stand for the 2-hour part; with 3 hours missing the
  // 3-hour part is matched, so the 2-hour part comes next.
  ASSERT_TRUE(t.Put(1, 2, 3, 3, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 2), 2);
}

TEST(NextBlockLength, CutToTheHoursMissing) {
  TestSchool t;
  t.Lesson(1, 4, {3, 1}).Class(1).Teacher(1).Give(1, 1, {1}).Done();
  // Two single hours placed by hand: 2 hours missing, the 3-hour part is unmatched.
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 1));
  ASSERT_TRUE(t.Put(1, 1, 1, 2, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 2);
  ASSERT_TRUE(t.Put(1, 1, 1, 3, 1));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 1);
  EXPECT_EQ(NextBlockLength(t.school, 1, 9), 0);  // the class does not take lesson 9
}

// A lesson on every other hour of the week stands in forty runs, the most a week can
// hold: each is read, and none is taken for the part of two hours.
TEST(NextBlockLength, ReadsTheMostRunsAWeekHolds) {
  TestSchool t;
  t.Lesson(1, 3, {2, 1}).Class(1, 1, 16).Teacher(1).Give(1, 1, {1}).Done();
  t.L(1).weeklyHours = 42;  // as a damaged file may say
  for (int day = 1; day <= kDays; ++day)
    for (int hour = 1; hour <= kHoursPerDay; hour += 2) ASSERT_TRUE(t.Put(1, 1, 1, day, hour));
  EXPECT_EQ(NextBlockLength(t.school, 1, 1), 2);
}

}  // namespace
}  // namespace kalvodrin
