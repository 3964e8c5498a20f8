// One placement request: the order in which cells are tried, what makes a cell be
// skipped, and the repair of an occupied cell with its roll-back.

#include <gtest/gtest.h>

#include "engine/teacher_preparation.h"
#include "scheduler/placement_search.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

class SearchTest : public ::testing::Test {
 protected:
  void Prepare(int level, int subPass, bool rulesFromSettings) {
    t.Done();
    PrepareAllTeachers(t.school);
    state.searchLevel = level;
    state.subPass = subPass;
    state.rulesFromSettings = rulesFromSettings;
  }
  bool Request(const BlockRequest& wanted) {
    state.searchDepth = 0;
    return search.NewRequest(wanted);
  }

  TestSchool t;
  RunState state;
  RunProgress progress;
  PlacementSearch search{t.school, state, progress, nullptr};
};

TEST_F(SearchTest, FirstDayAndHourInOrderAndAFixedCellOnly) {
  t.Lesson(1, 4, {2, 2}).Lesson(2, 2, {2}).Class(1).Teacher(1).Teacher(2);
  t.Give(1, 1, {1}).Give(1, 2, {2});
  Prepare(1, 1, false);
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 1, .length = 2}));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(t.At(1, 1, 2), 1);
  EXPECT_EQ(state.currentCell, 1);
  // Fixed at Monday hour 2, which is taken: no other cell is tried.
  EXPECT_FALSE(Request({.classNo = 1, .lesson = 2, .length = 2, .fixedCell = CellIndex(1, 2)}));
  EXPECT_EQ(PlacedHours(t.school, 1, 2), 0);
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 2, .length = 2, .fixedCell = CellIndex(4, 3)}));
  EXPECT_EQ(t.At(1, 4, 3), 2);
  EXPECT_EQ(Problems(t.school), "");
}

TEST_F(SearchTest, ForbiddenStartHourAndAlignedBlocks) {
  t.Lesson(1, 2, {2}).Lesson(2, 2, {2}).Class(1).Class(2).Teacher(1).Teacher(2);
  t.Give(1, 1, {1}).Give(2, 2, {2});
  Prepare(1, 1, false);
  t.L(1).notAtHour = 1;
  state.blockAlign = 0;
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 1, .length = 2}));
  EXPECT_EQ(t.At(1, 1, 2), 1);  // not at hour 1; hour 2 is fine unaligned
  // Class 2's hour 1 is closed: aligned, a 2-hour block skips the even hour 2.
  state.blockAlign = 1;
  t.C(2).open[0] = 0;
  ASSERT_TRUE(Request({.classNo = 2, .lesson = 2, .length = 2}));
  EXPECT_EQ(t.At(2, 1, 3), 2);
  EXPECT_EQ(t.At(2, 1, 2), 0);
}

TEST_F(SearchTest, EarlyHoursKeepTheLessonEarlyWhileTheTeacherHasRoom) {
  t.Lesson(1, 1, {1}).Lesson(2, 3, {1, 1, 1}).Class(1).Class(2).Teacher(1);
  t.Give(1, 1, {1}).Give(2, 2, {1});
  Prepare(1, 1, false);
  t.L(1).notAfterHour = 3;
  // The teacher's hours 1..3 of Monday are taken in another class.
  for (int day : {1}) {
    for (int hour = 1; hour <= 3; ++hour) ASSERT_TRUE(t.Put(2, 2, 1, day, hour));
  }
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 1, .length = 1}));
  // Monday hour 4 is free, but Tuesday still has early room.
  EXPECT_EQ(t.At(1, 1, 4), 0);
  EXPECT_EQ(t.At(1, 2, 1), 1);
}

