// The class check before a whole-school run and the teacher order of a run.

#include <gtest/gtest.h>

#include "scheduler/run_checks.h"
#include "test_school.h"

namespace kalvodrin {
namespace {

// Class 1 has 30 cells (hours 1..6); it takes 26 hours, 4 of them given by two
// teachers at once.
TestSchool CoTaughtSchool() {
  TestSchool t;
  t.Lesson(1, 10, {2, 2, 2, 2, 2}).Lesson(2, 4, {2, 2}).Lesson(3, 12, {3, 3, 2, 2, 2});
  t.Class(1).Teacher(1).Teacher(2).Teacher(3);
  t.Give(1, 1, {1}).Give(1, 2, {2, 3}).Give(1, 3, {1}).Done();
  return t;
}

TEST(ClassCheck, CountsALessonOfTwoTeachersOnce) {
  TestSchool t = CoTaughtSchool();
  EXPECT_EQ(t.C(1).weeklyHours, 30);  // byte 1 counts the shared lesson twice
  EXPECT_EQ(ClassHoursNeeded(t.school, 1), 26);
  EXPECT_FALSE(CheckClassRoom(t.school).has_value());
}

TEST(ClassCheck, RefusesTheFirstClassWithTooFewOpenCells) {
  TestSchool t = CoTaughtSchool();
  t.Class(2).Give(2, 2, {2}).Done();
  for (int hour = 1; hour <= 5; ++hour)  // 30 - 5 = 25 usable cells for 26 hours
    t.C(1).open[static_cast<std::size_t>(CellIndex(1, hour) - 1)] = 0;
  t.C(2).open.fill(0);
  std::optional<ClassCheckFailure> failure = CheckClassRoom(t.school);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->classNo, 1);
  EXPECT_EQ(failure->notice,
            "1 A! sınıfında fazla alan kapatılmış. Bu sınıfta bazı alanları açın.");
  // A closed cell that holds a lesson still counts as usable.
  ASSERT_TRUE(t.Put(1, 1, 1, 1, 1));
  t.C(1).open[0] = 0;
  EXPECT_EQ(CheckClassRoom(t.school)->classNo, 2);
}

TEST(TeacherOrder, BothShiftsFirstThenLeastSlackComparedAsText) {
  TestSchool t;
  for (int n = 1; n <= 4; ++n) t.Teacher(n);
  t.Done();
  t.T(1).slack = 90;  // key "09"
  t.T(2).slack = 19;  // key "080"
  t.T(3).slack = 50;  // key "049"
  t.T(4).slack = 60;  // key "139": both shifts
  t.T(4).morningHours = 2;
  t.T(4).afternoonHours = 2;
  EXPECT_EQ(RunOrderKey(&t.T(1)), "09");
  EXPECT_EQ(RunOrderKey(&t.T(4)), "139");
  SortTeachersForRun(t.school);
  std::vector<int> order;
  for (const TTeacherRec& rec : t.school.Teachers) order.push_back(rec.number);
  // "09" sorts above "080" as text even though 9 < 80.
  EXPECT_EQ(order, (std::vector<int>{4, 1, 2, 3}));
  EXPECT_EQ(t.school.TeacherByNo(3), &t.school.Teachers[3]);
}

TEST(TeacherOrder, EqualKeysKeepTheirOrder) {
  TestSchool t;
  for (int n = 1; n <= 5; ++n) t.Teacher(n);
  t.Done();
  for (int n = 1; n <= 5; ++n) t.T(n).slack = n % 2 == 0 ? 10 : 20;
  SortTeachersForRun(t.school);
  std::vector<int> order;
  for (const TTeacherRec& rec : t.school.Teachers) order.push_back(rec.number);
  EXPECT_EQ(order, (std::vector<int>{2, 4, 1, 3, 5}));
}

}  // namespace
}  // namespace kalvodrin
