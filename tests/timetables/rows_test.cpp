#include <gtest/gtest.h>

#include "timetable_school.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {
namespace {

class RowsTest : public ::testing::Test, public TimetableSchool {};

TEST_F(RowsTest, OwnersWithoutHoursAreNotListed) {
  b.Teacher("BOŞ").Room("SPOR SALONU").Class("10");
  school = b.Build();
  CountAllHours(school);
  const std::vector<OwnerRow> teachers = TimetableTeachers(school);
  ASSERT_EQ(teachers.size(), 2u);
  EXPECT_EQ(teachers[0].name, "AYŞE");
  EXPECT_EQ(teachers[1].name, "CAN");
  const std::vector<OwnerRow> classes = TimetableClasses(school);
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_EQ(classes[1].section, "B");
  const std::vector<OwnerRow> rooms = TimetableRooms(school);
  ASSERT_EQ(rooms.size(), 1u);
  EXPECT_EQ(rooms[0].name, "LAB");
}

TEST_F(RowsTest, ALessonWithTwoTeachersHasARowForEach) {
  const std::vector<LessonRow> rows = TimetableClassLessons(school, a9);
  ASSERT_EQ(rows.size(), 5u);  // MATEMATİK, FİZİK twice, TARİH, BEDEN
  EXPECT_EQ(FindLessonRow(rows, ayse, a9, physics), 1);
  EXPECT_EQ(FindLessonRow(rows, can, a9, physics), 2);
  EXPECT_EQ(rows[2].teacherName, "CAN");
  EXPECT_EQ(rows[2].lessonName, "FİZİK");
  EXPECT_EQ(FindLessonRow(rows, can, a9, math), -1);
  const std::vector<LessonRow> own = TimetableTeacherLessons(school, ayse);
  EXPECT_EQ(own.size(), 5u);  // BEDEN twice: one row per member class
  const std::vector<LessonRow> room = TimetableRoomLessons(school, lab);
  ASSERT_EQ(room.size(), 1u);
  EXPECT_EQ(room[0].room, lab);
  EXPECT_EQ(room[0].weeklyHours, 4);
}

TEST_F(RowsTest, CountersFollowThePlacements) {
  const TeacherCounters t = CountTeacherWindow(school, ayse, a9, math);
  EXPECT_EQ(t.total, 11);  // 4 + 3 + 2 (BEDEN once for both classes) + 2
  EXPECT_EQ(t.morning, 11);
  EXPECT_EQ(t.remaining, 11 - 8);
  EXPECT_EQ(t.lessonRemaining, 2);
  const ClassCounters c = CountClassWindow(school, a9, history);
  EXPECT_EQ(c.total, 11);
  EXPECT_EQ(c.remaining, 3);  // MATEMATİK 2, FİZİK 1
  EXPECT_EQ(c.lessonRemaining, 0);
}

}  // namespace
}  // namespace kalvodrin