// A common lesson of two classes whose Mondays end at different hours: the search
// walks the first class's window, and the second class's window must hold too.
TEST_F(SearchTest, ACommonLessonStaysInsideEveryClassWindow) {
  t.Lesson(1, 1, {1}).Class(1);
  t.builder.Hours(1, 1, 7);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Class(2);
  t.builder.Hours(1, 1, 6);
  for (int day = 2; day <= 5; ++day) t.builder.Hours(day, 0, 0);
  t.Teacher(1);
  t.Give(1, 1, {}).Give(2, 1, {}).Common(1, 1, 2).Give(1, 1, {1});
  Prepare(1, 1, false);
  // Hours 1..5 are closed for the first class: 6 is the last hour both share.
  for (int hour = 1; hour <= 5; ++hour)
    t.C(1).open[static_cast<std::size_t>(CellIndex(1, hour) - 1)] = 0;
  ASSERT_TRUE(Request({1, 1, 1, 0}));
  EXPECT_EQ(t.At(1, 1, 6), 1);
  EXPECT_EQ(t.At(2, 1, 6), 1);
  t.C(1).open[static_cast<std::size_t>(CellIndex(1, 6) - 1)] = 0;
  ASSERT_TRUE(RemoveBlock(t.school, 1, CellIndex(1, 6), 1, nullptr) ==
              RemoveOutcome::kRemoved);
  // Only hour 7 is left, where the second class has no lesson.
  EXPECT_FALSE(Request({1, 1, 1, 0}));
  EXPECT_EQ(t.At(1, 1, 7), 0);
  EXPECT_EQ(t.At(2, 1, 7), 0);
  EXPECT_EQ(Problems(t.school), "");
}

// Teacher 1 gives single hours in classes 2..6 at Monday hours 1..5 (4 with the
// fifth hour left free); class 1 asks for a 5-hour block of teacher 1 at Monday 1.
class FiveConflicts : public SearchTest {
 protected:
  void Build(int blockers) {
    t.Lesson(1, 5, {5}).Lesson(2, 1, {1}).Teacher(1);
    t.builder.Settings().splitBlock = 0;
    for (int c = 1; c <= 6; ++c) t.Class(c);
    t.Give(1, 1, {1});
    for (int c = 2; c <= 6; ++c) t.Give(c, 2, {1});
    Prepare(8, 2, false);
    for (int k = 0; k < blockers; ++k) ASSERT_TRUE(t.Put(2 + k, 2, 1, 1, 1 + k));
  }
};

TEST_F(FiveConflicts, FourBlocksInTheWayAreMovedAndFiveAreNot) {
  Build(4);
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 1, .length = 5, .fixedCell = CellIndex(1, 1)}));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  for (int c = 2; c <= 5; ++c) EXPECT_EQ(PlacedHours(t.school, c, 2), 1);
  EXPECT_EQ(Problems(t.school), "");
}

TEST_F(FiveConflicts, FiveBlocksInTheWayFailAndLeaveNoTrace) {
  Build(5);
  const std::vector<uint8_t> before = GridImage(t.school);
  EXPECT_FALSE(Request({.classNo = 1, .lesson = 1, .length = 5, .fixedCell = CellIndex(1, 1)}));
  EXPECT_EQ(GridImage(t.school), before);
  EXPECT_EQ(state.repairUsed, 0);
}

TEST_F(SearchTest, NoRepairAtLevelOneOrInTheFirstSubPass) {
  t.Lesson(1, 1, {1}).Lesson(2, 1, {1}).Class(1).Class(2).Teacher(1);
  t.Give(1, 1, {1}).Give(2, 2, {1});
  Prepare(1, 2, false);
  ASSERT_TRUE(t.Put(2, 2, 1, 1, 1));
  const std::vector<uint8_t> before = GridImage(t.school);
  // Budget 1: one conflict is too many.
  EXPECT_FALSE(Request({.classNo = 1, .lesson = 1, .length = 1, .fixedCell = CellIndex(1, 1)}));
  state.searchLevel = 2;
  state.subPass = 1;
  // Direct placement only.
  EXPECT_FALSE(Request({.classNo = 1, .lesson = 1, .length = 1, .fixedCell = CellIndex(1, 1)}));
  EXPECT_EQ(GridImage(t.school), before);
  state.subPass = 2;
  ASSERT_TRUE(Request({.classNo = 1, .lesson = 1, .length = 1, .fixedCell = CellIndex(1, 1)}));
  EXPECT_EQ(t.At(1, 1, 1), 1);
  EXPECT_EQ(PlacedHours(t.school, 2, 2), 1);
  EXPECT_EQ(t.At(2, 1, 1), 0);
  EXPECT_EQ(Problems(t.school), "");
}

}  // namespace
}  // namespace kalvodrin
