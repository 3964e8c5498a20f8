// A lesson of a placed school given more hours: the totals follow at once, the check
// finds nothing stale, and the next run keeps every placed hour and adds the new ones.

#include <gtest/gtest.h>

#include "masterdata/lessons.h"
#include "scheduler/placement_run.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

TEST(LessonEditOfAPlacedSchool, TotalsFollowAndTheNextRunPlacesTheNewHours) {
  TestSchool t;
  t.Lesson(1, 4, {2, 2}).Lesson(2, 3, {2, 1}).Class(1).Class(2).Teacher(1).Teacher(2);
  t.Room(1);
  t.Give(1, 1, {1}, {1}).Give(2, 1, {1}).Give(1, 2, {2}).Give(2, 2, {2}).Done();
  ASSERT_EQ(PlacementRun(t.school).RunWholeSchool().unplaced(), 0);
  const TTeacherGridRec before1 = t.T(1);
  const TTeacherGridRec before2 = t.T(2);

  LessonEditFields f = LessonEditFieldsOf(t.school, 1);
  f.main.shortName = "D1";  // the builder gives none, the window needs one
  f.main.weeklyHours = "6";
  f.main.pattern = "2+2+2";
  const Change edited = SaveLessonEdit(t.school, 1, f);
  ASSERT_TRUE(edited.done());
  EXPECT_TRUE(edited.files.has(DataFile::kClassGrids));
  EXPECT_TRUE(edited.files.has(DataFile::kTeacherGrids));
  EXPECT_TRUE(edited.files.has(DataFile::kRoomGrids));
  EXPECT_EQ(t.C(1).weeklyHours, 9);
  EXPECT_EQ(t.C(2).weeklyHours, 9);
  EXPECT_EQ(t.T(1).weeklyHours, 12);
  EXPECT_EQ(t.T(2).weeklyHours, 6);
  EXPECT_EQ(t.school.RoomGridByNo(1)->weeklyHours, 6);
  EXPECT_EQ(Problems(t.school), "");
  // Placements stay as they were until the next run.
  EXPECT_EQ(t.T(1).occupant, before1.occupant);

  const RunOutcome again = PlacementRun(t.school).RunWholeSchool();
  EXPECT_EQ(again.unplaced(), 0);
  EXPECT_EQ(again.total, 18);
  for (int c = 0; c < kCells; ++c) {
    const auto at = static_cast<std::size_t>(c);
    if (before1.occupant[at] != 0) {
      EXPECT_EQ(t.T(1).occupant[at], before1.occupant[at]) << c;
    }
    if (before2.occupant[at] != 0) {
      EXPECT_EQ(t.T(2).occupant[at], before2.occupant[at]) << c;
    }
  }
  EXPECT_EQ(t.T(1).placedHours, 12);
  EXPECT_EQ(Problems(t.school), "");
}

// A total counted once and gone stale is reported; one never counted (0) is not.
TEST(LessonEditOfAPlacedSchool, TheCheckReportsCountedTotalsThatDifferFromTheirRecount) {
  TestSchool t;
  t.Lesson(1, 4, {2, 2}).Class(1).Teacher(1).Room(1).Give(1, 1, {1}, {1}).Done();
  EXPECT_EQ(Problems(t.school), "");
  t.school.LessonByNo(1)->weeklyHours = 5;  // as an edit that forgot the totals
  const std::string problems = Problems(t.school);
  EXPECT_NE(problems.find("sınıf 1: haftalık ders saati 4, derslerinden sayılan 5"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("öğretmen 1: haftalık ders saati 4"), std::string::npos);
  EXPECT_NE(problems.find("derslik 1: haftalık ders saati 4"), std::string::npos);
  t.C(1).weeklyHours = 0;
  t.T(1).weeklyHours = 0;
  t.T(1).morningHours = 0;
  t.school.RoomGridByNo(1)->weeklyHours = 0;
  EXPECT_EQ(Problems(t.school), "");
}

}  // namespace
}  // namespace kalvodrin
